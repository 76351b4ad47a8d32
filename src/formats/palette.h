#pragma once
// A 256-colour palette as the character's files store it: red, green and blue
// bytes per entry.

#include <array>
#include <cstdint>

namespace vantrel {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
using Palette = std::array<Rgb, 256>;

} // namespace vantrel
