// Reading SFF archives of both versions, and writing version 1 with each of
// the build options.

#include "fixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace sfflib;
using namespace sfftest;

namespace {

std::uint32_t u32At(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<std::uint8_t>(s.at(at + i));
    return v;
}

// The subfile headers of an SFF v1 as on disk: next offset, length, link and
// same-palette flag.
struct Subfile {
    std::uint32_t next, length, link, samePalette;
};
std::vector<Subfile> subfiles(const std::string& sff)
{
    std::vector<Subfile> out;
    for (std::size_t i = 0, at = u32At(sff, 24); i < u32At(sff, 20); ++i, at = out.back().next)
        out.push_back({u32At(sff, at), u32At(sff, at + 4), u32At(sff, at + 16) & 0xFFFF, u32At(sff, at + 16) >> 16 & 0xFF});
    return out;
}

// Each visible pixel by its place relative to the axis: what cropping must keep.
std::map<std::pair<int, int>, int> drawn(const IndexedImage& image, int axisX, int axisY)
{
    std::map<std::pair<int, int>, int> out;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (auto v = image.pixels[std::size_t(y) * image.width + x])
                out[{x - axisX, y - axisY}] = v;
    return out;
}

SpriteSource source(const IndexedImage& image, int group, int imageNo, int axisX, int axisY)
{
    return {image, std::int16_t(group), std::int16_t(imageNo), std::int16_t(axisX), std::int16_t(axisY)};
}

} // namespace

TEST(SffRead, RealArchivesOfBothVersionsHoldTheSameCharacter)
{
    const std::string v1Path = std::string(VANTREL_REALCHARS) + "/winmugen-kfm/kfm.sff";
    const auto v1 = readSffFile(v1Path);
    const auto v2 = readSffFile(std::string(VANTREL_REALCHARS) + "/ikemen-kfm/kfm.sff");
    ASSERT_TRUE(v1) << v1.error();
    ASSERT_TRUE(v2) << v2.error();
    // Counts of sprites and links as the files' documentation gives them.
    EXPECT_EQ(v1->sprites.size(), 274u);
    EXPECT_EQ(v1->sprites.size() - v1->images.size(), 42u);
    EXPECT_EQ(v2->sprites.size(), 281u);
    EXPECT_EQ(v2->sprites.size() - v2->images.size(), 41u);

    const auto subs = subfiles(readBytes(v1Path));
    std::map<std::pair<int, int>, std::size_t> inV2;
    for (std::size_t i = 0; i < v2->sprites.size(); ++i)
        inV2.emplace(std::pair{v2->sprites[i].group, v2->sprites[i].imageNo}, i);
    std::size_t compared = 0;
    for (std::size_t i = 0; i < v1->sprites.size(); ++i) {
        SCOPED_TRACE("sprite " + std::to_string(i));
        const IndexedImage& pa = pictureOf(*v1, i);
        if (i > 0 && subs[i].samePalette) {
            EXPECT_EQ(pa.palette, pictureOf(*v1, i - 1).palette);
        }
        const auto found = inV2.find({v1->sprites[i].group, v1->sprites[i].imageNo});
        if (found == inV2.end())
            continue;
        // The later edition renumbered the colours: same shape at the same
        // axis, each old colour turned into one new colour.
        const IndexedImage& pb = pictureOf(*v2, found->second);
        EXPECT_EQ(v1->sprites[i].axisX, v2->sprites[found->second].axisX);
        ASSERT_EQ(pa.width, pb.width);
        ASSERT_EQ(pa.height, pb.height);
        std::map<std::uint8_t, std::uint8_t> mapping;
        std::size_t mismatches = 0;
        for (std::size_t k = 0; k < pa.pixels.size(); ++k)
            mismatches += mapping.emplace(pa.pixels[k], pb.pixels[k]).first->second != pb.pixels[k];
        EXPECT_EQ(mismatches, 0u);
        ++compared;
    }
    EXPECT_GT(compared, 270u);
}

