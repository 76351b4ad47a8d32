// Box edits as new AIR texts: only the box lines of the edited block change,
// every other byte stays; bad blocks are shown, warned about and left alone.

#include "anim/box_editing.h"
#include "anim_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>

using namespace vantrel;

namespace {

using test::difference;
using test::Difference;
using test::linesWithEnds;
using test::withoutEnd;

std::size_t lineOf(const std::string& text, std::string_view line, std::size_t from = 0)
{
    const auto lines = linesWithEnds(text);
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (withoutEnd(lines[i]) == line)
            return i;
    }
    return std::string::npos;
}

} // namespace

TEST(BoxEdits, RealPunchOnBothCharacters)
{
    using Edit = std::function<Result<std::string>(const AirDocument&, int)>;
    const struct {
        const char* name;
        Edit edit;
        std::vector<std::string> removed, added;
        const char* before; // the line the change starts at
    } cases[] = {
        {"move one box by 3 px",
         [](auto& d, int a) {
             return setBox(d, a, 2, BoxKind::Clsn1, 0, {19, -80, 64, -71});
         },
         {" Clsn1[0] =  16,-80, 61,-71"},
         {" Clsn1[0] =  19,-80, 64,-71"},
         " Clsn1[0] =  16,-80, 61,-71"},
        {"move a box written right to left and from the feet up by 3 px: the order stays",
         [](auto& d, int a) {
             return setBox(d, a, 2, BoxKind::Clsn2, 0, {-7, -80, 22, 0});
         },
         {" Clsn2[0] =  19,  0,-10,-80"},
         {" Clsn2[0] =  22,  0,-7,-80"},
         " Clsn2[0] =  19,  0,-10,-80"},
        {"resize a box written the other way round",
         [](auto& d, int a) {
             return setBox(d, a, 2, BoxKind::Clsn2, 0, {-10, -80, 22, 0});
         },
         {" Clsn2[0] =  19,  0,-10,-80"},
         {" Clsn2[0] =  22,  0,-10,-80"},
         " Clsn2[0] =  19,  0,-10,-80"},
        {"add a box to a frame without boxes of its kind",
         [](auto& d, int a) {
             return addBox(d, a, 0, BoxKind::Clsn1, {10, -70, 40, -60}, false);
         },
         {},
         {"Clsn1: 1", " Clsn1[0] = 10, -70, 40, -60"},
         "200,0, 0,0, 2"},
        {"add a box to a block",
         [](auto& d, int a) {
             return addBox(d, a, 2, BoxKind::Clsn1, {60, -75, 70, -65}, false);
         },
         {"Clsn1: 1", " Clsn1[0] =  16,-80, 61,-71"},
         {"Clsn1: 2", " Clsn1[0] =  16,-80, 61,-71", " Clsn1[1] = 60, -75, 70, -65"},
         "Clsn1: 1"},
        {"delete the last box of a frame",
         [](auto& d, int a) { return deleteBox(d, a, 2, BoxKind::Clsn1, 0); },
         {"Clsn1: 1", " Clsn1[0] =  16,-80, 61,-71"},
         {},
         "Clsn1: 1"},
        {"delete a box and number the rest from 0",
         [](auto& d, int a) { return deleteBox(d, a, 2, BoxKind::Clsn2, 0); },
         {"Clsn2: 3", " Clsn2[0] =  19,  0,-10,-80", " Clsn2[1] =   6,-94, 18,-78", " Clsn2[2] =  19,-80, 61,-71"},
         {"Clsn2: 2", " Clsn2[0] =   6,-94, 18,-78", " Clsn2[1] =  19,-80, 61,-71"},
         "Clsn2: 3"},
        {"move a default box",
         [](auto& d, int a) {
             return setBox(d, a, 4, BoxKind::Clsn2, 1, {0, -97, 12, -83});
         },
         {" Clsn2[1] =   0,-94, 12,-80"},
         {" Clsn2[1] =   0,-97, 12,-83"},
         " Clsn2[1] =   0,-94, 12,-80"},
        {"a new default block goes after the header",
         [](auto& d, int a) {
             return addBox(d, a, 3, BoxKind::Clsn1, {5, -60, 30, -50}, true);
         },
         {},
         {"Clsn1Default: 1", " Clsn1[0] = 5, -60, 30, -50"},
         "Clsn2Default: 2"},
        {"Del All on the defaults removes the default block",
         [](auto& d, int a) { return deleteAllBoxes(d, a, 1, BoxKind::Clsn2); },
         {"Clsn2Default: 2", " Clsn2[0] = -10,  0, 19,-80", " Clsn2[1] =   0,-94, 12,-80"},
         {},
         "Clsn2Default: 2"},
        {"copy the boxes of the previous frame",
         [](auto& d, int a) { return copyPreviousBoxes(d, a, 3); },
         {},
         {"Clsn1: 1", " Clsn1[0] = 16, -80, 61, -71", "Clsn2: 3", " Clsn2[0] = -10, -80, 19, 0",
          " Clsn2[1] = 6, -94, 18, -78", " Clsn2[2] = 19, -80, 61, -71"},
         "200,1, 0,0, 3"},
    };
    for (const char* file : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        const std::string text = test::readFile(test::realchars(file));
        const AirDocument air = AirDocument::parse(text);
        const int punch = air.findAction(200);
        ASSERT_GE(punch, 0) << file;
        const std::size_t header = lineOf(text, "[Begin Action 200]");
        const std::string_view usualEnd = air.lineEnd(0);
        for (const auto& c : cases) {
            const Result<std::string> r = c.edit(air, punch);
            ASSERT_TRUE(r.ok()) << file << ": " << c.name << ": " << r.error();
            const Difference d = difference(text, *r);
            EXPECT_EQ(d.removed, c.removed) << file << ": " << c.name;
            EXPECT_EQ(d.added, c.added) << file << ": " << c.name;
            EXPECT_EQ(d.first, lineOf(text, c.before, header)) << file << ": " << c.name;
            const AirDocument edited = AirDocument::parse(*r);
            EXPECT_EQ(edited.hasByteOrderMark(), air.hasByteOrderMark()) << file;
            for (std::size_t i = 0; i + 1 < edited.lineCount(); ++i)
                ASSERT_EQ(edited.lineEnd(i), usualEnd) << file << ": " << c.name << " line " << i;
            // The edited text reads back with the same frames and no new problems.
            EXPECT_EQ(edited.frames().size(), air.frames().size()) << c.name;
            EXPECT_LE(edited.problems().size(), air.problems().size()) << c.name;
        }
        // What the frames show after a default edit: every frame without boxes of its own.
        const auto r = setBox(air, punch, 4, BoxKind::Clsn2, 1, {0, -97, 12, -83});
        ASSERT_TRUE(r) << r.error();
        const AirDocument edited = AirDocument::parse(*r);
        for (int frame : {0, 1, 3, 4})
            EXPECT_EQ(frameBoxes(edited, punch, frame).boxes[1][1].box, (AirBox{0, -97, 12, -83})) << frame;
        EXPECT_EQ(frameBoxes(edited, punch, 2).boxes[1][1].box, (AirBox{6, -94, 18, -78}));
    }
}

