// SFF v2 through the two programs: a real v2 character unpacked and built
// back as v2, true-colour sprites, the version rules, and bad input. What
// sprmaker writes is read back by the tests' own reader (v2_reader.h).

#include "tool_run.h"
#include "v2_reader.h"

#include "formats/archive_description.h"
#include "formats/png.h"
#include "formats/sff_pcx.h"
#include "formats/sprite_index.h"

#include <set>

using namespace sfflib;
using namespace sfftest;

namespace {

std::vector<vantrel::SpriteRecord> indexRecords(const TempDir& dir)
{
    return vantrel::parseSpriteIndex(readBytes(dir.file("tempsff.txt"))).records;
}

std::size_t linkedSprites(const v2check::Archive& a)
{
    std::size_t n = 0;
    for (const auto& s : a.sprites)
        n += s.length == 0;
    return n;
}

// LZ5 data (with its size prefix) of `count` pixels of one colour in long runs.
std::string lz5Fill(std::uint32_t count, std::uint8_t colour)
{
    std::string packed;
    std::uint32_t left = count;
    for (int packet = 0; left > 0; ++packet) {
        if (packet % 8 == 0)
            packed.push_back('\0'); // eight runs
        const std::uint32_t n = std::min<std::uint32_t>(left, 263);
        if (n >= 8)
            packed += {char(colour), char(n - 8)};
        else
            packed.push_back(char(n << 5 | colour));
        left -= n;
    }
    return withSizePrefix(count, packed);
}

std::vector<std::uint8_t> rgbaPalette(int colours, unsigned seed)
{
    std::vector<std::uint8_t> rgba;
    const Palette p = makePalette(seed);
    for (int i = 0; i < colours; ++i)
        rgba.insert(rgba.end(), {p[i * 3], p[i * 3 + 1], p[i * 3 + 2], std::uint8_t(i ? 255 : 0)});
    return rgba;
}

} // namespace

// The same archive made a v2.00 (whose palettes' fourth bytes an engine does
// not read as alpha) comes back as v2.00 with every palette byte as it was,
// the fourth ones included; asked for explicitly, 2.01 is still written.
TEST(SpriteToolsV2, AVersion200ArchiveIsBuiltBackAs200WithItsPaletteBytes)
{
    std::string bytes = readBytes(realChars("ikemen-kfm/kfm.sff"));
    ASSERT_EQ(bytes.substr(12, 4), std::string("\0\1\0\2", 4));
    bytes[13] = 0; // the minor version: 2.00
    {
        // Fourth bytes of every kind in the first palette, as a v2.00 may hold them.
        const v2check::Archive read(bytes);
        const auto& node = read.paletteNodes.at(0);
        ASSERT_GT(node.length, 0u);
        for (std::uint32_t k = 3; k < node.length; k += 4)
            bytes[read.ldata + node.offset + k] = static_cast<char>(k * 37);
    }
    TempDir first;
    writeBytes(first.file("old.sff"), bytes);
    const v2check::Archive original(bytes);
    ASSERT_EQ(runTool(first, "sff2pcx", "old.sff tempsff").exitCode, 0);
    const auto description = readArchiveDescription(first.file("tempsff.v2.txt"));
    ASSERT_TRUE(description && *description) << description.error();
    EXPECT_EQ((*description)->version, "2.00");

    TempDir second;
    const ToolRun built = runTool(first, "sprmaker", "tempsff", buildIndex(first, second.file("kfm.sff")));
    ASSERT_EQ(built.exitCode, 0) << built.err;
    const v2check::Archive rebuilt(readBytes(second.file("kfm.sff")));
    EXPECT_EQ(rebuilt.version, std::string("\0\0\0\2", 4));
    ASSERT_EQ(rebuilt.paletteNodes.size(), original.paletteNodes.size());
    for (std::size_t i = 0; i < original.paletteNodes.size(); ++i)
        EXPECT_EQ(original.palette(i), rebuilt.palette(i)) << "palette " << i;

    // The encoder writes 2.01 unless told otherwise.
    BuildOptions options;
    EXPECT_EQ(SffV2Writer({}, options).finish().substr(12, 4), std::string("\0\1\0\2", 4));
    options.minorVersion = 0;
    EXPECT_EQ(SffV2Writer({}, options).finish().substr(12, 4), std::string("\0\0\0\2", 4));
}

