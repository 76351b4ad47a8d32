// Frame and action edits of AIR texts: each gives the whole expected file,
// built here by editing the original's lines by hand, reads back with the
// expected frames, and leaves the original text as it was.

#include "formats/air_edit.h"
#include "formats/air_frame_fields.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <limits>
#include <numeric>

using namespace vantrel;

namespace {

// A text as a byte-order mark and lines that keep their ends.
struct Lines {
    std::string bom;
    std::vector<std::string> lines;

    static Lines of(const std::string& text)
    {
        Lines l;
        std::size_t at = 0;
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            l.bom = text.substr(0, 3);
            at = 3;
        }
        while (at < text.size()) {
            std::size_t end = text.find_first_of("\r\n", at);
            if (end == std::string::npos)
                end = text.size();
            else
                end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
            l.lines.push_back(text.substr(at, end - at));
            at = end;
        }
        return l;
    }

    std::string text() const
    {
        std::string t = bom;
        for (const auto& line : lines)
            t += line;
        return t;
    }

    // Index of the first line reading `content` (line end aside) at or after `from`.
    std::size_t find(std::string_view content, std::size_t from = 0) const
    {
        for (std::size_t i = from; i < lines.size(); ++i) {
            std::string_view l = lines[i];
            while (!l.empty() && (l.back() == '\n' || l.back() == '\r'))
                l.remove_suffix(1);
            if (l == content)
                return i;
        }
        ADD_FAILURE() << "no line " << content;
        return lines.size();
    }

    void insert(std::size_t at, std::vector<std::string> added)
    {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    }
    void erase(std::size_t first, std::size_t count)
    {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                    lines.begin() + static_cast<std::ptrdiff_t>(first + count));
    }
};

std::string header(int number)
{
    return "[Begin Action " + std::to_string(number) + "]";
}

struct RealFile {
    const char* name;
    const char* end;
};
const RealFile kRealFiles[] = {{"winmugen-kfm/kfm.air", "\r\n"}, {"ikemen-kfm/kfm.air", "\n"}};

AirFrameFields fieldsOf(const AirDocument& doc, int number, int frame)
{
    const int action = doc.findAction(number);
    EXPECT_GE(action, 0);
    const AirAction& a = doc.actions()[static_cast<std::size_t>(action)];
    EXPECT_LT(frame, a.frameCount);
    return readFrameFields(doc.lineText(static_cast<std::size_t>(doc.frames(a)[static_cast<std::size_t>(frame)].line)))
        .fields;
}

AirFrameFields frame(int group, int image, int x, int y, int time)
{
    AirFrameFields f;
    f.group = group, f.image = image, f.x = x, f.y = y, f.time = time;
    return f;
}

} // namespace

