#pragma once
// The palette editor's model: the palette being edited (the program-wide
// working palette, which decodes in the caller's-palette mode show), the
// selected colour and what was last saved. The window keeps the history of
// edits; a step puts back a whole palette through setPalette.

#include "image/pcx.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

enum class Channel { Red, Green, Blue };

inline constexpr int kGridCell = 12;
inline constexpr int kGridSize = 16 * kGridCell;

class PaletteEditor {
public:
    explicit PaletteEditor(Palette& working) : workingPalette(working), clean_(working) { }

    // A palette read from a file (or imported, or a step of the history)
    // replaces the one being edited; the selection stays. `fromFile` makes it
    // the unmodified state (an import is an edit still to be saved).
    void setPalette(const Palette& palette, bool fromFile);

    // A press on the grid at pixel (x, y): the index of the cell under it, if any.
    static std::optional<int> pressGrid(int x, int y);

    void selectIndex(int index) { selectedIndex = index; }
    const Rgb& selectedColour() const { return workingPalette[static_cast<std::size_t>(selectedIndex)]; }

    // Writes one component (clamped to 0..255) of the selected colour; true
    // when the palette changed.
    bool setComponent(Channel channel, int value);
    bool setSelectedColour(const Rgb& colour);

    // True while the palette differs from the one last loaded or saved.
    bool modified() const { return workingPalette != clean_; }
    void markSaved() { clean_ = workingPalette; }

    // The value of a text of hexadecimal digits; other characters count 0.
    static std::int64_t hexValue(std::string_view text);
    // The colour of the chooser's colour number 0xBBGGRR.
    static Rgb colourOfNumber(std::uint32_t bgr);

    Palette& workingPalette;
    int selectedIndex = 0;

private:
    Palette clean_;
};

} // namespace vantrel