TEST(BoxEdits, AnEditOfARealBoxChangesOnlyTheNumbersThatMoved)
{
    // KFM writes its body box right to left and from the feet up.
    const std::string_view written = " Clsn2[0] =  19,  0,-10,-80";
    const struct {
        BoxGrip grip;
        int dx, dy;
        std::string_view line;
    } cases[] = {
        {BoxGrip::Inside, 3, 0, " Clsn2[0] =  22,  0,-7,-80"},
        {BoxGrip::Inside, 0, -3, " Clsn2[0] =  19,  -3,-10,-83"},
        {BoxGrip::Right, 3, 0, " Clsn2[0] =  22,  0,-10,-80"},
        {BoxGrip::Left, -5, 0, " Clsn2[0] =  19,  0,-15,-80"},
        {BoxGrip::Bottom, 0, 4, " Clsn2[0] =  19,  4,-10,-80"},
        {BoxGrip::TopLeft, 2, 2, " Clsn2[0] =  19,  0,-8,-78"},
    };
    for (const char* file : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        const std::string text = test::readFile(test::realchars(file));
        const AirDocument air = AirDocument::parse(text);
        const int punch = air.findAction(200);
        const std::size_t at = text.find(written, text.find("[Begin Action 200]"));
        ASSERT_NE(at, std::string::npos) << file;
        const FrameBoxes shown = frameBoxes(air, punch, 2);
        ASSERT_EQ(shown.boxes[1][0].line, static_cast<int>(lineOf(text, written)));
        for (const auto& c : cases) {
            const Result<std::string> r =
                setBox(air, punch, 2, BoxKind::Clsn2, 0, dragBox(shown.boxes[1][0].box, c.grip, c.dx, c.dy));
            ASSERT_TRUE(r.ok()) << file << r.error();
            std::string expected = text;
            expected.replace(at, written.size(), c.line);
            // Every other byte of the file stays.
            EXPECT_TRUE(*r == expected) << file << ": " << c.line << " became "
                                        << test::difference(text, *r).added.front();
            // The list still shows the numbers as the line writes them.
            const auto blanksOut = [](std::string_view t) {
                std::string out;
                std::ranges::copy_if(t, std::back_inserter(out), [](char ch) { return ch != ' '; });
                return out;
            };
            const AirDocument edited = AirDocument::parse(*r);
            EXPECT_EQ(blanksOut(boxListText(edited, BoxKind::Clsn2, 0, frameBoxes(edited, punch, 2).boxes[1][0])),
                      blanksOut(c.line))
                << file;
        }
    }
}