TEST(SffWrite, OptionsKeepEverySpriteAsItIsDrawn)
{
    const IndexedImage a = makePicture(12, 9, 1, 2);
    IndexedImage b = makePicture(7, 5, 2, 1);
    b.palette = a.palette;
    IndexedImage aOtherColours = a;
    aOtherColours.palette = makePalette(3);
    const std::vector<SpriteSource> sprites = {
        source(a, 0, 0, 6, 8),                          // the first always carries its palette
        source(b, 0, 1, 3, 4),                          // same palette as before
        source(a, 5, 0, -2, 30),                        // repeats sprite 0
        source(aOtherColours, 5, 1, 6, 8),              // same pixels, other colours: no repeat
        source(a, 5, 2, 6, 8),                          // repeats sprite 0 again
        source(makePicture(4, 4, 4, 4), 9000, 0, 1, 1), // nothing visible
    };
    struct Case {
        const char* name;
        BuildOptions options;
        std::size_t links, samePalettes;
    };
    const Case cases[] = {
        {"none", {}, 0, 0},
        {"-f", {false, true, false}, 0, 2},
        {"-p", {false, false, true}, 2, 0},
        {"-c", {true, false, false}, 0, 0},
        {"-c -f -p", {true, true, true}, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto sff = writeSffV1(sprites, c.options);
        ASSERT_TRUE(sff) << sff.error();
        EXPECT_EQ(sff->substr(0, 16), std::string("ElecbyteSpr\0\0\1\0\1", 16));
        EXPECT_EQ(u32At(*sff, 16), 3u); // groups 0, 5 and 9000
        EXPECT_EQ(u32At(*sff, 24), 512u);
        EXPECT_EQ(u32At(*sff, 28), 32u);
        const auto subs = subfiles(*sff);
        ASSERT_EQ(subs.size(), sprites.size());
        EXPECT_EQ(subs.back().next, sff->size());
        EXPECT_EQ(subs[0].samePalette, 0u);
        std::size_t links = 0, samePalettes = 0;
        for (const auto& s : subs) {
            links += s.length == 0 && s.link == 0;
            samePalettes += s.samePalette;
        }
        EXPECT_EQ(links, c.links);
        EXPECT_EQ(samePalettes, c.samePalettes);

        const auto back = readSff(*sff);
        ASSERT_TRUE(back) << back.error();
        ASSERT_EQ(back->sprites.size(), sprites.size());
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            SCOPED_TRACE("sprite " + std::to_string(i));
            const Sprite& s = back->sprites[i];
            const SpriteSource& in = sprites[i];
            EXPECT_EQ(std::pair(s.group, s.imageNo), std::pair(in.group, in.imageNo));
            EXPECT_EQ(pictureOf(*back, i).palette, in.image.palette);
            EXPECT_EQ(drawn(pictureOf(*back, i), s.axisX, s.axisY), drawn(in.image, in.axisX, in.axisY));
            if (!c.options.crop) {
                EXPECT_EQ(pictureOf(*back, i), in.image);
            }
        }
    }
}

TEST(SffWrite, CropKeepsTheSmallestRectangleOfVisiblePixels)
{
    IndexedImage image = makePicture(10, 8, 1);
    IndexedImage empty = image;
    std::fill(image.pixels.begin(), image.pixels.end(), 0);
    std::fill(empty.pixels.begin(), empty.pixels.end(), 0);
    image.pixels[2 * 10 + 3] = 9; // (3, 2)
    image.pixels[6 * 10 + 5] = 7; // (5, 6)
    struct Case {
        IndexedImage image;
        int axisX, axisY, width, height, newAxisX, newAxisY;
    };
    const Case cases[] = {
        {image, 4, 7, 3, 5, 1, 5},
        {image, -20, 100, 3, 5, -23, 98},
        {empty, 4, 7, 1, 1, 4, 7},
    };
    for (const auto& c : cases) {
        const auto cropped = cropSprite(source(c.image, 1, 1, c.axisX, c.axisY));
        ASSERT_TRUE(cropped) << cropped.error();
        EXPECT_EQ(cropped->image.width, c.width);
        EXPECT_EQ(cropped->image.height, c.height);
        EXPECT_EQ(std::pair(int(cropped->axisX), int(cropped->axisY)), std::pair(c.newAxisX, c.newAxisY));
    }
    EXPECT_FALSE(cropSprite(source(image, 1, 1, -32768, 0))) << "the moved axis does not fit 16 bits";
}

