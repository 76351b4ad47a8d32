#include "formats/sff.h"

#include "formats/bytes.h"
#include "formats/png.h"
#include "formats/sff_codecs.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace sfflib {

namespace {

constexpr std::size_t spriteNodeSize = 28;
constexpr std::size_t paletteNodeSize = 16;

struct Block {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

std::string spriteContext(std::uint32_t index)
{
    return "SFF sprite " + std::to_string(index);
}

// The formats and what they hold.
bool isPixelFormat(std::uint8_t format)
{
    return format == 0 || format == 2 || format == 3 || format == 4;
}
bool isPngFormat(std::uint8_t format)
{
    return format == 10 || format == 11 || format == 12;
}

std::vector<PaletteEntry> readPalettes(std::string_view bytes, const ByteReader& file, const Block& ldata)
{
    const std::uint64_t tableAt = file.u32(44, "header");
    const std::uint32_t count = file.u32(48, "header");
    if (!file.holds(tableAt, std::uint64_t(count) * paletteNodeSize))
        file.fail("the palette table lies outside the file");

    std::vector<PaletteEntry> palettes(count);
    std::vector<std::uint16_t> links(count);
    std::vector<bool> linked(count, false);
    for (std::uint32_t i = 0; i < count; ++i) {
        const ByteReader node(bytes, "SFF palette " + std::to_string(i));
        const std::uint64_t at = tableAt + std::uint64_t(i) * paletteNodeSize;
        PaletteEntry& palette = palettes[i];
        palette.group = node.s16(at, "node");
        palette.number = node.s16(at + 2, "node");
        const std::uint16_t colours = node.u16(at + 4, "node");
        const std::uint32_t offset = node.u32(at + 8, "node");
        const std::uint32_t length = node.u32(at + 12, "node");
        if (length == 0) {
            linked[i] = true;
            links[i] = node.u16(at + 6, "node");
            continue;
        }
        if (length % 4 != 0)
            node.fail("its length " + std::to_string(length) + " is not a whole number of 4-byte colours");
        if (std::uint64_t(offset) + length > ldata.length)
            node.fail("its colours lie outside the literal data block");
        const std::uint64_t used = std::min<std::uint64_t>({colours, length / 4, 256});
        if (used == 0)
            node.fail("it holds no colour");
        const auto data = node.slice(ldata.offset + offset, used * 4, "colours");
        palette.colours.assign(data.begin(), data.end());
    }
    // A palette link may point at another link; follow it, but never in a circle.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t target = i;
        for (std::uint32_t steps = 0; linked[target]; ++steps) {
            target = links[target];
            if (target >= count || steps > count)
                file.fail("palette " + std::to_string(i) + " links to a palette that does not exist");
        }
        palettes[i].colours = palettes[target].colours;
    }
    return palettes;
}

} // namespace

void SffReader::readTablesV2()
{
    const std::string_view bytes = m_bytes;
    const ByteReader file(bytes, "SFF");
    if (bytes.size() < 68)
        file.fail("the file is shorter than its header");
    const Block ldata{file.u32(52, "header"), file.u32(56, "header")};
    const Block tdata{file.u32(60, "header"), file.u32(64, "header")};
    if (!file.holds(ldata.offset, ldata.length))
        file.fail("the literal data block lies outside the file");
    if (!file.holds(tdata.offset, tdata.length))
        file.fail("the translated data block lies outside the file");
    m_palettes = readPalettes(bytes, file, ldata);

    const std::uint64_t tableAt = file.u32(36, "header");
    const std::uint32_t count = file.u32(40, "header");
    if (!file.holds(tableAt, std::uint64_t(count) * spriteNodeSize))
        file.fail("the sprite table lies outside the file");

    m_sprites.resize(count);
    std::vector<std::uint16_t> links(count);
    std::vector<bool> linked(count, false);
    // Nodes that point at the same data with the same size and palette draw
    // the same picture: it is decoded and written once.
    std::map<std::tuple<std::uint64_t, std::uint64_t, int, int, int, int>, std::size_t> seen;
    for (std::uint32_t i = 0; i < count; ++i) {
        const ByteReader node(bytes, spriteContext(i));
        const std::uint64_t at = tableAt + std::uint64_t(i) * spriteNodeSize;
        Sprite& sprite = m_sprites[i];
        sprite.group = node.s16(at, "node");
        sprite.imageNo = node.s16(at + 2, "node");
        Source s;
        s.firstSprite = i;
        s.width = node.u16(at + 4, "node");
        s.height = node.u16(at + 6, "node");
        sprite.axisX = node.s16(at + 8, "node");
        sprite.axisY = node.s16(at + 10, "node");
        links[i] = node.u16(at + 12, "node");
        s.format = node.u8(at + 14, "node");
        s.depth = node.u8(at + 15, "node");
        const std::uint32_t dataOffset = node.u32(at + 16, "node");
        const std::uint32_t dataLength = node.u32(at + 20, "node");
        s.palette = node.u16(at + 24, "node");
        const bool inTdata = (node.u16(at + 26, "node") & 1) != 0;
        if (dataLength == 0) {
            linked[i] = true; // resolved below
            continue;
        }
        const Block& block = inTdata ? tdata : ldata;
        if (std::uint64_t(dataOffset) + dataLength > block.length)
            node.fail("its data lies outside the data block");
        s.offset = block.offset + dataOffset;
        s.length = dataLength;
        if (!isPixelFormat(s.format) && !isPngFormat(s.format))
            node.fail("its format " + std::to_string(s.format) + " is unknown");
        if (std::uint64_t(s.width) * s.height > maxImagePixels)
            node.fail("its size " + std::to_string(s.width) + "x" + std::to_string(s.height) + " is too large");
        const bool paletted = s.format != 11 && s.format != 12;
        if (paletted && s.palette >= m_palettes.size())
            node.fail("it uses palette " + std::to_string(s.palette) + ", past the palette table of "
                      + std::to_string(m_palettes.size()));
        if (!paletted)
            s.palette = 0;
        const auto key = std::tuple(s.offset, s.length, int(s.format), int(s.width), int(s.height), int(s.palette));
        const auto [found, added] = seen.emplace(key, m_pictures.size());
        sprite.image = found->second;
        if (added)
            m_pictures.push_back(s);
    }
    // A linked sprite shares the picture and colours of its target, which may
    // itself be a link; never follow links in a circle.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t target = i;
        for (std::uint32_t steps = 0; linked[target]; ++steps) {
            target = links[target];
            if (target >= count || steps > count)
                file.fail("sprite " + std::to_string(i) + " links to a sprite that does not exist");
        }
        m_sprites[i].image = m_sprites[target].image;
    }
}

