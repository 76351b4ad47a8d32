// The editor's PCX decoder, in every palette mode, mirroring and view option.
// The first bytes choose them; the rest is the file. Each kind of vector
// instructions the processor has must give what the plain decoding gives.

#include "fuzz_support.h"

#include "image/pcx.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider choices(data, size);
    const int modes[] = {kPaletteFromFile, kPaletteWorking, kPaletteOnionSkin, 7};
    const int mode = modes[choices.ConsumeIntegralInRange(0, 3)];
    const int flip = choices.ConsumeIntegralInRange(0, 4);
    SpriteViewOptions view;
    view.transparent = choices.ConsumeBool();
    view.whiteBackground = choices.ConsumeBool();
    const bool withView = choices.ConsumeBool();
    const bool twice = choices.ConsumeBool();
    Palette working{};
    for (std::size_t i = 0; i < working.size(); ++i)
        working[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7};
    const std::string bytes = choices.ConsumeRemainingBytesAsString();

    DecoderState state;
    // A second decode in the same run sees the palette the first one kept.
    for (int run = 0; run < (twice ? 2 : 1); ++run) {
        const PcxStatus status = decodePcx(state, bytes, mode, flip, &working, withView ? &view : nullptr);
        if (status != PcxStatus::Ok)
            continue;
        const DecodedImage& image = state.decodedPixels;
        fuzz::require(image.width > 0 && image.height > 0 && image.rowLength > 0, "a decoded picture has a size");
        fuzz::require(image.stride >= image.rowLength && image.stride % 4 == 0, "rows are 4-byte aligned");
        fuzz::require(image.pixels.size() == static_cast<std::size_t>(image.stride) * image.height,
                      "the buffer holds every row");
    }

    const PcxInstructions best = pcxInstructions();
    DecoderState plain;
    setPcxInstructions(PcxInstructions::Plain);
    const PcxStatus plainStatus = decodePcx(plain, bytes, kPaletteFromFile, 0);
    for (const auto kind : {PcxInstructions::Avx2, PcxInstructions::Avx512}) {
        if (setPcxInstructions(kind) != kind)
            break;
        DecoderState vector;
        fuzz::require(decodePcx(vector, bytes, kPaletteFromFile, 0) == plainStatus, "every kind refuses alike");
        fuzz::require(plainStatus != PcxStatus::Ok || vector.decodedPixels.pixels == plain.decodedPixels.pixels,
                      "every kind decodes alike");
    }
    setPcxInstructions(best);
    return 0;
}