TEST(AirFrameFields, ReadsEveryFieldAndWarnsAboutTheRest)
{
    using F = FrameField;
    const auto bits = [](std::initializer_list<F> fields) {
        std::uint16_t b = 0;
        for (F f : fields)
            b |= static_cast<std::uint16_t>(1U << static_cast<int>(f));
        return b;
    };
    const int kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::string line;
        AirFrameFields fields;
        int written;
        std::uint16_t unreadable, outOfRange;
    } cases[] = {
        {"0,0, 0,0, 10", frame(0, 0, 0, 0, 10), 5, 0, 0},
        {" 5,1, -3,4.5, -1 ; comment, with, commas", frame(5, 1, -3, 4, -1), 5, 0, 0},
        {"5,0, 0,0, 4, H",
         [] {
             auto f = frame(5, 0, 0, 0, 4);
             f.flip = FrameFlip::Horizontal;
             return f;
         }(),
         6, 0, 0},
        {"1,2,3,4,5, vH, as128D64",
         [] {
             auto f = frame(1, 2, 3, 4, 5);
             f.flip = FrameFlip::Both;
             f.blend = {FrameBlendKind::AddCustom, 128, 64};
             return f;
         }(),
         7, 0, 0},
        {"1,2,3,4,5, v, a1",
         [] {
             auto f = frame(1, 2, 3, 4, 5);
             f.flip = FrameFlip::Vertical;
             f.blend.kind = FrameBlendKind::AddHalf;
             return f;
         }(),
         7, 0, 0},
        {"1,2,3,4,5,, S",
         [] {
             auto f = frame(1, 2, 3, 4, 5);
             f.blend.kind = FrameBlendKind::Subtract;
             return f;
         }(),
         7, 0, 0},
        {"1,2,3,4,5,,A, 1.5, .25, -45.5",
         [] {
             auto f = frame(1, 2, 3, 4, 5);
             f.blend.kind = FrameBlendKind::Add;
             f.scaleX = 1.5, f.scaleY = 0.25, f.angle = -45.5;
             return f;
         }(),
         10, 0, 0},
        // What does not read takes the default and is marked.
        {"x,0, 0,0, 5", frame(0, 0, 0, 0, 5), 5, bits({F::Group}), 0},
        {"0,0, 0,0", frame(0, 0, 0, 0, 0), 4, bits({F::Time}), 0},
        {"0,0.5, 0,0, 5", frame(0, 0, 0, 0, 5), 5, bits({F::Image}), 0},
        {"0,0, 0,0, 5, Q, B", frame(0, 0, 0, 0, 5), 7, bits({F::Flip, F::Blend}), 0},
        {"0,0, 0,0, 5,, AS12", frame(0, 0, 0, 0, 5), 7, bits({F::Blend}), 0},
        {"0,0, 0,0, 5,, AS1D-2", frame(0, 0, 0, 0, 5), 7, bits({F::Blend}), 0},
        {"0,0, 0,0, 5,, ASD", frame(0, 0, 0, 0, 5), 7, bits({F::Blend}), 0},
        {"0,0, 0,0, 5,,, 1e400, 2 2, .", frame(0, 0, 0, 0, 5), 10, bits({F::ScaleX, F::ScaleY, F::Angle}), 0},
        // Huge numbers are saturated and marked.
        {"99999999999999999999999,-99999999999, 0,0, 5", frame(kMax, -kMax - 1, 0, 0, 5), 5, 0,
         bits({F::Group, F::Image})},
        {"0,0, 0,0, 5,, AS99999999999999999999D7",
         [] {
             auto f = frame(0, 0, 0, 0, 5);
             f.blend = {FrameBlendKind::AddCustom, 256, 7};
             return f;
         }(),
         7, 0, bits({F::Blend})},
        {"0,0, 0,0, 5,,, 1" + std::string(400, '0') + ", -3",
         [] {
             auto f = frame(0, 0, 0, 0, 5);
             f.scaleX = kFrameDecimalLimit;
             f.scaleY = -3;
             return f;
         }(),
         9, 0, bits({F::ScaleX})},
    };
    for (const auto& c : cases) {
        const AirFrameReading r = readFrameFields(c.line);
        EXPECT_EQ(r.fields, c.fields) << c.line;
        EXPECT_EQ(r.writtenCount, c.written) << c.line;
        EXPECT_EQ(r.unreadable, c.unreadable) << c.line;
        EXPECT_EQ(r.outOfRange, c.outOfRange) << c.line;
        EXPECT_EQ(r.clean(), c.unreadable == 0 && c.outOfRange == 0 && c.written >= 5) << c.line;
    }
}

