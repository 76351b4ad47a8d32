#pragma once
// An AIR file as a document: every line keeps its place, its bytes and its
// line end, and each line is classified (action header, frame, box count,
// box, Loopstart, comment, blank, or not understood). On top of the lines sit
// the actions in file order, their frames, and the collision box blocks with
// what is wrong in them. The animation tools, the collision box editor and
// the character checker all read AIR files through this one model, so a
// frame has the same number everywhere.
//
// Standard C++ only. Memory and time are proportional to the text: a default
// box block is stored once and frames refer to it by index.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class AirLineKind : std::uint8_t {
    Blank,
    Comment,      // nothing but a comment
    ActionHeader, // [Begin Action n]
    Frame,        // group, image, x, y, time[, flip[, blend ...]]
    BoxCount,     // Clsn1: n, Clsn2: n, Clsn1Default: n, Clsn2Default: n
    Box,          // Clsn2[i] = left, top, right, bottom
    Loopstart,
    Interpolate, // Interpolate Offset / Blend / Scale / Angle
    Unknown,
};

// Clsn1 are the attack boxes, Clsn2 the boxes that can be hit.
enum class BoxKind : std::uint8_t { Clsn1 = 0, Clsn2 = 1 };

struct AirBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const AirBox&, const AirBox&) = default;
};

// One box line. The box is normalised (left <= right, top <= bottom).
struct AirBoxLine {
    AirBox box;
    std::int32_t line = 0;
    BoxKind writtenKind =
        BoxKind::Clsn2;            // as the line spells it; the block's kind counts         // line index (0-based)
    std::int32_t writtenIndex = 0; // the n of "Clsn2[n]"; -1 when unreadable
    bool readable = false;         // four numbers in range
    bool reversed = false;         // written right-to-left or bottom-to-top, swapped here
    bool leftAfterRight = false;   // written right-to-left
    bool topAfterBottom = false;   // written bottom-to-top, as the usual files do
};

// A count line and the box lines that follow it.
struct AirBoxBlock {
    BoxKind kind = BoxKind::Clsn2;
    bool isDefault = false;
    std::int32_t action = -1;        // index into actions(); -1 before the first header
    std::int32_t countLine = 0;      // line index of the count line
    std::int32_t declaredCount = -1; // -1 when the count does not read
    std::int32_t firstBox = 0;       // range in boxLines()
    std::int32_t boxCount = 0;
    // Every line of the block reads: a writer may rewrite it.
    bool readable = false;
};

// What the Interpolate lines before a frame blend from the previous frame, as bits.
inline constexpr std::uint8_t kInterpolateOffset = 1;
inline constexpr std::uint8_t kInterpolateBlend = 2;
inline constexpr std::uint8_t kInterpolateScale = 4;
inline constexpr std::uint8_t kInterpolateAngle = 8;

struct AirFrame {
    std::int32_t line = 0;
    std::int32_t action = -1;
    std::int32_t group = 0; // -1 draws no sprite
    std::int32_t image = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t time = 0;
    // Five fields, group and image whole numbers, offsets and time numbers.
    bool readable = false;
    // The kInterpolate bits of the Interpolate lines between the previous frame and this one.
    std::uint8_t interpolation = 0;
    // The block that precedes this frame alone, by kind (index into blocks(); -1 none).
    std::int32_t ownBlock[2] = {-1, -1};
    // The action's default block of that kind, shared by every frame without
    // its own (-1 none).
    std::int32_t defaultBlock[2] = {-1, -1};
};

struct AirAction {
    std::int32_t number = 0;
    bool numberReadable = false;
    std::int32_t headerLine = 0;
    std::int32_t lastLine = 0;   // the last line before the next header or the end
    std::int32_t firstFrame = 0; // range in frames(); frames are numbered 0.. within the action
    std::int32_t frameCount = 0;
    std::int32_t firstBlock = 0; // range in blocks()
    std::int32_t blockCount = 0;
    std::int32_t loopStart = -1; // frame index a loop returns to; -1 without Loopstart
    std::int32_t loopstartLine = -1;
};

