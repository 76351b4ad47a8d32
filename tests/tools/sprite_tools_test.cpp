// The two programs as the editor runs them: sff2pcx in the application
// folder, sprmaker with the index on standard input.

#include "fixtures.h"

#include "sfflib/index_file.h"
#include "sfflib/pcx.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <sys/wait.h>

using namespace sfflib;
using namespace sfftest;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a tool of the application folder with `dir` as working directory.
ToolRun runTool(const TempDir& dir, const std::string& tool, const std::string& arguments, const std::string& input = "")
{
    const std::string command = "cd " + quoted(dir.path()) + " && " + quoted(std::string(VANTREL_APP_DIR) + "/" + tool)
                              + " " + arguments + (input.empty() ? "" : " < " + quoted(input)) + " > .out 2> .err";
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(dir.file(".out")), readBytes(dir.file(".err"))};
    std::filesystem::remove(dir.file(".out"));
    std::filesystem::remove(dir.file(".err"));
    return run;
}

bool oneLine(const std::string& text)
{
    return !text.empty() && text.find('\n') == text.size() - 1;
}

// Each sprite of an unpacked workspace: group and image number, its visible
// pixels in colour by their place relative to the axis, and its PCX file.
struct Unpacked {
    std::string group, imageNo, pcxFile;
    int axisX, axisY;
    IndexedImage picture;
    std::map<std::pair<int, int>, std::array<std::uint8_t, 3>> drawn;
};

std::vector<Unpacked> readWorkspace(const TempDir& dir)
{
    std::vector<Unpacked> sprites;
    for (const auto& r : parseIndex(readBytes(dir.file("tempsff.txt"))).records) {
        const auto picture = decodePcx(readBytes(dir.file(r.pcxFile)));
        EXPECT_TRUE(picture) << r.pcxFile << ": " << picture.error();
        Unpacked s{r.group, r.imageNo, r.pcxFile, int(vantrel::numericValue(r.axisX)), int(vantrel::numericValue(r.axisY)),
                   picture ? *picture : IndexedImage{}, {}};
        const IndexedImage& p = s.picture;
        for (int i = 0; i < p.width * p.height; ++i)
            if (const unsigned v = p.pixels[i])
                s.drawn[{i % p.width - s.axisX, i / p.width - s.axisY}] = {p.palette[v * 3], p.palette[v * 3 + 1], p.palette[v * 3 + 2]};
        sprites.push_back(std::move(s));
    }
    return sprites;
}

std::size_t distinctFiles(const std::vector<Unpacked>& sprites)
{
    std::set<std::string> files;
    for (const auto& s : sprites)
        files.insert(s.pcxFile);
    return files.size();
}

} // namespace

