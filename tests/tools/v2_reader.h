#pragma once
// A reader of SFF v2 written for the tests alone, from the format's
// description and not from the library, so that what sprmaker writes is
// checked by other code than the one that reads it back: header, sprite and
// palette nodes, links, RLE8, LZ5 and PNG sprites.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

namespace v2check {

inline unsigned at16(const std::string& s, std::size_t i)
{
    return std::uint8_t(s.at(i)) | std::uint8_t(s.at(i + 1)) << 8;
}
inline std::uint32_t at32(const std::string& s, std::size_t i)
{
    return at16(s, i) | std::uint32_t(at16(s, i + 2)) << 16;
}

struct SpriteNode {
    int group, number, width, height, axisX, axisY, link, format, depth;
    std::uint32_t offset, length;
    int palette, flags;
};
struct PaletteNode {
    int group, number, colours, link;
    std::uint32_t offset, length;
};

struct Archive {
    std::string bytes;
    std::string version; // the four version bytes, major last
    std::uint32_t ldata = 0, tdata = 0;
    std::vector<SpriteNode> sprites;
    std::vector<PaletteNode> paletteNodes;

    explicit Archive(std::string file) : bytes(std::move(file))
    {
        EXPECT_EQ(bytes.substr(0, 12), std::string("ElecbyteSpr\0", 12));
        version = bytes.substr(12, 4);
        const std::uint32_t spritesAt = at32(bytes, 36), spriteCount = at32(bytes, 40);
        const std::uint32_t palettesAt = at32(bytes, 44), paletteCount = at32(bytes, 48);
        ldata = at32(bytes, 52);
        tdata = at32(bytes, 60);
        EXPECT_LE(std::uint64_t(ldata) + at32(bytes, 56), bytes.size());
        for (std::uint32_t i = 0; i < spriteCount; ++i) {
            const std::size_t a = spritesAt + i * 28;
            auto s16 = [&](std::size_t o) { return int(std::int16_t(at16(bytes, a + o))); };
            sprites.push_back({s16(0), s16(2), int(at16(bytes, a + 4)), int(at16(bytes, a + 6)), s16(8), s16(10),
                               int(at16(bytes, a + 12)), std::uint8_t(bytes[a + 14]), std::uint8_t(bytes[a + 15]),
                               at32(bytes, a + 16), at32(bytes, a + 20), int(at16(bytes, a + 24)),
                               int(at16(bytes, a + 26))});
        }
        for (std::uint32_t i = 0; i < paletteCount; ++i) {
            const std::size_t a = palettesAt + i * 16;
            paletteNodes.push_back({int(std::int16_t(at16(bytes, a))), int(std::int16_t(at16(bytes, a + 2))),
                                    int(at16(bytes, a + 4)), int(at16(bytes, a + 6)), at32(bytes, a + 8),
                                    at32(bytes, a + 12)});
        }
    }

    // The palette's colours, four bytes each, following palette links.
    std::string palette(std::size_t i) const
    {
        for (int hops = 0; paletteNodes.at(i).length == 0 && hops < 100; ++hops)
            i = std::size_t(paletteNodes[i].link);
        const PaletteNode& p = paletteNodes.at(i);
        return bytes.substr(ldata + p.offset, p.length);
    }

    // The node whose data a sprite shows, following sprite links.
    const SpriteNode& dataNode(std::size_t i) const
    {
        for (int hops = 0; sprites.at(i).length == 0 && hops < 100; ++hops)
            i = std::size_t(sprites[i].link);
        return sprites.at(i);
    }

    // An 8-bit sprite's palette indices; a true-colour one's RGBA bytes.
    std::vector<std::uint8_t> pixels(std::size_t i) const
    {
        const SpriteNode& s = dataNode(i);
        const std::string data = bytes.substr((s.flags & 1 ? tdata : ldata) + s.offset, s.length);
        const std::size_t count = std::size_t(s.width) * s.height;
        std::vector<std::uint8_t> out;
        std::size_t p = 4;
        bool truncated = false;
        auto next = [&]() -> unsigned {
            truncated |= p >= data.size();
            return p < data.size() ? std::uint8_t(data[p++]) : 0u;
        };
        if (s.format == 0) { // raw, without a size prefix
            out.assign(data.begin(), data.end());
            truncated = out.size() < count;
        } else if (s.format == 2) {
            while (out.size() < count && p < data.size()) {
                const unsigned b = next();
                if ((b & 0xC0) == 0x40)
                    out.insert(out.end(), b & 0x3F, std::uint8_t(next()));
                else
                    out.push_back(std::uint8_t(b));
            }
        } else if (s.format == 4) {
            unsigned spare = 0, shorts = 0;
            while (out.size() < count && p < data.size()) {
                const unsigned control = next();
                for (int bit = 0; bit < 8 && out.size() < count; ++bit) {
                    const unsigned b = next();
                    if (!(control >> bit & 1)) {
                        const unsigned n = b >> 5 ? b >> 5 : next() + 8;
                        out.insert(out.end(), n, std::uint8_t(b & 31));
                        continue;
                    }
                    std::size_t length, back;
                    if (b & 0x3F) {
                        length = (b & 0x3F) + 1;
                        spare |= (b >> 6) << (6 - 2 * shorts);
                        if (++shorts == 4) {
                            back = spare + 1;
                            spare = shorts = 0;
                        } else {
                            back = next() + 1;
                        }
                    } else {
                        back = ((b >> 6) << 8 | next()) + 1;
                        length = next() + 3;
                    }
                    if (back > out.size()) {
                        ADD_FAILURE() << "sprite " << i << ": a copy from before the start";
                        return {};
                    }
                    for (std::size_t k = 0; k < length; ++k)
                        out.push_back(out[out.size() - back]);
                }
            }
        } else if (s.format == 11 || s.format == 12) {
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            EXPECT_TRUE(png_image_begin_read_from_memory(&image, data.data() + 4, data.size() - 4));
            EXPECT_EQ(std::pair(int(image.width), int(image.height)), std::pair(s.width, s.height));
            image.format = PNG_FORMAT_RGBA;
            out.resize(PNG_IMAGE_SIZE(image));
            EXPECT_TRUE(png_image_finish_read(&image, nullptr, out.data(), 0, nullptr));
            return out;
        } else {
            ADD_FAILURE() << "format " << s.format << " not expected";
        }
        EXPECT_FALSE(truncated) << "sprite " << i << ": its data ends early";
        EXPECT_EQ(out.size(), count) << "sprite " << i;
        out.resize(count);
        return out;
    }

    // The RGB colour each 8-bit pixel shows, 0 for colour 0 (transparent).
    std::vector<std::uint32_t> colours(std::size_t i) const
    {
        const std::string pal = palette(std::size_t(sprites.at(i).palette));
        std::vector<std::uint32_t> out;
        for (const std::uint8_t v : pixels(i)) {
            const std::size_t c = std::size_t(v) * 4;
            out.push_back(v == 0 || c + 3 > pal.size() ? 0
                                                       : 0x1000000u | std::uint8_t(pal[c]) << 16
                                  | std::uint8_t(pal[c + 1]) << 8 | std::uint8_t(pal[c + 2]));
        }
        return out;
    }
};

} // namespace v2check
