#include "anim/clsn.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace vantrel;

TEST(ActionNumbers, OpenOrFail)
{
    const auto three = actionNumbersIn({"; c", "[Begin Action 0]", "[Begin Action 20]", "x", "[begin action 200]"});
    EXPECT_TRUE(three.ok);
    EXPECT_EQ(three.numbers, (std::vector<std::int16_t>{0, 20, 200}));
    EXPECT_TRUE(actionNumbersIn({"; nothing here"}).ok);
    EXPECT_FALSE(actionNumbersIn({"[Begin Action 5"}).ok || readActionNumbers("/nonexistent.air").ok);
    const std::pair<const char*, std::optional<std::int16_t>> texts[] = {
        {" 5", 5}, {"-1", -1}, {"+3", 3}, {"32767", 32767}, {"-32768", -32768}, {"32768", {}}, {"-32769", {}},
        {"", {}}, {"-", {}}, {"5] ; comment", {}}, {"2.5", {}}};
    for (const auto& [text, value] : texts)
        EXPECT_EQ(shortInteger(text), value) << text;
}

TEST(BoxFrames, OwnBoxesAreForOneFrameDefaultsCarryOver)
{
    const std::vector<std::string> file = {
        "[Begin Action 0]", "0,0, 0,0, 1", "[Begin Action 200]",
        "Clsn2Default: 2",  " Clsn2[0] = -10,  0, 19,-80", " Clsn2[1] =   0,-94, 12,-80 ; head", "200,0, 0,0, 2",
        "Clsn1: 1",         " Clsn1[0] =  16,-80, 61,-71", "Clsn2: 1", " Clsn2[0] =  19,  0,-10,-80",
        "200,1, 5,-3, 1, H", "Interpolate Offset", "200,2, 0,0, 4",
        "Clsn1Default: 1",  " Clsn1[0] = 1, 2, 3, 4", "200,3, 0,0, 4",
        "Clsn2: 5",         " Clsn2[0] = 1, 1, 2, 2", // runs past the end of the file
    };
    EXPECT_EQ(boxFramesIn(file, 1).size(), 1u);
    EXPECT_TRUE(boxFramesIn(file, 3).empty());
    const auto f = boxFramesIn(file, 2);
    ASSERT_EQ(f.size(), 4u);
    std::vector<std::pair<std::size_t, std::size_t>> counts;
    for (const auto& frame : f)
        counts.emplace_back(frame.clsn1.size(), frame.clsn2.size());
    // A frame's own boxes replace the default for that frame only.
    EXPECT_EQ(counts, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 2}, {1, 1}, {0, 2}, {1, 2}}));
    EXPECT_TRUE(f[0].clsn2[1].fromDefault && f[3].clsn1[0].fromDefault && !f[1].clsn1[0].fromDefault);
    EXPECT_EQ(std::pair(f[0].clsn2[1].y1, f[1].clsn1[0].x2), std::pair(-94, 61));
    EXPECT_EQ(std::tuple(f[1].offsetX, f[1].offsetY, f[1].flip), std::tuple(5.0, -3.0, 2));
}

TEST(BoxFrames, RealCharacterPunch)
{
    const std::string path = test::realchars("winmugen-kfm/kfm.air");
    const auto numbers = readActionNumbers(path);
    ASSERT_TRUE(numbers.ok);
    EXPECT_EQ(numbers.numbers.size(), 108u);
    const auto punch = std::ranges::find(numbers.numbers, 200) - numbers.numbers.begin();
    const auto frames = readBoxFrames(path, static_cast<int>(punch) + 1);
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[2].group, "200");
    EXPECT_EQ(std::pair(frames[2].clsn1.size(), frames[2].clsn2.size()), std::pair(1ul, 3ul));
    EXPECT_TRUE(frames[1].clsn1.empty());
}
