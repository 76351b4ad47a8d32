#pragma once
// The one way Vantrel writes a file: into a temporary file in the same folder,
// flushed to disk, then renamed over the target. A failed or interrupted write
// leaves the old file exactly as it was.

#include <string>
#include <string_view>

namespace vantrel {

struct WriteResult {
    bool ok = false;
    std::string error; // a sentence for the user when !ok
    explicit operator bool() const { return ok; }
};

WriteResult writeFileAtomic(const std::string& path, std::string_view bytes);

} // namespace vantrel