// ikemen-kfm's kfm.sff (v2.01: LZ5 and RLE8 sprites, 7 palettes, 41 links)
// unpacked and built back with no version option gives a v2.01 with the same
// sprites, each drawn with the same palette, and the same palette table.
// With -f -p the links come back and the size is about the original's.
TEST(SpriteToolsV2, RealV2CharacterBuildsBackAsV2)
{
    const std::string originalBytes = readBytes(realChars("ikemen-kfm/kfm.sff"));
    const v2check::Archive original(originalBytes);
    ASSERT_EQ(original.sprites.size(), 281u);
    ASSERT_EQ(original.paletteNodes.size(), 7u);
    ASSERT_EQ(linkedSprites(original), 41u);

    TempDir first;
    ASSERT_EQ(runTool(first, "sff2pcx", quoted(realChars("ikemen-kfm/kfm.sff")) + " tempsff").exitCode, 0);
    // The sprite index keeps its layout; the palette table goes beside it.
    const auto records = indexRecords(first);
    ASSERT_EQ(records.size(), 281u);
    EXPECT_EQ(records[0].pcxFile, "tempsff/s00000.pcx");
    const auto description = readArchiveDescription(first.file("tempsff.v2.txt"));
    ASSERT_TRUE(description && *description) << description.error();
    EXPECT_EQ((*description)->version, "2.01");

    for (const std::string options : {"", "-f -p"}) {
        SCOPED_TRACE("built with '" + options + "'");
        TempDir second;
        const ToolRun built =
            runTool(first, "sprmaker", options + " tempsff", buildIndex(first, second.file("kfm.sff")));
        ASSERT_EQ(built.exitCode, 0) << built.err;
        const v2check::Archive rebuilt(readBytes(second.file("kfm.sff")));
        EXPECT_EQ(rebuilt.version, std::string("\0\1\0\2", 4));

        ASSERT_EQ(rebuilt.paletteNodes.size(), original.paletteNodes.size());
        for (std::size_t i = 0; i < original.paletteNodes.size(); ++i) {
            const auto &a = original.paletteNodes[i], &b = rebuilt.paletteNodes[i];
            EXPECT_EQ(std::tuple(a.group, a.number, a.colours), std::tuple(b.group, b.number, b.colours))
                << "palette " << i;
            EXPECT_EQ(original.palette(i), rebuilt.palette(i)) << "palette " << i;
        }
        ASSERT_EQ(rebuilt.sprites.size(), original.sprites.size());
        std::size_t changed = 0;
        for (std::size_t i = 0; i < original.sprites.size(); ++i) {
            const auto &a = original.sprites[i], &b = rebuilt.sprites[i];
            const bool same = std::tuple(a.group, a.number, a.axisX, a.axisY, a.width, a.height, a.palette)
                    == std::tuple(b.group, b.number, b.axisX, b.axisY, b.width, b.height, b.palette)
                && original.pixels(i) == rebuilt.pixels(i) && original.colours(i) == rebuilt.colours(i);
            if (!same && ++changed < 4)
                ADD_FAILURE() << "sprite " << i << " (" << a.group << "," << a.number << ") changed";
        }
        EXPECT_EQ(changed, 0u);

        if (options.empty()) {
            EXPECT_EQ(linkedSprites(rebuilt), 0u);
            continue;
        }
        // Every link of the original is a link again, to the same picture, and there are no others.
        for (std::size_t i = 0; i < original.sprites.size(); ++i) {
            if (original.sprites[i].length != 0)
                continue;
            EXPECT_EQ(rebuilt.sprites[i].length, 0u) << "sprite " << i;
            EXPECT_EQ(rebuilt.dataNode(i).offset, rebuilt.dataNode(std::size_t(original.sprites[i].link)).offset);
        }
        EXPECT_EQ(linkedSprites(rebuilt), linkedSprites(original));
        const double ratio = double(rebuilt.bytes.size()) / double(originalBytes.size());
        EXPECT_GT(ratio, 0.85);
        EXPECT_LT(ratio, 1.1);
    }
}

