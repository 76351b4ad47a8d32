#include "formats/sff_pcx.h"

#include "formats/bytes.h"

#include "formats/pcx_header.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <optional>

namespace sfflib {

namespace {

using vantrel::kPcxHeaderSize;
using vantrel::kPcxPaletteBlockSize;
using vantrel::kPcxPaletteMarker;

IndexedImage decode(std::string_view bytes, const Palette* inheritedPalette)
{
    const ByteReader in(bytes, "PCX");
    const auto header = vantrel::readPcxHeader(bytes);
    if (!header)
        in.fail("the file is shorter than a PCX header");
    if (header->manufacturer != 0x0A)
        in.fail("this is not a PCX file");
    if (header->encoding != 1)
        in.fail("the image is not run-length encoded");
    if (header->bitsPerPixel != 8 || header->planes != 1)
        in.fail("only 256-colour images (8 bits, 1 plane) are supported");

    const int width = header->xMax - header->xMin + 1;
    const int height = header->yMax - header->yMin + 1;
    const int bytesPerLine = header->bytesPerLine;
    if (width <= 0 || height <= 0)
        in.fail("the header gives an empty image");
    if (bytesPerLine < width)
        in.fail("the header gives fewer bytes per line than the width");

    std::string_view data = bytes.substr(kPcxHeaderSize);
    std::optional<std::string_view> paletteBlock;
    if (!inheritedPalette) {
        // The block must follow the image data, not overlap the header.
        paletteBlock = vantrel::pcxPaletteBlock(bytes);
        if (!paletteBlock || bytes.size() < kPcxHeaderSize + kPcxPaletteBlockSize)
            in.fail("the image has no 256-colour palette");
        data.remove_suffix(kPcxPaletteBlockSize);
    }

    const std::uint64_t rawSize = std::uint64_t(bytesPerLine) * std::uint64_t(height);
    // A run of at most 63 pixels takes two bytes: more than that cannot be
    // in the data, so the header lies.
    if (std::uint64_t(width) * height > maxImagePixels || rawSize > std::uint64_t(data.size()) * 32 + 63)
        in.fail("the header gives a size the image data cannot hold");

    // Runs are decoded as one stream over all rows: some writers let a run
    // continue into the next row.
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(rawSize));
    std::size_t out = 0;
    std::size_t p = 0;
    // Far from the end of the pixels, a run is stored as a block of 64 bytes
    // whatever its length, which costs less than a fill of its own length:
    // the bytes past the run are written again by what follows it.
    while (raw.size() - out >= 64 && data.size() - p >= 2) {
        const auto b = static_cast<std::uint8_t>(data[p]);
        if ((b & 0xC0) == 0xC0) {
            std::memset(raw.data() + out, static_cast<std::uint8_t>(data[p + 1]), 64);
            out += b & 0x3F;
            p += 2;
        } else {
            raw[out++] = b;
            ++p;
        }
    }
    while (out < raw.size()) {
        if (p >= data.size())
            in.fail("the image data ends before the last row");
        const std::uint8_t b = static_cast<std::uint8_t>(data[p++]);
        if ((b & 0xC0) == 0xC0) {
            if (p >= data.size())
                in.fail("the image data ends inside a run");
            const std::uint8_t value = static_cast<std::uint8_t>(data[p++]);
            std::size_t count = b & 0x3F;
            if (count > raw.size() - out)
                count = raw.size() - out;
            std::fill_n(raw.begin() + static_cast<std::ptrdiff_t>(out), count, value);
            out += count;
        } else {
            raw[out++] = b;
        }
    }

    IndexedImage image;
    image.width = width;
    image.height = height;
    if (bytesPerLine == width) {
        image.pixels = std::move(raw);
    } else {
        image.pixels.resize(std::size_t(width) * height);
        for (int y = 0; y < height; ++y)
            std::copy_n(raw.begin() + std::ptrdiff_t(y) * bytesPerLine, width,
                        image.pixels.begin() + std::ptrdiff_t(y) * width);
    }
    if (paletteBlock)
        std::copy(paletteBlock->begin(), paletteBlock->end(), image.palette.begin());
    else
        image.palette = *inheritedPalette;
    return image;
}

} // namespace

Result<IndexedImage> decodePcx(std::string_view bytes, const Palette* inheritedPalette)
{
    try {
        return decode(bytes, inheritedPalette);
    } catch (const FormatError& e) {
        return Result<IndexedImage>::failure(e.what());
    }
}

namespace {

// How many of the `left` bytes at `from` equal `value` before the first that
// does not, counting at most `most`: eight bytes at a time where the row has
// them, the first difference found from their exclusive or.
int sameBytesAhead(const std::uint8_t* from, int left, std::uint8_t value, int most)
{
    const std::uint64_t eight = 0x0101010101010101u * value;
    int n = 0;
    while (n < most) {
        if (std::endian::native == std::endian::little && n + 8 <= left) {
            std::uint64_t next = 0;
            std::memcpy(&next, from + n, sizeof next);
            if (const std::uint64_t differ = next ^ eight; differ != 0)
                return std::min(most, n + std::countr_zero(differ) / 8);
            n += 8;
        } else if (from[n] == value) {
            ++n;
        } else {
            break;
        }
    }
    return std::min(n, most);
}

} // namespace

std::string encodePcx(const IndexedImage& image, bool withPalette)
{
    std::string out;
    const std::size_t pixels = std::size_t(std::max(image.width, 0)) * std::size_t(std::max(image.height, 0));
    putU8(out, 0x0A); // manufacturer
    putU8(out, 5);    // version
    putU8(out, 1);    // run-length encoding
    putU8(out, 8);    // bits per pixel
    putU16(out, 0);
    putU16(out, 0);
    putU16(out, static_cast<unsigned>(image.width - 1));
    putU16(out, static_cast<unsigned>(image.height - 1));
    putU16(out, 72);
    putU16(out, 72);
    out.append(48, '\0'); // 16-colour map, unused
    putU8(out, 0);
    putU8(out, 1); // planes
    putU16(out, static_cast<unsigned>(image.width));
    putU16(out, 1); // palette info: colour
    out.resize(kPcxHeaderSize, '\0');

    // At most two bytes a pixel, written into a buffer left uncleared (a
    // string of that size would be cleared first, which costs more than the
    // encoding), then copied as far as it was used.
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(2 * pixels);
    std::uint8_t* at = buffer.get();
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.pixels.data() + std::size_t(y) * image.width;
        int x = 0;
        while (x < image.width) {
            const std::uint8_t value = row[x];
            const int most = std::min(63, image.width - x);
            const int run = sameBytesAhead(row + x + 1, image.width - x - 1, value, most - 1) + 1;
            if (run > 1 || (value & 0xC0) == 0xC0)
                *at++ = static_cast<std::uint8_t>(0xC0 | run);
            *at++ = value;
            x += run;
        }
    }
    const auto used = static_cast<std::size_t>(at - buffer.get());
    // Room for the palette too, or appending it would copy the pixels again.
    out.reserve(out.size() + used + kPcxPaletteBlockSize);
    out.append(reinterpret_cast<const char*>(buffer.get()), used);

    putU8(out, kPcxPaletteMarker);
    if (withPalette)
        out.append(reinterpret_cast<const char*>(image.palette.data()), image.palette.size());
    return out;
}

} // namespace sfflib
