#include "sff.h"

#include "bytes.h"
#include "sff_codecs.h"

#include <algorithm>

namespace sfflib {

namespace {

constexpr std::size_t spriteNodeSize = 28;
constexpr std::size_t paletteNodeSize = 16;

struct Block {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

struct SpriteNode {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t link = 0;
    std::uint8_t format = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t dataLength = 0;
    std::uint16_t palette = 0;
    bool inTdata = false;
};

std::vector<Palette> readPalettes(std::string_view bytes, const ByteReader& file, const Block& ldata)
{
    const std::uint64_t tableAt = file.u32(44, "header");
    const std::uint32_t count = file.u32(48, "header");
    if (!file.holds(tableAt, std::uint64_t(count) * paletteNodeSize))
        file.fail("the palette table lies outside the file");

    std::vector<Palette> palettes(count);
    std::vector<std::uint16_t> links(count);
    std::vector<bool> linked(count, false);
    for (std::uint32_t i = 0; i < count; ++i) {
        const ByteReader node(bytes, "SFF palette " + std::to_string(i));
        const std::uint64_t at = tableAt + std::uint64_t(i) * paletteNodeSize;
        const std::uint16_t colours = node.u16(at + 4, "node");
        const std::uint32_t offset = node.u32(at + 8, "node");
        const std::uint32_t length = node.u32(at + 12, "node");
        if (length == 0) {
            linked[i] = true;
            links[i] = node.u16(at + 6, "node");
            continue;
        }
        if (std::uint64_t(offset) + length > ldata.length)
            node.fail("its colours lie outside the literal data block");
        const std::uint64_t used = std::min<std::uint64_t>({colours, length / 4, 256});
        const auto data = node.slice(ldata.offset + offset, used * 4, "colours");
        for (std::size_t c = 0; c < used; ++c)
            for (std::size_t k = 0; k < 3; ++k)
                palettes[i][c * 3 + k] = static_cast<std::uint8_t>(data[c * 4 + k]);
    }
    // A palette link may point at another link; follow it, but never in a circle.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t target = i;
        for (std::uint32_t steps = 0; linked[target]; ++steps) {
            target = links[target];
            if (target >= count || steps > count)
                file.fail("palette " + std::to_string(i) + " links to a palette that does not exist");
        }
        palettes[i] = palettes[target];
    }
    return palettes;
}

IndexedImage decodeSprite(const ByteReader& node, std::string_view bytes, const SpriteNode& s,
                          const Block& ldata, const Block& tdata)
{
    const Block& block = s.inTdata ? tdata : ldata;
    if (std::uint64_t(s.dataOffset) + s.dataLength > block.length)
        node.fail("its data lies outside the data block");
    const std::string_view data = bytes.substr(block.offset + s.dataOffset, s.dataLength);

    IndexedImage image;
    image.width = s.width;
    image.height = s.height;
    const std::uint64_t pixelCount = std::uint64_t(s.width) * s.height;
    if (pixelCount > maxImagePixels)
        node.fail("its size " + std::to_string(s.width) + "x" + std::to_string(s.height) + " is too large");

    try {
        switch (s.format) {
        case 0:
            if (data.size() < pixelCount)
                node.fail("its raw data is shorter than the image");
            image.pixels.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(pixelCount));
            break;
        case 2:
        case 3:
        case 4: {
            if (data.size() < 4)
                node.fail("its data is shorter than the size prefix");
            // No encoding makes more than 132 pixels of one byte (a long LZ5
            // run: two bytes, 263 pixels), so a larger image would be made up.
            if (pixelCount > std::uint64_t(data.size()) * 132 + 300)
                node.fail("its data is too short for its size");
            const auto packed = data.substr(4);
            const auto n = static_cast<std::size_t>(pixelCount);
            image.pixels = s.format == 2 ? decodeRle8(packed, n)
                         : s.format == 3 ? decodeRle5(packed, n)
                                         : decodeLz5(packed, n);
            break;
        }
        case 10: {
            if (data.size() < 4)
                node.fail("its data is shorter than the size prefix");
            image.pixels = decodePng8(data.substr(4), image.width, image.height);
            break;
        }
        case 11:
        case 12:
            node.fail(std::string("it is a ") + (s.format == 11 ? "24" : "32")
                      + "-bit PNG image, which has no palette and cannot become an 8-bit PCX");
        default:
            node.fail("its format " + std::to_string(s.format) + " is unknown");
        }
    } catch (const FormatError& e) {
        const std::string what = e.what();
        if (what.rfind("SFF sprite", 0) == 0)
            throw;
        node.fail(what);
    }
    // An empty sprite draws nothing; one transparent pixel draws the same and
    // stays a valid PCX.
    if (image.width == 0 || image.height == 0) {
        image.width = image.height = 1;
        image.pixels.assign(1, 0);
    }
    return image;
}

} // namespace

SpriteArchive readSffV2(std::string_view bytes)
{
    const ByteReader file(bytes, "SFF");
    if (bytes.size() < 68)
        file.fail("the file is shorter than its header");
    const Block ldata{file.u32(52, "header"), file.u32(56, "header")};
    const Block tdata{file.u32(60, "header"), file.u32(64, "header")};
    if (!file.holds(ldata.offset, ldata.length))
        file.fail("the literal data block lies outside the file");
    if (!file.holds(tdata.offset, tdata.length))
        file.fail("the translated data block lies outside the file");
    const std::vector<Palette> palettes = readPalettes(bytes, file, ldata);

    const std::uint64_t tableAt = file.u32(36, "header");
    const std::uint32_t count = file.u32(40, "header");
    if (!file.holds(tableAt, std::uint64_t(count) * spriteNodeSize))
        file.fail("the sprite table lies outside the file");

    SpriteArchive archive;
    archive.sprites.resize(count);
    std::vector<SpriteNode> nodes(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const ByteReader node(bytes, "SFF sprite " + std::to_string(i));
        const std::uint64_t at = tableAt + std::uint64_t(i) * spriteNodeSize;
        Sprite& sprite = archive.sprites[i];
        SpriteNode& s = nodes[i];
        sprite.group = node.s16(at, "node");
        sprite.imageNo = node.s16(at + 2, "node");
        s.width = node.u16(at + 4, "node");
        s.height = node.u16(at + 6, "node");
        sprite.axisX = node.s16(at + 8, "node");
        sprite.axisY = node.s16(at + 10, "node");
        s.link = node.u16(at + 12, "node");
        s.format = node.u8(at + 14, "node");
        s.dataOffset = node.u32(at + 16, "node");
        s.dataLength = node.u32(at + 20, "node");
        s.palette = node.u16(at + 24, "node");
        s.inTdata = (node.u16(at + 26, "node") & 1) != 0;
        if (s.dataLength == 0)
            continue; // linked: resolved below
        if (s.palette >= palettes.size())
            node.fail("it uses palette " + std::to_string(s.palette) + ", which does not exist");
        IndexedImage image = decodeSprite(node, bytes, s, ldata, tdata);
        image.palette = palettes[s.palette];
        sprite.image = archive.images.size();
        archive.images.push_back(std::move(image));
    }
    // A linked sprite shares the picture and colours of its target, which may
    // itself be a link; never follow links in a circle.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t target = i;
        for (std::uint32_t steps = 0; nodes[target].dataLength == 0; ++steps) {
            target = nodes[target].link;
            if (target >= count || steps > count)
                file.fail("sprite " + std::to_string(i) + " links to a sprite that does not exist");
        }
        archive.sprites[i].image = archive.sprites[target].image;
    }
    return archive;
}

} // namespace sfflib
