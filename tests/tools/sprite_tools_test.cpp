// The two programs as the editor runs them: sff2pcx in the application
// folder, sprmaker with the index on standard input. A real character goes
// through unpack, build and unpack again and keeps every sprite.

#include "fixtures.h"

#include "sfflib/index_file.h"
#include "sfflib/pcx.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <array>
#include <map>
#include <set>
#include <sys/wait.h>

using namespace sfflib;
using namespace sfftest;

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs `tool` from the application folder with `dir` as working directory.
ToolRun runTool(const TempDir& dir, const std::string& tool, const std::string& arguments, const std::string& input = "")
{
    const std::string command = "cd " + quoted(dir.path()) + " && " + quoted(std::string(VANTREL_APP_DIR) + "/" + tool)
                              + " " + arguments + (input.empty() ? "" : " < " + quoted(input)) + " > .out 2> .err";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readBytes(dir.file(".out"));
    run.err = readBytes(dir.file(".err"));
    fs::remove(dir.file(".out"));
    fs::remove(dir.file(".err"));
    return run;
}

// A sprite as the index and its PCX file give it.
struct Unpacked {
    std::string group, imageNo;
    int axisX, axisY;
    std::string pcxFile;
    IndexedImage picture;
};

std::vector<Unpacked> readWorkspace(const TempDir& dir)
{
    const IndexFile index = parseIndex(readBytes(dir.file("tempsff.txt")));
    std::vector<Unpacked> sprites;
    std::map<std::string, IndexedImage> decoded;
    for (const auto& r : index.records) {
        auto found = decoded.find(r.pcxFile);
        if (found == decoded.end()) {
            auto picture = decodePcx(readBytes(dir.file(r.pcxFile)));
            EXPECT_TRUE(picture) << r.pcxFile << ": " << picture.error();
            found = decoded.emplace(r.pcxFile, picture ? *picture : IndexedImage{}).first;
        }
        sprites.push_back({r.group, r.imageNo, int(vantrel::numericValue(r.axisX)), int(vantrel::numericValue(r.axisY)),
                           r.pcxFile, found->second});
    }
    return sprites;
}

// Visible pixels by their place relative to the axis, with their colours.
std::map<std::pair<int, int>, std::array<std::uint8_t, 3>> drawnColours(const Unpacked& s)
{
    std::map<std::pair<int, int>, std::array<std::uint8_t, 3>> out;
    const IndexedImage& p = s.picture;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (const unsigned v = p.pixels[std::size_t(y) * p.width + x])
                out[{x - s.axisX, y - s.axisY}] = {p.palette[v * 3], p.palette[v * 3 + 1], p.palette[v * 3 + 2]};
    return out;
}

std::size_t distinctFiles(const std::vector<Unpacked>& sprites)
{
    std::set<std::string> files;
    for (const auto& s : sprites)
        files.insert(s.pcxFile);
    return files.size();
}

bool oneLine(const std::string& text)
{
    return !text.empty() && text.find('\n') == text.size() - 1;
}

} // namespace

TEST(SpriteTools, RealArchivesSurviveUnpackBuildAndUnpack)
{
    const char* archives[] = {"winmugen-kfm/kfm.sff",  "winmugen-kfm/intro.sff", "winmugen-kfm/ending.sff",
                              "ikemen-kfm/kfm.sff",    "ikemen-kfm/intro.sff",   "ikemen-kfm/ending.sff"};
    const char* optionSets[] = {"", "-c -f -p"};
    for (const char* archive : archives) {
        TempDir first;
        const std::string source = std::string(VANTREL_REALCHARS) + "/" + archive;
        const ToolRun unpacked = runTool(first, "sff2pcx", quoted(source) + " tempsff");
        ASSERT_EQ(unpacked.exitCode, 0) << archive << ": " << unpacked.err;
        const std::vector<Unpacked> original = readWorkspace(first);
        ASSERT_FALSE(original.empty());
        EXPECT_EQ(original[0].pcxFile.rfind("tempsff/", 0), 0u) << "PCX paths are relative to the app folder";

        for (const char* options : optionSets) {
            SCOPED_TRACE(std::string(archive) + " built with '" + options + "'");
            const bool crop = std::string(options).find("-c") != std::string::npos;
            TempDir second;
            // The editor's build index: the archive to write, then the records.
            std::string index = readBytes(first.file("tempsff.txt"));
            index = second.file("rebuilt.sff") + index.substr(index.find("\r\n"));
            writeBytes(first.file("build.txt"), index);
            const ToolRun built = runTool(first, "sprmaker", std::string(options) + " tempsff", first.file("build.txt"));
            ASSERT_EQ(built.exitCode, 0) << built.err;
            EXPECT_EQ(built.out, "Wrote " + std::to_string(original.size()) + " sprites to " + second.file("rebuilt.sff") + "\n");

            const ToolRun again = runTool(second, "sff2pcx", "rebuilt.sff tempsff");
            ASSERT_EQ(again.exitCode, 0) << again.err;
            const std::vector<Unpacked> rebuilt = readWorkspace(second);
            ASSERT_EQ(rebuilt.size(), original.size());
            std::size_t wrong = 0;
            for (std::size_t i = 0; i < original.size(); ++i) {
                const Unpacked& a = original[i];
                const Unpacked& b = rebuilt[i];
                const bool same = a.group == b.group && a.imageNo == b.imageNo && a.picture.palette == b.picture.palette
                               && (crop ? drawnColours(a) == drawnColours(b)
                                        : a.axisX == b.axisX && a.axisY == b.axisY && a.picture == b.picture);
                if (!same && ++wrong < 4)
                    ADD_FAILURE() << "sprite " << i << " (group " << a.group << ", image " << a.imageNo << ") changed";
            }
            EXPECT_EQ(wrong, 0u);
            if (crop) // with -p, pictures that were linked are linked again
                EXPECT_LE(distinctFiles(rebuilt), distinctFiles(original));
            else
                EXPECT_EQ(distinctFiles(rebuilt), original.size());
        }
    }
}

