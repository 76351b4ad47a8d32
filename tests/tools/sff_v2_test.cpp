// The SFF v2 side of the library: the RLE8 and LZ5 encoders, the PNG codec,
// the v2 writer and reader, and the palette description of a workspace.

#include "fixtures.h"
#include "v2_reader.h"

#include "formats/archive_description.h"
#include "formats/png.h"
#include "formats/sff_codecs.h"

#include <random>
#include <thread>

using namespace sfflib;
using namespace sfftest;

namespace {

std::vector<std::uint8_t> pattern(std::size_t n, unsigned seed, unsigned colours, std::size_t period = 0)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = period && i >= period && random() % 16 ? out[i - period] : std::uint8_t(random() % colours);
    return out;
}

std::vector<std::uint8_t> runs(std::initializer_list<std::pair<std::uint8_t, std::size_t>> list)
{
    std::vector<std::uint8_t> out;
    for (const auto& [value, count] : list)
        out.insert(out.end(), count, value);
    return out;
}

// A drawn sprite of colours below 32: rows of colour runs between transparent
// margins, each row mostly the one above it, now and then one from further up
// (more than 256 pixels back) or a long run across.
std::vector<std::uint8_t> drawnSprite(std::size_t width, std::size_t height, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> out(width * height, 0);
    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = out.data() + y * width;
        const unsigned kind = random() % 8;
        if (y >= 5 && kind == 0) {
            std::copy_n(row - 5 * width, width, row);
        } else if (kind == 1) {
            std::fill_n(row + width / 8, width - width / 4, std::uint8_t(1 + random() % 31));
        } else if (y > 0 && kind < 6) {
            std::copy_n(row - width, width, row);
            for (int changes = 0; changes < 3; ++changes)
                row[width / 4 + random() % (width / 2)] = std::uint8_t(random() % 32);
        } else {
            for (std::size_t x = width / 4 + random() % 8; x < width - width / 4;) {
                const std::size_t run = 1 + random() % 6;
                const auto colour = std::uint8_t(1 + random() % 31);
                for (std::size_t k = 0; k < run && x < width - width / 4; ++k)
                    row[x++] = colour;
            }
        }
    }
    return out;
}

PaletteEntry entry(int group, int number, int colours, unsigned seed)
{
    PaletteEntry p{std::int16_t(group), std::int16_t(number), {}};
    const Palette rgb = makePalette(seed);
    for (int i = 0; i < colours; ++i)
        p.colours.insert(p.colours.end(), {rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2], std::uint8_t(i ? 255 : 0)});
    return p;
}

// The picture `palette` draws: pixel indices, colours from the entry.
IndexedImage withEntry(IndexedImage image, const PaletteEntry& palette)
{
    image.palette = {};
    for (std::size_t c = 0; c < palette.count(); ++c)
        std::copy_n(palette.colours.begin() + std::ptrdiff_t(c * 4), 3, image.palette.begin() + std::ptrdiff_t(c * 3));
    return image;
}

} // namespace

// Each encoder's data decodes to exactly the pixels it was given: runs past
// a packet's length, values that look like run bytes, lone pixels, copies
// near and far (LZ5 short copies come in fours, the fourth's offset spread
// over the others). LZ5 finds repeats: rows that repeat cost little.
TEST(SffCodecs, EncodersGiveBackEveryPicture)
{
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"one pixel", {0}},
        {"one colour, longer than any packet", runs({{7, 1000}})},
        {"runs of every length around the packet limits",
         runs({{1, 62}, {2, 63}, {3, 64}, {4, 127}, {5, 262}, {6, 263}, {7, 264}, {8, 8}, {9, 7}})},
        {"noise of 32 colours", pattern(5000, 1, 32)},
        {"rows repeating 40 pixels apart", pattern(4000, 2, 32, 40)},
        {"repeats 300 and 900 pixels apart", pattern(6000, 3, 20, 300)},
        {"short repeats", pattern(3000, 4, 4, 3)},
        {"every byte value, runs and lone", pattern(3000, 5, 256)},
        {"run-looking bytes", runs({{0x40, 1}, {0x7F, 1}, {0x41, 2}, {0xC0, 1}, {0xFF, 70}, {0x3F, 1}})},
        {"a drawn sprite", drawnSprite(150, 160, 6)},
        {"a drawn sprite of long rows", drawnSprite(700, 40, 7)},
    };
    for (const auto& [name, pixels] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(decodeRle8(encodeRle8(pixels), pixels.size()), pixels);
        if (*std::max_element(pixels.begin(), pixels.end()) >= 32)
            continue;
        const std::string lz5 = encodeLz5(pixels);
        EXPECT_EQ(decodeLz5(lz5, pixels.size()), pixels);
        if (std::string(name) == "rows repeating 40 pixels apart") {
            EXPECT_LT(lz5.size(), pixels.size() / 3);
        }
        if (std::string(name).starts_with("a drawn sprite")) {
            EXPECT_LT(lz5.size() * 2, encodeRle8(pixels).size()); // the repeated rows are copies
        }
    }
}

