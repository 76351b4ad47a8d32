// The pixel codecs of SFF v2 and the PNG reader, fed directly: the first
// bytes choose the codec and the pixel count, the rest is the data. The
// encoders' output must decode to what they were given.

#include "fuzz_support.h"

#include "formats/png.h"
#include "formats/sff_codecs.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider choices(data, size);
    const int codec = choices.ConsumeIntegralInRange(0, 5);
    const std::size_t pixelCount = choices.ConsumeIntegralInRange<std::size_t>(0, 1 << 20);
    const std::string bytes = choices.ConsumeRemainingBytesAsString();

    std::vector<std::uint8_t> pixels;
    try {
        switch (codec) {
        case 0: pixels = sfflib::decodeRle8(bytes, pixelCount); break;
        case 1: pixels = sfflib::decodeRle5(bytes, pixelCount); break;
        case 2: pixels = sfflib::decodeLz5(bytes, pixelCount); break;
        case 3: {
            const auto info = sfflib::readPngInfo(bytes);
            const auto picture = sfflib::decodePng(bytes);
            fuzz::require(!picture || info, "a decoded PNG has a readable header");
            if (picture)
                fuzz::require(sfflib::widthOf(*picture) == info->width && sfflib::heightOf(*picture) == info->height,
                              "a decoded PNG is as large as its header says");
            return 0;
        }
        case 4: { // the encoders, on the bytes as pixels
            const std::vector<std::uint8_t> given(bytes.begin(), bytes.end());
            fuzz::require(sfflib::decodeRle8(sfflib::encodeRle8(given), given.size()) == given,
                          "RLE8 gives back what it encoded");
            std::vector<std::uint8_t> low = given;
            for (auto& p : low)
                p &= 31;
            fuzz::require(sfflib::decodeLz5(sfflib::encodeLz5(low), low.size()) == low,
                          "LZ5 gives back what it encoded");
            return 0;
        }
        default: return 0;
        }
    } catch (const sfflib::FormatError&) {
        return 0; // the documented refusal of damaged data
    }
    fuzz::require(pixels.size() == pixelCount, "a decoder fills exactly the pixels asked for");
    return 0;
}
