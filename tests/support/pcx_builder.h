#pragma once
// Builds PCX files byte by byte, so tests can state exactly what a file holds.

#include "image/pcx.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::test {

struct PcxContent {
    PcxContent(int w, int h, int bpl, int bpp, int planeCount, std::vector<std::uint8_t> bytes,
               std::optional<Palette> colours = std::nullopt)
            : width(w), height(h), bytesPerLine(bpl), bitsPerPixel(bpp), planes(planeCount), data(std::move(bytes)),
              palette(std::move(colours))
    { }

    int width = 1;
    int height = 1;
    int bytesPerLine = 1;
    int bitsPerPixel = 8;
    int planes = 1;
    std::vector<std::uint8_t> data; // the encoded rows
    std::optional<Palette> palette; // appended after the 0x0C marker
};

inline void putInt16(std::string& bytes, std::size_t offset, int value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline std::string makePcx(const PcxContent& content)
{
    std::string bytes(128, '\0');
    bytes[0] = 0x0A;
    bytes[1] = 5;
    bytes[2] = 1;
    bytes[3] = static_cast<char>(content.bitsPerPixel);
    putInt16(bytes, 4, 0);
    putInt16(bytes, 6, 0);
    putInt16(bytes, 8, content.width - 1);
    putInt16(bytes, 10, content.height - 1);
    bytes[65] = static_cast<char>(content.planes);
    putInt16(bytes, 66, content.bytesPerLine);
    bytes.append(content.data.begin(), content.data.end());
    if (content.palette) {
        bytes.push_back(12);
        for (const Rgb& c : *content.palette) {
            bytes.push_back(static_cast<char>(c.r));
            bytes.push_back(static_cast<char>(c.g));
            bytes.push_back(static_cast<char>(c.b));
        }
    }
    return bytes;
}

// A palette whose every entry differs from the others and from black.
inline Palette distinctPalette(std::uint8_t seed)
{
    Palette p;
    for (int i = 0; i < 256; ++i)
        p[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), seed};
    return p;
}

} // namespace vantrel::test