// The LZ5 encoder keeps what it learnt of one picture's pixels for the next
// on the same thread: nothing of an earlier picture may leak into a later
// one's bytes, whatever came before and on whichever thread.
TEST(SffCodecs, Lz5BytesDependOnThePictureAlone)
{
    const std::vector<std::uint8_t> sprite = drawnSprite(150, 160, 8);
    const std::string alone = encodeLz5(sprite);
    for (const auto& before : {drawnSprite(150, 160, 9), pattern(30000, 10, 32, 40), runs({{3, 70000}})}) {
        (void)encodeLz5(before);
        EXPECT_EQ(encodeLz5(sprite), alone);
    }
    std::string elsewhere;
    std::thread([&] { elsewhere = encodeLz5(sprite); }).join();
    EXPECT_EQ(elsewhere, alone);
    EXPECT_EQ(decodeLz5(alone, sprite.size()), sprite);
}

// PNG: a palette picture keeps its indices and its palette; true colour keeps
// every byte, with or without alpha. Files that are not PNGs, are cut short or
// too wide are refused with a sentence.
TEST(SffPng, PicturesKeepEveryByte)
{
    const IndexedImage indexed = makePicture(13, 7, 4);
    for (const bool transparent : {false, true}) {
        const auto png = encodePng(indexed, transparent);
        ASSERT_TRUE(png) << png.error();
        const auto info = readPngInfo(*png);
        ASSERT_TRUE(info);
        EXPECT_TRUE(info->indexed);
        const auto back = decodePng(*png);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(std::get<IndexedImage>(*back), indexed);
    }
    for (const bool alpha : {true, false}) {
        TrueColourImage picture{9, 5, alpha, makeRgba(9, 5, 3)};
        if (!alpha)
            for (std::size_t i = 3; i < picture.rgba.size(); i += 4)
                picture.rgba[i] = 255;
        const auto png = encodePng(picture);
        ASSERT_TRUE(png);
        const auto back = decodePng(*png);
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(std::get<TrueColourImage>(*back), picture);
        // A file drawn elsewhere reads the same.
        const auto drawnElsewhere = decodePng(encodeTrueColourPng(9, 5, picture.rgba, alpha));
        ASSERT_TRUE(drawnElsewhere);
        EXPECT_EQ(std::get<TrueColourImage>(*drawnElsewhere), picture);
    }

    const std::string good = *encodePng(indexed);
    const std::pair<std::string, std::string> refused[] = {
        {"", "not a PNG"},
        {"GIF89a and so on", "not a PNG"},
        {good.substr(0, good.size() / 2), ""},
        {encodeTrueColourPng(16385, 1, std::vector<std::uint8_t>(16385 * 4, 9)), "16,384"},
        {encodeTrueColourPng(1, 16385, std::vector<std::uint8_t>(16385 * 4, 9)), "16,384"},
    };
    for (const auto& [bytes, mention] : refused) {
        const auto result = decodePng(bytes);
        ASSERT_FALSE(result);
        EXPECT_NE(result.error().find(mention), std::string::npos) << result.error();
    }
    EXPECT_FALSE(readPngInfo(refused[3].first));
    EXPECT_FALSE(encodePng(TrueColourImage{16385, 1, true, std::vector<std::uint8_t>(16385 * 4)}));
}