enum class AirProblemKind : std::uint8_t {
    BoxUnreadable,      // fewer than four numbers, or text that is not a number
    BoxOutOfRange,      // a number outside -32768..32767
    BoxReversed,        // left > right or top > bottom (normalised)
    BoxIndexOutOfRange, // "Clsn2[n]" with n not below the block's count
    BoxOutsideBlock,    // a box line with no count line above it
    BoxKindMismatch,    // "Clsn2[0]" under "Clsn1: n" (counted as the block's kind)
    CountUnreadable,    // "Clsn2: x" where x is not a number
    CountMismatch,      // the count disagrees with the boxes that follow
    BlockWithoutFrame,  // frame boxes that no frame of the action follows
    FrameUnreadable,    // fewer than five fields, or a field that is not a number
    OutsideAction,      // a frame, box or Loopstart before the first header
    HeaderUnreadable,   // [Begin Action x] where x is not a number
    LoopstartLast,      // Loopstart with no frame after it in its action
    UnknownLine,
};

struct AirProblem {
    AirProblemKind kind;
    std::int32_t line = 0;   // line index (0-based)
    std::int32_t block = -1; // the block concerned, when there is one
};

// A sentence describing a problem, for messages.
const char* describe(AirProblemKind kind);

class AirDocument {
public:
    AirDocument() = default;

    // Classifies every line of an AIR text. Never throws: a text that does not
    // fit in memory gives an empty document with ok() false.
    static AirDocument parse(std::string text);

    bool ok() const { return m_ok; }
    const std::string& text() const { return m_text; }
    bool hasByteOrderMark() const { return m_bom; }

    std::size_t lineCount() const { return m_lines.size(); }
    AirLineKind lineKind(std::size_t line) const { return m_lines[line].kind; }
    // The line's bytes without its end, and its end ("\r\n", "\n", "\r" or "").
    std::string_view lineText(std::size_t line) const;
    std::string_view lineEnd(std::size_t line) const;
    std::size_t lineOffset(std::size_t line) const { return m_lines[line].start; }

    const std::vector<AirAction>& actions() const { return m_actions; }
    const std::vector<AirFrame>& frames() const { return m_frames; }
    const std::vector<AirBoxBlock>& blocks() const { return m_blocks; }
    const std::vector<AirBoxLine>& boxLines() const { return m_boxLines; }
    const std::vector<AirProblem>& problems() const { return m_problems; }

    std::span<const AirFrame> frames(const AirAction& action) const;
    std::span<const AirBoxBlock> blocks(const AirAction& action) const;
    std::span<const AirBoxLine> boxLines(const AirBoxBlock& block) const;

    // The boxes of a kind a frame is drawn with: its own block, else the
    // action's default, else none.
    std::span<const AirBoxLine> boxesOf(const AirFrame& frame, BoxKind kind) const;

    // Index of the first action with this number, or -1.
    int findAction(int number) const;

private:
    struct Line {
        std::size_t start = 0;
        std::uint32_t length = 0;
        std::uint8_t endLength = 0;
        AirLineKind kind = AirLineKind::Unknown;
    };
    friend class AirParser;

    std::string m_text;
    bool m_ok = true;
    bool m_bom = false;
    std::vector<Line> m_lines;
    std::vector<AirAction> m_actions;
    std::vector<AirFrame> m_frames;
    std::vector<AirBoxBlock> m_blocks;
    std::vector<AirBoxLine> m_boxLines;
    std::vector<AirProblem> m_problems;
};

// Which box block an edit replaces: one frame's own block of a kind, or the
// action's default block of that kind (frame -1). Action and frame are
// indices: the action's place in the file, the frame's place in its action.
struct AirBlockTarget {
    int action = 0;
    int frame = -1;
    BoxKind kind = BoxKind::Clsn2;
};

// The text with one block's boxes replaced and every other byte kept. Box
// lines whose box and index are unchanged stay as written; in a changed one
// only the numbers that moved (in the order the line writes them: right to
// left stays right to left), the index and the kind are replaced. When the
// new boxes are the old ones with some left out, the lines of those go. New
// boxes are written left, top, right, bottom. The count line follows the new
// count; a block left empty is removed, and a frame or action without a block
// of that kind gets one (before the frame, or after the header). Nothing when the
// target does not exist, its block has a line that does not read, or a
// number lies outside -32768..32767.
std::optional<std::string> replaceBoxes(const AirDocument& document, const AirBlockTarget& target,
                                        const std::vector<AirBox>& boxes);
std::optional<std::string> replaceBoxes(std::string_view text, const AirBlockTarget& target,
                                        const std::vector<AirBox>& boxes);

} // namespace vantrel