TEST(BoxEdits, BytesOutsideTheEditedLineStay)
{
    const std::vector<std::string> lines = {
        "; comment line",
        "[Begin Action 200]   ; trailing",
        "Clsn2Default: 1",
        "  Clsn2[0] = -10, 0, 19, -80",
        "",
        "200,0, 0,0, 2",
        "clsn1:1 ; lower case, no blank",
        "\tclsn1[0]=16,-80,61,-71   ; tabbed, comment",
        "CLSN2: 1",
        " CLSN2[0] =  19,  0,-10,-80",
        "200,1, 0,0, 3",
    };
    const auto join = [&](std::string_view bom, const std::vector<std::string_view>& ends, bool finalEnd) {
        std::string text(bom);
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += lines[i] + std::string(i + 1 < lines.size() || finalEnd ? ends[i % ends.size()] : "");
        return text;
    };
    const struct {
        const char* name;
        std::string text;
    } files[] = {
        {"CR LF", join("", {"\r\n"}, true)},
        {"LF", join("", {"\n"}, true)},
        {"byte-order mark", join("\xEF\xBB\xBF", {"\r\n"}, true)},
        {"mixed ends, none at the end", join("", {"\r\n", "\n", "\r"}, false)},
    };
    const std::string moved = "\tclsn1[0]=19,-80,64,-71   ; tabbed, comment";
    for (const auto& f : files) {
        const AirDocument air = AirDocument::parse(f.text);
        const Result<std::string> r = setBox(air, 0, 1, BoxKind::Clsn1, 0, {19, -80, 64, -71});
        ASSERT_TRUE(r.ok()) << f.name << r.error();
        const std::size_t start = air.lineOffset(7), end = start + air.lineText(7).size();
        ASSERT_EQ(r->size(), f.text.size() + moved.size() - (end - start)) << f.name;
        EXPECT_EQ(r->substr(0, start), f.text.substr(0, start)) << f.name;
        EXPECT_EQ(r->substr(start, moved.size()), moved) << f.name;
        EXPECT_EQ(r->substr(start + moved.size()), f.text.substr(end)) << f.name;

        // A new block takes the line end of the frame it goes before and the box lines' indentation.
        const Result<std::string> added = addBox(air, 0, 0, BoxKind::Clsn1, {1, 2, 3, 4}, false);
        ASSERT_TRUE(added.ok()) << f.name;
        const std::string_view end0 = air.lineEnd(5);
        const std::string block = "Clsn1: 1" + std::string(end0) + "  Clsn1[0] = 1, 2, 3, 4" + std::string(end0);
        const std::size_t frame = air.lineOffset(5);
        EXPECT_EQ(*added, f.text.substr(0, frame) + block + f.text.substr(frame)) << f.name;
    }
}