// 32 and 24-bit PNG sprites come out of sff2pcx as PNG files and go back
// into the archive with every red, green, blue and alpha byte; cropped, a
// sprite drops its transparent border and keeps its place.
TEST(SpriteToolsV2, TrueColourSpritesSurviveUnpackAndBuild)
{
    const std::vector<std::uint8_t> rgba = makeRgba(37, 23, 1, 3);
    std::vector<std::uint8_t> rgb = makeRgba(20, 11, 2); // a 24-bit picture: opaque
    for (std::size_t i = 3; i < rgb.size(); i += 4)
        rgb[i] = 255;
    const std::vector<std::uint8_t> indices(6 * 5, 3);
    const std::vector<V2Sprite> sprites = {
        {1, 0, 37, 23, 18, 22, 0, 12, withSizePrefix(37 * 23 * 4, encodeTrueColourPng(37, 23, rgba))},
        {1, 1, 20, 11, -4, 70, 0, 11, withSizePrefix(20 * 11 * 3, encodeTrueColourPng(20, 11, rgb, false))},
        {2, 0, 6, 5, 1, 2, 0, 0, std::string(indices.begin(), indices.end()), 1},
    };
    TempDir first;
    writeBytes(first.file("mixed.sff"), makeSffV2(sprites, {{rgbaPalette(16, 1)}, {rgbaPalette(32, 2)}}));
    ASSERT_EQ(runTool(first, "sff2pcx", "mixed.sff tempsff").exitCode, 0);
    const auto records = indexRecords(first);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].pcxFile, "tempsff/s00000.png");
    EXPECT_EQ(records[2].pcxFile, "tempsff/s00002.pcx");
    const auto unpacked = decodePng(readBytes(first.file(records[0].pcxFile)));
    ASSERT_TRUE(unpacked) << unpacked.error();
    EXPECT_EQ(std::get<TrueColourImage>(*unpacked).rgba, rgba);

    for (const std::string options : {"", "-c"}) {
        SCOPED_TRACE("built with '" + options + "'");
        TempDir second;
        ASSERT_EQ(runTool(first, "sprmaker", options + " tempsff", buildIndex(first, second.file("out.sff"))).exitCode,
                  0);
        const v2check::Archive out(readBytes(second.file("out.sff")));
        ASSERT_EQ(out.sprites.size(), 3u);
        EXPECT_EQ(std::pair(out.sprites[0].format, out.sprites[1].format), std::pair(12, 11));
        EXPECT_EQ(out.pixels(1), rgb);
        EXPECT_EQ(out.pixels(2), indices);
        EXPECT_EQ(out.sprites[2].palette, 1);
        const auto& s = out.sprites[0];
        if (options.empty()) {
            EXPECT_EQ(out.pixels(0), rgba);
            EXPECT_EQ(std::tuple(s.width, s.height, s.axisX, s.axisY), std::tuple(37, 23, 18, 22));
            continue;
        }
        // The border of 3 transparent pixels is gone; the axis follows.
        EXPECT_EQ(std::tuple(s.width, s.height, s.axisX, s.axisY), std::tuple(31, 17, 15, 19));
        const auto cropped = out.pixels(0);
        for (int y = 0; y < 17; ++y)
            ASSERT_TRUE(std::equal(cropped.begin() + y * 31 * 4, cropped.begin() + (y + 1) * 31 * 4,
                                   rgba.begin() + ((y + 3) * 37 + 3) * 4))
                << "row " << y;
    }
}

