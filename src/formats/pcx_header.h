#pragma once
// What every PCX reader of the program agrees on: the 128-byte header and the
// 256-colour palette block at the end of the file. How the rows are decoded
// is each reader's own business (the display decoder and the sprite tools
// differ there). Standard C++ only, so that the sprite tools can use it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

inline constexpr std::size_t kPcxHeaderSize = 128;
// The marker byte 0x0C, then 256 entries of red, green, blue.
inline constexpr std::size_t kPcxPaletteBlockSize = 769;
inline constexpr std::uint8_t kPcxPaletteMarker = 0x0C;

// The header fields as stored (little-endian), nothing derived from them.
struct PcxHeader {
    std::uint8_t manufacturer = 0; // 0x0A in a PCX file
    std::uint8_t version = 0;
    std::uint8_t encoding = 0; // 1: run-length encoded
    std::uint8_t bitsPerPixel = 0;
    std::int16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::uint8_t planes = 0;
    std::uint16_t bytesPerLine = 0; // of one plane
};

// The header at the start of `bytes`; nothing when the bytes are shorter than one.
std::optional<PcxHeader> readPcxHeader(std::string_view bytes);

// The 768 colour bytes of the palette block: present when the byte 769 from
// the end is the marker. The marker is looked for nowhere else, and a file
// shorter than 769 bytes has no block.
std::optional<std::string_view> pcxPaletteBlock(std::string_view bytes);

} // namespace vantrel
