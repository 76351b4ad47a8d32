#pragma once
// Pictures, archives and folders the sprite tool tests build for themselves.

#include "formats/sff.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace sfftest {

// A folder under the system's temporary folder, removed with its content.
struct TempDir {
    std::string path = (std::filesystem::temp_directory_path() / "vantrel-sff-XXXXXX").string();
    TempDir() { EXPECT_TRUE(::mkdtemp(path.data())) << "cannot create a temporary folder"; }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }
};

inline std::string realChars(const std::string& name)
{
    return std::string(VANTREL_REALCHARS) + "/" + name;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Little-endian `value` of `size` bytes appended, or written over `s` at `at`.
inline void put(std::string& out, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}
inline std::string patched(std::string s, std::size_t at, std::uint64_t value, int size = 4)
{
    std::string bytes;
    put(bytes, value, size);
    return s.replace(at, bytes.size(), bytes);
}

inline sfflib::Palette makePalette(unsigned seed)
{
    sfflib::Palette p{};
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<std::uint8_t>(i * 13 + seed * 101 + (i * seed) / 7);
    return p;
}

// Pixels and palette that follow from `seed`: runs, lone pixels and values
// PCX must escape, inside a border of colour 0 `margin` pixels wide.
inline sfflib::IndexedImage makePicture(int width, int height, unsigned seed, int margin = 0)
{
    sfflib::IndexedImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height),
                               makePalette(seed)};
    unsigned state = seed * 2654435761u + 1;
    for (int y = margin; y < height - margin; ++y) {
        for (int x = margin; x < width - margin; ++x) {
            state = state * 1103515245u + 12345u;
            const unsigned v = (state >> 16) % 7 == 0 ? (state >> 8) : (x / 5 + y / 3 + seed);
            image.pixels[std::size_t(y) * width + x] = static_cast<std::uint8_t>(v % 255 + 1);
        }
    }
    return image;
}

// An SFF v2 put together field by field, for formats, links and damage that
// no real file has. `data` carries the 4-byte size prefix where the format
// has one; empty data makes a linked sprite.
struct V2Sprite {
    int group, imageNo, width, height, axisX, axisY, link, format;
    std::string data;
    int palette = 0;
    bool inTdata = false;
};
struct V2Palette {
    std::vector<std::uint8_t> rgba; // empty: linked
    int link = 0;
};

inline std::string makeSffV2(const std::vector<V2Sprite>& sprites, const std::vector<V2Palette>& palettes)
{
    std::string ldata, tdata, paletteTable, spriteTable;
    for (const auto& p : palettes) {
        for (std::uint64_t v : {std::size_t(1), std::size_t(0), p.rgba.size() / 4, std::size_t(p.link)})
            put(paletteTable, v, 2);
        put(paletteTable, ldata.size(), 4);
        put(paletteTable, p.rgba.size(), 4);
        ldata.append(p.rgba.begin(), p.rgba.end());
    }
    for (const auto& s : sprites) {
        std::string& block = s.inTdata ? tdata : ldata;
        for (int v : {s.group, s.imageNo, s.width, s.height, s.axisX, s.axisY, s.link})
            put(spriteTable, static_cast<std::uint16_t>(v), 2);
        put(spriteTable, s.format | 8 << 8, 2); // and a colour depth of 8
        put(spriteTable, block.size(), 4);
        put(spriteTable, s.data.size(), 4);
        put(spriteTable, s.palette | (s.inTdata ? 1 : 0) << 16, 4);
        block += s.data;
    }
    std::string out("ElecbyteSpr\0\0\1\0\2", 16);
    out.resize(36, '\0');
    const std::size_t palettesAt = 512 + spriteTable.size(), ldataAt = palettesAt + paletteTable.size();
    for (std::uint64_t v : {std::size_t(512), sprites.size(), palettesAt, palettes.size(), ldataAt, ldata.size(),
                            ldataAt + ldata.size(), tdata.size()})
        put(out, v, 4);
    out.resize(512, '\0');
    return out + spriteTable + paletteTable + ldata + tdata;
}

inline std::string withSizePrefix(std::uint32_t size, const std::string& packed)
{
    return patched(std::string(4, '\0'), 0, size) + packed;
}

// The picture as an indexed PNG with bit depth 8.
inline std::string encodePng8(const sfflib::IndexedImage& image)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB_COLORMAP;
    png.colormap_entries = 256;
    std::string out(1 << 20, '\0');
    png_alloc_size_t size = out.size();
    EXPECT_TRUE(png_image_write_to_memory(&png, out.data(), &size, 0, image.pixels.data(), 0, image.palette.data()));
    out.resize(size);
    return out;
}

// A true-colour PNG of `rgba` (4 bytes a pixel); without `alpha` the file
// holds red, green and blue only.
inline std::string encodeTrueColourPng(int width, int height, const std::vector<std::uint8_t>& rgba, bool alpha = true)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> pixels = rgba;
    if (!alpha) {
        png.format = PNG_FORMAT_RGB;
        pixels.clear();
        for (std::size_t i = 0; i < rgba.size(); i += 4)
            pixels.insert(pixels.end(), rgba.begin() + std::ptrdiff_t(i), rgba.begin() + std::ptrdiff_t(i + 3));
    }
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_get_memory_size(png, size, 0, pixels.data(), 0, nullptr));
    std::string out(size, '\0');
    EXPECT_TRUE(png_image_write_to_memory(&png, out.data(), &size, 0, pixels.data(), 0, nullptr));
    out.resize(size);
    return out;
}

// Pixels of every red, green, blue and alpha value that follow from `seed`,
// with a fully transparent border `margin` pixels wide.
inline std::vector<std::uint8_t> makeRgba(int width, int height, unsigned seed, int margin = 0)
{
    std::vector<std::uint8_t> rgba(std::size_t(width) * height * 4, 0);
    for (int y = margin; y < height - margin; ++y)
        for (int x = margin; x < width - margin; ++x)
            for (int c = 0; c < 4; ++c)
                rgba[(std::size_t(y) * width + x) * 4 + c] =
                    static_cast<std::uint8_t>(x * 7 + y * 13 + c * 61 + seed * 5 + x * y * c);
    return rgba;
}

// Each visible pixel's colour by its place relative to the axis: what
// cropping and rebuilding must keep.
inline std::map<std::pair<int, int>, std::array<std::uint8_t, 3>> drawn(const sfflib::IndexedImage& p, int axisX,
                                                                        int axisY)
{
    std::map<std::pair<int, int>, std::array<std::uint8_t, 3>> out;
    for (int i = 0; i < p.width * p.height; ++i)
        if (const unsigned v = p.pixels[i])
            out[{i % p.width - axisX, i / p.width - axisY}] = {p.palette[v * 3], p.palette[v * 3 + 1],
                                                               p.palette[v * 3 + 2]};
    return out;
}

inline const sfflib::IndexedImage& pictureOf(const sfflib::SpriteArchive& a, std::size_t i)
{
    return a.images.at(a.sprites.at(i).image);
}

} // namespace sfftest
