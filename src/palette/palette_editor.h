#pragma once
// The palette editor's model: the palette being edited (the program-wide
// working palette, which decodes in the caller's-palette mode show), the
// selected colour, the one-step undo snapshot and what was last saved.

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

    // A palette read from a file (or imported) replaces the one being
    // edited; selection and undo snapshot stay. `fromFile` makes it the
    // unmodified state (an import is an edit still to be saved).
    void setPalette(const Palette& palette, bool fromFile);

    // A press on the grid at pixel (x, y): takes the undo snapshot, wherever
    // it lies, and returns the index of the cell under it, if any.
    std::optional<int> pressGrid(int x, int y);

    void selectIndex(int index) { selectedIndex = index; }
    const Rgb& selectedColour() const { return workingPalette[static_cast<std::size_t>(selectedIndex)]; }

    // Writes one component (clamped to 0..255) of the selected colour; true
    // when the palette changed.
    bool setComponent(Channel channel, int value);
    bool setSelectedColour(const Rgb& colour);

    // Exchanges the palette with the undo snapshot; false when there is none.
    bool swapUndo();
    bool undoAvailable() const { return undoAvailable_; }
    const Palette& undoPalette() const { return undo_; }

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
    Palette undo_{};
    bool undoAvailable_ = false;
    Palette clean_;
};

} // namespace vantrel