// Without an option the workspace decides: unpacked from v1 it builds v1
// exactly as before, from v2 it builds v2 (2.01 as it was read). -v1, -v2,
// -v2.00 and -v2.01 choose; a true-colour picture cannot go into v1.
TEST(SpriteToolsV2, TheVersionFollowsTheWorkspaceUnlessChosen)
{
    TempDir v1, v2;
    std::vector<SpriteSource> pictures(3);
    for (int i = 0; i < 3; ++i)
        pictures[i] = {makePicture(9 + i, 7, i % 2 + 1, 1), std::int16_t(i), 0, 4, 6};
    writeBytes(v1.file("old.sff"), *writeSffV1(pictures, {}));
    ASSERT_EQ(runTool(v1, "sff2pcx", "old.sff tempsff").exitCode, 0);
    ASSERT_EQ(runTool(v2, "sff2pcx", quoted(realChars("ikemen-kfm/kfm.sff")) + " tempsff").exitCode, 0);
    // A v1 archive's description has no palettes; it names the version.
    const auto v1Description = readArchiveDescription(v1.file("tempsff.v2.txt"));
    ASSERT_TRUE(v1Description && *v1Description) << v1Description.error();
    EXPECT_EQ(std::pair((*v1Description)->version, (*v1Description)->palettes.size()),
              std::pair(std::string("1.01"), std::size_t(0)));

    struct Case {
        const TempDir& dir;
        const char* options;
        int major;
        int minor = 0;
    };
    for (const Case& c :
         {Case{v1, "", 1}, Case{v1, "-v1", 1}, Case{v1, "-v2", 2, 1}, Case{v1, "-v2.00", 2, 0}, Case{v2, "", 2, 1},
          Case{v2, "-v2.00", 2, 0}, Case{v2, "-v2.01 -f", 2, 1}, Case{v2, "-v1 -f", 1}}) {
        SCOPED_TRACE(std::string(&c.dir == &v1 ? "v1" : "v2") + " workspace, '" + c.options + "'");
        const ToolRun run =
            runTool(c.dir, "sprmaker", std::string(c.options) + " tempsff", buildIndex(c.dir, c.dir.file("new.sff")));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string built = readBytes(c.dir.file("new.sff"));
        EXPECT_EQ(int(built.at(15)), c.major);
        if (c.major == 2)
            EXPECT_EQ(int(built.at(13)), c.minor);
        // Whatever the version, the sprites are drawn as unpacked.
        const auto back = readSff(built);
        ASSERT_TRUE(back) << back.error();
        const auto workspace = indexRecords(c.dir);
        ASSERT_EQ(back->sprites.size(), workspace.size());
        for (std::size_t i = 0; i < workspace.size(); ++i) {
            const auto unpacked = decodePcx(readBytes(c.dir.file(workspace[i].pcxFile)));
            ASSERT_TRUE(unpacked);
            EXPECT_EQ(drawn(pictureOf(*back, i), back->sprites[i].axisX, back->sprites[i].axisY),
                      drawn(*unpacked, std::stoi(workspace[i].axisXText), std::stoi(workspace[i].axisYText)))
                << i;
        }
        if (&c.dir == &v1 && c.major == 1) {
            EXPECT_EQ(built, readBytes(v1.file("old.sff"))) << "a v1 workspace builds the same bytes as before";
        }
        if (&c.dir == &v1 && c.major == 2) {
            // The one palette of the v1 sprites becomes the character's: 1,1.
            const v2check::Archive a(built);
            ASSERT_EQ(a.paletteNodes.size(), 2u);
            EXPECT_EQ(std::pair(a.paletteNodes[0].group, a.paletteNodes[0].number), std::pair(1, 1));
            EXPECT_EQ(std::pair(a.paletteNodes[1].group, a.paletteNodes[1].number), std::pair(1, 0));
        }
    }

    // A true-colour picture in a v1 workspace: refused until v2 is chosen.
    writeBytes(v1.file("tempsff/photo.png"), encodeTrueColourPng(4, 4, makeRgba(4, 4, 9)));
    std::string index = readBytes(buildIndex(v1, v1.file("new.sff")));
    writeBytes(v1.file("build.txt"), index + "tempsff/photo.png\r\n5\r\n0\r\n0\r\n0\r\n");
    const ToolRun refused = runTool(v1, "sprmaker", "tempsff", v1.file("build.txt"));
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.oneErrorLine()) << refused.err;
    for (const char* mention : {"record 4", "photo.png", "v1", "-v2"})
        EXPECT_NE(refused.err.find(mention), std::string::npos) << refused.err;
    ASSERT_EQ(runTool(v1, "sprmaker", "-v2 tempsff", v1.file("build.txt")).exitCode, 0);
    EXPECT_EQ(v2check::Archive(readBytes(v1.file("new.sff"))).pixels(3), makeRgba(4, 4, 9));
}

