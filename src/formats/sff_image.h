#pragma once
// The pictures the sprite tools pass around: an 8-bit picture (one palette
// index per pixel and its 256-colour palette) or a true-colour one (red,
// green, blue and alpha per pixel). Rows run top to bottom without padding.

#include <array>
#include <cstdint>
#include <variant>
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

// A picture without a palette. A 24-bit picture keeps hasAlpha false and
// every alpha at 255; it is written back without an alpha channel.
struct TrueColourImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = true;
    std::vector<std::uint8_t> rgba; // width * height * 4

    bool operator==(const TrueColourImage&) const = default;
};

// One sprite's picture, as an SFF v2 holds it.
using Picture = std::variant<IndexedImage, TrueColourImage>;

inline bool isTrueColour(const Picture& p)
{
    return std::holds_alternative<TrueColourImage>(p);
}
inline int widthOf(const Picture& p)
{
    return std::visit([](const auto& image) { return image.width; }, p);
}
inline int heightOf(const Picture& p)
{
    return std::visit([](const auto& image) { return image.height; }, p);
}

// The largest picture the tools accept, in pixels (8192 x 8192). A header that
// claims more is treated as damaged rather than trusted with the memory.
inline constexpr std::uint64_t maxImagePixels = 8192ull * 8192ull;
// The longest side of a PNG the tools read.
inline constexpr int maxPngSide = 16384;

} // namespace sfflib
