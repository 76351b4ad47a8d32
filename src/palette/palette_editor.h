#pragma once
// The palette window's model: the palette shown (the document's, or one
// being changed by a scroll bar still held, which decodes in the
// caller's-palette mode show) and the selected colour. The document keeps
// the palette and its history.

#include "formats/palette.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

enum class Channel { Red, Green, Blue };

inline constexpr int kGridCell = 12;
inline constexpr int kGridSize = 16 * kGridCell;

class PaletteEditor {
public:
    // The document's palette replaces the one shown; the selection stays.
    void setPalette(const Palette& palette) { workingPalette = palette; }

    // A press on the grid at pixel (x, y): the index of the cell under it, if any.
    static std::optional<int> pressGrid(int x, int y);

    void selectIndex(int index) { selectedIndex = index; }
    const Rgb& selectedColour() const { return workingPalette[static_cast<std::size_t>(selectedIndex)]; }

    // Writes one component (clamped to 0..255) of the selected colour; true
    // when the palette changed.
    bool setComponent(Channel channel, int value);
    bool setSelectedColour(const Rgb& colour);

    // The value of a text of hexadecimal digits; other characters count 0.
    static std::int64_t hexValue(std::string_view text);
    // The colour of the chooser's colour number 0xBBGGRR.
    static Rgb colourOfNumber(std::uint32_t bgr);

    Palette workingPalette{};
    int selectedIndex = 0;
};

} // namespace vantrel