// Bad archives and workspaces: one line on standard error, a non-zero exit,
// and nothing written (no index, the old archive untouched).
TEST(SpriteToolsV2, BadInputGivesOneLineAndWritesNothing)
{
    TempDir dir;
    const std::string pixels(4, '\x01');
    const std::vector<V2Palette> onePalette = {{rgbaPalette(16, 1)}};
    IndexedImage huge{8192, 8192, std::vector<std::uint8_t>(8192u * 8192u, 0), {}};
    const std::string wide = encodeTrueColourPng(16385, 1, std::vector<std::uint8_t>(16385 * 4, 200));
    std::string oddPalette = makeSffV2({{0, 0, 2, 2, 0, 0, 0, 0, pixels}}, {{rgbaPalette(16, 1)}});
    oddPalette = patched(oddPalette, 512 + 28 + 12, 63); // the palette node's length: 63 bytes
    const std::pair<const char*, std::string> archives[] = {
        {"a 1x1 node over an 8192x8192 PNG",
         makeSffV2({{0, 0, 1, 1, 0, 0, 0, 10, withSizePrefix(1, encodePng8(huge))}}, onePalette)},
        {"a PNG wider than 16384", makeSffV2({{0, 0, 16385, 1, 0, 0, 0, 12, withSizePrefix(0, wide)}}, onePalette)},
        {"a PNG sprite that is no PNG",
         makeSffV2({{0, 0, 2, 2, 0, 0, 0, 12, withSizePrefix(16, std::string(40, 'x'))}}, onePalette)},
        {"a palette index past the table", makeSffV2({{0, 0, 2, 2, 0, 0, 0, 0, pixels, 5}}, onePalette)},
        {"a palette node of odd length", oddPalette},
    };
    for (const auto& [what, bytes] : archives) {
        SCOPED_TRACE(what);
        writeBytes(dir.file("bad.sff"), bytes);
        writeBytes(dir.file("tempsff.txt"), "left from an earlier run\r\n");
        const ToolRun run = runTool(dir, "sff2pcx", "bad.sff tempsff");
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.oneErrorLine()) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("tempsff.txt")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("tempsff.v2.txt")));
    }

    // The workspace: pictures and the palette description.
    writeBytes(dir.file("tempsff/a.pcx"), encodePcx(makePicture(5, 5, 1)));
    writeBytes(dir.file("tempsff/wide.png"), wide);
    writeBytes(dir.file("tempsff/fake.png"), "GIF89a, not a PNG");
    const std::string sff = dir.file("old.sff"), good = "tempsff/a.pcx\r\n0\r\n0\r\n1\r\n2\r\n";
    writeBytes(sff, "the archive as it was");
    const std::string table = "SFF 2.01\npalettes 1\n1 1 2 00000000 ff0000ff\n";
    const std::tuple<const char*, std::string, std::string, std::vector<std::string>> workspaces[] = {
        {"a PNG wider than 16384", "", "tempsff/wide.png\r\n0\r\n1\r\n0\r\n0\r\n", {"record 2", "wide.png", "16,384"}},
        {"a .png that is no PNG",
         "",
         "tempsff/fake.png\r\n0\r\n1\r\n0\r\n0\r\n",
         {"record 2", "fake.png", "not a PNG"}},
        {"a picture's palette past the table", table + "pictures 1\n3 tempsff/a.pcx\n", "", {"line 5", "palette 3"}},
        {"a palette missing a colour", "SFF 2.01\npalettes 1\n1 1 3 00000000 ff0000ff\npictures 0\n", "", {"line 3"}},
        {"a colour that is not hexadecimal", "SFF 2.01\npalettes 1\n1 1 1 0000zz00\npictures 0\n", "", {"0000zz00"}},
    };
    for (const auto& [what, description, extra, mentions] : workspaces) {
        SCOPED_TRACE(what);
        writeBytes(dir.file("tempsff.v2.txt"), description);
        if (description.empty())
            std::filesystem::remove(dir.file("tempsff.v2.txt"));
        writeBytes(dir.file("index.txt"), sff + "\r\n" + good + extra);
        const ToolRun run = runTool(dir, "sprmaker", "-v2 tempsff", dir.file("index.txt"));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.oneErrorLine()) << run.err;
        for (const auto& m : mentions)
            EXPECT_NE(run.err.find(m), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(sff), "the archive as it was");
    }
}

// 3,000 sprite nodes over one 8 KB block that decodes to 1024 x 1024: the
// block is decoded once and written once, and every sprite names that file.
TEST(SpriteToolsV2, SharedDataIsUnpackedOnce)
{
    const std::string block = lz5Fill(1024 * 1024, 7);
    ASSERT_LT(block.size(), 9000u);
    std::vector<V2Sprite> nodes;
    nodes.push_back({0, 0, 1024, 1024, 0, 0, 0, 4, block});
    std::string bytes = makeSffV2(nodes, {{rgbaPalette(32, 3)}});
    // Copies of the first node, numbered 1 to 2999, all pointing at its data.
    const std::string node = bytes.substr(512, 28);
    std::string table;
    for (int i = 0; i < 3000; ++i)
        table += patched(node, 2, std::uint64_t(i), 2);
    const std::size_t grow = table.size() - 28;
    bytes = bytes.substr(0, 512) + table + bytes.substr(540);
    for (std::size_t field : {44, 52, 60})
        bytes = patched(bytes, field, v2check::at32(bytes, field) + grow);
    bytes = patched(bytes, 40, 3000);

    TempDir dir;
    writeBytes(dir.file("shared.sff"), bytes);
    const ToolRun run = runTool(dir, "sff2pcx", "shared.sff tempsff");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto records = indexRecords(dir);
    ASSERT_EQ(records.size(), 3000u);
    std::set<std::string> files;
    for (const auto& r : records)
        files.insert(r.pcxFile);
    EXPECT_EQ(files.size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("tempsff")), {}), 1);
    const auto picture = decodePcx(readBytes(dir.file(*files.begin())));
    ASSERT_TRUE(picture);
    EXPECT_EQ(std::pair(picture->width, picture->height), std::pair(1024, 1024));
    EXPECT_EQ(std::count(picture->pixels.begin(), picture->pixels.end(), 7), 1024 * 1024);
}
