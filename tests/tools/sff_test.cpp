// Reading SFF archives of both versions and writing version 1 with each of
// the build options.

#include "fixtures.h"

#include "sfflib/sff.h"
#include "sfflib/sff_codecs.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace sfflib;
using namespace sfftest;

namespace {

std::string realArchive(const std::string& name)
{
    return std::string(VANTREL_REALCHARS) + "/" + name;
}

// The subfile headers of an SFF v1, walked by the image count.
struct Subfile {
    std::uint32_t next, length;
    std::uint16_t link;
    std::uint8_t samePalette;
};

std::uint32_t u32At(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<std::uint8_t>(s.at(at + i));
    return v;
}

std::vector<Subfile> subfiles(const std::string& sff)
{
    std::vector<Subfile> out;
    std::size_t at = u32At(sff, 24);
    for (std::uint32_t i = 0; i < u32At(sff, 20); ++i) {
        out.push_back({u32At(sff, at), u32At(sff, at + 4), static_cast<std::uint16_t>(u32At(sff, at + 16) & 0xFFFF),
                       static_cast<std::uint8_t>(sff.at(at + 18))});
        at = out.back().next;
    }
    return out;
}

// Where a sprite puts each visible pixel, relative to its axis: what must not
// change when a picture is cropped.
std::map<std::pair<int, int>, std::uint8_t> drawn(const IndexedImage& image, int axisX, int axisY)
{
    std::map<std::pair<int, int>, std::uint8_t> out;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (auto v = image.pixels[std::size_t(y) * image.width + x])
                out[{x - axisX, y - axisY}] = v;
    return out;
}

SpriteSource source(const IndexedImage& image, int group, int imageNo, int axisX = 0, int axisY = 0)
{
    SpriteSource s;
    s.image = image;
    s.group = static_cast<std::int16_t>(group);
    s.imageNo = static_cast<std::int16_t>(imageNo);
    s.axisX = static_cast<std::int16_t>(axisX);
    s.axisY = static_cast<std::int16_t>(axisY);
    return s;
}

} // namespace

