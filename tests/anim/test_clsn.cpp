#include "anim/clsn.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> list) { return {list.begin(), list.end()}; }

std::vector<std::string> headers(int count)
{
    std::vector<std::string> file;
    for (int i = 0; i < count; ++i)
        file.push_back("[Begin Action " + std::to_string(i) + "]");
    return file;
}

} // namespace

TEST(ActionNumbers, OpenOrFail)
{
    const auto three = actionNumbersIn(lines({"; c", "[Begin Action 0]", "[Begin Action 20]", "x", "[begin action 200]"}));
    ASSERT_TRUE(three.ok);
    EXPECT_EQ(three.numbers, (std::vector<std::int16_t>{0, 20, 200}));

    const auto none = actionNumbersIn(lines({"; nothing here"}));
    EXPECT_TRUE(none.ok);
    EXPECT_TRUE(none.numbers.empty());

    EXPECT_FALSE(actionNumbersIn(lines({"[Begin Action 5] ; comment ]"})).ok);
    EXPECT_FALSE(actionNumbersIn(lines({"[Begin Action 5"})).ok);
    EXPECT_TRUE(actionNumbersIn(headers(256)).ok);
    EXPECT_FALSE(actionNumbersIn(headers(257)).ok);
    EXPECT_FALSE(readActionNumbers("/nonexistent.air").ok);
}

TEST(ActionNumbers, SixteenBitIntegers)
{
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"200", 200}, {" 5", 5}, {"-1", -1}, {"+3", 3}, {"32767", 32767}, {"-32768", -32768},
        {"32768", std::nullopt}, {"-32769", std::nullopt}, {"1000000", std::nullopt}, {"", std::nullopt},
        {"-", std::nullopt}, {"5] ; comment", std::nullopt}, {"2.5", std::nullopt}, {"abc", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(shortInteger(text), value) << text;
}

TEST(BoxFrames, OwnBoxesAreForOneFrameDefaultsCarryOver)
{
    const auto file = lines({
        "[Begin Action 0]",
        "0,0, 0,0, 1",
        "[Begin Action 200]",
        "Clsn2Default: 2",
        " Clsn2[0] = -10,  0, 19,-80",
        " Clsn2[1] =   0,-94, 12,-80 ; head",
        "200,0, 0,0, 2",
        "Clsn1: 1",
        " Clsn1[0] =  16,-80, 61,-71",
        "Clsn2: 1",
        " Clsn2[0] =  19,  0,-10,-80",
        "200,1, 5,-3, 1, H",
        "Interpolate Offset",
        "200,2, 0,0, 4",
        "Clsn1Default: 1",
        " Clsn1[0] = 1, 2, 3, 4",
        "200,3, 0,0, 4",
        "Clsn2: 5", // runs past the end of the file
        " Clsn2[0] = 1, 1, 2, 2",
    });
    EXPECT_EQ(boxFramesIn(file, 1).size(), 1u);
    EXPECT_TRUE(boxFramesIn(file, 3).empty());
    const auto frames = boxFramesIn(file, 2);
    ASSERT_EQ(frames.size(), 4u);

    EXPECT_TRUE(frames[0].clsn1.empty());
    ASSERT_EQ(frames[0].clsn2.size(), 2u);
    EXPECT_TRUE(frames[0].clsn2[1].fromDefault);
    EXPECT_EQ(frames[0].clsn2[1].y1, -94);

    ASSERT_EQ(frames[1].clsn1.size(), 1u);
    EXPECT_EQ(frames[1].clsn1[0].x2, 61);
    EXPECT_FALSE(frames[1].clsn1[0].fromDefault);
    ASSERT_EQ(frames[1].clsn2.size(), 1u);
    EXPECT_EQ(frames[1].clsn2[0].x1, 19);
    EXPECT_EQ(frames[1].flip, 2);
    EXPECT_EQ(frames[1].offsetX, 5);
    EXPECT_EQ(frames[1].offsetY, -3);

    EXPECT_TRUE(frames[2].clsn1.empty()); // the attack box was frame 1's own
    EXPECT_EQ(frames[2].clsn2.size(), 2u); // the default is back
    ASSERT_EQ(frames[3].clsn1.size(), 1u);
    EXPECT_EQ(frames[3].clsn1[0].x1, 1);
    EXPECT_TRUE(frames[3].clsn1[0].fromDefault);
}

TEST(BoxFrames, RealCharacterStandingAndPunch)
{
    const std::string path = test::realchars("winmugen-kfm/kfm.air");
    const auto numbers = readActionNumbers(path);
    ASSERT_TRUE(numbers.ok);
    EXPECT_EQ(numbers.numbers.size(), 108u);
    int punch = 0;
    for (std::size_t i = 0; i < numbers.numbers.size(); ++i) {
        if (numbers.numbers[i] == 200)
            punch = static_cast<int>(i) + 1;
    }
    const auto standing = readBoxFrames(path, 1);
    ASSERT_EQ(standing.size(), 11u);
    for (const auto& f : standing)
        EXPECT_EQ(f.clsn2.size(), 2u);
    const auto frames = readBoxFrames(path, punch);
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[2].group, "200");
    EXPECT_EQ(frames[2].clsn1.size(), 1u);
    EXPECT_EQ(frames[2].clsn2.size(), 3u);
    EXPECT_TRUE(frames[1].clsn1.empty());
}