// The v2 writer: every palette is written, used or not, with its group and
// number; -f links equal palettes, -p links repeated pictures, -c crops both
// kinds of picture. The library's reader and the tests' own agree on it.
TEST(SffV2Write, PalettesLinksAndCrop)
{
    const PaletteEntry unused = entry(1, 3, 32, 7), used = entry(1, 1, 32, 8), copy = entry(1, 2, 32, 8);
    IndexedImage five = withEntry(makePicture(11, 8, 1, 1), used);
    for (auto& v : five.pixels)
        v %= 32;
    const IndexedImage eight = withEntry(makePicture(6, 9, 2, 2), entry(9000, 1, 256, 9));
    const TrueColourImage photo{8, 6, true, makeRgba(8, 6, 5, 1)};
    struct Case {
        const char* name;
        BuildOptions options;
        std::size_t linkedSprites, linkedPalettes;
    };
    for (const Case& c : {Case{"none", {}, 0, 0}, Case{"-p", {false, false, true}, 2, 0},
                          Case{"-f", {false, true, false}, 0, 1}, Case{"-c -f -p", {true, true, true}, 2, 1}}) {
        SCOPED_TRACE(c.name);
        SffV2Writer writer({unused, used, copy}, c.options);
        const auto big = writer.addPalette(entry(9000, 1, 256, 9));
        ASSERT_TRUE(big);
        const std::pair<Picture, int> sprites[] = {{five, 1},  {eight, *big}, {five, 1},
                                                   {photo, 0}, {photo, 0},    {five, 2}};
        for (std::size_t i = 0; i < std::size(sprites); ++i) {
            const Sprite numbers{std::int16_t(i / 2), std::int16_t(i), std::int16_t(5 - i), std::int16_t(20 + i), 0};
            ASSERT_TRUE(writer.addSprite(numbers, sprites[i].first, std::uint16_t(sprites[i].second)));
        }
        EXPECT_FALSE(writer.addSprite({}, five, 9)) << "palette past the table";
        const std::string bytes = writer.finish();

        const v2check::Archive check(bytes);
        ASSERT_EQ(check.paletteNodes.size(), 4u);
        std::size_t linkedSprites = 0, linkedPalettes = 0;
        for (const auto& s : check.sprites)
            linkedSprites += s.length == 0;
        for (const auto& p : check.paletteNodes)
            linkedPalettes += p.length == 0;
        EXPECT_EQ(std::pair(linkedSprites, linkedPalettes), std::pair(c.linkedSprites, c.linkedPalettes));
        EXPECT_EQ(check.sprites[1].format, 2) << "colours past 31: RLE8";
        EXPECT_EQ(check.sprites[0].format, 4) << "5-bit colours: LZ5";
        EXPECT_EQ(check.sprites[3].format, 12);

        const auto reader = SffReader::open(bytes);
        ASSERT_TRUE(reader) << reader.error();
        EXPECT_EQ(reader->versionText(), "2.01");
        ASSERT_EQ(reader->palettes().size(), 4u);
        EXPECT_EQ(reader->palettes()[0], unused);
        EXPECT_EQ(reader->palettes()[2], copy);
        ASSERT_EQ(reader->sprites().size(), std::size(sprites));
        for (std::size_t i = 0; i < std::size(sprites); ++i) {
            SCOPED_TRACE("sprite " + std::to_string(i));
            const Sprite& s = reader->sprites()[i];
            const auto picture = reader->decode(s.image);
            ASSERT_TRUE(picture) << picture.error();
            EXPECT_EQ(std::pair(s.group, s.imageNo), std::pair(std::int16_t(i / 2), std::int16_t(i)));
            if (const auto* image = std::get_if<IndexedImage>(&sprites[i].first)) {
                const auto& back = std::get<IndexedImage>(*picture);
                EXPECT_EQ(drawn(back, s.axisX, s.axisY), drawn(*image, 5 - int(i), 20 + int(i)));
                EXPECT_EQ(reader->paletteOf(s.image), sprites[i].second);
                EXPECT_TRUE(c.options.crop || back == *image);
            } else {
                const auto& back = std::get<TrueColourImage>(*picture);
                const int cut = c.options.crop ? 1 : 0;
                EXPECT_EQ(std::tuple(back.width, back.height, int(s.axisX), int(s.axisY)),
                          std::tuple(8 - 2 * cut, 6 - 2 * cut, 5 - int(i) - cut, 20 + int(i) - cut));
                EXPECT_EQ(back.rgba[0 * 4 + 3], c.options.crop ? photo.rgba[(8 + 1) * 4 + 3] : 0);
            }
        }
    }
}

