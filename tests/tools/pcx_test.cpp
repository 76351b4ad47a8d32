// PCX as the sprite tools write and read it.

#include "fixtures.h"

#include "sfflib/pcx.h"

#include <gtest/gtest.h>
#include <png.h>

using namespace sfflib;
using namespace sfftest;

namespace {

// The editor decodes row by row and drops whatever of a run passes the end of
// a row, so a run written across rows would lose pixels there.
std::vector<std::uint8_t> decodeRowByRow(const std::string& pcx, int width, int height)
{
    std::vector<std::uint8_t> pixels;
    std::size_t p = 128;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width;) {
            const auto b = static_cast<std::uint8_t>(pcx.at(p++));
            const int n = (b & 0xC0) == 0xC0 ? std::min(b & 0x3F, width - x) : 1;
            pixels.insert(pixels.end(), n, (b & 0xC0) == 0xC0 ? static_cast<std::uint8_t>(pcx.at(p++)) : b);
            x += n;
        }
    }
    return pixels;
}

} // namespace

TEST(Pcx, WrittenPicturesReadBackTheSameInBothDecoders)
{
    IndexedImage escaped = makePicture(9, 4, 3);
    for (std::size_t i = 0; i < escaped.pixels.size(); ++i)
        escaped.pixels[i] = static_cast<std::uint8_t>(0xC0 + i % 64);
    IndexedImage longRuns = makePicture(200, 3, 4);
    std::fill(longRuns.pixels.begin(), longRuns.pixels.end(), 0xC1);
    const std::pair<const char*, IndexedImage> cases[] = {
        {"one pixel", makePicture(1, 1, 1)},
        {"odd width", makePicture(7, 3, 2)},
        {"values that need escaping", escaped},
        {"runs longer than 63 up to row ends", longRuns},
        {"wide, transparent border", makePicture(321, 17, 5, 4)},
    };
    for (const auto& [what, image] : cases) {
        SCOPED_TRACE(what);
        const std::string pcx = encodePcx(image);
        EXPECT_EQ(pcx.substr(0, 4), std::string("\x0A\x05\x01\x08", 4));
        EXPECT_EQ(static_cast<std::uint8_t>(pcx[66]) | static_cast<std::uint8_t>(pcx[67]) << 8, image.width);
        const auto back = decodePcx(pcx);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back, image);
        EXPECT_EQ(decodeRowByRow(pcx, image.width, image.height), image.pixels);

        // Without its palette block (a sprite reusing the previous palette)
        // only the inherited palette may colour it.
        const Palette inherited = makePalette(99);
        const auto bare = decodePcx(encodePcx(image, false), &inherited);
        ASSERT_TRUE(bare) << bare.error();
        EXPECT_EQ(bare->pixels, image.pixels);
        EXPECT_EQ(bare->palette, inherited);
        EXPECT_FALSE(decodePcx(encodePcx(image, false)));
    }
}

TEST(Pcx, RealFilesShowTheColoursOfTheirReferencePictures)
{
    for (const char* name : {"256-palette", "gmarbles"}) { // gmarbles pads its rows
        SCOPED_TRACE(name);
        const std::string base = std::string(VANTREL_REALCHARS) + "/pcx/" + name;
        const auto image = decodePcx(readBytes(base + ".pcx"));
        ASSERT_TRUE(image) << image.error();
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&png, (base + ".png").c_str()));
        png.format = PNG_FORMAT_RGB;
        std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
        ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr));
        ASSERT_EQ(image->width, int(png.width));
        ASSERT_EQ(image->height, int(png.height));
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < rgb.size(); ++i)
            wrong += image->palette[image->pixels[i / 3] * 3u + i % 3] != rgb[i];
        EXPECT_EQ(wrong, 0u);
    }
}

TEST(Pcx, DamagedFilesAreRefused)
{
    const std::string good = encodePcx(makePicture(20, 10, 8));
    const std::string palette = good.substr(good.size() - 769);
    auto patched = [&](std::size_t at, std::string bytes) { return good.substr(0, at) + bytes + good.substr(at + bytes.size()); };
    const std::pair<const char*, std::string> cases[] = {
        {"empty file", ""},
        {"header only", good.substr(0, 128)},
        {"not a PCX", patched(0, "B")},
        {"not run-length encoded", patched(2, std::string(1, '\0'))},
        {"24-bit", patched(65, "\x03")},
        {"4 bits per pixel", patched(3, "\x04")},
        {"width below zero", patched(8, "\xF0\xFF")},
        {"fewer bytes per line than the width", patched(66, std::string("\x03\x00", 2))},
        {"huge height from a small file", patched(10, "\xFF\x7F")},
        {"data cut before the last row", good.substr(0, 140) + palette},
        {"run byte at the end of the data", good.substr(0, 128) + "\xC5" + palette},
        {"no palette block", good.substr(0, good.size() - 769)},
    };
    for (const auto& [what, bytes] : cases) {
        const auto image = decodePcx(bytes);
        EXPECT_FALSE(image) << what;
        EXPECT_FALSE(image.error().empty()) << what;
    }
}
