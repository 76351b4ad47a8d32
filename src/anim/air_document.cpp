#include "air_document.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <stdexcept>

namespace vantrel {

namespace {

constexpr int kBoxMin = -32768;
constexpr int kBoxMax = 32767;

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view withoutComment(std::string_view line)
{
    const auto semicolon = line.find(';');
    return semicolon == std::string_view::npos ? line : line.substr(0, semicolon);
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

// A whole number, perhaps with a fraction that is dropped ("10", "-3",
// "4.5"), and nothing else but blanks around it. Saturates far outside any
// range the callers accept.
std::optional<std::int64_t> readNumber(std::string_view field, bool allowFraction)
{
    field = trimSpaces(field);
    std::size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        negative = field[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits)
        value = std::min<std::int64_t>(value * 10 + (field[i] - '0'), std::int64_t{1} << 40);
    if (allowFraction && i < field.size() && field[i] == '.') {
        ++i;
        for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
            ++digits;
    }
    if (digits == 0 || i != field.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::int32_t clampToInt32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::vector<std::string_view> splitCommas(std::string_view s)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = s.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(s.substr(start));
            return fields;
        }
        fields.push_back(s.substr(start, comma - start));
        start = comma + 1;
    }
}

// "clsn1", "clsn2", optionally "default", at the start of a line's content.
struct BoxKey {
    BoxKind kind = BoxKind::Clsn2;
    bool isDefault = false;
    std::size_t length = 0; // characters of the key
};

std::optional<BoxKey> readBoxKey(std::string_view content)
{
    if (!startsWithNoCase(content, "clsn") || content.size() < 5 || (content[4] != '1' && content[4] != '2'))
        return std::nullopt;
    BoxKey key;
    key.kind = content[4] == '1' ? BoxKind::Clsn1 : BoxKind::Clsn2;
    key.length = 5;
    if (startsWithNoCase(content.substr(5), "default")) {
        key.isDefault = true;
        key.length += 7;
    }
    return key;
}

struct BoxLineFields {
    BoxKind kind = BoxKind::Clsn2;
    std::optional<std::int64_t> index;
    std::string_view numbers; // after '='
    bool shaped = false;      // "ClsnN[...] = ..." at all
};

BoxLineFields readBoxLineFields(std::string_view content, const BoxKey& key)
{
    BoxLineFields f;
    f.kind = key.kind;
    std::string_view rest = trimSpaces(content.substr(key.length));
    if (rest.empty() || rest.front() != '[')
        return f;
    const auto close = rest.find(']');
    const auto equals = rest.find('=');
    if (close == std::string_view::npos || equals == std::string_view::npos || equals < close)
        return f;
    if (!trimSpaces(rest.substr(close + 1, equals - close - 1)).empty())
        return f;
    f.shaped = true;
    f.index = readNumber(rest.substr(1, close - 1), false);
    f.numbers = rest.substr(equals + 1);
    return f;
}

AirLineKind classify(std::string_view line)
{
    const std::string_view content = trimSpaces(withoutComment(line));
    if (content.empty())
        return trimSpaces(line).empty() ? AirLineKind::Blank : AirLineKind::Comment;
    if (content.front() == '[')
        return startsWithNoCase(trimSpaces(content.substr(1)), "begin") ? AirLineKind::ActionHeader
                                                                        : AirLineKind::Unknown;
    if (const auto key = readBoxKey(content)) {
        const std::string_view rest = trimSpaces(content.substr(key->length));
        if (!rest.empty() && rest.front() == ':')
            return AirLineKind::BoxCount;
        if (!rest.empty() && rest.front() == '[' && !key->isDefault)
            return AirLineKind::Box;
        return AirLineKind::Unknown;
    }
    if (startsWithNoCase(content, "loopstart") && trimSpaces(content.substr(9)).empty())
        return AirLineKind::Loopstart;
    if (startsWithNoCase(content, "interpolate"))
        return AirLineKind::Interpolate;
    const char c = content.front();
    if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.')
        return AirLineKind::Frame;
    return AirLineKind::Unknown;
}

// "[Begin Action n]": the number, when the header has the usual words and a number.
std::optional<std::int64_t> headerNumber(std::string_view content)
{
    content = trimSpaces(content);
    if (content.size() < 2 || content.front() != '[' || content.back() != ']')
        return std::nullopt;
    std::string_view inner = trimSpaces(content.substr(1, content.size() - 2));
    if (!startsWithNoCase(inner, "begin"))
        return std::nullopt;
    inner = inner.substr(5);
    if (inner.empty() || !isSpace(inner.front()))
        return std::nullopt;
    inner = trimSpaces(inner);
    if (!startsWithNoCase(inner, "action"))
        return std::nullopt;
    inner = inner.substr(6);
    if (inner.empty() || !isSpace(inner.front()))
        return std::nullopt;
    return readNumber(inner, false);
}

} // namespace

std::string describe(AirProblemKind kind)
{
    switch (kind) {
    case AirProblemKind::BoxUnreadable: return "box line does not read as four numbers";
    case AirProblemKind::BoxOutOfRange: return "box number outside -32768 to 32767";
    case AirProblemKind::BoxReversed: return "box written with left after right or top below bottom";
    case AirProblemKind::BoxIndexOutOfRange: return "box index not below the block's count";
    case AirProblemKind::BoxOutsideBlock: return "box line without a count line above it";
    case AirProblemKind::BoxKindMismatch: return "box line of the other kind than its count line";
    case AirProblemKind::CountUnreadable: return "box count is not a number";
    case AirProblemKind::CountMismatch: return "box count disagrees with the boxes that follow";
    case AirProblemKind::BlockWithoutFrame: return "boxes that no frame of the action follows";
    case AirProblemKind::FrameUnreadable: return "frame line does not read as group, image, x, y, time";
    case AirProblemKind::OutsideAction: return "line before the first action header";
    case AirProblemKind::HeaderUnreadable: return "action header without a readable number";
    case AirProblemKind::LoopstartLast: return "Loopstart with no frame after it";
    case AirProblemKind::UnknownLine: return "line not understood";
    }
    return "problem";
}

// Builds a document line by line; one pass, no look-back beyond the current action.
class AirParser {
public:
    explicit AirParser(AirDocument& d) : doc(d) { }

