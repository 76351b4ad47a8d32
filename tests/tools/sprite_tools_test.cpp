// The two programs as the editor runs them: sff2pcx in the application
// folder, sprmaker with the index on standard input.

#include "tool_run.h"

#include "formats/sff_pcx.h"
#include "formats/sprite_index.h"

#include <set>

using namespace sfflib;
using namespace sfftest;

namespace {

// Each sprite of an unpacked workspace: its index record and picture.
using Unpacked = std::vector<std::pair<vantrel::SpriteRecord, IndexedImage>>;
Unpacked readWorkspace(const TempDir& dir)
{
    Unpacked sprites;
    for (const auto& r : vantrel::parseSpriteIndex(readBytes(dir.file("tempsff.txt"))).records) {
        const auto picture = decodePcx(readBytes(dir.file(r.pcxFile)));
        EXPECT_TRUE(picture) << r.pcxFile << ": " << picture.error();
        sprites.emplace_back(r, picture ? *picture : IndexedImage{});
    }
    return sprites;
}

std::size_t distinctFiles(const Unpacked& sprites)
{
    std::set<std::string> files;
    for (const auto& s : sprites)
        files.insert(s.first.pcxFile);
    return files.size();
}

// A version 1 archive with the PCX header of its `n`th stored picture (a
// sprite that is not a link) claiming 4 bits a pixel.
std::string withBadPicture(std::string sff, int n)
{
    const auto u32 = [&sff](std::size_t at) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(sff.at(at + static_cast<std::size_t>(i)));
        return value;
    };
    std::size_t node = u32(24);
    for (int stored = 0;; node = u32(node)) {
        if (u32(node + 4) != 0 && stored++ == n) {
            sff.at(node + 32 + 3) = 4;
            return sff;
        }
    }
}

} // namespace

// Unpack, build and unpack again keeps every sprite: group, image number,
// axis, pixels and colours, in the same order (cropped: drawn in the same
// place). With -p, pictures the archive linked are linked again.
TEST(SpriteTools, RealArchivesSurviveUnpackBuildAndUnpack)
{
    // ikemen-kfm's intro.sff and ending.sff are the same files as winmugen-kfm's.
    for (const char* archive :
         {"winmugen-kfm/kfm.sff", "winmugen-kfm/intro.sff", "winmugen-kfm/ending.sff", "ikemen-kfm/kfm.sff"}) {
        TempDir first;
        const ToolRun unpacked = runTool(first, "sff2pcx", quoted(realChars(archive)) + " tempsff");
        ASSERT_EQ(unpacked.exitCode, 0) << archive << ": " << unpacked.err;
        const Unpacked original = readWorkspace(first);
        ASSERT_FALSE(original.empty());
        EXPECT_EQ(original[0].first.pcxFile.rfind("tempsff/", 0), 0u) << "PCX paths are relative to the app folder";

        for (const std::string options : {"", "-c -f -p"}) {
            SCOPED_TRACE(std::string(archive) + " built with '" + options + "'");
            TempDir second;
            const std::string index = readBytes(first.file("tempsff.txt"));
            writeBytes(first.file("build.txt"), second.file("rebuilt.sff") + index.substr(index.find("\r\n")));
            const ToolRun built = runTool(first, "sprmaker", options + " tempsff", first.file("build.txt"));
            ASSERT_EQ(built.exitCode, 0) << built.err;
            // Unchanged pictures are copied as they are stored; cropping encodes them all.
            const std::string pictures = std::to_string(distinctFiles(original));
            EXPECT_EQ(built.out,
                      "Wrote " + std::to_string(original.size()) + " sprites to " + second.file("rebuilt.sff")
                          + (options.empty() ? ": " + pictures + " pictures copied, 0 encoded\n"
                                             : ": 0 pictures copied, " + pictures + " encoded\n"));
            ASSERT_EQ(runTool(second, "sff2pcx", "rebuilt.sff tempsff").exitCode, 0);

            const Unpacked rebuilt = readWorkspace(second);
            ASSERT_EQ(rebuilt.size(), original.size());
            std::size_t changed = 0;
            for (std::size_t i = 0; i < original.size(); ++i) {
                const auto& [a, pa] = original[i];
                const auto& [b, pb] = rebuilt[i];
                const bool same = a.groupText == b.groupText && a.imageText == b.imageText
                    && drawn(pa, std::stoi(a.axisXText), std::stoi(a.axisYText))
                        == drawn(pb, std::stoi(b.axisXText), std::stoi(b.axisYText))
                    && (!options.empty() || (a.axisXText == b.axisXText && a.axisYText == b.axisYText && pa == pb));
                if (!same && ++changed < 4)
                    ADD_FAILURE() << "sprite " << i << " (group " << a.groupText << ", image " << a.imageText
                                  << ") changed";
            }
            EXPECT_EQ(changed, 0u);
            EXPECT_EQ(distinctFiles(rebuilt), options.empty() ? original.size() : distinctFiles(original));
        }
    }
}

