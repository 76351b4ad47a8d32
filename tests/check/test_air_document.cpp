// The AIR document: what it reads from real and hand-made files, where it
// places every line, and the box writer that changes only what was edited.

#include "formats/air_document.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantrel;

namespace {

std::vector<std::pair<AirProblemKind, int>> problemsOf(const AirDocument& doc)
{
    std::vector<std::pair<AirProblemKind, int>> out;
    for (const AirProblem& p : doc.problems())
        out.emplace_back(p.kind, p.line);
    return out;
}

// The document's text with one line's text replaced and every other byte kept.
std::string withLine(const AirDocument& doc, std::size_t line, std::string_view replacement)
{
    std::string text = doc.text();
    return text.replace(doc.lineOffset(line), doc.lineText(line).size(), replacement);
}

} // namespace

TEST(AirDocument, RealCharactersActionsFramesAndBoxes)
{
    struct Case {
        const char* file;
        std::size_t actions, frames, clsn1Lines, clsn2Lines;
        bool bom;
        const char* lineEnd;
    };
    // Box lines are counted by how they are spelled; frames by lines that start with a number.
    for (const Case& c : {Case{"winmugen-kfm/kfm.air", 108, 601, 67, 817, false, "\r\n"},
                          Case{"ikemen-kfm/kfm.air", 117, 655, 79, 894, true, "\n"}}) {
        const std::string text = test::readFile(test::realchars(c.file));
        const AirDocument doc = AirDocument::parse(text);
        ASSERT_TRUE(doc.ok()) << c.file;
        EXPECT_EQ(doc.actions().size(), c.actions) << c.file;
        EXPECT_EQ(doc.frames().size(), c.frames) << c.file;
        EXPECT_EQ(doc.hasByteOrderMark(), c.bom) << c.file;
        EXPECT_EQ(doc.lineEnd(0), c.lineEnd) << c.file;
        std::size_t clsn1 = 0, clsn2 = 0, framesInActions = 0;
        for (const AirBoxLine& b : doc.boxLines())
            ++(b.writtenKind == BoxKind::Clsn1 ? clsn1 : clsn2);
        for (const AirAction& a : doc.actions())
            framesInActions += doc.frames(a).size();
        EXPECT_EQ(clsn1, c.clsn1Lines) << c.file;
        EXPECT_EQ(clsn2, c.clsn2Lines) << c.file;
        EXPECT_EQ(framesInActions, c.frames) << c.file;

        // Standing (action 0): eleven frames, no own boxes, two shared hurt boxes.
        const int standing = doc.findAction(0);
        ASSERT_GE(standing, 0) << c.file;
        const AirAction& stand = doc.actions()[static_cast<std::size_t>(standing)];
        ASSERT_EQ(stand.frameCount, 11) << c.file;
        for (const AirFrame& f : doc.frames(stand)) {
            EXPECT_EQ(f.group, 0) << c.file;
            EXPECT_EQ(doc.boxesOf(f, BoxKind::Clsn2).size(), 2u) << c.file;
            EXPECT_EQ(doc.boxesOf(f, BoxKind::Clsn2).data(), doc.boxesOf(doc.frames(stand)[0], BoxKind::Clsn2).data());
            EXPECT_TRUE(doc.boxesOf(f, BoxKind::Clsn1).empty()) << c.file;
        }
        // " Clsn2[0] = -13,  0, 16,-79" is kept normalised and marked.
        const AirBoxLine& first = doc.boxesOf(doc.frames(stand)[0], BoxKind::Clsn2)[0];
        EXPECT_EQ(first.box, (AirBox{-13, -79, 16, 0})) << c.file;
        EXPECT_TRUE(first.reversed) << c.file;
        EXPECT_EQ(doc.lineText(static_cast<std::size_t>(first.line)), " Clsn2[0] = -13,  0, 16,-79") << c.file;
        // Action 41 loops from its eighth frame.
        const AirAction& jump = doc.actions()[static_cast<std::size_t>(doc.findAction(41))];
        EXPECT_EQ(jump.loopStart, 7) << c.file;
        EXPECT_EQ(doc.lineKind(static_cast<std::size_t>(jump.loopstartLine)), AirLineKind::Loopstart) << c.file;
    }
}