// Unpack, build and unpack again keeps every sprite: group, image number,
// axis, pixels and colours, in the same order (cropped: drawn in the same
// place). With -p, pictures the archive linked are linked again.
TEST(SpriteTools, RealArchivesSurviveUnpackBuildAndUnpack)
{
    for (const char* archive : {"winmugen-kfm/kfm.sff", "winmugen-kfm/intro.sff", "winmugen-kfm/ending.sff",
                                "ikemen-kfm/kfm.sff", "ikemen-kfm/intro.sff", "ikemen-kfm/ending.sff"}) {
        TempDir first;
        const ToolRun unpacked = runTool(first, "sff2pcx", quoted(std::string(VANTREL_REALCHARS) + "/" + archive) + " tempsff");
        ASSERT_EQ(unpacked.exitCode, 0) << archive << ": " << unpacked.err;
        const std::vector<Unpacked> original = readWorkspace(first);
        ASSERT_FALSE(original.empty());
        EXPECT_EQ(original[0].pcxFile.rfind("tempsff/", 0), 0u) << "PCX paths are relative to the app folder";

        for (const std::string options : {"", "-c -f -p"}) {
            SCOPED_TRACE(std::string(archive) + " built with '" + options + "'");
            TempDir second;
            const std::string index = readBytes(first.file("tempsff.txt"));
            writeBytes(first.file("build.txt"), second.file("rebuilt.sff") + index.substr(index.find("\r\n")));
            const ToolRun built = runTool(first, "sprmaker", options + " tempsff", first.file("build.txt"));
            ASSERT_EQ(built.exitCode, 0) << built.err;
            EXPECT_EQ(built.out, "Wrote " + std::to_string(original.size()) + " sprites to " + second.file("rebuilt.sff") + "\n");
            ASSERT_EQ(runTool(second, "sff2pcx", "rebuilt.sff tempsff").exitCode, 0);

            const std::vector<Unpacked> rebuilt = readWorkspace(second);
            ASSERT_EQ(rebuilt.size(), original.size());
            std::size_t changed = 0;
            for (std::size_t i = 0; i < original.size(); ++i) {
                const Unpacked& a = original[i];
                const Unpacked& b = rebuilt[i];
                const bool same = a.group == b.group && a.imageNo == b.imageNo && a.drawn == b.drawn
                               && (!options.empty() || (a.axisX == b.axisX && a.axisY == b.axisY && a.picture == b.picture));
                if (!same && ++changed < 4)
                    ADD_FAILURE() << "sprite " << i << " (group " << a.group << ", image " << a.imageNo << ") changed";
            }
            EXPECT_EQ(changed, 0u);
            EXPECT_EQ(distinctFiles(rebuilt), options.empty() ? original.size() : distinctFiles(original));
        }
    }
}

TEST(SpriteTools, UnpackFailuresLeaveNoIndex)
{
    TempDir dir;
    const std::string real = readBytes(std::string(VANTREL_REALCHARS) + "/winmugen-kfm/kfm.sff");
    writeBytes(dir.file("garbage.sff"), std::string(2000, 'x'));
    writeBytes(dir.file("cut.sff"), real.substr(0, real.size() / 2));
    const std::string png = readBytes(std::string(VANTREL_REALCHARS) + "/pcx/gmarbles.png");
    writeBytes(dir.file("truecolour.sff"), makeSffV2({{0, 0, 141, 99, 0, 0, 0, 11, withSizePrefix(0, png)}}, {{{1, 2, 3, 4}}}));
    for (const char* arguments : {"nothing.sff tempsff", "garbage.sff tempsff", "cut.sff tempsff", "truecolour.sff tempsff"}) {
        SCOPED_TRACE(arguments);
        writeBytes(dir.file("tempsff.txt"), "left from an earlier run\r\n");
        const ToolRun run = runTool(dir, "sff2pcx", arguments);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(oneLine(run.err)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("tempsff.txt")));
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
    const std::string sff = dir.file("old.sff");
    writeBytes(sff, "the archive as it was");
    const std::string good = "tempsff/a.pcx\r\n0\r\n0\r\n1\r\n2\r\n";
    struct Case {
        std::string index, options;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {sff + "\r\n" + good + "tempsff/gone.pcx\r\n0\r\n1\r\n0\r\n0\r\n", "", {"record 2", "tempsff/gone.pcx"}},
        {sff + "\r\n" + good + good + "tempsff/bad.pcx\r\n0\r\n2\r\n0\r\n0\r\n", "-c", {"record 3", "bad.pcx"}},
        {sff + "\r\ntempsff/a.pcx\r\n70000\r\n0\r\n0\r\n0\r\n", "", {"record 1", "70000"}},
        {"\r\n" + good, "", {"first line"}},
        {sff + "\r\n" + good, "-x", {"-x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mentions[0]);
        writeBytes(dir.file("index.txt"), c.index);
        const ToolRun run = runTool(dir, "sprmaker", c.options + " tempsff", dir.file("index.txt"));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(oneLine(run.err)) << run.err;
        for (const auto& m : c.mentions)
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