TEST(SpriteTools, UnpackFailuresLeaveNoIndex)
{
    TempDir dir;
    const std::string real = readBytes(realChars("winmugen-kfm/kfm.sff"));
    const std::string png = withSizePrefix(0, readBytes(realChars("pcx/gmarbles.png")));
    writeBytes(dir.file("garbage.sff"), std::string(2000, 'x'));
    writeBytes(dir.file("cut.sff"), real.substr(0, real.size() / 2));
    // A sprite node that says 1 x 1 over a 141 x 99 PNG.
    writeBytes(dir.file("wrongsize.sff"), makeSffV2({{0, 0, 1, 1, 0, 0, 0, 11, png}}, {{{1, 2, 3, 4}}}));
    // Whole tables, but a picture half-way through that is not 8-bit: the
    // pictures before it are already written when it is reached.
    writeBytes(dir.file("badpicture.sff"), withBadPicture(real, 100));
    for (const char* file : {"nothing.sff", "garbage.sff", "cut.sff", "wrongsize.sff", "badpicture.sff"}) {
        writeBytes(dir.file("tempsff.txt"), "left from an earlier run\r\n");
        const ToolRun run = runTool(dir, "sff2pcx", std::string(file) + " tempsff");
        EXPECT_NE(run.exitCode, 0) << file;
        EXPECT_TRUE(run.oneErrorLine()) << file << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("tempsff.txt"))) << file;
    }
    for (const char* tool : {"sff2pcx", "sprmaker"}) {
        const ToolRun help = runTool(dir, tool, "--help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind(std::string("Usage: ") + tool, 0), 0u) << help.out;
    }
}

TEST(SpriteTools, BuildFailuresNameTheRecordAndWriteNothing)
{
    TempDir dir;
    writeBytes(dir.file("tempsff/a.pcx"), encodePcx(makePicture(5, 5, 1)));
    writeBytes(dir.file("tempsff/bad.pcx"), "not a picture");
    const std::string sff = dir.file("old.sff"), good = "tempsff/a.pcx\r\n0\r\n0\r\n1\r\n2\r\n";
    const std::string good2 = "tempsff/a.pcx\r\n0\r\n1\r\n1\r\n2\r\n";
    writeBytes(sff, "the archive as it was");
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {sff + "\r\n" + good + "tempsff/gone.pcx\r\n0\r\n1\r\n0\r\n0\r\n", "", {"record 2", "tempsff/gone.pcx"}},
        {sff + "\r\n" + good + good2 + "tempsff/bad.pcx\r\n0\r\n2\r\n0\r\n0\r\n", "-c", {"record 3", "bad.pcx"}},
        // Two sprites with one number: the engines would only ever show the first.
        {sff + "\r\n" + good + good2 + good, "", {"records 1 and 3", "sprite 0,0"}},
        {sff + "\r\ntempsff/a.pcx\r\n70000\r\n0\r\n0\r\n0\r\n", "", {"record 1", "70000"}},
        {"\r\n" + good, "", {"first line"}},
        {sff + "\r\n" + good, "-x", {"-x"}},
    };
    for (const auto& [index, options, mentions] : cases) {
        SCOPED_TRACE(mentions[0]);
        writeBytes(dir.file("index.txt"), index);
        const ToolRun run = runTool(dir, "sprmaker", options + " tempsff", dir.file("index.txt"));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.oneErrorLine()) << run.err;
        for (const auto& m : mentions)
            EXPECT_NE(run.err.find(m), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(sff), "the archive as it was");
    }

    // A PCX named with '\' and in other letter case is found.
    const IndexedImage picture = makePicture(6, 4, 2);
    writeBytes(dir.file("tempsff/Sprite.pcx"), encodePcx(picture));
    writeBytes(dir.file("index.txt"), sff + "\r\ntempsff\\sprite.PCX\r\n3\r\n4\r\n5\r\n-6\r\n");
    ASSERT_EQ(runTool(dir, "sprmaker", "tempsff", dir.file("index.txt")).exitCode, 0);
    const auto archive = readSffFile(sff);
    ASSERT_TRUE(archive) << archive.error();
    EXPECT_EQ(pictureOf(*archive, 0), picture);
    EXPECT_EQ(archive->sprites[0].axisY, -6);
}
