#pragma once
// What the configuration dialog edits and how it lands in the settings: the
// zoom slider's seven positions and the texts written on OK.

#include "ui/settings.h"

#include <cstdint>
#include <string>

namespace vantrel {

inline constexpr int kZoomPositionCount = 7;
inline constexpr int kDefaultZoomPosition = 4; // zoom 1

// Slider positions 1 to 7 are the zooms 0.125, 0.25, 0.5, 1, 2, 4 and 8;
// positions outside are taken as the nearest end.
float zoomForPosition(int position);
// The position whose zoom equals `zoom` exactly, else 4.
int positionForZoom(float zoom);
// "Default zoom: 0.125x" ... "Default zoom: 8x".
std::string zoomLabel(int position);

// A colour as the settings hold it: red in the lowest byte, blue in the third.
std::uint32_t colourNumber(int red, int green, int blue);
inline int redOf(std::uint32_t colour)
{
    return colour & 0xFF;
}
inline int greenOf(std::uint32_t colour)
{
    return (colour >> 8) & 0xFF;
}
inline int blueOf(std::uint32_t colour)
{
    return (colour >> 16) & 0xFF;
}

// A font size in decimal, fractions kept ("9.75", "10").
std::string fontSizeText(double size);

// The values of the dialog when OK is pressed.
struct ConfigChoice {
    std::string fontName;
    double fontSize = 10;
    bool bold = false;
    bool italic = false;
    std::uint32_t textColour = 0;
    std::uint32_t backColour = 0xFFFFFF;
    int zoomPosition = kDefaultZoomPosition;
    bool showTips = true;
};

// Writes the choice to the store and into the in-memory settings (the font
// size rounded to a whole number, halves to even). The caller sets the
// sprite view's zoom from settings.defaultZoom.
void saveConfiguration(SettingsStore& store, ProgramSettings& settings, const ConfigChoice& choice);

} // namespace vantrel
