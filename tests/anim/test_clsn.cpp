#include "anim/box_editing.h"
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
        {" 5", 5},      {"-1", -1}, {"+3", 3}, {"32767", 32767},     {"-32768", -32768}, {"32768", {}},
        {"-32769", {}}, {"", {}},   {"-", {}}, {"5] ; comment", {}}, {"2.5", {}}};
    for (const auto& [text, value] : texts)
        EXPECT_EQ(shortInteger(text), value) << text;
}

namespace {

AirDocument parseLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return AirDocument::parse(text);
}

} // namespace

TEST(BoxFrames, OwnBoxesAreForOneFrameDefaultsCoverTheRest)
{
    const AirDocument air = parseLines({
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
        "Clsn2: 5",
        " Clsn2[0] = 1, 1, 2, 2", // runs past the end of the file
    });
    EXPECT_EQ(air.frames(air.actions()[0]).size(), 1u);
    EXPECT_TRUE(frameBoxes(air, 2, 0).boxes[0].empty() && frameBoxes(air, 1, 4).warnings.empty());
    ASSERT_EQ(air.frames(air.actions()[1]).size(), 4u);
    std::vector<std::pair<std::size_t, std::size_t>> counts;
    std::vector<FrameBoxes> f;
    for (int i = 0; i < 4; ++i) {
        f.push_back(frameBoxes(air, 1, i));
        counts.emplace_back(f.back().boxes[0].size(), f.back().boxes[1].size());
    }
    // A frame's own boxes replace the default for that frame only; a default
    // covers every other frame of its action, also those above it.
    EXPECT_EQ(counts, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 2}, {1, 1}, {1, 2}, {1, 2}}));
    EXPECT_TRUE(f[0].boxes[1][1].fromDefault && f[3].boxes[0][0].fromDefault && !f[1].boxes[0][0].fromDefault);
    EXPECT_EQ(std::pair(f[0].boxes[1][1].box.top, f[1].boxes[0][0].box.right), std::pair(-94, 61));
    // Written right to left and bottom to top: shown the right way round, with a warning.
    EXPECT_EQ(f[1].boxes[1][0].box, (AirBox{-10, -80, 19, 0}));
    EXPECT_EQ(f[1].warnings,
              std::vector<std::string>{std::string("Line 11: ") + describe(AirProblemKind::BoxReversed)});
    EXPECT_EQ(f[0].warnings, std::vector<std::string>{});
}

TEST(BoxFrames, RealCharacterPunch)
{
    for (const char* file : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        const std::string path = test::realchars(file);
        const auto numbers = readActionNumbers(path);
        ASSERT_TRUE(numbers.ok) << file;
        EXPECT_EQ(numbers.numbers.size(), std::string(file).starts_with("winmugen") ? 108u : 117u);
        const AirDocument air = AirDocument::parse(test::readFile(path));
        const auto punch = static_cast<int>(std::ranges::find(numbers.numbers, 200) - numbers.numbers.begin());
        EXPECT_EQ(air.findAction(200), punch);
        const auto frames = air.frames(air.actions()[static_cast<std::size_t>(punch)]);
        ASSERT_GE(frames.size(), 3u);
        EXPECT_EQ(frames[2].group, 200);
        const FrameBoxes third = frameBoxes(air, punch, 2);
        EXPECT_EQ(std::pair(third.boxes[0].size(), third.boxes[1].size()), std::pair(1ul, 3ul));
        EXPECT_TRUE(frameBoxes(air, punch, 1).boxes[0].empty());
    }
}