TEST(SffRead, RealArchivesOfBothVersionsHoldTheSameCharacter)
{
    const auto v1 = readSffFile(realArchive("winmugen-kfm/kfm.sff"));
    const auto v2 = readSffFile(realArchive("ikemen-kfm/kfm.sff"));
    ASSERT_TRUE(v1) << v1.error();
    ASSERT_TRUE(v2) << v2.error();
    // Sprite and link counts as the files' own documentation gives them.
    EXPECT_EQ(v1->sprites.size(), 274u);
    EXPECT_EQ(v1->sprites.size() - v1->images.size(), 42u);
    EXPECT_EQ(v2->sprites.size(), 281u);
    EXPECT_EQ(v2->sprites.size() - v2->images.size(), 41u);

    // The later edition re-indexed the colours; each sprite must still be
    // the same shape at the same axis, with one colour mapped to one colour.
    std::map<std::pair<int, int>, std::size_t> inV2;
    for (std::size_t i = 0; i < v2->sprites.size(); ++i)
        inV2.emplace(std::pair{v2->sprites[i].group, v2->sprites[i].imageNo}, i);
    std::size_t compared = 0;
    for (std::size_t i = 0; i < v1->sprites.size(); ++i) {
        const auto& a = v1->sprites[i];
        const auto found = inV2.find({a.group, a.imageNo});
        if (found == inV2.end())
            continue;
        SCOPED_TRACE("group " + std::to_string(a.group) + " image " + std::to_string(a.imageNo));
        const auto& b = v2->sprites[found->second];
        EXPECT_EQ(a.axisX, b.axisX);
        const IndexedImage& pa = pictureOf(*v1, i);
        const IndexedImage& pb = pictureOf(*v2, found->second);
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

TEST(SffRead, SpritesThatReusePreviousPaletteGetItsColours)
{
    const auto archive = readSffFile(realArchive("winmugen-kfm/intro.sff"));
    ASSERT_TRUE(archive) << archive.error();
    const std::string bytes = readBytes(realArchive("winmugen-kfm/intro.sff"));
    const auto subs = subfiles(bytes);
    std::size_t inheriting = 0;
    for (std::size_t i = 1; i < subs.size(); ++i) {
        if (subs[i].samePalette && subs[i].length != 0) {
            ++inheriting;
            EXPECT_EQ(pictureOf(*archive, i).palette, pictureOf(*archive, i - 1).palette) << "sprite " << i;
        }
    }
    EXPECT_GT(inheriting, 0u);
}

TEST(SffWrite, OptionsKeepEverySpriteAsItIsDrawn)
{
    const IndexedImage a = makePicture(12, 9, 1, 2);
    IndexedImage b = makePicture(7, 5, 2, 1);
    b.palette = a.palette;
    IndexedImage aOtherColours = a;
    aOtherColours.palette = makePalette(3);
    const std::vector<SpriteSource> sprites = {
        source(a, 0, 0, 6, 8),             // first sprite: always carries its palette
        source(b, 0, 1, 3, 4),             // same palette as before
        source(a, 5, 0, -2, 30),           // repeats sprite 0
        source(aOtherColours, 5, 1, 6, 8), // same pixels, other colours: not a repeat
        source(a, 5, 2, 6, 8),             // repeats sprite 0 again
        source(makePicture(4, 4, 4, 4), 9000, 0, 1, 1), // all transparent
    };
    struct Case {
        const char* name;
        BuildOptions options;
        std::size_t links, samePalettes;
    };
    const Case cases[] = {
        {"none", {}, 0, 0},
        {"-f", {false, true, false}, 0, 2}, // sprite 1 and sprite 2
        {"-p", {false, false, true}, 2, 0},
        {"-c", {true, false, false}, 0, 0},
        {"-c -f -p", {true, true, true}, 2, 1}, // after links only sprite 1 stores a same palette
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto sff = writeSffV1(sprites, c.options);
        ASSERT_TRUE(sff) << sff.error();
        EXPECT_EQ(sff->substr(0, 16), std::string("ElecbyteSpr\0\0\1\0\1", 16));
        EXPECT_EQ(u32At(*sff, 16), 3u); // groups 0, 5, 9000
        EXPECT_EQ(u32At(*sff, 24), 512u);
        EXPECT_EQ(u32At(*sff, 28), 32u);

        const auto subs = subfiles(*sff);
        ASSERT_EQ(subs.size(), sprites.size());
        EXPECT_EQ(subs.back().next, sff->size());
        std::size_t links = 0, samePalettes = 0;
        for (std::size_t i = 0; i < subs.size(); ++i) {
            if (subs[i].length == 0) {
                ++links;
                EXPECT_EQ(subs[i].link, 0u) << "sprite " << i;
            }
            samePalettes += subs[i].samePalette;
        }
        EXPECT_EQ(subs[0].samePalette, 0);
        EXPECT_EQ(links, c.links);
        EXPECT_EQ(samePalettes, c.samePalettes);

        const auto back = readSff(*sff);
        ASSERT_TRUE(back) << back.error();
        ASSERT_EQ(back->sprites.size(), sprites.size());
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            SCOPED_TRACE("sprite " + std::to_string(i));
            const Sprite& s = back->sprites[i];
            const IndexedImage& picture = pictureOf(*back, i);
            EXPECT_EQ(s.group, sprites[i].group);
            EXPECT_EQ(s.imageNo, sprites[i].imageNo);
            EXPECT_EQ(picture.palette, sprites[i].image.palette);
            if (c.options.crop) {
                EXPECT_EQ(drawn(picture, s.axisX, s.axisY),
                          drawn(sprites[i].image, sprites[i].axisX, sprites[i].axisY));
            } else {
                EXPECT_EQ(picture, sprites[i].image);
                EXPECT_EQ(s.axisX, sprites[i].axisX);
                EXPECT_EQ(s.axisY, sprites[i].axisY);
            }
        }
    }
}

TEST(SffWrite, CropCutsTransparentBorderAndMovesAxis)
{
    IndexedImage image = makePicture(10, 8, 1);
    std::fill(image.pixels.begin(), image.pixels.end(), 0);
    image.pixels[2 * 10 + 3] = 9; // (3, 2)
    image.pixels[6 * 10 + 5] = 7; // (5, 6)
    struct Case {
        const char* what;
        IndexedImage image;
        int axisX, axisY;
        int width, height, newAxisX, newAxisY;
    };
    IndexedImage empty = image;
    std::fill(empty.pixels.begin(), empty.pixels.end(), 0);
    const Case cases[] = {
        {"border on all sides", image, 4, 7, 3, 5, 1, 5},
        {"axis outside the picture", image, -20, 100, 3, 5, -23, 98},
        {"nothing visible", empty, 4, 7, 1, 1, 4, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto cropped = cropSprite(source(c.image, 1, 1, c.axisX, c.axisY));
        ASSERT_TRUE(cropped) << cropped.error();
        EXPECT_EQ(cropped->image.width, c.width);
        EXPECT_EQ(cropped->image.height, c.height);
        EXPECT_EQ(cropped->axisX, c.newAxisX);
        EXPECT_EQ(cropped->axisY, c.newAxisY);
        EXPECT_EQ(drawn(cropped->image, cropped->axisX, cropped->axisY), drawn(c.image, c.axisX, c.axisY));
    }
    EXPECT_FALSE(cropSprite(source(image, 1, 1, -32768, 0))) << "the moved axis does not fit 16 bits";
}

namespace {

std::string encodeRle8(const std::vector<std::uint8_t>& pixels)
{
    std::string out;
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t n = 1;
        while (i + n < pixels.size() && n < 63 && pixels[i + n] == pixels[i])
            ++n;
        if (n == 1 && (pixels[i] & 0xC0) != 0x40) {
            out += static_cast<char>(pixels[i]);
        } else {
            out += static_cast<char>(0x40 | n);
            out += static_cast<char>(pixels[i]);
        }
        i += n;
    }
    return out;
}

// Runs only: run length, the colour flag with no packets, the colour.
std::string encodeRle5(const std::vector<std::uint8_t>& pixels)
{
    std::string out;
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t n = 1;
        while (i + n < pixels.size() && n < 256 && pixels[i + n] == pixels[i])
            ++n;
        out += static_cast<char>(n - 1);
        out += '\x80';
        out += static_cast<char>(pixels[i]);
        i += n;
    }
    return out;
}

// 7 x 4 pixels exercising every LZ5 packet kind: short and long runs, short
// copies with their offsets in the next byte and (every fourth) gathered from
// the top bits of earlier ones, an overlapping copy and a long copy.
const std::string lz5Stream("\x7C\x43\x05\x02\x01\x0B\x42\x00\x01\x09\x02\x00\x15\x02\x27", 15);
const std::vector<std::uint8_t> lz5Pixels = {3, 3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 3, 3,
                                             3, 3, 3, 5, 5, 5, 5, 5, 3, 3, 5, 5, 5, 7};

} // namespace

