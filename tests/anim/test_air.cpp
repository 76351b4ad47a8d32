#include "anim/air.h"
#include "sprites/workspace.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>

using namespace vantrel;

namespace {

// Sprites 0,0 to 0,3 with axis (30, 80).
SpriteWorkspace sprites()
{
    SpriteWorkspace ws("/app");
    for (int i = 0; i < 4; ++i)
        ws.records().push_back({"tempsff/s" + std::to_string(i) + ".pcx", "0", std::to_string(i), "30", "80"});
    return ws;
}

AnimAction readBody(std::vector<std::string> body)
{
    body.insert(body.begin(), "[Begin Action 7]");
    return readActionIn(body, "7", sprites());
}

} // namespace

TEST(ActionList, HeaderForms)
{
    // The text runs from the 15th character (the 14th is not looked at) to the last "]".
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"[Begin Action 200]", "200"}, {"[BEGIN ACTION 0]", "0"},
        {"[Begin Action  5]", " 5"},   {"[Begin Action 5] ; comment ]", "5] ; comment "},
        {"[Begin Actionx7]", "7"},     {"[Begin Action ]", ""},
        {" [Begin Action 1]", {}},     {"[Begin Action 1", {}},
        {"[Begin Action]", {}},        {";[Begin Action 44]", {}}};
    for (const auto& [line, text] : cases)
        EXPECT_EQ(actionNumberText(line), text) << line;
    EXPECT_EQ(listActionsIn({"[Begin Action 0]", "0,0, 0,0, 5", "[begin action 20]", "[Begin Action 0]"}),
              (std::vector<std::string>{"0", "20", "0"}));
}

TEST(ActionReader, FrameLineFieldsAndFlips)
{
    const auto action = readBody({"0,1, 5,-3, 7, H"});
    ASSERT_EQ(action.frameCount(), 1);
    const AnimFrame& f = action.frames[0];
    EXPECT_EQ(std::vector<double>({f.drawX, f.drawY, f.duration, f.group, f.image, double(f.flip)}),
              std::vector<double>({25, 83, 7, 0, 1, 2}));
    EXPECT_EQ(f.imagePath, "/app/tempsff/s1.pcx");

    // Blending after the flip, and scale and angle after that, are not used.
    const std::pair<const char*, int> flips[] = {{",VH", 3},          {",hv", 3},   {",A", 0},
                                                 {",v", 1},           {",\tVh", 3}, {",H, A, 2, 2, 45", 2},
                                                 {", ,AS128D128", 0}, {",", 0},     {"", 0}};
    for (const auto& [field, flip] : flips) {
        const auto a = readBody({std::string("0,0, 0,0, 1") + field});
        ASSERT_EQ(a.frameCount(), 1) << field;
        EXPECT_EQ(a.frames[0].flip, flip) << field;
    }
}

TEST(ActionReader, ChoosesTheActionWhoseTextMatchesExactly)
{
    const std::vector<std::string> file = {"[Begin Action 200]", "0,0, 0,0, 1", "0,1, 0,0, 1",
                                           "[Begin Action 20]",  "0,2, 0,0, 1", "[Begin Action 20]",
                                           "0,3, 0,0, 1"};
    const auto action = readActionIn(file, "20", sprites());
    ASSERT_EQ(action.frameCount(), 1); // the first action 20, ended by the next header
    EXPECT_EQ(action.frames[0].image, 2);
    EXPECT_EQ(readActionIn(file, "200", sprites()).frameCount(), 2);
    EXPECT_EQ(readActionIn(file, "2", sprites()).lastFrameIndex(), -1); // no such action
}