TEST(AirFrameFields, WritingKeepsWhatDidNotChange)
{
    const auto with = [](const char* line, const std::function<void(AirFrameFields&)>& change) {
        AirFrameFields f = readFrameFields(line).fields;
        change(f);
        return formatFrameLine(line, f);
    };
    const struct {
        const char* line;
        std::function<void(AirFrameFields&)> change;
        const char* written;
    } cases[] = {
        {"0,0, 0,0, 10", [](auto&) {}, "0,0, 0,0, 10"},
        {" 0 ,0,  0, 0 ,10 ;c", [](auto& f) { f.x = -7; }, " 0 ,0,  -7, 0 ,10 ;c"},
        {"5,0, 0,0, 4, h", [](auto& f) { f.time = 6; }, "5,0, 0,0, 6, h"},
        {"5,0, 0,0, 4, VH", [](auto& f) { f.group = 9; }, "9,0, 0,0, 4, VH"},
        {"5,0, 0,0, 4, H", [](auto& f) { f.flip = FrameFlip::Vertical; }, "5,0, 0,0, 4, V"},
        {"5,0, 0,0, 4, H ; turn", [](auto& f) { f.flip = FrameFlip::None; }, "5,0, 0,0, 4 ; turn"},
        {"0,0, 0,0, 10", [](auto& f) { f.flip = FrameFlip::Both; }, "0,0, 0,0, 10, HV"},
        {"0,0, 0,0, 10 ; c",
         [](auto& f) {
             f.blend = {FrameBlendKind::AddCustom, 128, 64};
         },
         "0,0, 0,0, 10, , AS128D64 ; c"},
        {"0,0, 0,0, 5", [](auto& f) { f.scaleX = f.scaleY = 2; }, "0,0, 0,0, 5, , , 2,2"},
        {"0,0, 0,0, 5, H", [](auto& f) { f.angle = 22.5; }, "0,0, 0,0, 5, H, , 1,1, 22.5"},
        {"0,0, 0,0, 5, H, A, 2,2, 90",
         [](auto& f) {
             f.angle = 0;
             f.scaleX = f.scaleY = 1;
         },
         "0,0, 0,0, 5, H, A"},
        {"0,0, 0,0, 5,, as10d20", [](auto& f) { f.blend.dest = 30; }, "0,0, 0,0, 5,, AS10D30"},
        {"0,0, 0,0, 5,, a", [](auto& f) { f.blend.kind = FrameBlendKind::AddHalf; }, "0,0, 0,0, 5,, A1"},
        {"0,0, 0,0, 5,,, 0.5, 0.75", [](auto& f) { f.scaleY = 3; }, "0,0, 0,0, 5,,, 0.5, 3"},
        // A field that does not read stays until a value is given for it.
        {"0,0, 0,0, 5, Q", [](auto& f) { f.time = 1; }, "0,0, 0,0, 1, Q"},
        {"0,0, 0,0, 5, Q", [](auto& f) { f.flip = FrameFlip::Horizontal; }, "0,0, 0,0, 5, H"},
        {"0,0, 0,0", [](auto& f) { f.time = 3; }, "0,0, 0,0, 3"},
        {"", [](auto& f) { f = frame(-1, 2, 3, -4, 5); }, "-1,2, 3,-4, 5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(with(c.line, c.change), c.written) << c.line;
}

// One edit of a real file: the result, and the lines the test changes to expect it.
struct RealEdit {
    const char* name;
    std::function<std::optional<std::string>(const std::string&, const AirDocument&)> edit;
    std::function<void(Lines&, const std::string& end)> expect;
    std::function<void(const AirDocument&)> check; // on the edited text read again
};

// Each edit on both real files: the whole expected text, the frames read back,
// or the edit refused, and the original text untouched.
template <std::size_t N> void runOnRealFiles(const RealEdit (&edits)[N])
{
    for (const RealFile& file : kRealFiles) {
        const std::string original = test::readFile(test::realchars(file.name));
        const AirDocument doc = AirDocument::parse(original);
        for (const RealEdit& e : edits) {
            SCOPED_TRACE(std::string(file.name) + ": " + e.name);
            const std::string before = original;
            const auto edited = e.edit(original, doc);
            EXPECT_EQ(original, before);
            if (!e.expect) {
                EXPECT_FALSE(edited);
                continue;
            }
            ASSERT_TRUE(edited);
            Lines expected = Lines::of(original);
            e.expect(expected, file.end);
            EXPECT_TRUE(*edited == expected.text());
            e.check(AirDocument::parse(*edited));
        }
    }
}

int actionIndex(const AirDocument& doc, int number)
{
    return doc.findAction(number);
}

TEST(AirEdits, RealCharactersFrameEdits)
{
    const RealEdit edits[] = {
        {"insert a frame after the first standing frame",
         [](auto& t, auto& d) { return insertFrame(t, actionIndex(d, 0), 1, frame(1, 2, 3, 4, 6)); },
         [](Lines& l, auto& e) { l.insert(l.find("0,0, 0,0, 10") + 1, {"1,2, 3,4, 6" + e}); },
         [](const AirDocument& d) {
             EXPECT_EQ(fieldsOf(d, 0, 1), frame(1, 2, 3, 4, 6));
             EXPECT_EQ(fieldsOf(d, 0, 2), frame(0, 1, 0, 0, 7));
         }},
        {"insert a frame before the first",
         [](auto& t, auto& d) { return insertFrame(t, actionIndex(d, 10), 0, frame(7, 7, 0, 0, 1)); },
         [](Lines& l, auto& e) { l.insert(l.find(header(10)) + 1, {"7,7, 0,0, 1" + e}); },
         [](const AirDocument& d) {
             EXPECT_EQ(fieldsOf(d, 10, 0), frame(7, 7, 0, 0, 1));
             // The first old frame keeps its own boxes.
             const AirAction& a = d.actions()[static_cast<std::size_t>(d.findAction(10))];
             EXPECT_EQ(d.frames(a)[0].ownBlock[1], -1);
             EXPECT_GE(d.frames(a)[1].ownBlock[1], 0);
         }},
        {"duplicate a frame with its own boxes",
         [](auto& t, auto& d) {
             return duplicateFrame(t, {actionIndex(d, 10), 0});
         },
         [](Lines& l, auto& e) {
             const std::size_t at = l.find(header(10)) + 1;
             l.insert(at + 4,
                      {"Clsn2: 2" + e, " Clsn2[0] = -12,  0, 17,-65" + e, " Clsn2[1] =  -7,-81,  6,-65" + e,
                       "11,0, 0,0, 2" + e});
         },
         [](const AirDocument& d) {
             const AirAction& a = d.actions()[static_cast<std::size_t>(d.findAction(10))];
             ASSERT_EQ(a.frameCount, 3);
             EXPECT_EQ(d.boxesOf(d.frames(a)[1], BoxKind::Clsn2)[0].box, (AirBox{-12, -65, 17, 0}));
             EXPECT_EQ(fieldsOf(d, 10, 2), frame(11, 1, 0, 0, 2));
         }},
        {"delete a frame with its own boxes",
         [](auto& t, auto& d) {
             return deleteFrame(t, {actionIndex(d, 10), 0});
         },
         [](Lines& l, auto&) { l.erase(l.find(header(10)) + 1, 4); },
         [](const AirDocument& d) {
             const AirAction& a = d.actions()[static_cast<std::size_t>(d.findAction(10))];
             ASSERT_EQ(a.frameCount, 1);
             EXPECT_EQ(d.boxesOf(d.frames(a)[0], BoxKind::Clsn2)[0].box, (AirBox{-12, -52, 17, 0}));
         }},
        {"move a frame up with its own boxes",
         [](auto& t, auto& d) {
             return moveFrame(t, {actionIndex(d, 10), 1}, FrameMove::Up);
         },
         [](Lines& l, auto&) {
             const std::size_t at = l.find(header(10)) + 1;
             std::rotate(l.lines.begin() + static_cast<std::ptrdiff_t>(at),
                         l.lines.begin() + static_cast<std::ptrdiff_t>(at + 4),
                         l.lines.begin() + static_cast<std::ptrdiff_t>(at + 8));
         },
         [](const AirDocument& d) {
             EXPECT_EQ(fieldsOf(d, 10, 0), frame(11, 1, 0, 0, 2));
             EXPECT_EQ(fieldsOf(d, 10, 1), frame(11, 0, 0, 0, 2));
         }},
        {"move the last standing frame down: nothing to move past",
         [](auto& t, auto& d) {
             return moveFrame(t, {actionIndex(d, 0), 10}, FrameMove::Down);
         },
         nullptr, nullptr},
        {"move a standing frame down",
         [](auto& t, auto& d) {
             return moveFrame(t, {actionIndex(d, 0), 0}, FrameMove::Down);
         },
         [](Lines& l, auto&) {
             const std::size_t at = l.find("0,0, 0,0, 10");
             std::swap(l.lines[at], l.lines[at + 1]);
         },
         [](const AirDocument& d) { EXPECT_EQ(fieldsOf(d, 0, 1), frame(0, 0, 0, 0, 10)); }},
        {"paste two frames with boxes at the end of another action",
         [](auto& t, auto& d) {
             const auto copied = copyFrames(t, actionIndex(d, 10), 0, 2);
             EXPECT_TRUE(copied);
             return pasteFrames(t, actionIndex(d, 0), 11, copied.value_or(""));
         },
         [](Lines& l, auto&) {
             const std::size_t from = l.find(header(10)) + 1;
             const std::vector<std::string> copy(l.lines.begin() + static_cast<std::ptrdiff_t>(from),
                                                 l.lines.begin() + static_cast<std::ptrdiff_t>(from + 8));
             l.insert(l.find("0,0, 0,0, 40") + 1, copy);
         },
         [](const AirDocument& d) {
             const AirAction& a = d.actions()[static_cast<std::size_t>(d.findAction(0))];
             ASSERT_EQ(a.frameCount, 13);
             EXPECT_EQ(fieldsOf(d, 0, 12), frame(11, 1, 0, 0, 2));
             EXPECT_EQ(d.boxesOf(d.frames(a)[11], BoxKind::Clsn2)[1].box, (AirBox{-7, -81, 6, -65}));
             // The standing frames keep the shared boxes.
             EXPECT_EQ(d.boxesOf(d.frames(a)[10], BoxKind::Clsn2).size(), 2u);
         }},
        {"flip off, time changed",
         [](auto& t, auto& d) {
             auto f = frame(5, 0, 0, 0, 9);
             return setFrameFields(t, {actionIndex(d, 5), 0}, f);
         },
         [](Lines& l, auto& e) { l.lines[l.find("5,0, 0,0, 4, H")] = "5,0, 0,0, 9" + e; },
         [](const AirDocument& d) { EXPECT_EQ(fieldsOf(d, 5, 0), frame(5, 0, 0, 0, 9)); }},
        {"blend, scale and angle on a standing frame",
         [](auto& t, auto& d) {
             auto f = frame(0, 5, 0, 0, 45);
             f.blend = {FrameBlendKind::AddCustom, 200, 56};
             f.scaleX = 1.5, f.scaleY = 0.5, f.angle = 30;
             return setFrameFields(t, {actionIndex(d, 0), 5}, f);
         },
         [](Lines& l, auto& e) { l.lines[l.find("0,5, 0,0, 45")] = "0,5, 0,0, 45, , AS200D56, 1.5,0.5, 30" + e; },
         [](const AirDocument& d) {
             const AirFrameFields f = fieldsOf(d, 0, 5);
             EXPECT_EQ(f.blend, (FrameBlend{FrameBlendKind::AddCustom, 200, 56}));
             EXPECT_EQ(f.angle, 30);
         }},
        {"loop start set on a standing frame",
         [](auto& t, auto& d) {
             return setLoopStart(t, {actionIndex(d, 0), 3});
         },
         [](Lines& l, auto& e) { l.insert(l.find("0,3, 0,0, 7"), {"Loopstart" + e}); },
         [](const AirDocument& d) { EXPECT_EQ(d.actions()[static_cast<std::size_t>(d.findAction(0))].loopStart, 3); }},
        {"loop start moved to the first frame of a jump, before its boxes",
         [](auto& t, auto& d) {
             return setLoopStart(t, {actionIndex(d, 41), 0});
         },
         [](Lines& l, auto& e) {
             const std::size_t head = l.find(header(41));
             l.erase(l.find("Loopstart", head), 1);
             l.insert(head + 1, {"Loopstart" + e});
         },
         [](const AirDocument& d) {
             const AirAction& a = d.actions()[static_cast<std::size_t>(d.findAction(41))];
             EXPECT_EQ(a.loopStart, 0);
             EXPECT_GE(d.frames(a)[0].ownBlock[1], 0);
         }},
        {"loop start cleared", [](auto& t, auto& d) { return clearLoopStart(t, actionIndex(d, 41)); },
         [](Lines& l, auto&) { l.erase(l.find("Loopstart", l.find(header(41))), 1); },
         [](const AirDocument& d) {
             EXPECT_EQ(d.actions()[static_cast<std::size_t>(d.findAction(41))].loopStart, -1);
         }},
    };
    runOnRealFiles(edits);
}

TEST(AirEdits, RealCharactersActionEdits)
{
    const RealEdit edits[] = {
        {"new action from sprites after the last",
         [](auto& t, auto& d) {
             return appendAction(t, nextFreeActionNumber(d, 5000), {{5000, 0}, {5000, 1}, {-1, 0}});
         },
         [](Lines& l, auto& e) {
             // 5000 to 5002 are taken in both characters, 5003 is not.
             l.insert(l.lines.size(),
                      {e, "[Begin Action 5003]" + e, "5000,0, 0,0, 5" + e, "5000,1, 0,0, 5" + e, "-1,0, 0,0, 5" + e});
         },
         [](const AirDocument& d) { EXPECT_EQ(d.actions().back().number, 5003); }},
        {"renumber the turn", [](auto& t, auto& d) { return renumberAction(t, actionIndex(d, 5), 1); },
         [](Lines& l, auto& e) { l.lines[l.find(header(5))] = header(1) + e; },
         [](const AirDocument& d) { EXPECT_EQ(fieldsOf(d, 1, 0).flip, FrameFlip::Horizontal); }},
        {"renumber to a number in use", [](auto& t, auto& d) { return renumberAction(t, actionIndex(d, 5), 6); },
         nullptr, nullptr},
        {"new action under a number in use",
         [](auto& t, auto&) {
             return appendAction(t, 0, {{0, 0}});
         },
         nullptr, nullptr},
        {"duplicate the turn", [](auto& t, auto& d) { return duplicateAction(t, actionIndex(d, 5), 9999); },
         [](Lines& l, auto& e) {
             const std::size_t head = l.find(header(5));
             std::vector<std::string> copy{e, header(9999) + e};
             copy.insert(copy.end(), l.lines.begin() + static_cast<std::ptrdiff_t>(head + 1),
                         l.lines.begin() + static_cast<std::ptrdiff_t>(head + 6));
             l.insert(l.lines.size(), copy);
         },
         [](const AirDocument& d) {
             const AirAction& copy = d.actions().back();
             EXPECT_EQ(copy.number, 9999);
             ASSERT_EQ(copy.frameCount, 2);
             EXPECT_EQ(d.boxesOf(d.frames(copy)[1], BoxKind::Clsn2).size(), 2u);
         }},
        {"delete the turn up to the next header", [](auto& t, auto& d) { return deleteAction(t, actionIndex(d, 5)); },
         [](Lines& l, auto&) {
             const std::size_t head = l.find(header(5));
             l.erase(head, l.find(header(6)) - head);
         },
         [](const AirDocument& d) {
             EXPECT_EQ(d.findAction(5), -1);
             EXPECT_EQ(fieldsOf(d, 6, 0).flip, FrameFlip::Horizontal);
         }},
    };
    runOnRealFiles(edits);
}

TEST(AirEdits, InterpolateLinesBelongToTheFrameAfterThem)
{
    const std::string text = "[Begin Action 1]\n"
                             "1,0, 0,0, 5\n"
                             "Interpolate Offset\n"
                             "Clsn1: 1\n"
                             " Clsn1[0] = 0,0,10,10\n"
                             "interpolate SCALE\n"
                             "1,1, 10,0, 5,,, 2,2\n"
                             "Interpolate Angle ; turn\n"
                             "1,2, 0,0, 5\n";
    const AirDocument doc = AirDocument::parse(text);
    ASSERT_EQ(doc.frames().size(), 3u);
    EXPECT_EQ(interpolationOf(doc.frames()[0]), FrameInterpolation{});
    EXPECT_EQ(interpolationOf(doc.frames()[1]), (FrameInterpolation{true, false, true, false}));
    EXPECT_EQ(interpolationOf(doc.frames()[2]), (FrameInterpolation{false, false, false, true}));

    EXPECT_EQ(deleteFrame(text, {0, 1}), "[Begin Action 1]\n1,0, 0,0, 5\nInterpolate Angle ; turn\n1,2, 0,0, 5\n");
    // A copy carries the boxes but not the blending from the frame before.
    EXPECT_EQ(copyFrames(text, 0, 1, 1), "Clsn1: 1\n Clsn1[0] = 0,0,10,10\n1,1, 10,0, 5,,, 2,2\n");
    EXPECT_EQ(moveFrame(text, {0, 2}, FrameMove::Up),
              "[Begin Action 1]\n1,0, 0,0, 5\nInterpolate Angle ; turn\n1,2, 0,0, 5\n"
              "Interpolate Offset\nClsn1: 1\n Clsn1[0] = 0,0,10,10\ninterpolate SCALE\n1,1, 10,0, 5,,, 2,2\n");
}

TEST(AirEdits, LineEndsFollowTheNeighbours)
{
    // Mixed ends, no final end: new lines take the end of the line before them.
    const std::string text = "[Begin Action 1]\r\n1,0, 0,0, 5\n1,1, 0,0, 5\r\n1,2, 0,0, 5";
    EXPECT_EQ(insertFrame(text, 0, 1, frame(2, 0, 0, 0, 1)),
              "[Begin Action 1]\r\n1,0, 0,0, 5\n2,0, 0,0, 1\n1,1, 0,0, 5\r\n1,2, 0,0, 5");
    EXPECT_EQ(insertFrame(text, 0, 3, frame(2, 0, 0, 0, 1)),
              "[Begin Action 1]\r\n1,0, 0,0, 5\n1,1, 0,0, 5\r\n1,2, 0,0, 5\r\n2,0, 0,0, 1");
    EXPECT_EQ(moveFrame(text, {0, 2}, FrameMove::Up), "[Begin Action 1]\r\n1,0, 0,0, 5\n1,2, 0,0, 5\r\n1,1, 0,0, 5");
    EXPECT_EQ(deleteFrame(text, {0, 2}), "[Begin Action 1]\r\n1,0, 0,0, 5\n1,1, 0,0, 5");
    EXPECT_EQ(appendAction(text, 2, {{3, 4}}), text + "\r\n\r\n[Begin Action 2]\r\n3,4, 0,0, 5");
    // A clip copied from another file takes the ends of where it goes.
    EXPECT_EQ(pasteFrames("[Begin Action 1]\n", 0, 0, "Clsn2: 1\r\n Clsn2[0] = 1,2,3,4\r\n9,9, 0,0, 5\r\n"),
              "[Begin Action 1]\nClsn2: 1\n Clsn2[0] = 1,2,3,4\n9,9, 0,0, 5\n");
    EXPECT_EQ(
        insertFrame("\xEF\xBB\xBF[Begin Action 1]\r\nClsn2Default: 0\r\n\r\n; next\r\n", 0, 0, frame(1, 1, 0, 0, 1)),
        "\xEF\xBB\xBF[Begin Action 1]\r\nClsn2Default: 0\r\n1,1, 0,0, 1\r\n\r\n; next\r\n");
}

TEST(AirEdits, RefusedWhereTheTargetIsMissingOrUnsafe)
{
    const std::string text = "[Begin Action 1]\n"
                             "1,0, 0,0, 5\n"
                             "Clsn2: 1\n"
                             " Clsn2[0] = 0,0,1,1\n"
                             "Loopstart\n" // between a frame's own boxes and the frame
                             "1,1, 0,0, 5\n"
                             "[Begin Action x]\n"
                             "2,0, 0,0, 5\n";
    const std::function<std::optional<std::string>()> refused[] = {
        [&] {
            return setFrameFields(text, {0, 2}, {});
        },
        [&] {
            return setFrameFields(text, {2, 0}, {});
        },
        [&] {
            return setFrameFields(text, {-1, 0}, {});
        },
        [&] { return insertFrame(text, 0, 3, {}); },
        [&] { return insertFrame(text, 0, -1, {}); },
        [&] {
            return duplicateFrame(text, {0, 1});
        },
        [&] {
            return deleteFrame(text, {0, 1});
        },
        [&] {
            return moveFrame(text, {0, 0}, FrameMove::Down);
        },
        [&] {
            return moveFrame(text, {0, 0}, FrameMove::Up);
        },
        [&] { return copyFrames(text, 0, 0, 3); },
        [&] { return copyFrames(text, 0, 1, 0); },
        [&] { return pasteFrames(text, 0, 0, "[Begin Action 3]\n1,1, 0,0, 1\n"); },
        [&] { return pasteFrames(text, 0, 0, "Clsn2Default: 1\n Clsn2[0] = 0,0,1,1\n1,1, 0,0, 1\n"); },
        [&] { return pasteFrames(text, 0, 0, "1,1, 0,0, 1\nClsn2: 1\n Clsn2[0] = 0,0,1,1\n"); },
        [&] { return pasteFrames(text, 0, 0, "; nothing\n"); },
        [&] { return pasteFrames(text, 0, 0, "Loopstart\n1,1, 0,0, 1\n"); },
        [&] {
            return setLoopStart(text, {0, 1});
        },
        [&] { return clearLoopStart(text, 5); },
        [&] { return renumberAction(text, 1, 4); },
        [&] { return duplicateAction(text, 1, 4); },
        [&] { return duplicateAction(text, 0, 1); },
        [&] { return deleteAction(text, 2); },
    };
    for (std::size_t i = 0; i < std::size(refused); ++i)
        EXPECT_FALSE(refused[i]()) << "edit " << i;
    // Renumbering to its own number changes nothing.
    EXPECT_EQ(renumberAction(text, 0, 1), text);
    // Frames whose own lines are clean still move.
    EXPECT_EQ(insertFrame(text, 0, 2, frame(3, 3, 0, 0, 3)),
              "[Begin Action 1]\n1,0, 0,0, 5\nClsn2: 1\n Clsn2[0] = 0,0,1,1\nLoopstart\n1,1, 0,0, 5\n3,3, 0,0, 3\n"
              "[Begin Action x]\n2,0, 0,0, 5\n");
    EXPECT_EQ(nextFreeActionNumber(AirDocument::parse(text)), 0);
    EXPECT_EQ(nextFreeActionNumber(AirDocument::parse(text), 1), 2);
}

TEST(AirEdits, TenThousandFrames)
{
    const auto actionOf = [](const std::vector<int>& order) {
        std::string text = "[Begin Action 3]\n";
        for (const int i : order)
            text += "Clsn2: 1\n Clsn2[0] = 0,0," + std::to_string(i) + ",1\n3," + std::to_string(i) + ", 0,0, 1\n";
        return text + "[Begin Action 4]\n4,0, 0,0, 1\n";
    };
    std::vector<int> order(10000);
    std::iota(order.begin(), order.end(), 0);
    const std::string text = actionOf(order);

    const auto moved = moveFrame(text, {0, 9999}, FrameMove::Up);
    ASSERT_TRUE(moved);
    std::swap(order[9998], order[9999]);
    EXPECT_TRUE(*moved == actionOf(order));
    const AirDocument movedDoc = AirDocument::parse(*moved);
    EXPECT_EQ(movedDoc.frames()[9998].image, 9999);
    EXPECT_EQ(movedDoc.boxesOf(movedDoc.frames()[9998], BoxKind::Clsn2)[0].box.right, 9999);
    EXPECT_EQ(movedDoc.frames()[9999].image, 9998);

    const auto all = copyFrames(text, 0, 0, 10000);
    ASSERT_TRUE(all);
    const auto pasted = pasteFrames(text, 1, 1, *all);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(*pasted, text + all->c_str());
    EXPECT_EQ(AirDocument::parse(*pasted).actions()[1].frameCount, 10001);

    const auto deleted = deleteFrame(text, {0, 0});
    ASSERT_TRUE(deleted);
    EXPECT_EQ(*deleted, "[Begin Action 3]\n" + text.substr(text.find("3,0, 0,0, 1\n") + 12));
    const auto set = setFrameFields(text, {0, 5000}, frame(3, 5000, 0, 0, 2));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->size(), text.size());
    EXPECT_EQ(readFrameFields(AirDocument::parse(*set).lineText(5000 * 3 + 3)).fields.time, 2);
}