// Reading v2: nodes over the same data with the same palette share one
// picture; lying nodes and palettes are refused with a sentence.
TEST(SffV2Read, SharedDataAndLyingNodes)
{
    const std::string pixels(28, '\x02');
    const std::vector<V2Palette> palettes = {{std::vector<std::uint8_t>(64, 1)}, {std::vector<std::uint8_t>(64, 2)}};
    std::string shared = makeSffV2({{0, 0, 7, 4, 0, 0, 0, 0, pixels}, {0, 1, 7, 4, 0, 0, 0, 0, pixels, 1}}, palettes);
    // The second node points at the first one's data, with the other palette;
    // a third copy of the first node shares its picture.
    shared = patched(shared, 512 + 28 + 16, v2check::at32(shared, 512 + 16));
    const std::string third = shared.substr(512, 28);
    shared.insert(512 + 56, third);
    for (std::size_t field : {44, 52, 60})
        shared = patched(shared, field, v2check::at32(shared, field) + 28);
    shared = patched(shared, 40, 3);
    const auto reader = SffReader::open(shared);
    ASSERT_TRUE(reader) << reader.error();
    EXPECT_EQ(reader->pictureCount(), 2u);
    EXPECT_EQ(reader->sprites()[2].image, reader->sprites()[0].image);
    EXPECT_NE(reader->sprites()[1].image, reader->sprites()[0].image);

    const IndexedImage big = makePicture(7, 4, 1);
    std::string oddPalette = makeSffV2({{0, 0, 7, 4, 0, 0, 0, 0, pixels}}, palettes);
    const std::pair<std::string, std::string> refused[] = {
        {patched(oddPalette, 512 + 28 + 12, 61), "4-byte"},
        {makeSffV2({{0, 0, 7, 4, 0, 0, 0, 0, pixels, 2}}, palettes), "past the palette table"},
        {makeSffV2({{0, 0, 1, 1, 0, 0, 0, 10, withSizePrefix(1, encodePng8(big))}}, palettes), "7x4"},
        {makeSffV2({{0, 0, 7, 4, 0, 0, 0, 12, withSizePrefix(0, encodePng8(big))}}, palettes), "8-bit palette"},
    };
    for (const auto& [bytes, mention] : refused) {
        auto opened = SffReader::open(bytes);
        const std::string error = opened ? opened->decode(0).error() : opened.error();
        EXPECT_NE(error.find(mention), std::string::npos) << error;
        EXPECT_NE(error.find("SFF "), std::string::npos) << error;
    }
}

