// ACT palettes, from bytes and from a file.

#include "fuzz_support.h"

#include "formats/act.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(fuzz::bytesOf(data, size));
    const auto palette = paletteFromAct(bytes);
    fuzz::require(palette.has_value() == (size >= kActFileSize), "an ACT file is read when it holds 768 bytes");
    if (palette)
        fuzz::require(actBytes(*palette) == bytes.substr(0, kActFileSize), "a palette writes back its 768 bytes");

    static const fuzz::ScratchFile act("kfm.act");
    const Result<Palette> read = readActFile(act.write(bytes));
    fuzz::require(read.ok() == palette.has_value() && (!read || *read == *palette), "the file reads as its bytes do");
    fuzz::require(read || !read.error().empty(), "a refused file says why");
    return 0;
}
