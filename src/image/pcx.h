#pragma once
// The one PCX decoder for every picture the program shows: 256-colour PCX
// files, run-length decoded into an index buffer with 4-byte-aligned rows,
// optionally mirrored, with the palette chosen by the caller's mode.

#include "common/message.h"
#include "common/translatable.h"
#include "formats/palette.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// The index buffer of a decoded picture.
struct DecodedImage {
    int width = 0; // from the header
    int height = 0;
    int rowLength = 0;                // L: planes x bytes per line; the picture is this wide
    int stride = 0;                   // S: L rounded up to a multiple of 4
    std::vector<std::uint8_t> pixels; // stride x height, row 0 at the top
    Palette palette{};                // the colours this picture is shown with

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }
};

// State shared by every decode in a run.
struct DecoderState {
    Palette spritePalette{}; // the first 256-colour palette met in the run
    bool spritePaletteCaptured = false;
    DecodedImage decodedPixels; // the last decoded picture
    // The buffer of the picture before it: the next decode fills this memory
    // instead of taking (and clearing) fresh memory for every picture.
    std::vector<std::uint8_t> spareBuffer;
    std::string fileBytes; // the last file loadPcx read, its memory reused by the next
    // Why the last decode was refused, for the user ("8-bit PCX with 3
    // planes", "the picture data ends at 0x3F2 in row 12 of 40"); empty after
    // one that was not.
    Message refusal;
};

// Palette modes.
inline constexpr int kPaletteFromFile = 0;
inline constexpr int kPaletteWorking = 1; // the palette editor's working palette
inline constexpr int kPaletteOnionSkin = -99;

// Adjustments the sprite window asks for: colour 0 shown as the background.
struct SpriteViewOptions {
    bool transparent = false; // colour 0 becomes the background colour
    bool whiteBackground = false;
};

enum class PcxStatus {
    Ok,
    Refused,   // not an 8-bit PCX, unreadable, or damaged: "Sorry, can't load that pcx file!"
    NoPicture, // 8 bits but more than one plane: nothing shown, no message
};

inline constexpr const char* kPcxRefused = QT_TRANSLATE_NOOP("Messages", "Sorry, can't load that pcx file!");

// What every indexed picture goes through once its rows are decoded (a PCX,
// or a palette PNG read by the windows): mirrored by `flip`, coloured by the
// palette mode (`ownPalette` is the file's own palette, null when it has
// none) and the view options, then stored in state.decodedPixels.
void finishIndexedPicture(DecoderState& state, DecodedImage image, const Palette* ownPalette, int paletteMode, int flip,
                          const Palette* working = nullptr, const SpriteViewOptions* view = nullptr);

// Decodes `path`. flip: 1 vertical, 2 horizontal, 3 both, else none.
// On Ok the picture is in state.decodedPixels (and returned).
// `working` is used in kPaletteWorking mode; `view` may be null.
PcxStatus loadPcx(DecoderState& state, const std::string& path, int paletteMode, int flip,
                  const Palette* working = nullptr, const SpriteViewOptions* view = nullptr);

// The same on bytes already in memory.
PcxStatus decodePcx(DecoderState& state, const std::string& bytes, int paletteMode, int flip,
                    const Palette* working = nullptr, const SpriteViewOptions* view = nullptr);

// The processor's vector instructions the rows are decoded with: the best
// the processor has, unless set lower. Each gives the same pictures, the
// plain decoding most slowly; the tests compare them.
enum class PcxInstructions { Plain, Avx2, Avx512 };
// Takes `wanted`, or the best below it that the processor has; returns what it took.
PcxInstructions setPcxInstructions(PcxInstructions wanted);
PcxInstructions pcxInstructions();

} // namespace vantrel
