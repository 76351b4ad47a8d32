#include "anim/air.h"
#include "sprites/workspace.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace vantrel;

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> list) { return {list.begin(), list.end()}; }

SpriteWorkspace workspace(std::vector<SpriteRecord> records)
{
    SpriteWorkspace ws("/app");
    ws.records() = std::move(records);
    return ws;
}

// Sprites 0,0 to 0,3 with axis (30, 80), and 200,3.
const SpriteWorkspace kSprites = workspace({
    {"tempsff/s0.pcx", "0", "0", "30", "80"},
    {"tempsff/s1.pcx", "0", "1", "30", "80"},
    {"tempsff/s2.pcx", "0", "2", "30", "80"},
    {"tempsff/s3.pcx", "0", "3", "30", "80"},
    {"tempsff/s4.pcx", "200", "3", "10", "20"},
});

} // namespace

TEST(ListActions, HeaderForms)
{
    struct Case {
        const char* line;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"[Begin Action 200]", "200"},
        {"[BEGIN ACTION 0]", "0"},
        {"[Begin Action  5]", " 5"},                          // the 15th character onward, blank kept
        {"[Begin Action 5] ; comment ]", "5] ; comment "},   // up to the last "]"
        {"[Begin Actionx7]", "7"},                            // the 14th character is not looked at
        {"[Begin Action ]", ""},
        {" [Begin Action 1]", std::nullopt},                  // must start in the first column
        {"[Begin Action 1", std::nullopt},                    // no "]": not a header
        {"[Begin Action]", std::nullopt},
        {";[Begin Action 44]", std::nullopt},
        {"[Begin Act 1]", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(actionNumberText(c.line), c.text) << c.line;

    EXPECT_EQ(listActionsIn(lines({"[Begin Action 0]", "0,0, 0,0, 5", "[begin action 20]", "[Begin Action 0]"})),
              (std::vector<std::string>{"0", "20", "0"}));
}

TEST(ListActions, UnreadableFileListsNothing)
{
    EXPECT_TRUE(ListActions("/nonexistent/kfm.air").empty());
    QTemporaryDir dir;
    EXPECT_TRUE(ListActions(dir.path().toStdString()).empty()); // a folder, not a file
}

TEST(ReadAction, FrameLineFields)
{
    const auto action = readActionIn(lines({"[Begin Action 1]", "0,1, 5,-3, 7, H"}), "1", kSprites);
    ASSERT_EQ(action.frameCount(), 1);
    const AnimFrame& f = action.frames[0];
    EXPECT_EQ(f.drawX, 25);
    EXPECT_EQ(f.drawY, 83);
    EXPECT_EQ(f.duration, 7);
    EXPECT_EQ(f.flip, 2);
    EXPECT_EQ(f.group, 0);
    EXPECT_EQ(f.image, 1);
    EXPECT_EQ(f.imagePath, "/app/tempsff/s1.pcx");
}

TEST(ReadAction, FlipCodes)
{
    const std::pair<const char*, int> cases[] = {
        {"0,0, 0,0, 1, VH", 3}, {"0,0, 0,0, 1, hv", 3}, {"0,0, 0,0, 1, A", 0}, {"0,0, 0,0, 1", 0},
        {"0,0, 0,0, 1, v", 1},  {"0,0, 0,0, 1,", 0},    {"0,0, 0,0, 1, H, A", 2},
        {"0,0, 0,0, 1, ,AS128D128", 0}, // blend after an empty flip field
        {"0,0, 0,0, 1, H, A, 2, 2, 45", 2}, // scale and angle fields are not used
        {"0,0, 0,0, 1,\tVh", 3},
    };
    for (const auto& [line, flip] : cases) {
        const auto action = readActionIn(lines({"[Begin Action 1]", line}), "1", kSprites);
        ASSERT_EQ(action.frameCount(), 1) << line;
        EXPECT_EQ(action.frames[0].flip, flip) << line;
    }
}

TEST(ReadAction, ChoosesTheActionWhoseTextMatchesExactly)
{
    const auto file = lines({"[Begin Action 200]", "0,0, 0,0, 1", "0,1, 0,0, 1", "[Begin Action 20]", "0,2, 0,0, 1",
                             "[Begin Action 20]", "0,3, 0,0, 1"});
    const auto action = readActionIn(file, "20", kSprites);
    ASSERT_EQ(action.frameCount(), 1); // the first action 20, ended by the next header
    EXPECT_EQ(action.frames[0].image, 2);
    EXPECT_EQ(readActionIn(file, "200", kSprites).frameCount(), 2);
}

TEST(ReadAction, LinesInsideAnAction)
{
    struct Case {
        const char* name;
        std::vector<std::string> body;
        int frames;
        int loopStart;
        std::vector<double> durations;
    };
    const Case cases[] = {
        {"box block skipped", {"Clsn2: 2", " Clsn2[0] = 0,0,1,1", " Clsn2[1] = 0,0,1,1", "0,0, 0,0, 4"}, 1, 0, {4}},
        {"box count covers a frame line", {"Clsn1: 1", "0,1, 0,0, 3", "0,0, 0,0, 4"}, 1, 0, {4}},
        {"default blocks", {"Clsn2Default: 1", " Clsn2[0] = 0,0,1,1", "Clsn1Default: 1", " Clsn1[0] = 1,1,2,2",
                            "0,0, 0,0, 4"}, 1, 0, {4}},
        {"loop start", {"0,0, 0,0, 1", "0,1, 0,0, 2", "Loopstart", "0,2, 0,0, 3", "0,3, 0,0, 4"}, 4, 2, {1, 2, 3, 4}},
        {"-1 with comment", {"0,0, 0,0, -1 ; hold"}, 1, 0, {-1}},
        {"blank and comment lines", {"", "   ", "; only a comment", "0,0, 0,0, 5", "\t; tabbed comment"}, 1, 0, {5}},
        {"missing sprites close up", {"9,9, 0,0, 1", "0,0, 0,0, 2", "0,7, 0,0, 3", "0,1, 0,0, 4"}, 2, 0, {2, 4}},
        {"short and stray lines add nothing", {"Interpolate Offset", "0,0, 0,0", "hello", "0,0, 0,0, 6"}, 1, 0, {6}},
        {"loop start after the last frame", {"0,0, 0,0, 1", "loopstart"}, 1, 1, {1}},
        {"blanks around the sprite numbers", {" 0 , 1, 0,0, 8"}, 1, 0, {8}},
        {"box block running past the end of the file", {"0,0, 0,0, 1", "Clsn2: 99", " Clsn2[0] = 0,0,1,1"}, 1, 0, {1}},
        {"another bracket line ends the action", {"0,0, 0,0, 1", "[Other]", "0,1, 0,0, 2"}, 1, 0, {1}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> file = {"[Begin Action 7]"};
        file.insert(file.end(), c.body.begin(), c.body.end());
        const auto action = readActionIn(file, "7", kSprites);
        EXPECT_EQ(action.frameCount(), c.frames) << c.name;
        EXPECT_EQ(action.lastFrameIndex(), c.frames - 1) << c.name;
        EXPECT_EQ(action.loopStart, c.loopStart) << c.name;
        std::vector<double> durations;
        for (const auto& f : action.frames)
            durations.push_back(f.duration);
        EXPECT_EQ(durations, c.durations) << c.name;
    }
}

TEST(ReadAction, AllSpritesMissingOrNoSuchAction)
{
    const auto file = lines({"[Begin Action 3]", "8,0, 0,0, 1", "8,1, 0,0, 1"});
    const auto missing = readActionIn(file, "3", kSprites);
    EXPECT_EQ(missing.frameCount(), 0);
    EXPECT_EQ(missing.lastFrameIndex(), -1);
    EXPECT_EQ(readActionIn(file, "4", kSprites).lastFrameIndex(), -1);
    EXPECT_EQ(ReadAction("/nonexistent.air", "3", kSprites).frameCount(), 0);
}

TEST(ReadAction, KeepsEveryFrameOfALongAction)
{
    std::vector<std::string> file = {"[Begin Action 1]"};
    for (int i = 0; i < 300; ++i)
        file.push_back("0," + std::to_string(i % 4) + ", 0,0, " + std::to_string(i));
    const auto action = readActionIn(file, "1", kSprites);
    ASSERT_EQ(action.frameCount(), 300);
    EXPECT_EQ(action.frames[299].duration, 299);
}

TEST(ReadAction, ReadsTheFileWithAnyLineEnds)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/a.air";
    // CR LF, a lone CR and a lone LF; the last line has no line end.
    test::writeFile(path, "\xEF\xBB\xBF[Begin Action 0]\r\n0,0, 0,0, 1\r0,1, 0,0, 2\n0,2, 0,0, 3");
    EXPECT_EQ(ListActions(path), std::vector<std::string>{"0"});
    const auto action = ReadAction(path, "0", kSprites);
    ASSERT_EQ(action.frameCount(), 3);
    EXPECT_EQ(action.frames[2].duration, 3);
}

// The real characters' AIR files: every action lists, and the sprites of the
// standing and walking actions are found in an index like the unpacker's.
TEST(ReadAction, RealCharacters)
{
    for (const char* name : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        const std::string path = test::realchars(name);
        const auto actions = ListActions(path);
        const auto expected = std::string(name).starts_with("winmugen") ? 108u : 117u;
        EXPECT_EQ(actions.size(), expected) << name;
        ASSERT_FALSE(actions.empty());
        EXPECT_EQ(actions.front(), "0");

        SpriteWorkspace ws("/app");
        for (int image = 0; image < 16; ++image) {
            for (const char* group : {"0", "200"})
                ws.records().push_back({"x.pcx", group, std::to_string(image), "10", "20"});
        }
        const auto standing = ReadAction(path, "0", ws);
        EXPECT_EQ(standing.frameCount(), 11) << name;
        EXPECT_EQ(standing.frames[5].duration, 45) << name;
        const auto punch = ReadAction(path, "200", ws);
        EXPECT_GT(punch.frameCount(), 0) << name;
        for (const auto& f : punch.frames)
            EXPECT_EQ(f.group, 200) << name;
    }
}