TEST(SffRead, EveryVersion2FormatGivesThePicture)
{
    IndexedImage picture{7, 4, {3, 3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 3, 3, 3, 3, 3, 5, 5, 5, 5, 5, 3, 3, 5, 5, 5, 7}, {}};
    std::vector<std::uint8_t> rgba;
    const Palette colours = makePalette(0);
    for (int i = 0; i < 32; ++i) { // a 32-colour palette; the rest stays black
        rgba.insert(rgba.end(), {colours[i * 3], colours[i * 3 + 1], colours[i * 3 + 2], 255});
        std::copy_n(colours.begin() + i * 3, 3, picture.palette.begin() + i * 3);
    }
    // Hand-packed streams of the 28 pixels. RLE5: runs with their colour
    // and packets of 5-bit colours. LZ5: short and long runs, short copies
    // with their offset in the next byte or (every fourth) gathered from the
    // top bits of earlier ones, an overlapping copy and a long copy.
    const std::string rle5("\x01\x82\x03\xE5\x25\x04\x83\x03\x85\x23\x45\x00\x80\x07", 14);
    const std::string lz5("\x7C\x43\x05\x02\x01\x0B\x42\x00\x01\x09\x02\x00\x15\x02\x27", 15);
    const std::string rle8("\x42\x03\x4A\x05\x45\x03\x45\x05\x03\x03\x43\x05\x07", 13); // 0x03, 0x07: single pixels
    const std::pair<const char*, V2Sprite> cases[] = {
        {"raw", {10, 2, 7, 4, -3, 40, 0, 0, std::string(picture.pixels.begin(), picture.pixels.end()), 1}},
        {"RLE8", {10, 2, 7, 4, -3, 40, 0, 2, withSizePrefix(28, rle8), 1}},
        {"RLE5", {10, 2, 7, 4, -3, 40, 0, 3, withSizePrefix(28, rle5), 1}},
        {"LZ5", {10, 2, 7, 4, -3, 40, 0, 4, withSizePrefix(28, lz5), 1}},
        {"LZ5 in translated data", {10, 2, 7, 4, -3, 40, 0, 4, withSizePrefix(28, lz5), 1, true}},
        {"8-bit PNG", {10, 2, 7, 4, -3, 40, 0, 10, withSizePrefix(28, encodePng8(picture)), 1}},
    };
    for (const auto& [name, sprite] : cases) {
        SCOPED_TRACE(name);
        const V2Sprite linked{10, 3, 0, 0, 1, 2, 0, 0, ""};
        const auto archive = readSff(makeSffV2({sprite, linked}, {{{}, 1}, {rgba}})); // palette 0 links to 1
        ASSERT_TRUE(archive) << archive.error();
        ASSERT_EQ(archive->sprites.size(), 2u);
        EXPECT_EQ(archive->images.size(), 1u);
        EXPECT_EQ(pictureOf(*archive, 0), picture);
        EXPECT_EQ(archive->sprites[0].axisX, -3);
        EXPECT_EQ(archive->sprites[0].axisY, 40);
        EXPECT_EQ(archive->sprites[1].image, archive->sprites[0].image);
        EXPECT_EQ(archive->sprites[1].imageNo, 3);
        EXPECT_EQ(archive->sprites[1].axisY, 2);
    }
}
