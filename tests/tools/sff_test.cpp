// Reading SFF archives of both versions, and writing version 1 with each of
// the build options.

#include "fixtures.h"

#include "formats/sff_pcx.h"

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
        out.push_back(
            {u32At(sff, at), u32At(sff, at + 4), u32At(sff, at + 16) & 0xFFFF, u32At(sff, at + 16) >> 16 & 0xFF});
    return out;
}

SpriteSource source(const IndexedImage& image, int group, int imageNo, int axisX, int axisY)
{
    return {image, std::int16_t(group), std::int16_t(imageNo), std::int16_t(axisX), std::int16_t(axisY)};
}

} // namespace

TEST(SffRead, RealArchivesOfBothVersionsHoldTheSameCharacter)
{
    const auto v1 = readSffFile(realChars("winmugen-kfm/kfm.sff"));
    const auto v2 = readSffFile(realChars("ikemen-kfm/kfm.sff"));
    ASSERT_TRUE(v1 && v2) << v1.error() << v2.error();
    // Counts of sprites and links as the files' documentation gives them.
    EXPECT_EQ(std::pair(v1->sprites.size(), v1->images.size()), std::pair(274ul, 274ul - 42));
    EXPECT_EQ(std::pair(v2->sprites.size(), v2->images.size()), std::pair(281ul, 281ul - 41));

    const auto subs = subfiles(readBytes(realChars("winmugen-kfm/kfm.sff")));
    std::map<std::pair<int, int>, std::size_t> inV2;
    for (std::size_t i = 0; i < v2->sprites.size(); ++i)
        inV2.emplace(std::pair{v2->sprites[i].group, v2->sprites[i].imageNo}, i);
    std::size_t compared = 0;
    for (std::size_t i = 0; i < v1->sprites.size(); ++i) {
        SCOPED_TRACE("sprite " + std::to_string(i));
        const IndexedImage& pa = pictureOf(*v1, i);
        EXPECT_TRUE(i == 0 || !subs[i].samePalette || pa.palette == pictureOf(*v1, i - 1).palette);
        const auto found = inV2.find({v1->sprites[i].group, v1->sprites[i].imageNo});
        if (found == inV2.end())
            continue;
        // The later edition renumbered the colours: same shape at the same
        // axis, each old colour turned into one new colour.
        const IndexedImage& pb = pictureOf(*v2, found->second);
        EXPECT_EQ(v1->sprites[i].axisX, v2->sprites[found->second].axisX);
        ASSERT_EQ(std::pair(pa.width, pa.height), std::pair(pb.width, pb.height));
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
    IndexedImage b = makePicture(7, 5, 2, 1), aOtherColours = a;
    b.palette = a.palette;
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
    for (const Case& c :
         {Case{"none", {}, 0, 0}, Case{"-f", {false, true, false}, 0, 2}, Case{"-p", {false, false, true}, 2, 0},
          Case{"-c", {true, false, false}, 0, 0}, Case{"-c -f -p", {true, true, true}, 2, 1}}) {
        SCOPED_TRACE(c.name);
        const auto sff = writeSffV1(sprites, c.options);
        ASSERT_TRUE(sff) << sff.error();
        EXPECT_EQ(sff->substr(0, 16), std::string("ElecbyteSpr\0\0\1\0\1", 16));
        EXPECT_EQ(u32At(*sff, 16), 3u); // groups 0, 5 and 9000
        const auto subs = subfiles(*sff);
        ASSERT_EQ(subs.size(), sprites.size());
        EXPECT_EQ(subs.back().next, sff->size());
        EXPECT_EQ(subs[0].samePalette, 0u);
        std::size_t links = 0, samePalettes = 0;
        for (const auto& s : subs) {
            links += s.length == 0 && s.link == 0;
            samePalettes += s.samePalette;
        }
        EXPECT_EQ(std::pair(links, samePalettes), std::pair(c.links, c.samePalettes));

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
            EXPECT_TRUE(c.options.crop || pictureOf(*back, i) == in.image);
        }
    }
}