    void run()
    {
        splitLines();
        for (std::size_t i = 0; i < doc.m_lines.size(); ++i)
            readLine(static_cast<std::int32_t>(i));
        finishAction();
    }

private:
    void splitLines()
    {
        const std::string& t = doc.m_text;
        std::size_t pos = 0;
        if (t.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            doc.m_bom = true;
            pos = 3;
        }
        while (pos < t.size()) {
            std::size_t end = pos;
            while (end < t.size() && t[end] != '\r' && t[end] != '\n')
                ++end;
            std::uint8_t endLength = 0;
            if (end < t.size())
                endLength = (t[end] == '\r' && end + 1 < t.size() && t[end + 1] == '\n') ? 2 : 1;
            AirDocument::Line line;
            line.start = pos;
            line.length = static_cast<std::uint32_t>(end - pos);
            line.endLength = endLength;
            doc.m_lines.push_back(line);
            pos = end + endLength;
        }
    }

    void problem(AirProblemKind kind, std::int32_t line, std::int32_t block = -1)
    {
        doc.m_problems.push_back({kind, line, block});
    }

    void readLine(std::int32_t i)
    {
        const std::string_view text = doc.lineText(static_cast<std::size_t>(i));
        const AirLineKind kind = classify(text);
        doc.m_lines[static_cast<std::size_t>(i)].kind = kind;
        const std::string_view content = trimSpaces(withoutComment(text));
        switch (kind) {
        case AirLineKind::Blank:
        case AirLineKind::Comment: return; // a block may go on after a comment
        case AirLineKind::ActionHeader: startAction(i, content); return;
        case AirLineKind::BoxCount: startBlock(i, content); return;
        case AirLineKind::Box: addBox(i, content); return;
        case AirLineKind::Frame:
            closeBlock();
            addFrame(i, content);
            return;
        case AirLineKind::Loopstart:
            closeBlock();
            if (action < 0) {
                problem(AirProblemKind::OutsideAction, i);
                return;
            }
            current().loopStart = current().frameCount;
            current().loopstartLine = i;
            return;
        case AirLineKind::Interpolate: closeBlock(); return;
        case AirLineKind::Unknown:
            closeBlock();
            problem(AirProblemKind::UnknownLine, i);
            return;
        }
    }