TEST(BoxEdits, BadBlocksAreShownWarnedAndKeptUntilTheirFrameIsEdited)
{
    const std::string text = "[Begin Action 5]\n"
                             "Clsn1: 1\n Clsn1[0] = 1, 2, 3\n5,0, 0,0, 1\n"
                             "Clsn1: 1\n Clsn1[0] = 1, 2, 40000, 4\n5,1, 0,0, 1\n"
                             "Clsn1: 2\n Clsn1[0] = 1, 2, 3, 4\n5,2, 0,0, 1\n"
                             "Clsn1: 1\n Clsn1[0] = 30, 2, 3, 40\n5,3, 0,0, 1\n"
                             "5,4, 0,0, 1\n";
    const AirDocument air = AirDocument::parse(text);
    const struct {
        int frame;
        AirProblemKind warning;
        int warningLine;
        bool readable;
        AirBox shown;
        std::string listed;
    } cases[] = {
        {0, AirProblemKind::BoxUnreadable, 3, false, {}, "Clsn1[0] = 1, 2, 3 (not understood)"},
        {1, AirProblemKind::BoxOutOfRange, 6, false, {1, 2, 32767, 4}, "Clsn1[0] = 1, 2, 40000, 4 (not understood)"},
        {2, AirProblemKind::CountMismatch, 8, true, {1, 2, 3, 4}, "Clsn1[0] = 1, 2, 3, 4"},
        {3, AirProblemKind::BoxReversed, 12, true, {3, 2, 30, 40}, "Clsn1[0] = 30, 2, 3, 40"},
    };
    for (const auto& c : cases) {
        const FrameBoxes shown = frameBoxes(air, 0, c.frame);
        ASSERT_EQ(shown.boxes[0].size(), 1u) << c.frame;
        EXPECT_EQ(shown.boxes[0][0].readable, c.readable) << c.frame;
        if (c.readable || c.shown.right != 0) {
            EXPECT_EQ(shown.boxes[0][0].box, c.shown) << c.frame;
        }
        EXPECT_EQ(boxListText(air, BoxKind::Clsn1, 0, shown.boxes[0][0]), c.listed) << c.frame;
        EXPECT_EQ(shown.warnings,
                  std::vector<std::string>{"Line " + std::to_string(c.warningLine) + ": " + describe(c.warning)})
            << c.frame;

        // An edit of this frame: refused on a block that does not read, else the block is rewritten.
        const Result<std::string> moved = setBox(air, 0, c.frame, BoxKind::Clsn1, 0, {5, 6, 7, 8});
        EXPECT_EQ(moved.ok(), c.readable) << c.frame;
        EXPECT_EQ(deleteAllBoxes(air, 0, c.frame, BoxKind::Clsn1).ok(), c.readable) << c.frame;
        EXPECT_EQ(addBox(air, 0, c.frame, BoxKind::Clsn1, {5, 6, 7, 8}, false).ok(), c.readable) << c.frame;
        if (c.readable) {
            const FrameBoxes after = frameBoxes(AirDocument::parse(*moved), 0, c.frame);
            // A line written right to left stays so, and keeps its warning.
            EXPECT_EQ(after.warnings.empty(), c.warning != AirProblemKind::BoxReversed) << c.frame;
            EXPECT_EQ(after.boxes[0][0].box, (AirBox{5, 6, 7, 8})) << c.frame;
        } else {
            // The refusal names the block's count line, just above its box.
            EXPECT_EQ(moved.line(), c.warningLine - 1) << c.frame;
        }
    }
    // A frame with nothing odd gets a box; every odd line elsewhere stays as written.
    const Result<std::string> r = addBox(air, 0, 4, BoxKind::Clsn2, {0, -10, 10, 0}, false);
    ASSERT_TRUE(r.ok());
    const Difference d = difference(text, *r);
    EXPECT_TRUE(d.removed.empty());
    EXPECT_EQ(d.added, (std::vector<std::string>{"Clsn2: 1", " Clsn2[0] = 0, -10, 10, 0"}));
    EXPECT_TRUE(frameBoxes(air, 0, 4).warnings.empty());
    // Only boxes that read are copied, and never over a block that does not read.
    EXPECT_FALSE(copyPreviousBoxes(air, 0, 1).ok());
    const Result<std::string> copied = copyPreviousBoxes(air, 0, 4);
    ASSERT_TRUE(copied.ok());
    EXPECT_EQ(difference(text, *copied).added, (std::vector<std::string>{"Clsn1: 1", " Clsn1[0] = 3, 2, 30, 40"}));
    EXPECT_FALSE(setBox(air, 0, 9, BoxKind::Clsn1, 0, {}).ok() || setBox(air, 0, 2, BoxKind::Clsn1, 1, {}).ok());
}

