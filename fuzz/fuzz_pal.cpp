// JASC PAL palettes: the reader, and the writer on what it read.

#include "fuzz_support.h"

#include "formats/pal.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto palette = paletteFromPal(std::string(fuzz::bytesOf(data, size)));
    if (!palette)
        return 0;
    const auto again = paletteFromPal(palText(*palette));
    fuzz::require(again && *again == *palette, "a written palette reads back the same");
    return 0;
}