TEST(SpriteTools, HelpDescribesTheCommandLine)
{
    TempDir dir;
    for (const char* tool : {"sff2pcx", "sprmaker"}) {
        SCOPED_TRACE(tool);
        const ToolRun run = runTool(dir, tool, "--help");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind(std::string("Usage: ") + tool, 0), 0u) << run.out;
    }
}

TEST(SpriteTools, UnpackFailuresLeaveNoIndex)
{
    TempDir dir;
    const std::string real = readBytes(std::string(VANTREL_REALCHARS) + "/winmugen-kfm/kfm.sff");
    writeBytes(dir.file("garbage.sff"), std::string(2000, 'x'));
    writeBytes(dir.file("cut.sff"), real.substr(0, real.size() / 2));
    V2Sprite truecolour{0, 0, 2, 2, 0, 0, 0, 11, withSizePrefix(12, encodePng(makePicture(2, 2, 1), true)), 0, false};
    writeBytes(dir.file("truecolour.sff"), makeSffV2({truecolour}, {{std::vector<std::uint8_t>(8, 0), 0}}));
    const std::pair<const char*, std::string> cases[] = {
        {"missing archive", "nothing.sff tempsff"},
        {"garbage", "garbage.sff tempsff"},
        {"cut in the middle", "cut.sff tempsff"},
        {"24-bit PNG sprite", "truecolour.sff tempsff"},
        {"no folder", "cut.sff"},
    };
    for (const auto& [what, arguments] : cases) {
        SCOPED_TRACE(what);
        writeBytes(dir.file("tempsff.txt"), "left from an earlier run\r\n");
        const ToolRun run = runTool(dir, "sff2pcx", arguments);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(oneLine(run.err)) << run.err;
        EXPECT_FALSE(fs::exists(dir.file("tempsff.txt")) && std::string(what) != "no folder");
    }
}

TEST(SpriteTools, BuildFailuresNameTheRecordAndWriteNothing)
{
    TempDir dir;
    writeBytes(dir.file("tempsff/a.pcx"), encodePcx(makePicture(5, 5, 1)));
    writeBytes(dir.file("tempsff/bad.pcx"), "not a picture");
    writeBytes(dir.file("old.sff"), "the archive as it was");
    const std::string sff = dir.file("old.sff");
    const std::string good = "tempsff/a.pcx\r\n0\r\n0\r\n1\r\n2\r\n";
    struct Case {
        const char* what;
        std::string index;
        std::string options;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {"missing PCX", sff + "\r\n" + good + "tempsff/gone.pcx\r\n0\r\n1\r\n0\r\n0\r\n", "", {"record 2", "tempsff/gone.pcx"}},
        {"unreadable PCX", sff + "\r\n" + good + good + "tempsff/bad.pcx\r\n0\r\n2\r\n0\r\n0\r\n", "-c", {"record 3", "bad.pcx"}},
        {"number out of range", sff + "\r\n" + "tempsff/a.pcx\r\n70000\r\n0\r\n0\r\n0\r\n", "", {"record 1", "70000"}},
        {"no archive named", "\r\n" + good, "", {"first line"}},
        {"unknown option", sff + "\r\n" + good, "-x", {"-x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(dir.file("index.txt"), c.index);
        const ToolRun run = runTool(dir, "sprmaker", c.options + " tempsff", dir.file("index.txt"));
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(oneLine(run.err)) << run.err;
        for (const auto& m : c.mentions)
            EXPECT_NE(run.err.find(m), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(sff), "the archive as it was");
    }
}

TEST(SpriteTools, BuildFindsPcxNamedWithBackslashesAndOtherCase)
{
    TempDir dir;
    const IndexedImage picture = makePicture(6, 4, 2);
    writeBytes(dir.file("tempsff/Sprite.pcx"), encodePcx(picture));
    writeBytes(dir.file("index.txt"), dir.file("out.sff") + "\r\ntempsff\\sprite.PCX\r\n3\r\n4\r\n5\r\n-6\r\n");
    const ToolRun run = runTool(dir, "sprmaker", "tempsff", dir.file("index.txt"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto archive = readSffFile(dir.file("out.sff"));
    ASSERT_TRUE(archive) << archive.error();
    ASSERT_EQ(archive->sprites.size(), 1u);
    EXPECT_EQ(pictureOf(*archive, 0), picture);
    EXPECT_EQ(archive->sprites[0].axisY, -6);
}