TEST(ActionReader, LinesInsideAnAction)
{
    // Every frame line keeps its place, so frames are numbered as the collision box editor numbers them.
    const struct {
        const char* name;
        std::vector<std::string> body;
        int loopStart;
        std::vector<double> durations;
        std::vector<int> missing;    // frames whose sprite is not in the workspace
        std::vector<int> unreadable; // frames whose line does not read
    } cases[] = {
        {"box block skipped",
         {"Clsn2: 2", " Clsn2[0] = 0,0,1,1", " Clsn2[1] = 0,0,1,1", "0,0, 0,0, 4"},
         0,
         {4},
         {},
         {}},
        {"a frame line ends a short box block", {"Clsn1: 1", "0,1, 0,0, 3", "0,0, 0,0, 4"}, 0, {3, 4}, {}, {}},
        {"default blocks",
         {"Clsn2Default: 1", " Clsn2[0] = 0,0,1,1", "Clsn1Default: 1", " x", "0,0, 0,0, 4"},
         0,
         {4},
         {},
         {}},
        {"loop start",
         {"0,0, 0,0, 1", "0,1, 0,0, 2", "Loopstart", "0,2, 0,0, 3", "0,3, 0,0, 4"},
         2,
         {1, 2, 3, 4},
         {},
         {}},
        {"-1 with comment", {"0,0, 0,0, -1 ; hold"}, 0, {-1}, {}, {}},
        {"blank and comment lines", {"", "   ", "; only a comment", "0,0, 0,0, 5", "\t; tabbed"}, 0, {5}, {}, {}},
        {"missing sprites keep their place",
         {"9,9, 0,0, 1", "0,0, 0,0, 2", "0,7, 0,0, 3", "0,1, 0,0, 4"},
         0,
         {1, 2, 3, 4},
         {0, 2},
         {}},
        {"all sprites missing", {"9,9, 0,0, 1", "8,0, 0,0, 2"}, 0, {1, 2}, {0, 1}, {}},
        {"group -1 draws nothing and is not missing", {"-1,0, 0,0, 3", "0,0, 0,0, 2"}, 0, {3, 2}, {}, {}},
        {"short and stray lines", {"Interpolate Offset", "0,0, 0,0", "hello", "0,0, 0,0, 6"}, 0, {0, 6}, {}, {0}},
        {"loop start after the last frame", {"0,0, 0,0, 1", "loopstart"}, 1, {1}, {}, {}},
        {"blanks around the sprite numbers", {" 0 , 1, 0,0, 8"}, 0, {8}, {}, {}},
        {"box block past the end of the file", {"0,0, 0,0, 1", "Clsn2: 99", " Clsn2[0] = 0,0,1,1"}, 0, {1}, {}, {}},
        {"a bracket line that is no header stays inside", {"0,0, 0,0, 1", "[Other]", "0,1, 0,0, 2"}, 0, {1, 2}, {}, {}},
    };
    for (const auto& c : cases) {
        const auto action = readBody(c.body);
        EXPECT_EQ(action.loopStart, c.loopStart) << c.name;
        std::vector<double> durations;
        std::vector<int> missing, unreadable;
        for (int i = 0; i < action.frameCount(); ++i) {
            const AnimFrame& f = action.frames[static_cast<std::size_t>(i)];
            durations.push_back(f.duration);
            if (f.spriteMissing)
                missing.push_back(i);
            if (!f.readable)
                unreadable.push_back(i);
            EXPECT_EQ(f.imagePath.empty(), f.spriteMissing || !f.readable || f.group < 0) << c.name << " " << i;
        }
        EXPECT_EQ(durations, c.durations) << c.name;
        EXPECT_EQ(missing, c.missing) << c.name;
        EXPECT_EQ(unreadable, c.unreadable) << c.name;
    }
}

TEST(ActionReader, FilesLongActionsAndUnreadablePaths)
{
    std::string text = "\xEF\xBB\xBF[Begin Action 0]\r\n0,0, 0,0, 1\r0,1, 0,0, 2\n";
    for (int i = 0; i < 300; ++i)
        text += "0,2, 0,0, " + std::to_string(i) + "\r\n";
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/a.air";
    test::writeFile(path, text);
    EXPECT_EQ(listActions(path), std::vector<std::string>{"0"});
    const auto action = readAction(path, "0", sprites());
    ASSERT_EQ(action.frameCount(), 302); // more than 256 frames are all kept
    EXPECT_EQ(action.frames[1].duration, 2);
    EXPECT_EQ(action.frames[301].duration, 299);

    EXPECT_TRUE(listActions("/nonexistent/kfm.air").empty() && listActions(dir.path().toStdString()).empty());
    EXPECT_EQ(readAction("/nonexistent/kfm.air", "0", sprites()).frameCount(), 0);
}