TEST(SffRead, EveryVersion2FormatGivesThePicture)
{
    IndexedImage picture;
    picture.width = 7;
    picture.height = 4;
    picture.pixels = lz5Pixels;
    picture.palette = makePalette(0);
    std::fill(picture.palette.begin() + 32 * 3, picture.palette.end(), 0); // a 32-colour palette

    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 32; ++i)
        rgba.insert(rgba.end(), {picture.palette[i * 3], picture.palette[i * 3 + 1], picture.palette[i * 3 + 2], 255});
    struct Case {
        const char* name;
        std::uint8_t format;
        std::string data;
        bool inTdata;
    };
    const std::string raw(lz5Pixels.begin(), lz5Pixels.end());
    const Case cases[] = {
        {"raw", 0, raw, false},
        {"RLE8", 2, withSizePrefix(28, encodeRle8(lz5Pixels)), false},
        {"RLE5", 3, withSizePrefix(28, encodeRle5(lz5Pixels)), false},
        {"LZ5", 4, withSizePrefix(28, lz5Stream), false},
        {"LZ5 in translated data", 4, withSizePrefix(28, lz5Stream), true},
        {"8-bit PNG", 10, withSizePrefix(28, encodePng(picture)), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        V2Sprite s{10, 2, 7, 4, -3, 40, 0, c.format, c.data, 1, c.inTdata};
        V2Sprite linked{10, 3, 0, 0, 1, 2, 0, 0, "", 0, false};
        const std::string sff = makeSffV2({s, linked}, {{{}, 1}, {rgba, 0}}); // palette 0 links to 1
        const auto archive = readSff(sff);
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

TEST(SffRead, Rle5FollowsItsRunsAndPackets)
{
    struct Case {
        const char* what;
        std::string data;
        std::vector<std::uint8_t> pixels;
    };
    const Case cases[] = {
        {"run with colour, then packets", std::string("\x01\x82\x03\x25\x07", 5), {3, 3, 5, 5, 7}},
        {"run of colour 0", std::string("\x02\x00", 2), {0, 0, 0}},
        {"run without colour, then one packet", std::string("\x00\x01\xE9", 3), {0, 9, 9, 9, 9, 9, 9, 9, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(decodeRle5(c.data, c.pixels.size()), c.pixels);
    }
}