TEST(AirDocument, HandMadeFilesLineByLine)
{
    using K = AirProblemKind;
    struct Case {
        const char* name;
        std::string text;
        std::vector<int> framesPerAction;
        std::vector<std::pair<AirProblemKind, int>> problems; // kind, 0-based line
    };
    // Box lines in an action of one frame.
    const auto inAction = [](const std::string& lines) { return "[Begin Action 1]\n" + lines + "1,0,0,0,1\n"; };
    const std::vector<Case> cases = {
        {"frames, comments, blank lines and a missing sprite",
         "; top\n\n[Begin Action 7] ; seven\n7,0, 0,0, 5\n  ; between\n99,99, 1,-2, -1, H, A\n-1,0, 0,0, 3\n",
         {3},
         {}},
        {"fewer than four numbers", inAction("Clsn2: 1\n Clsn2[0] = 1, 2, 3\n"), {1}, {{K::BoxUnreadable, 2}}},
        {"a number that is not one", inAction("Clsn2: 1\n Clsn2[0] = 1, 2, x3, 4\n"), {1}, {{K::BoxUnreadable, 2}}},
        {"a number out of range", inAction("Clsn1: 1\n Clsn1[0] = 1, 2, 3, 40000\n"), {1}, {{K::BoxOutOfRange, 2}}},
        {"count higher than the boxes", inAction("Clsn2: 2\n Clsn2[0] = 1, 2, 3, 4\n"), {1}, {{K::CountMismatch, 1}}},
        {"count lower than the boxes",
         inAction("Clsn2Default: 1\n Clsn2[0] = 1, 2, 3, 4\n Clsn2[1] = 1, 2, 3, 4\n"),
         {1},
         {{K::BoxIndexOutOfRange, 3}, {K::CountMismatch, 1}}},
        {"count not a number", inAction("Clsn2: two\n Clsn2[0] = 1, 2, 3, 4\n"), {1}, {{K::CountUnreadable, 1}}},
        {"box of the other kind", inAction("Clsn1: 1\n Clsn2[0] = 1, 2, 3, 4\n"), {1}, {{K::BoxKindMismatch, 2}}},
        {"box without a count",
         "[Begin Action 1]\n1,0,0,0,1\n Clsn2[0] = 1, 2, 3, 4\n",
         {1},
         {{K::BoxOutsideBlock, 2}}},
        {"reversed corners", inAction("Clsn2: 1\n Clsn2[0] = 3, 4, 1, 2\n"), {1}, {{K::BoxReversed, 2}}},
        {"boxes no frame follows",
         "[Begin Action 1]\n1,0,0,0,1\nClsn1: 1\n Clsn1[0] = 1, 2, 3, 4\n[Begin Action 2]\n2,0,0,0,1\n",
         {1, 1},
         {{K::BlockWithoutFrame, 2}}},
        {"Loopstart last",
         "[Begin Action 1]\n1,0,0,0,1\nLoopstart\n\n[Begin Action 2]\nLoopStart\n2,0,0,0,1\n",
         {1, 1},
         {{K::LoopstartLast, 2}}},
        {"lines before the first action",
         "1,0,0,0,1\nClsn2: 1\n Clsn2[0] = 1,2,3,4\n[Begin Action 1]\n1,0,0,0,1\n",
         {1},
         {{K::OutsideAction, 0}, {K::OutsideAction, 1}}},
        {"a frame of four fields", "[Begin Action 1]\n1,0,0,0\n", {1}, {{K::FrameUnreadable, 1}}},
        {"a header without a number",
         "[Begin Action x]\n1,0,0,0,1\n[Begin Action -3]\n",
         {1, 0},
         {{K::HeaderUnreadable, 0}}},
        {"a line not understood", inAction("Whatever\nInterpolate Offset\n"), {1}, {{K::UnknownLine, 1}}},
        {"lone CR line ends, tabs and letter case",
         "[begin action 1]\r\tclsn2default:\t1\r\tCLSN2[0]\t=\t1,2,3,4\r1,0,0,0,1\r",
         {1},
         {}},
    };
    for (const Case& c : cases) {
        const AirDocument doc = AirDocument::parse(c.text);
        std::vector<int> frames;
        for (const AirAction& a : doc.actions())
            frames.push_back(a.frameCount);
        EXPECT_EQ(frames, c.framesPerAction) << c.name;
        EXPECT_EQ(problemsOf(doc), c.problems) << c.name;
    }
}