Picture SffReader::decodeV2(const Source& s) const
{
    const ByteReader node(m_bytes, spriteContext(s.firstSprite));
    const std::string_view data = node.slice(s.offset, s.length, "data");
    const std::uint64_t pixelCount = std::uint64_t(s.width) * s.height;
    // An empty sprite draws nothing; one transparent pixel draws the same and
    // stays a valid picture file.
    const int width = pixelCount == 0 ? 1 : s.width;
    const int height = pixelCount == 0 ? 1 : s.height;

    IndexedImage image;
    image.width = width;
    image.height = height;
    if (s.format != 11 && s.format != 12) {
        const PaletteEntry& palette = m_palettes[s.palette];
        for (std::size_t c = 0; c < palette.count(); ++c)
            std::copy_n(palette.colours.begin() + std::ptrdiff_t(c * 4), 3,
                        image.palette.begin() + std::ptrdiff_t(c * 3));
    }
    if (pixelCount == 0) {
        image.pixels.assign(1, 0);
        return image;
    }

    try {
        if (isPixelFormat(s.format)) {
            if (m_cachedLength != 0 && m_cachedOffset == s.offset && m_cachedLength == s.length
                && m_cachedPixels.size() == pixelCount) {
                image.pixels = m_cachedPixels;
                return image;
            }
            if (s.format == 0) {
                if (data.size() < pixelCount)
                    node.fail("its raw data is shorter than the image");
                image.pixels.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(pixelCount));
            } else {
                if (data.size() < 4)
                    node.fail("its data is shorter than the size prefix");
                // No encoding makes more than 132 pixels of one byte (a long LZ5
                // run: two bytes, 263 pixels), so a larger image would be made up.
                if (pixelCount > std::uint64_t(data.size()) * 132 + 300)
                    node.fail("its data is too short for its size");
                const auto packed = data.substr(4);
                const auto n = static_cast<std::size_t>(pixelCount);
                image.pixels = s.format == 2 ? decodeRle8(packed, n)
                    : s.format == 3          ? decodeRle5(packed, n)
                                             : decodeLz5(packed, n);
            }
            m_cachedOffset = s.offset;
            m_cachedLength = s.length;
            m_cachedPixels = image.pixels;
            return image;
        }

        if (data.size() < 4)
            node.fail("its data is shorter than the size prefix");
        const std::string_view png = data.substr(4);
        // The size is checked before a pixel is decoded: a small node must not
        // unpack into a huge picture.
        const auto info = readPngInfo(png);
        if (!info)
            node.fail("PNG: " + info.error());
        if (info->width != s.width || info->height != s.height)
            node.fail("its PNG is " + std::to_string(info->width) + "x" + std::to_string(info->height)
                      + " pixels, but the sprite is " + std::to_string(s.width) + "x" + std::to_string(s.height));
        const bool wantsIndexed = s.format == 10;
        if (info->indexed != wantsIndexed)
            node.fail(wantsIndexed ? "its 8-bit PNG is not an 8-bit palette image"
                                   : "its true-colour PNG holds an 8-bit palette image");
        auto picture = decodePng(png);
        if (!picture)
            node.fail("PNG: " + picture.error());
        if (wantsIndexed) {
            image.pixels = std::move(std::get<IndexedImage>(*picture).pixels);
            return image; // the indices count; the colours are the archive's
        }
        return std::move(*picture);
    } catch (const FormatError& e) {
        const std::string what = e.what();
        if (what.rfind("SFF sprite", 0) == 0)
            throw;
        node.fail(what);
    }
}

} // namespace sfflib
