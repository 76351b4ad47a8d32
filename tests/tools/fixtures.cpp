#include "fixtures.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sfftest {

TempDir::TempDir() : m_path((std::filesystem::temp_directory_path() / "vantrel-sff-XXXXXX").string())
{
    if (!::mkdtemp(m_path.data()))
        ADD_FAILURE() << "cannot create a temporary folder";
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

sfflib::Palette makePalette(unsigned seed)
{
    sfflib::Palette p{};
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<std::uint8_t>(i * 13 + seed * 101 + (i * seed) / 7);
    return p;
}

sfflib::IndexedImage makePicture(int width, int height, unsigned seed, int margin)
{
    sfflib::IndexedImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height), makePalette(seed)};
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

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

namespace {

void put(std::string& out, std::uint64_t v, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

std::string withSizePrefix(std::uint32_t size, const std::string& packed)
{
    std::string out;
    put(out, size, 4);
    return out + packed;
}

std::string makeSffV2(const std::vector<V2Sprite>& sprites, const std::vector<V2Palette>& palettes)
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
        put(spriteTable, s.format, 1);
        put(spriteTable, 8, 1);
        put(spriteTable, block.size(), 4);
        put(spriteTable, s.data.size(), 4);
        put(spriteTable, s.palette, 2);
        put(spriteTable, s.inTdata ? 1 : 0, 2);
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

std::string encodePng8(const sfflib::IndexedImage& image)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB_COLORMAP;
    png.colormap_entries = 256;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&png, nullptr, &size, 0, image.pixels.data(), 0, image.palette.data());
    std::string out(size, '\0');
    EXPECT_TRUE(png_image_write_to_memory(&png, out.data(), &size, 0, image.pixels.data(), 0, image.palette.data()));
    out.resize(size);
    return out;
}

} // namespace sfftest
