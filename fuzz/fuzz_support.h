#pragma once
// What the fuzz targets share: a file for the readers that take a path, and
// checks that end the run the way a crash does, so that libFuzzer keeps the
// input that broke a promise of the code under test.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace vantrel::fuzz {

// One file in a folder of its own under /tmp, rewritten for every input and
// removed with its folder when the run ends.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name)
    {
        char folder[] = "/tmp/vantrel-fuzz-XXXXXX";
        if (!::mkdtemp(folder))
            std::abort();
        folder_ = folder;
        path_ = folder_ + "/" + name;
    }
    ~ScratchFile()
    {
        ::unlink(path_.c_str());
        ::rmdir(folder_.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& folder() const { return folder_; }

    // Writes the bytes and returns the file's path.
    const std::string& write(std::string_view bytes) const
    {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            std::abort();
        return path_;
    }

private:
    std::string folder_;
    std::string path_;
};

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A promise of the code under test that did not hold: reported as a crash.
inline void require(bool holds, const char* promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

} // namespace vantrel::fuzz
