#include "palette/palette_editor.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace vantrel {

std::optional<int> PaletteEditor::pressGrid(int x, int y)
{
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize)
        return std::nullopt;
    return 16 * (y / kGridCell) + x / kGridCell;
}

bool PaletteEditor::setComponent(Channel channel, int value)
{
    const auto v = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    Rgb colour = selectedColour();
    switch (channel) {
    case Channel::Red: colour.r = v; break;
    case Channel::Green: colour.g = v; break;
    case Channel::Blue: colour.b = v; break;
    }
    return setSelectedColour(colour);
}

bool PaletteEditor::setSelectedColour(const Rgb& colour)
{
    Rgb& entry = workingPalette[static_cast<std::size_t>(selectedIndex)];
    if (entry == colour)
        return false;
    entry = colour;
    return true;
}

std::int64_t PaletteEditor::hexValue(std::string_view text)
{
    static constexpr std::string_view digits = "0123456789ABCDEF";
    std::int64_t value = 0;
    for (char ch : text) {
        const auto upper = static_cast<char>(ch >= 'a' && ch <= 'f' ? ch - 'a' + 'A' : ch);
        const std::size_t digit = digits.find(upper);
        value = value * 16 + (digit == std::string_view::npos ? 0 : static_cast<std::int64_t>(digit));
    }
    return value;
}

Rgb PaletteEditor::colourOfNumber(std::uint32_t bgr)
{
    // The chooser's number is written as six hexadecimal digits BBGGRR and
    // each pair read back, so the colour survives exactly as chosen.
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", bgr & 0xFFFFFFu);
    const std::string_view digits(hex);
    const std::size_t n = digits.size();
    return {static_cast<std::uint8_t>(hexValue(digits.substr(n - 2, 2))),
            static_cast<std::uint8_t>(hexValue(digits.substr(n - 4, 2))),
            static_cast<std::uint8_t>(hexValue(digits.substr(n - 6, 2)))};
}

} // namespace vantrel
