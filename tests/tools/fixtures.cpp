#include "fixtures.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace sfftest {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-sff-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        ADD_FAILURE() << "cannot create a temporary folder";
    m_path = pattern;
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
    sfflib::IndexedImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t(width) * height, 0);
    unsigned state = seed * 2654435761u + 1;
    for (int y = margin; y < height - margin; ++y) {
        for (int x = margin; x < width - margin; ++x) {
            state = state * 1103515245u + 12345u;
            // Runs of equal colours, and every value including those with
            // the top two bits set, which PCX must escape.
            const unsigned v = (state >> 16) % 7 == 0 ? (state >> 8) : (x / 5 + y / 3 + seed);
            image.pixels[std::size_t(y) * width + x] = static_cast<std::uint8_t>(v % 255 + 1);
        }
    }
    image.palette = makePalette(seed);
    return image;
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
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
        put(paletteTable, 1, 2);
        put(paletteTable, 0, 2);
        put(paletteTable, p.rgba.size() / 4, 2);
        put(paletteTable, p.link, 2);
        put(paletteTable, ldata.size(), 4);
        put(paletteTable, p.rgba.size(), 4);
        ldata.append(p.rgba.begin(), p.rgba.end());
    }
    for (const auto& s : sprites) {
        std::string& block = s.inTdata ? tdata : ldata;
        for (int v : {int(s.group), int(s.imageNo), int(s.width), int(s.height), int(s.axisX), int(s.axisY),
                      int(s.link)})
            put(spriteTable, static_cast<std::uint16_t>(v), 2);
        put(spriteTable, s.format, 1);
        put(spriteTable, 8, 1);
        put(spriteTable, block.size(), 4);
        put(spriteTable, s.data.size(), 4);
        put(spriteTable, s.palette, 2);
        put(spriteTable, s.inTdata ? 1 : 0, 2);
        block += s.data;
    }
    std::string out("ElecbyteSpr\0", 12);
    for (int v : {0, 1, 0, 2})
        put(out, v, 1);
    out.resize(36, '\0');
    const std::size_t spritesAt = 512, palettesAt = spritesAt + spriteTable.size();
    const std::size_t ldataAt = palettesAt + paletteTable.size(), tdataAt = ldataAt + ldata.size();
    for (std::uint64_t v : {spritesAt, sprites.size(), palettesAt, palettes.size(), ldataAt, ldata.size(), tdataAt,
                            tdata.size()})
        put(out, v, 4);
    out.resize(512, '\0');
    return out + spriteTable + paletteTable + ldata + tdata;
}

namespace {

void appendPng(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

} // namespace

std::string encodePng(const sfflib::IndexedImage& image, bool truecolour)
{
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "cannot encode a PNG";
        return {};
    }
    png_set_write_fn(png, &out, appendPng, nullptr);
    png_set_IHDR(png, info, image.width, image.height, 8, truecolour ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {image.palette[i * 3], image.palette[i * 3 + 1], image.palette[i * 3 + 2]};
    if (!truecolour)
        png_set_PLTE(png, info, colours, 256);
    png_write_info(png, info);
    std::vector<std::uint8_t> row;
    for (int y = 0; y < image.height; ++y) {
        row.assign(image.pixels.begin() + std::ptrdiff_t(y) * image.width,
                   image.pixels.begin() + std::ptrdiff_t(y + 1) * image.width);
        if (truecolour) {
            std::vector<std::uint8_t> rgb;
            for (auto v : row)
                rgb.insert(rgb.end(), {v, v, v});
            row = rgb;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace sfftest