TEST(AirDocument, EachActionRunsFromItsHeaderToTheLineBeforeTheNext)
{
    const AirDocument doc = AirDocument::parse("; top\n[Begin Action 5]\n5,0,0,0,1\n\n"
                                               "[Begin Action 0]\n0,0,0,0,1\n0,1,0,0,1\n[Begin Action 2]\n");
    std::vector<std::pair<int, int>> spans;
    for (const AirAction& a : doc.actions())
        spans.emplace_back(a.headerLine, a.lastLine);
    EXPECT_EQ(spans, (std::vector<std::pair<int, int>>{{1, 3}, {4, 6}, {7, 7}}));
}

TEST(AirDocument, KeepsEveryByteAndLineEnd)
{
    for (const std::string& text :
         {std::string("\xEF\xBB\xBF[Begin Action 1]\r\n1,0,0,0,1\r\n"), std::string("[Begin Action 1]\n1,0,0,0,1"),
          std::string("a\r\rb\n\r\nc"), std::string("")}) {
        const AirDocument doc = AirDocument::parse(text);
        std::string joined = doc.hasByteOrderMark() ? "\xEF\xBB\xBF" : "";
        for (std::size_t i = 0; i < doc.lineCount(); ++i)
            joined += std::string(doc.lineText(i)) + std::string(doc.lineEnd(i));
        EXPECT_EQ(joined, text);
    }
    EXPECT_EQ(AirDocument::parse("a\r\rb\n\r\nc").lineCount(), 5u);
}

TEST(AirDocument, DefaultsAreSharedAndCoverFramesBeforeThem)
{
    std::string text = "[Begin Action 9]\n9,0,0,0,1\nClsn2Default: 2\n Clsn2[0] = 0,0,1,1\n Clsn2[1] = 2,2,3,3\n"
                       "Clsn2: 1\n Clsn2[0] = 5,5,6,6\n9,1,0,0,1\n";
    for (int i = 0; i < 8000; ++i)
        text += "9,2, 0,0, 1\n";
    const AirDocument doc = AirDocument::parse(text);
    ASSERT_EQ(doc.frames().size(), 8002u);
    // Two blocks and three box lines, however many frames use them.
    EXPECT_EQ(doc.blocks().size(), 2u);
    EXPECT_EQ(doc.boxLines().size(), 3u);
    const auto shared = doc.boxesOf(doc.frames()[0], BoxKind::Clsn2);
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_EQ(shared[1].box, (AirBox{2, 2, 3, 3}));
    const auto own = doc.boxesOf(doc.frames()[1], BoxKind::Clsn2);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].box, (AirBox{5, 5, 6, 6}));
    EXPECT_EQ(doc.frames()[1].defaultBlock[1], doc.frames()[0].defaultBlock[1]);
    for (std::size_t f = 2; f < doc.frames().size(); ++f)
        ASSERT_EQ(doc.boxesOf(doc.frames()[f], BoxKind::Clsn2).data(), shared.data()) << f;
}