// Bytes left where they lie make the same archive as bytes copied in, in
// pieces or whole; and where the writer says each sprite's bytes lie is
// where reading the archive back finds them, links and shared palettes
// included.
TEST(SffWrite, BytesLeftInPlaceAndWhereEachSpriteLies)
{
    const std::string a = sfflib::encodePcx(makePicture(12, 9, 1, 2));
    const std::string b = sfflib::encodePcx(makePicture(7, 5, 2, 1));
    const std::string bWithoutPalette = b.substr(0, b.size() - sizeof(Palette));
    const std::string c = sfflib::encodePcx(makePicture(30, 2, 3));
    struct Add {
        enum Kind { Copied, InPlace, Link } kind;
        const std::string* pcx;
        bool takesPrevious;
        std::size_t link;
    };
    const std::vector<Add> adds = {
        {Add::InPlace, &a, false, 0},
        {Add::Copied, &b, false, 0},
        {Add::InPlace, &bWithoutPalette, true, 0},
        {Add::Link, nullptr, false, 2},
        {Add::Copied, &c, false, 0},
        {Add::Link, nullptr, false, 3},
        {Add::InPlace, &c, false, 0},
        {Add::InPlace, &bWithoutPalette, true, 0},
    };
    SffV1Writer copying(BuildOptions{false, true, true}), inPlace(BuildOptions{false, true, true});
    for (std::size_t i = 0; i < adds.size(); ++i) {
        const Add& add = adds[i];
        const Sprite numbers{1, std::int16_t(i), std::int16_t(i * 3), -4, 0};
        if (add.kind == Add::Link) {
            ASSERT_TRUE(copying.addLink(numbers, add.link));
            ASSERT_TRUE(inPlace.addLink(numbers, add.link));
        } else {
            ASSERT_TRUE(copying.addPcx(numbers, *add.pcx, add.takesPrevious));
            ASSERT_TRUE(add.kind == Add::InPlace ? inPlace.addPcxInPlace(numbers, *add.pcx, add.takesPrevious)
                                                 : inPlace.addPcx(numbers, *add.pcx, add.takesPrevious));
        }
    }
    std::vector<SffReader::Stored> said;
    for (std::size_t i = 0; i < adds.size(); ++i)
        said.push_back(inPlace.stored(i));
    const std::string whole = copying.finish();
    std::string joined;
    std::size_t lent = 0; // pieces that are the callers' own bytes, not copies
    for (const std::string_view piece : inPlace.finishPieces()) {
        lent += piece.data() == a.data() || piece.data() == bWithoutPalette.data() || piece.data() == c.data();
        joined += piece;
    }
    EXPECT_EQ(lent, 4u);
    ASSERT_TRUE(joined == whole);

    const auto reader = SffReader::open(whole);
    ASSERT_TRUE(reader) << reader.error();
    ASSERT_EQ(reader->sprites().size(), adds.size());
    for (std::size_t i = 0; i < adds.size(); ++i) {
        SCOPED_TRACE("sprite " + std::to_string(i));
        const SffReader::Stored x = reader->stored(reader->sprites()[i].image), y = said[i];
        EXPECT_EQ(std::tuple(x.offset, x.length, x.format, x.depth, x.width, x.height, x.palette),
                  std::tuple(y.offset, y.length, y.format, y.depth, y.width, y.height, y.palette));
        std::size_t owner = i;
        while (adds[owner].kind == Add::Link)
            owner = adds[owner].link;
        EXPECT_TRUE(whole.substr(y.offset, y.length) == *adds[owner].pcx);
    }
}

TEST(SffWrite, CropKeepsTheSmallestRectangleOfVisiblePixels)
{
    IndexedImage empty = makePicture(10, 8, 1);
    std::fill(empty.pixels.begin(), empty.pixels.end(), 0);
    IndexedImage image = empty;
    image.pixels[2 * 10 + 3] = 9; // (3, 2)
    image.pixels[6 * 10 + 5] = 7; // (5, 6)
    struct Case {
        const IndexedImage& image;
        int axisX, axisY, width, height, newAxisX, newAxisY;
    };
    for (const Case& c :
         {Case{image, 4, 7, 3, 5, 1, 5}, Case{image, -20, 100, 3, 5, -23, 98}, Case{empty, 4, 7, 1, 1, 4, 7}}) {
        const auto cropped = cropSprite(source(c.image, 1, 1, c.axisX, c.axisY));
        ASSERT_TRUE(cropped) << cropped.error();
        EXPECT_EQ(std::tuple(cropped->image.width, cropped->image.height, int(cropped->axisX), int(cropped->axisY)),
                  std::tuple(c.width, c.height, c.newAxisX, c.newAxisY));
    }
    EXPECT_FALSE(cropSprite(source(image, 1, 1, -32768, 0))) << "the moved axis does not fit 16 bits";
}

TEST(SffRead, EveryVersion2FormatGivesThePicture)
{
    IndexedImage picture{
        7, 4, {3, 3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 3, 3, 3, 3, 3, 5, 5, 5, 5, 5, 3, 3, 5, 5, 5, 7}, {}};
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
    const std::tuple<const char*, int, std::string, bool> cases[] = {
        {"raw", 0, std::string(picture.pixels.begin(), picture.pixels.end()), false},
        {"RLE8", 2, withSizePrefix(28, rle8), false},
        {"RLE5", 3, withSizePrefix(28, rle5), false},
        {"LZ5", 4, withSizePrefix(28, lz5), false},
        {"LZ5 in translated data", 4, withSizePrefix(28, lz5), true},
        {"8-bit PNG", 10, withSizePrefix(28, encodePng8(picture)), false},
    };
    for (const auto& [name, format, data, inTdata] : cases) {
        SCOPED_TRACE(name);
        const V2Sprite sprite{10, 2, 7, 4, -3, 40, 0, format, data, 1, inTdata}, linked{10, 3, 0, 0, 1, 2, 0, 0, ""};
        const auto archive = readSff(makeSffV2({sprite, linked}, {{{}, 1}, {rgba}})); // palette 0 links to 1
        ASSERT_TRUE(archive) << archive.error();
        ASSERT_EQ(archive->sprites.size(), 2u);
        EXPECT_EQ(archive->images.size(), 1u);
        EXPECT_EQ(pictureOf(*archive, 0), picture);
        const Sprite &s = archive->sprites[0], &l = archive->sprites[1];
        EXPECT_EQ(std::tuple(s.axisX, s.axisY, l.image, l.imageNo, l.axisY), std::tuple(-3, 40, s.image, 3, 2));
    }
}