TEST(BoxGeometry, GripsAndDrags)
{
    const AirBox box{0, 0, 20, 10};
    const std::tuple<double, double, BoxGrip> grips[] = {
        {0, 0, BoxGrip::TopLeft},      {20, 10, BoxGrip::BottomRight}, {21, -1, BoxGrip::TopRight},
        {-1, 11, BoxGrip::BottomLeft}, {10, 0, BoxGrip::Top},          {10, 11.5, BoxGrip::Bottom},
        {-1.5, 5, BoxGrip::Left},      {20, 5, BoxGrip::Right},        {10, 5, BoxGrip::Inside},
        {25, 5, BoxGrip::None},        {10, -3, BoxGrip::None},
    };
    for (const auto& [x, y, grip] : grips)
        EXPECT_EQ(gripAt(box, x, y, 2), grip) << x << "," << y;
    // A box thinner than two grips: the nearer side.
    EXPECT_EQ(gripAt({0, 0, 2, 10}, 1.5, 5, 2), BoxGrip::Right);

    const std::tuple<AirBox, BoxGrip, int, int, AirBox> drags[] = {
        {box, BoxGrip::Inside, 3, -2, {3, -2, 23, 8}},
        {box, BoxGrip::Right, -25, 0, {-5, 0, 0, 10}}, // past the other side: turned round
        {box, BoxGrip::TopLeft, 5, 5, {5, 5, 20, 10}},
        {box, BoxGrip::Bottom, 7, 4, {0, 0, 20, 14}},
        {{32760, 0, 32765, 5}, BoxGrip::Inside, 20, 0, {32762, 0, 32767, 5}}, // a move stops at the limit
        {{-32768, 0, 0, 5}, BoxGrip::Left, -9, 0, {-32768, 0, 0, 5}},
    };
    for (const auto& [from, grip, dx, dy, to] : drags)
        EXPECT_EQ(dragBox(from, grip, dx, dy), to) << static_cast<int>(grip);
    EXPECT_EQ(boxBetween(5, 5, -3, -3), (AirBox{-3, -3, 5, 5}));
    EXPECT_EQ(boxBetween(0, 0, 40000, -40000), (AirBox{0, -32768, 32767, 0}));
}