TEST(AirBoxWriter, MovingOneBoxChangesExactlyThatLine)
{
    struct Case {
        const char* name;
        std::string text;
        AirBlockTarget target;
        std::string expectedLine; // the one changed line
    };
    const std::vector<Case> cases = {
        {"LF",
         "[Begin Action 0]\nClsn2: 2\n Clsn2[0] = -13,  0, 16,-79\n Clsn2[1] = 5,-79, -7,-93\n0,0, 0,0, 10\n",
         {0, 0, BoxKind::Clsn2},
         " Clsn2[0] = -10,  0, 19,-79"},
        {"CR LF",
         "[Begin Action 0]\r\nClsn2Default: 1\r\n Clsn2[0] = -13,  0, 16,-79\r\n0,0, 0,0, 10\r\n",
         {0, -1, BoxKind::Clsn2},
         " Clsn2[0] = -10,  0, 19,-79"},
        {"byte-order mark",
         "\xEF\xBB\xBF[Begin Action 0]\nClsn1: 1\n\tClsn1[0]= -13 ,  0,16 ,-79\n0,0, 0,0, 10",
         {0, 0, BoxKind::Clsn1},
         "\tClsn1[0]= -10 ,  0,19 ,-79"},
        {"odd spacing and a comment",
         "[Begin Action 0]\n  clsn2:   1   ; hurt\n     clsn2[0]  =  -13,0,16,-79   ; body\n0,0,0,0,10\n",
         {0, 0, BoxKind::Clsn2},
         "     clsn2[0]  =  -10,0,19,-79   ; body"},
    };
    for (const Case& c : cases) {
        const AirDocument doc = AirDocument::parse(c.text);
        const auto lines = doc.boxesOf(doc.frames(doc.actions()[0])[0], c.target.kind);
        std::vector<AirBox> boxes;
        for (const AirBoxLine& b : lines)
            boxes.push_back(b.box);
        boxes[0].left += 3;
        boxes[0].right += 3;
        // Every byte but the moved box's line is kept, byte-order mark and line ends included.
        EXPECT_EQ(replaceBoxes(doc, c.target, boxes),
                  withLine(doc, static_cast<std::size_t>(lines[0].line), c.expectedLine))
            << c.name;
    }
}

TEST(AirBoxWriter, RealFileKeepsEveryOtherByte)
{
    for (const char* file : {"winmugen-kfm/kfm.air", "ikemen-kfm/kfm.air"}) {
        SCOPED_TRACE(file);
        const std::string text = test::readFile(test::realchars(file));
        const AirDocument doc = AirDocument::parse(text);
        const int punch = doc.findAction(200);
        ASSERT_GE(punch, 0);
        // The last frame with an attack box of its own.
        const auto frames = doc.frames(doc.actions()[static_cast<std::size_t>(punch)]);
        int frameIndex = -1;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            if (frames[i].ownBlock[0] >= 0)
                frameIndex = static_cast<int>(i);
        }
        ASSERT_GE(frameIndex, 0);
        const auto own = doc.boxesOf(frames[static_cast<std::size_t>(frameIndex)], BoxKind::Clsn1);
        std::vector<AirBox> boxes;
        for (const AirBoxLine& b : own)
            boxes.push_back(b.box);
        boxes.back().top -= 3;
        boxes.back().bottom -= 3;
        const auto out = replaceBoxes(text, {punch, frameIndex, BoxKind::Clsn1}, boxes);
        ASSERT_TRUE(out);
        const AirDocument again = AirDocument::parse(*out);
        const AirFrame& frame =
            again.frames(again.actions()[static_cast<std::size_t>(punch)])[static_cast<std::size_t>(frameIndex)];
        EXPECT_EQ(again.boxesOf(frame, BoxKind::Clsn1).back().box, boxes.back());
        // Nothing but that box's line changed.
        const auto line = static_cast<std::size_t>(own.back().line);
        EXPECT_TRUE(*out == withLine(doc, line, again.lineText(line)));
    }
}