// The description written beside the index reads back as written, stored
// places included; a picture is found whatever its separators and letter
// case; each fault names its line, an unknown line too; stored lines cut
// short keep those that are whole.
TEST(ArchiveDescription, ReadsBackAndNamesFaults)
{
    ArchiveDescription d;
    d.version = "2.00";
    d.palettes = {entry(1, 1, 32, 1), entry(-5, 300, 1, 2), entry(9000, 1, 256, 3)};
    d.pictures = {{"tempsff/s00000.pcx", 2}, {"tempsff/My Sprite.pcx", 0}};
    d.storedVersion = "2.00";
    d.storedArchive = "/home/a b/kfm.sff";
    d.stored = {{"tempsff/s00000.pcx", 1024, 77, ~0ull, 4, 5, 120, 100, 2, 1, 12801, -3, 8, 0x0123456789abcdefull},
                {"tempsff/My Sprite.pcx", 5000000000ull, 9, 2, 12, 32, 1, 1, 0, 0, 1, 1733581242123456789, 7, 0}};
    const std::string text = formatArchiveDescription(d);
    const auto back = parseArchiveDescription(text);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(back->version, "2.00");
    EXPECT_EQ(back->palettes, d.palettes);
    EXPECT_EQ(back->pictures, d.pictures);
    EXPECT_EQ(std::tie(back->storedVersion, back->storedArchive, back->stored),
              std::tie(d.storedVersion, d.storedArchive, d.stored));
    EXPECT_EQ(back->storedAnnounced, 2u);
    ASSERT_NE(back->storedPicture("TEMPSFF\\my sprite.PCX"), nullptr);
    EXPECT_EQ(back->storedPicture("TEMPSFF\\my sprite.PCX")->offset, 5000000000ull);
    EXPECT_EQ(back->storedPicture("tempsff/s00001.pcx"), nullptr);
    // Where the index's order says, or elsewhere, or twice: the file's first line.
    for (const std::size_t hint : {std::size_t(0), std::size_t(1), std::size_t(7)})
        EXPECT_EQ(back->storedPicture("tempsff/My Sprite.pcx", hint), &back->stored[1]) << hint;
    EXPECT_EQ(back->storedPicture("tempsff/s00001.pcx", 0), nullptr);
    ArchiveDescription twice = *back;
    twice.stored.push_back(twice.stored[0]);
    twice.stored.back().offset = 1;
    EXPECT_EQ(twice.storedPicture("tempsff/s00000.pcx", 2), &twice.stored[0]);
    // Cut inside the last line, or after a whole line: what is whole is kept.
    for (const std::size_t cut : {text.size() - 30, text.rfind('\n', text.size() - 2) + 1}) {
        const auto shortened = parseArchiveDescription(text.substr(0, cut));
        ASSERT_TRUE(shortened) << shortened.error();
        EXPECT_EQ(std::pair(shortened->stored.size(), shortened->storedAnnounced),
                  std::pair(std::size_t(1), std::size_t(2)));
    }
    EXPECT_EQ(back->paletteOfPicture("TEMPSFF\\my sprite.PCX"), 0);
    EXPECT_EQ(back->paletteOfPicture("tempsff/s00000.pcx"), 2);
    EXPECT_EQ(back->paletteOfPicture("tempsff/s00001.pcx"), -1);

    for (const auto& [index, description] : {std::pair("tempsff.txt", "tempsff.v2.txt"),
                                             std::pair("/a/b.txt", "/a/b.v2.txt"), std::pair("index", "index.v2.txt")})
        EXPECT_EQ(descriptionPathFor(index), description);

    const std::pair<const char*, const char*> faults[] = {
        {"", "line 1"},
        {"SFF 2.01\npalettes x\n", "line 2"},
        {"SFF 2.01\npalettes 1\n1 1 0\npictures 0\n", "1 to 256"},
        {"SFF 2.01\npalettes 1\n1 1 257\npictures 0\n", "1 to 256"},
        {"SFF 2.01\npalettes 1\n1 1 2 00000000\npictures 0\n", "line 3"},
        {"SFF 2.01\npalettes 1\n1 1 1 000000000\npictures 0\n", "000000000"},
        {"SFF 2.01\npalettes 0\npictures 2\n0 a.pcx\n", "line 4"},
        {"SFF 2.01\npalettes 1\n1 1 1 00000000\npictures 1\n1 a.pcx\n", "palette 1 is past the palette table"},
        {"SFF 2.01\npalettes 1\n1 1 1 00000000\npictures 2\n0 a.pcx\n", "line 6"},
        {"SFF 1.01\npalettes 0\npictures 0\nlinks 4\n", "line 4"},
        {"SFF 1.01\npalettes 0\npictures 0\narchive 1.01\n", "line 4"},
        {"SFF 1.01\npalettes 0\npictures 0\narchive 1.01 a.sff\nstored 1\n1 2 3 a.pcx\n", "line 6"},
        {"SFF 1.01\npalettes 0\npictures 0\narchive 1.01 a.sff\nstored 0\nmore\n", "unexpected line \"more\""},
    };
    for (const auto& [text, mention] : faults) {
        const auto parsed = parseArchiveDescription(text);
        ASSERT_FALSE(parsed) << text;
        EXPECT_NE(parsed.error().find(mention), std::string::npos) << parsed.error();
    }
}
