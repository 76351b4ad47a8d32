// PCX as the sprite tools write and read it: every picture survives a write
// and a read, the editor's row-by-row decoder sees the same picture, and
// damaged files are refused without reading outside them.

#include "fixtures.h"

#include "sfflib/pcx.h"

#include <gtest/gtest.h>
#include <png.h>

using namespace sfflib;
using namespace sfftest;

namespace {

// The editor decodes PCX row by row and drops whatever of a run passes the
// end of a row, so the tools must never let a run cross one.
std::vector<std::uint8_t> decodeRowByRow(const std::string& pcx, int width, int height)
{
    std::vector<std::uint8_t> pixels(std::size_t(width) * height);
    std::size_t p = 128;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            const auto b = static_cast<std::uint8_t>(pcx.at(p));
            if ((b & 0xC0) == 0xC0) {
                const int n = std::min(b & 0x3F, width - x);
                std::fill_n(pixels.begin() + std::ptrdiff_t(y) * width + x, n, static_cast<std::uint8_t>(pcx.at(p + 1)));
                x += n;
                p += 2;
            } else {
                pixels[std::size_t(y) * width + x++] = b;
                ++p;
            }
        }
    }
    return pixels;
}

unsigned u16At(const std::string& s, std::size_t at)
{
    return static_cast<std::uint8_t>(s[at]) | static_cast<std::uint8_t>(s[at + 1]) << 8;
}

} // namespace

TEST(Pcx, WrittenPicturesReadBackTheSameInBothDecoders)
{
    struct Case {
        const char* what;
        IndexedImage image;
    };
    IndexedImage highValues = makePicture(9, 4, 3);
    for (std::size_t i = 0; i < highValues.pixels.size(); ++i)
        highValues.pixels[i] = static_cast<std::uint8_t>(0xC0 + i % 64);
    IndexedImage longRuns = makePicture(200, 3, 4);
    std::fill(longRuns.pixels.begin(), longRuns.pixels.end(), 0xC1); // runs of more than 63, at row ends
    const Case cases[] = {
        {"one pixel", makePicture(1, 1, 1)},
        {"odd width", makePicture(7, 3, 2)},
        {"values that need escaping", highValues},
        {"runs longer than 63 and across rows", longRuns},
        {"wide with transparent border", makePicture(321, 17, 5, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string pcx = encodePcx(c.image);
        EXPECT_EQ(pcx[1], 5);
        EXPECT_EQ(pcx[2], 1);
        EXPECT_EQ(pcx[3], 8);
        EXPECT_EQ(pcx[65], 1);
        EXPECT_EQ(u16At(pcx, 66), unsigned(c.image.width));
        ASSERT_EQ(pcx[pcx.size() - 769], 0x0C);

        const auto back = decodePcx(pcx);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back, c.image);
        EXPECT_EQ(decodeRowByRow(pcx, c.image.width, c.image.height), c.image.pixels);
    }
}

TEST(Pcx, PictureWithoutPaletteTakesTheInheritedOne)
{
    const IndexedImage image = makePicture(5, 6, 7);
    const std::string pcx = encodePcx(image, false);
    EXPECT_EQ(pcx.back(), 0x0C); // the marker stays, as in real archives
    const Palette inherited = makePalette(99);
    const auto back = decodePcx(pcx, &inherited);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(back->pixels, image.pixels);
    EXPECT_EQ(back->palette, inherited);
    EXPECT_FALSE(decodePcx(pcx)) << "a file without palette block must not get made-up colours";
}

namespace {

// The reference PNG as RGB triplets.
std::vector<std::uint8_t> readPngRgb(const std::string& path, int& width, int& height)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return {};
    png.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr))
        return {};
    width = static_cast<int>(png.width);
    height = static_cast<int>(png.height);
    return rgb;
}

} // namespace

TEST(Pcx, RealFilesShowTheColoursOfTheirReferencePictures)
{
    for (const char* name : {"256-palette", "gmarbles"}) {
        SCOPED_TRACE(name);
        const std::string base = std::string(VANTREL_REALCHARS) + "/pcx/" + name;
        const auto image = decodePcx(readBytes(base + ".pcx"));
        ASSERT_TRUE(image) << image.error();
        int width = 0, height = 0;
        const auto rgb = readPngRgb(base + ".png", width, height);
        ASSERT_EQ(image->width, width);
        ASSERT_EQ(image->height, height);
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < image->pixels.size(); ++i) {
            const std::size_t c = image->pixels[i] * 3u;
            for (int k = 0; k < 3; ++k)
                wrong += image->palette[c + k] != rgb[i * 3 + k];
        }
        EXPECT_EQ(wrong, 0u);
    }
}

TEST(Pcx, DamagedFilesAreRefused)
{
    const std::string good = encodePcx(makePicture(20, 10, 8));
    auto patched = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        std::string s = good;
        for (auto b : bytes)
            s[at++] = static_cast<char>(b);
        return s;
    };
    const std::pair<const char*, std::string> cases[] = {
        {"empty file", ""},
        {"header only", good.substr(0, 128)},
        {"not a PCX", patched(0, {0x42})},
        {"not run-length encoded", patched(2, {0})},
        {"24-bit", patched(65, {3})},
        {"4 bits per pixel", patched(3, {4})},
        {"width below zero", patched(8, {0xF0, 0xFF})},
        {"fewer bytes per line than the width", patched(66, {3, 0})},
        {"huge height from a small file", patched(10, {0xFF, 0x7F})},
        {"data cut before the last row", good.substr(0, 140) + good.substr(good.size() - 769)},
        {"run byte at the end of the data", good.substr(0, 128) + "\xC5" + good.substr(good.size() - 769)},
        {"no palette block", good.substr(0, good.size() - 769)},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        const auto image = decodePcx(bytes);
        EXPECT_FALSE(image);
        EXPECT_FALSE(image.error().empty());
    }
}