TEST(AirBoxWriter, CountsRemovalsInsertionsAndRefusals)
{
    const std::string base = "[Begin Action 3]\r\n"    // 0
                             "Clsn2: 2\r\n"            // 1
                             " Clsn2[1] = 0,0,1,1\r\n" // 2: written out of order
                             "; keep me\r\n"           // 3
                             " Clsn2[0] = 2,2,3,3\r\n" // 4
                             "3,0, 0,0, 4\r\n"         // 5
                             "3,1, 0,0, 4\r\n";        // 6
    struct Case {
        const char* name;
        std::string text;
        std::vector<AirBox> boxes;
        std::optional<std::string> expected;
        AirBlockTarget target = {0, 0, BoxKind::Clsn2};
    };
    const auto inAction = [](const std::string& lines) { return "[Begin Action 1]\n" + lines + "1,0,0,0,1\n"; };
    const std::vector<Case> cases = {
        {"indices renumbered from 0",
         base,
         {{0, 0, 1, 1}, {2, 2, 3, 3}},
         "[Begin Action 3]\r\nClsn2: 2\r\n Clsn2[0] = 0,0,1,1\r\n; keep me\r\n Clsn2[1] = 2,2,3,3\r\n"
         "3,0, 0,0, 4\r\n3,1, 0,0, 4\r\n"},
        {"a box added after the last",
         base,
         {{0, 0, 1, 1}, {2, 2, 3, 3}, {4, 4, 5, 5}},
         "[Begin Action 3]\r\nClsn2: 3\r\n Clsn2[0] = 0,0,1,1\r\n; keep me\r\n Clsn2[1] = 2,2,3,3\r\n"
         " Clsn2[2] = 4, 4, 5, 5\r\n3,0, 0,0, 4\r\n3,1, 0,0, 4\r\n"},
        {"a box left out goes with its line, the others keep theirs",
         base,
         {{2, 2, 3, 3}},
         "[Begin Action 3]\r\nClsn2: 1\r\n; keep me\r\n Clsn2[0] = 2,2,3,3\r\n3,0, 0,0, 4\r\n3,1, 0,0, 4\r\n"},
        {"a line written right to left stays so; only the number that moved changes",
         inAction("Clsn2: 1\n Clsn2[0] = 10, 0,-10, -80 ; hurt\n"),
         {{-10, -80, 12, 0}},
         inAction("Clsn2: 1\n Clsn2[0] = 12, 0,-10, -80 ; hurt\n")},
        {"numbers after the fourth and unchanged fractions stay",
         inAction("Clsn2: 1\n Clsn2[0] = 1.5, 2, 3, 4, 9\n"),
         {{1, 2, 6, 4}},
         inAction("Clsn2: 1\n Clsn2[0] = 1.5, 2, 6, 4, 9\n")},
        {"a block left empty goes, its comment stays",
         base,
         {},
         "[Begin Action 3]\r\n; keep me\r\n3,0, 0,0, 4\r\n3,1, 0,0, 4\r\n"},
        {"a frame without boxes gets a block",
         base,
         {{-1, -2, 3, 4}},
         "[Begin Action 3]\r\nClsn2: 2\r\n Clsn2[1] = 0,0,1,1\r\n; keep me\r\n Clsn2[0] = 2,2,3,3\r\n"
         "3,0, 0,0, 4\r\nClsn1: 1\r\n Clsn1[0] = -1, -2, 3, 4\r\n3,1, 0,0, 4\r\n",
         {0, 1, BoxKind::Clsn1}},
        {"an action without defaults gets them after its header",
         "[Begin Action 3]\n3,0, 0,0, 4",
         {{1, 2, 3, 4}},
         "[Begin Action 3]\nClsn2Default: 1\n Clsn2[0] = 1, 2, 3, 4\n3,0, 0,0, 4",
         {0, -1, BoxKind::Clsn2}},
        {"no boxes for a frame without any changes nothing", base, {}, base, {0, 1, BoxKind::Clsn1}},
        {"a box of the other kind is spelled right when rewritten",
         inAction("Clsn1: 1\n Clsn2[0] = 1,2,3,4\n"),
         {{1, 2, 3, 4}},
         inAction("Clsn1: 1\n Clsn1[0] = 1,2,3,4\n"),
         {0, 0, BoxKind::Clsn1}},
        {"a box line that does not read", inAction("Clsn2: 1\n Clsn2[0] = 1,2,3\n"), {{1, 2, 3, 4}}, std::nullopt},
        {"a count that does not read", inAction("Clsn2: x\n Clsn2[0] = 1,2,3,4\n"), {{1, 2, 3, 4}}, std::nullopt},
        {"a number out of range", base, {{0, 0, 1, 40000}}, std::nullopt},
        {"no such frame", base, {{0, 0, 1, 1}}, std::nullopt, {0, 2, BoxKind::Clsn2}},
        {"no such action", base, {{0, 0, 1, 1}}, std::nullopt, {1, 0, BoxKind::Clsn2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(replaceBoxes(c.text, c.target, c.boxes), c.expected) << c.name;
}
