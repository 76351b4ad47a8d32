#include "formats/pcx_header.h"

namespace vantrel {

namespace {

std::uint8_t byteAt(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint8_t>(bytes[offset]);
}

std::uint16_t wordAt(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(byteAt(bytes, offset) | byteAt(bytes, offset + 1) << 8);
}

} // namespace

std::optional<PcxHeader> readPcxHeader(std::string_view bytes)
{
    if (bytes.size() < kPcxHeaderSize)
        return std::nullopt;
    PcxHeader header;
    header.manufacturer = byteAt(bytes, 0);
    header.version = byteAt(bytes, 1);
    header.encoding = byteAt(bytes, 2);
    header.bitsPerPixel = byteAt(bytes, 3);
    header.xMin = static_cast<std::int16_t>(wordAt(bytes, 4));
    header.yMin = static_cast<std::int16_t>(wordAt(bytes, 6));
    header.xMax = static_cast<std::int16_t>(wordAt(bytes, 8));
    header.yMax = static_cast<std::int16_t>(wordAt(bytes, 10));
    header.planes = byteAt(bytes, 65);
    header.bytesPerLine = wordAt(bytes, 66);
    return header;
}

std::optional<std::string_view> pcxPaletteBlock(std::string_view bytes)
{
    if (bytes.size() < kPcxPaletteBlockSize || byteAt(bytes, bytes.size() - kPcxPaletteBlockSize) != kPcxPaletteMarker)
        return std::nullopt;
    return bytes.substr(bytes.size() - (kPcxPaletteBlockSize - 1));
}

} // namespace vantrel
