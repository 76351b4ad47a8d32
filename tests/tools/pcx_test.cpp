// PCX as the sprite tools write and read it.

#include "fixtures.h"

#include "formats/sff_pcx.h"

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
    IndexedImage escaped = makePicture(9, 4, 3), longRuns = makePicture(200, 3, 4);
    for (std::size_t i = 0; i < escaped.pixels.size(); ++i)
        escaped.pixels[i] = static_cast<std::uint8_t>(0xC0 + i % 64);
    std::fill(longRuns.pixels.begin(), longRuns.pixels.end(), 0xC1); // runs past 63 and up to row ends
    for (const IndexedImage& image :
         {makePicture(1, 1, 1), makePicture(7, 3, 2), escaped, longRuns, makePicture(321, 17, 5, 4)}) {
        SCOPED_TRACE(std::to_string(image.width) + " x " + std::to_string(image.height));
        const std::string pcx = encodePcx(image);
        EXPECT_EQ(pcx.substr(0, 4), std::string("\x0A\x05\x01\x08", 4));
        const auto back = decodePcx(pcx);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back, image);
        EXPECT_EQ(decodeRowByRow(pcx, image.width, image.height), image.pixels);
    }
}

// Runs of every length about the 8-pixel steps and the 63-pixel cap, ending
// anywhere in a row, in rows of widths about those steps, so the encoder's
// lengths and the decoder's block stores meet every boundary.
TEST(Pcx, RunsOfEveryLengthReadBackInRowsOfEveryWidth)
{
    unsigned state = 7;
    const auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 16; };
    const int lengths[] = {1, 2, 7, 8, 9, 15, 16, 17, 62, 63, 64, 65, 127, 200};
    for (const int width : {1, 7, 8, 9, 63, 64, 65, 130}) {
        IndexedImage image = makePicture(width, 24, 3);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < width;) {
                const int run = std::min(width - x, lengths[next() % std::size(lengths)]);
                std::fill_n(image.pixels.begin() + std::ptrdiff_t(y) * width + x, run, next() % 4 == 0 ? 0xC7 : next());
                x += run;
            }
        }
        SCOPED_TRACE(width);
        const std::string pcx = encodePcx(image);
        const auto back = decodePcx(pcx);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(back->pixels, image.pixels);
        EXPECT_EQ(decodeRowByRow(pcx, image.width, image.height), image.pixels);
    }
}

TEST(Pcx, RealFilesShowTheColoursOfTheirReferencePictures)
{
    for (const char* name : {"256-palette", "gmarbles"}) { // gmarbles pads its rows
        SCOPED_TRACE(name);
        const auto image = decodePcx(readBytes(realChars("pcx/") + name + ".pcx"));
        ASSERT_TRUE(image) << image.error();
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&png, (realChars("pcx/") + name + ".png").c_str()));
        png.format = PNG_FORMAT_RGB;
        std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
        ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr));
        ASSERT_EQ(std::pair(image->width, image->height), std::pair(int(png.width), int(png.height)));
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
    const std::pair<const char*, std::string> cases[] = {
        {"empty file", ""},
        {"header only", good.substr(0, 128)},
        {"not a PCX", patched(good, 0, 'B', 1)},
        {"not run-length encoded", patched(good, 2, 0, 1)},
        {"24-bit", patched(good, 65, 3, 1)},
        {"4 bits per pixel", patched(good, 3, 4, 1)},
        {"width below zero", patched(good, 8, 0xFFF0, 2)},
        {"fewer bytes per line than the width", patched(good, 66, 3, 2)},
        {"huge height from a small file", patched(good, 10, 0x7FFF, 2)},
        {"data cut before the last row", good.substr(0, 140) + palette},
        {"run byte at the end of the data", good.substr(0, 128) + "\xC5" + palette},
        {"no palette block", good.substr(0, good.size() - 769)},
    };
    for (const auto& [what, bytes] : cases) {
        const auto image = decodePcx(bytes);
        EXPECT_FALSE(image || image.error().empty()) << what;
    }
}