    AirAction& current() { return doc.m_actions[static_cast<std::size_t>(action)]; }

    void startAction(std::int32_t line, std::string_view content)
    {
        finishAction();
        AirAction a;
        a.headerLine = line;
        a.lastLine = line;
        a.firstFrame = static_cast<std::int32_t>(doc.m_frames.size());
        a.firstBlock = static_cast<std::int32_t>(doc.m_blocks.size());
        if (const auto n = headerNumber(content);
            n && *n >= std::numeric_limits<std::int32_t>::min() && *n <= std::numeric_limits<std::int32_t>::max()) {
            a.number = static_cast<std::int32_t>(*n);
            a.numberReadable = true;
        } else {
            problem(AirProblemKind::HeaderUnreadable, line);
        }
        doc.m_actions.push_back(a);
        action = static_cast<std::int32_t>(doc.m_actions.size()) - 1;
        pending[0] = pending[1] = -1;
        defaults[0] = defaults[1] = -1;
    }

    void finishAction()
    {
        closeBlock();
        if (action < 0)
            return;
        AirAction& a = current();
        a.lastLine = static_cast<std::int32_t>(doc.m_lines.size()) - 1;
        for (int k = 0; k < 2; ++k) {
            if (pending[k] >= 0)
                problem(AirProblemKind::BlockWithoutFrame, doc.m_blocks[pending[k]].countLine, pending[k]);
            pending[k] = -1;
        }
        if (a.loopStart >= 0 && a.loopStart >= a.frameCount)
            problem(AirProblemKind::LoopstartLast, a.loopstartLine);
        a.blockCount = static_cast<std::int32_t>(doc.m_blocks.size()) - a.firstBlock;
    }

    void startBlock(std::int32_t line, std::string_view content)
    {
        closeBlock();
        const BoxKey key = *readBoxKey(content);
        AirBoxBlock b;
        b.kind = key.kind;
        b.isDefault = key.isDefault;
        b.action = action;
        b.countLine = line;
        b.firstBox = static_cast<std::int32_t>(doc.m_boxLines.size());
        std::string_view rest = trimSpaces(content.substr(key.length));
        rest.remove_prefix(1); // the ':'
        if (const auto n = readNumber(rest, false); n && *n >= 0 && *n <= kBoxMax)
            b.declaredCount = static_cast<std::int32_t>(*n);
        doc.m_blocks.push_back(b);
        const auto index = static_cast<std::int32_t>(doc.m_blocks.size()) - 1;
        if (b.declaredCount < 0)
            problem(AirProblemKind::CountUnreadable, line, index);
        open = index;
        const int k = static_cast<int>(key.kind);
        if (action < 0) {
            problem(AirProblemKind::OutsideAction, line, index);
        } else if (key.isDefault) {
            // The first default of a kind also covers the frames above it.
            if (defaults[k] < 0) {
                AirAction& a = current();
                for (std::int32_t f = a.firstFrame; f < a.firstFrame + a.frameCount; ++f)
                    doc.m_frames[static_cast<std::size_t>(f)].defaultBlock[k] = index;
            }
            defaults[k] = index;
        } else {
            if (pending[k] >= 0)
                problem(AirProblemKind::BlockWithoutFrame, doc.m_blocks[pending[k]].countLine, pending[k]);
            pending[k] = index;
        }
    }

