#pragma once
// An 8-bit picture as the sprite tools pass it around: one palette index per
// pixel, rows top to bottom without padding, and its 256-colour palette.

#include <array>
#include <cstdint>
#include <vector>

namespace sfflib {

// 256 entries of red, green, blue.
using Palette = std::array<std::uint8_t, 768>;

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height
    Palette palette{};

    bool operator==(const IndexedImage&) const = default;
};

// The largest picture the tools accept, in pixels (8192 x 8192). A header that
// claims more is treated as damaged rather than trusted with the memory.
inline constexpr std::uint64_t maxImagePixels = 8192ull * 8192ull;

} // namespace sfflib