    void addBox(std::int32_t line, std::string_view content)
    {
        const BoxKey key = *readBoxKey(content);
        if (open < 0) {
            problem(AirProblemKind::BoxOutsideBlock, line);
            return;
        }
        // A box line of the other kind still belongs to the count above it,
        // as the count says how many lines follow.
        if (doc.m_blocks[open].kind != key.kind)
            problem(AirProblemKind::BoxKindMismatch, line, open);
        const BoxLineFields f = readBoxLineFields(content, key);
        AirBoxLine box;
        box.line = line;
        box.writtenKind = key.kind;
        box.writtenIndex = f.index && *f.index <= kBoxMax ? static_cast<std::int32_t>(*f.index) : -1;
        bool readable = f.shaped && box.writtenIndex >= 0;
        bool inRange = true;
        std::int64_t v[4] = {0, 0, 0, 0};
        if (readable) {
            const auto fields = splitCommas(f.numbers);
            if (fields.size() < 4)
                readable = false;
            for (std::size_t n = 0; readable && n < 4; ++n) {
                const auto value = readNumber(fields[n], true);
                if (!value) {
                    readable = false;
                    break;
                }
                v[n] = *value;
                if (*value < kBoxMin || *value > kBoxMax)
                    inRange = false;
            }
        }
        if (readable) {
            for (auto& x : v)
                x = std::clamp<std::int64_t>(x, kBoxMin, kBoxMax);
            box.box = {static_cast<int>(std::min(v[0], v[2])), static_cast<int>(std::min(v[1], v[3])),
                       static_cast<int>(std::max(v[0], v[2])), static_cast<int>(std::max(v[1], v[3]))};
            box.reversed = v[0] > v[2] || v[1] > v[3];
            box.leftAfterRight = v[0] > v[2];
            box.topAfterBottom = v[1] > v[3];
        }
        box.readable = readable && inRange;
        doc.m_boxLines.push_back(box);
        ++doc.m_blocks[open].boxCount;
        if (!readable)
            problem(AirProblemKind::BoxUnreadable, line, open);
        else if (!inRange)
            problem(AirProblemKind::BoxOutOfRange, line, open);
        else if (box.reversed)
            problem(AirProblemKind::BoxReversed, line, open);
    }

    void closeBlock()
    {
        if (open < 0)
            return;
        AirBoxBlock& b = doc.m_blocks[open];
        bool readable = b.declaredCount >= 0;
        for (const AirBoxLine& box : doc.boxLines(b)) {
            readable = readable && box.readable;
            if (box.readable && b.declaredCount >= 0 && box.writtenIndex >= b.declaredCount)
                problem(AirProblemKind::BoxIndexOutOfRange, box.line, open);
        }
        b.readable = readable;
        if (b.declaredCount >= 0 && b.declaredCount != b.boxCount)
            problem(AirProblemKind::CountMismatch, b.countLine, open);
        open = -1;
    }

    void addFrame(std::int32_t line, std::string_view content)
    {
        if (action < 0) {
            problem(AirProblemKind::OutsideAction, line);
            return;
        }
        AirFrame f;
        f.line = line;
        f.action = action;
        const auto fields = splitCommas(content);
        bool readable = fields.size() >= 5;
        std::int32_t* targets[5] = {&f.group, &f.image, &f.x, &f.y, &f.time};
        for (std::size_t n = 0; n < 5 && n < fields.size(); ++n) {
            const auto value = readNumber(fields[n], n >= 2);
            if (value)
                *targets[n] = clampToInt32(*value);
            else
                readable = false;
        }
        f.readable = readable;
        if (!readable)
            problem(AirProblemKind::FrameUnreadable, line);
        f.ownBlock[0] = pending[0];
        f.ownBlock[1] = pending[1];
        f.defaultBlock[0] = defaults[0];
        f.defaultBlock[1] = defaults[1];
        pending[0] = pending[1] = -1;
        doc.m_frames.push_back(f);
        ++current().frameCount;
    }

    AirDocument& doc;
    std::int32_t action = -1;
    std::int32_t open = -1;             // the block box lines are added to
    std::int32_t pending[2] = {-1, -1}; // frame blocks waiting for their frame
    std::int32_t defaults[2] = {-1, -1};
};

AirDocument AirDocument::parse(std::string text)
{
    AirDocument doc;
    try {
        doc.m_text = std::move(text);
        AirParser(doc).run();
    } catch (const std::exception&) {
        doc = AirDocument();
        doc.m_ok = false;
    }
    return doc;
}

std::string_view AirDocument::lineText(std::size_t line) const
{
    const Line& l = m_lines[line];
    return std::string_view(m_text).substr(l.start, l.length);
}

std::string_view AirDocument::lineEnd(std::size_t line) const
{
    const Line& l = m_lines[line];
    return std::string_view(m_text).substr(l.start + l.length, l.endLength);
}

std::span<const AirFrame> AirDocument::frames(const AirAction& action) const
{
    return std::span<const AirFrame>(m_frames).subspan(static_cast<std::size_t>(action.firstFrame),
                                                       static_cast<std::size_t>(action.frameCount));
}

std::span<const AirBoxBlock> AirDocument::blocks(const AirAction& action) const
{
    return std::span<const AirBoxBlock>(m_blocks).subspan(static_cast<std::size_t>(action.firstBlock),
                                                          static_cast<std::size_t>(action.blockCount));
}

std::span<const AirBoxLine> AirDocument::boxLines(const AirBoxBlock& block) const
{
    return std::span<const AirBoxLine>(m_boxLines)
        .subspan(static_cast<std::size_t>(block.firstBox), static_cast<std::size_t>(block.boxCount));
}

std::span<const AirBoxLine> AirDocument::boxesOf(const AirFrame& frame, BoxKind kind) const
{
    const int k = static_cast<int>(kind);
    const std::int32_t block = frame.ownBlock[k] >= 0 ? frame.ownBlock[k] : frame.defaultBlock[k];
    if (block < 0)
        return {};
    return boxLines(m_blocks[static_cast<std::size_t>(block)]);
}

int AirDocument::findAction(int number) const
{
    for (std::size_t i = 0; i < m_actions.size(); ++i) {
        if (m_actions[i].numberReadable && m_actions[i].number == number)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {

std::string boxNumbers(const AirBox& b)
{
    return std::to_string(b.left) + ", " + std::to_string(b.top) + ", " + std::to_string(b.right) + ", "
        + std::to_string(b.bottom);
}

// The four numbers of a box in the order a line writes them: a line written
// right to left or from the feet up keeps that order when its box changes.
std::array<int, 4> writtenNumbers(const AirBox& b, const AirBoxLine& line)
{
    return {line.leftAfterRight ? b.right : b.left, line.topAfterBottom ? b.bottom : b.top,
            line.leftAfterRight ? b.left : b.right, line.topAfterBottom ? b.top : b.bottom};
}

// An old box line with only what changed replaced: the kind and index of its
// key, and each number whose value moved, in the place it was written. Blanks,
// the order of the numbers, anything after the fourth and the comment stay.
std::string rewrittenBoxLine(std::string_view old, const AirBoxLine& was, BoxKind kind, int index, const AirBox& box)
{
    const std::string_view content = trimSpaces(withoutComment(old));
    const std::size_t keyAt = static_cast<std::size_t>(content.data() - old.data());
    const std::size_t open = old.find('[', keyAt);
    const std::size_t close = old.find(']', open);
    const std::size_t equals = old.find('=', close);
    const std::size_t contentEnd = keyAt + content.size();

    std::string line(old.substr(0, open));
    line[keyAt + 4] = kind == BoxKind::Clsn1 ? '1' : '2';
    if (was.writtenIndex == index) {
        line += old.substr(open, equals + 1 - open);
    } else {
        line += "[" + std::to_string(index);
        line += old.substr(close, equals + 1 - close);
    }

    const std::array<int, 4> before = writtenNumbers(was.box, was);
    const std::array<int, 4> after = writtenNumbers(box, was);
    std::size_t at = equals + 1;
    for (std::size_t n = 0; n < 4; ++n) {
        if (n > 0)
            line += old[at++]; // the comma
        const std::size_t end = std::min(old.find(',', at), contentEnd);
        const std::string_view field = old.substr(at, end - at);
        const std::string_view number = trimSpaces(field);
        const std::size_t numberAt = static_cast<std::size_t>(number.data() - field.data());
        line += field.substr(0, numberAt);
        line += before[n] == after[n] ? std::string(number) : std::to_string(after[n]);
        line += field.substr(numberAt + number.size());
        at = end;
    }
    line += old.substr(at);
    return line;
}

std::string freshBoxLine(std::string_view indent, BoxKind kind, int index, const AirBox& box)
{
    return std::string(indent) + (kind == BoxKind::Clsn1 ? "Clsn1[" : "Clsn2[") + std::to_string(index)
        + "] = " + boxNumbers(box);
}

// The count line with only the digits of its count replaced.
std::string rewrittenCountLine(std::string_view old, std::size_t count)
{
    const std::size_t colon = old.find(':');
    const std::size_t first = old.find_first_of("0123456789", colon);
    std::size_t last = first;
    while (last < old.size() && old[last] >= '0' && old[last] <= '9')
        ++last;
    return std::string(old.substr(0, first)) + std::to_string(count) + std::string(old.substr(last));
}

bool inBoxRange(const AirBox& b)
{
    for (int v : {b.left, b.top, b.right, b.bottom}) {
        if (v < kBoxMin || v > kBoxMax)
            return false;
    }
    return true;
}

std::string_view usualLineEnd(const AirDocument& doc)
{
    for (std::size_t i = 0; i < doc.lineCount(); ++i) {
        if (!doc.lineEnd(i).empty())
            return doc.lineEnd(i);
    }
    return "\n";
}

std::string_view usualBoxIndent(const AirDocument& doc)
{
    if (doc.boxLines().empty())
        return " ";
    const std::string_view line = doc.lineText(static_cast<std::size_t>(doc.boxLines().front().line));
    return line.substr(0, line.find_first_not_of(" \t"));
}

// The old box lines that go when the new boxes are the old ones with some
// left out: deleting a box removes its line and leaves the others as written.
// Nothing goes otherwise; the lines then take the new boxes in turn.
std::vector<bool> droppedLines(std::span<const AirBoxLine> old, const std::vector<AirBox>& boxes)
{
    std::vector<bool> dropped(old.size(), false);
    if (boxes.size() >= old.size())
        return dropped;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (kept < boxes.size() && old[i].box == boxes[kept])
            ++kept;
        else
            dropped[i] = true;
    }
    if (kept < boxes.size())
        std::fill(dropped.begin(), dropped.end(), false);
    return dropped;
}

std::optional<std::string> rewriteBlock(const AirDocument& doc, const AirBoxBlock& block,
                                        const std::vector<AirBox>& boxes)
{
    if (!block.readable)
        return std::nullopt;
    const std::string& text = doc.text();
    const auto old = doc.boxLines(block);
    const std::size_t firstLine = static_cast<std::size_t>(block.countLine);
    const std::size_t lastLine = old.empty() ? firstLine : static_cast<std::size_t>(old.back().line);

    std::string out;
    out.reserve(text.size() + 64 * boxes.size());
    out.append(text, 0, doc.lineOffset(firstLine));
    auto copyLine = [&](std::size_t i) {
        out += doc.lineText(i);
        out += doc.lineEnd(i);
    };

    if (boxes.empty()) {
        // The block goes; comments and blanks between its lines stay.
        for (std::size_t i = firstLine; i <= lastLine; ++i) {
            const AirLineKind kind = doc.lineKind(i);
            if (kind != AirLineKind::BoxCount && kind != AirLineKind::Box)
                copyLine(i);
        }
    } else {
        const std::string_view end = doc.lineEnd(lastLine).empty() ? usualLineEnd(doc) : doc.lineEnd(lastLine);
        if (block.declaredCount == static_cast<std::int32_t>(boxes.size()))
            copyLine(firstLine);
        else
            out += rewrittenCountLine(doc.lineText(firstLine), boxes.size()) + std::string(doc.lineEnd(firstLine));
        const std::vector<bool> dropped = droppedLines(old, boxes);
        std::size_t oldIndex = 0;
        std::size_t boxIndex = 0;
        for (std::size_t i = firstLine + 1; i <= lastLine; ++i) {
            if (doc.lineKind(i) != AirLineKind::Box) {
                copyLine(i);
                continue;
            }
            const AirBoxLine& was = old[oldIndex];
            if (!dropped[oldIndex++] && boxIndex < boxes.size()) {
                if (was.box == boxes[boxIndex] && was.writtenIndex == static_cast<int>(boxIndex)
                    && was.writtenKind == block.kind)
                    copyLine(i);
                else
                    out += rewrittenBoxLine(doc.lineText(i), was, block.kind, static_cast<int>(boxIndex),
                                            boxes[boxIndex])
                        + std::string(doc.lineEnd(i));
                ++boxIndex;
            }
        }
        if (boxIndex < boxes.size()) {
            // New boxes follow the last line of the block, in its indentation.
            const std::string_view last = doc.lineText(lastLine);
            const std::string_view indent =
                old.empty() ? usualBoxIndent(doc) : last.substr(0, last.find_first_not_of(" \t"));
            const bool hadEnd = !doc.lineEnd(lastLine).empty();
            if (!hadEnd)
                out += end;
            for (; boxIndex < boxes.size(); ++boxIndex) {
                out += freshBoxLine(indent, block.kind, static_cast<int>(boxIndex), boxes[boxIndex]);
                if (hadEnd || boxIndex + 1 < boxes.size())
                    out += end;
            }
        }
    }
    out.append(text, doc.lineOffset(lastLine) + doc.lineText(lastLine).size() + doc.lineEnd(lastLine).size());
    return out;
}

// A new block: before line `at` (a frame), or after it (a header).
std::string insertBlock(const AirDocument& doc, std::size_t at, bool after, BoxKind kind, bool isDefault,
                        const std::vector<AirBox>& boxes)
{
    const std::string& text = doc.text();
    const std::string_view end = doc.lineEnd(at).empty() ? usualLineEnd(doc) : doc.lineEnd(at);
    std::vector<std::string> lines;
    std::string count = kind == BoxKind::Clsn1 ? "Clsn1" : "Clsn2";
    if (isDefault)
        count += "Default";
    lines.push_back(count + ": " + std::to_string(boxes.size()));
    for (std::size_t i = 0; i < boxes.size(); ++i)
        lines.push_back(freshBoxLine(usualBoxIndent(doc), kind, static_cast<int>(i), boxes[i]));

    std::string out;
    out.reserve(text.size() + 64 * lines.size());
    if (!after) {
        out.append(text, 0, doc.lineOffset(at));
        for (const auto& l : lines)
            out += l + std::string(end);
        out.append(text, doc.lineOffset(at));
        return out;
    }
    const std::size_t lineEndAt = doc.lineOffset(at) + doc.lineText(at).size();
    const bool hadEnd = !doc.lineEnd(at).empty();
    out.append(text, 0, lineEndAt + doc.lineEnd(at).size());
    if (!hadEnd)
        out += end;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (hadEnd || i + 1 < lines.size())
            out += end;
    }
    out.append(text, lineEndAt + doc.lineEnd(at).size());
    return out;
}

} // namespace

std::optional<std::string> replaceBoxes(const AirDocument& doc, const AirBlockTarget& target,
                                        const std::vector<AirBox>& boxes)
{
    try {
        if (!doc.ok() || target.action < 0 || static_cast<std::size_t>(target.action) >= doc.actions().size())
            return std::nullopt;
        for (const AirBox& b : boxes) {
            if (!inBoxRange(b))
                return std::nullopt;
        }
        const AirAction& action = doc.actions()[static_cast<std::size_t>(target.action)];
        const int k = static_cast<int>(target.kind);
        if (target.frame >= 0) {
            if (target.frame >= action.frameCount)
                return std::nullopt;
            const AirFrame& frame = doc.frames(action)[static_cast<std::size_t>(target.frame)];
            if (frame.ownBlock[k] >= 0)
                return rewriteBlock(doc, doc.blocks()[static_cast<std::size_t>(frame.ownBlock[k])], boxes);
            if (boxes.empty())
                return doc.text();
            return insertBlock(doc, static_cast<std::size_t>(frame.line), false, target.kind, false, boxes);
        }
        if (target.frame != -1)
            return std::nullopt;
        for (const AirBoxBlock& block : doc.blocks(action)) {
            if (block.isDefault && block.kind == target.kind)
                return rewriteBlock(doc, block, boxes);
        }
        if (boxes.empty())
            return doc.text();
        return insertBlock(doc, static_cast<std::size_t>(action.headerLine), true, target.kind, true, boxes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> replaceBoxes(std::string_view text, const AirBlockTarget& target,
                                        const std::vector<AirBox>& boxes)
{
    try {
        return replaceBoxes(AirDocument::parse(std::string(text)), target, boxes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace vantrel
