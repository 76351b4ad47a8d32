// Frame and action edits as new texts, built by copying the old text's lines
// in a new order and adding or replacing as few as the edit needs.

#include "formats/air_edit.h"

#include "common/text.h"
#include "formats/air_line_syntax.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace vantrel {

namespace {

using air_syntax::withoutComment;

std::string_view contentOf(std::string_view line)
{
    return trimBlanksAndTabs(withoutComment(line));
}

// The line end of a line, or of the one before it when it has none (the last
// line of a text without a final line end).
std::string_view endNear(const AirDocument& doc, std::size_t line)
{
    if (line < doc.lineCount() && !doc.lineEnd(line).empty())
        return doc.lineEnd(line);
    if (line > 0 && line - 1 < doc.lineCount() && !doc.lineEnd(line - 1).empty())
        return doc.lineEnd(line - 1);
    return "\n";
}

// Writes a new text out of whole lines of the old one and new lines.
class LineWriter {
public:
    explicit LineWriter(const AirDocument& doc) : m_doc(doc)
    {
        m_out.reserve(doc.text().size() + 256);
        if (doc.lineCount() > 0)
            m_out.append(doc.text(), 0, doc.lineOffset(0)); // the byte-order mark
    }

    // Lines [first, end) with their ends; a line without one gets the end near it.
    void copy(std::size_t first, std::size_t end)
    {
        if (first >= end)
            return;
        const std::size_t last = end - 1;
        const std::size_t from = m_doc.lineOffset(first);
        const std::size_t to = m_doc.lineOffset(last) + m_doc.lineText(last).size() + m_doc.lineEnd(last).size();
        m_out.append(m_doc.text(), from, to - from);
        if (m_doc.lineEnd(last).empty())
            m_out += endNear(m_doc, last);
    }

    void add(std::string_view line, std::string_view end)
    {
        m_out += line;
        m_out += end;
    }

    // The text, ending with a line end exactly when the old one did.
    std::string finish()
    {
        const std::size_t lines = m_doc.lineCount();
        if (lines > 0 && m_doc.lineEnd(lines - 1).empty()) {
            while (!m_out.empty() && (m_out.back() == '\n' || m_out.back() == '\r'))
                m_out.pop_back();
        }
        return std::move(m_out);
    }

private:
    const AirDocument& m_doc;
    std::string m_out;
};

const AirAction* actionAt(const AirDocument& doc, int action)
{
    if (!doc.ok() || action < 0 || static_cast<std::size_t>(action) >= doc.actions().size())
        return nullptr;
    return &doc.actions()[static_cast<std::size_t>(action)];
}

const AirFrame* frameAt(const AirDocument& doc, AirFramePlace place)
{
    const AirAction* action = actionAt(doc, place.action);
    if (!action || place.frame < 0 || place.frame >= action->frameCount)
        return nullptr;
    return &doc.frames(*action)[static_cast<std::size_t>(place.frame)];
}

bool isDefaultCount(std::string_view line)
{
    const auto key = air_syntax::readBoxKey(contentOf(line));
    return key && key->isDefault;
}

// A frame's own lines: [first, frame line].
struct FrameLines {
    std::size_t first = 0;
    std::size_t frame = 0;
    std::size_t end() const { return frame + 1; }
};

std::optional<FrameLines> frameLines(const AirDocument& doc, const AirAction& action, int index)
{
    const AirFrame& frame = doc.frames(action)[static_cast<std::size_t>(index)];
    const std::size_t gapStart = static_cast<std::size_t>(
        index > 0 ? doc.frames(action)[static_cast<std::size_t>(index) - 1].line + 1 : action.headerLine + 1);
    FrameLines lines{static_cast<std::size_t>(frame.line), static_cast<std::size_t>(frame.line)};
    for (const std::int32_t block : frame.ownBlock) {
        if (block >= 0)
            lines.first = std::min(lines.first, static_cast<std::size_t>(doc.blocks()[block].countLine));
    }
    for (std::size_t i = gapStart; i < lines.first; ++i) {
        if (doc.lineKind(i) == AirLineKind::Interpolate) {
            lines.first = i;
            break;
        }
    }
    for (std::size_t i = lines.first; i < lines.frame; ++i) {
        const AirLineKind kind = doc.lineKind(i);
        const bool own = kind == AirLineKind::Box || kind == AirLineKind::Interpolate || kind == AirLineKind::Comment
            || kind == AirLineKind::Blank || (kind == AirLineKind::BoxCount && !isDefaultCount(doc.lineText(i)));
        if (!own)
            return std::nullopt;
    }
    return lines;
}

// The frame's own lines without its Interpolate lines, each with a line end.
void appendCopy(const AirDocument& doc, const FrameLines& lines, std::string_view end, std::string& out)
{
    for (std::size_t i = lines.first; i < lines.end(); ++i) {
        if (doc.lineKind(i) == AirLineKind::Interpolate)
            continue;
        out += doc.lineText(i);
        out += doc.lineEnd(i).empty() ? end : doc.lineEnd(i);
    }
}

// The last line of an action that is neither blank nor a comment.
std::size_t lastContentLine(const AirDocument& doc, const AirAction& action)
{
    std::size_t last = static_cast<std::size_t>(action.lastLine);
    while (last > static_cast<std::size_t>(action.headerLine)
           && (doc.lineKind(last) == AirLineKind::Blank || doc.lineKind(last) == AirLineKind::Comment))
        --last;
    return last;
}

// The line before which frame `position` of the action goes.
std::optional<std::size_t> insertionLine(const AirDocument& doc, const AirAction& action, int position)
{
    if (position < 0 || position > action.frameCount)
        return std::nullopt;
    if (position > 0)
        return static_cast<std::size_t>(doc.frames(action)[static_cast<std::size_t>(position) - 1].line) + 1;
    if (action.frameCount == 0)
        return lastContentLine(doc, action) + 1;
    const auto first = frameLines(doc, action, 0);
    if (!first)
        return std::nullopt;
    return first->first;
}

// The text with `lines` (each ending with a line end) put before line `at`.
std::string insertLines(const AirDocument& doc, std::size_t at, std::string_view lines)
{
    LineWriter w(doc);
    w.copy(0, at);
    w.add(lines, "");
    w.copy(at, doc.lineCount());
    return w.finish();
}

std::string_view endBefore(const AirDocument& doc, std::size_t at)
{
    return endNear(doc, at > 0 ? at - 1 : 0);
}

// Copied frames checked and given the line end of the place they go to.
std::optional<std::string> clipLines(std::string_view clip, std::string_view end)
{
    const AirDocument doc = AirDocument::parse(std::string(clip));
    if (!doc.ok())
        return std::nullopt;
    std::string out;
    bool frameLast = false;
    bool anyFrame = false;
    for (std::size_t i = 0; i < doc.lineCount(); ++i) {
        const AirLineKind kind = doc.lineKind(i);
        switch (kind) {
        case AirLineKind::Frame: frameLast = anyFrame = true; break;
        case AirLineKind::Box: frameLast = false; break;
        case AirLineKind::BoxCount:
            if (isDefaultCount(doc.lineText(i)))
                return std::nullopt;
            frameLast = false;
            break;
        case AirLineKind::Blank:
        case AirLineKind::Comment: break;
        default: return std::nullopt;
        }
        out += doc.lineText(i);
        out += end;
    }
    if (!anyFrame || !frameLast)
        return std::nullopt;
    return out;
}

// Whether an action other than `except` has the number.
bool numberTaken(const AirDocument& doc, int number, int except = -1)
{
    for (std::size_t i = 0; i < doc.actions().size(); ++i) {
        const AirAction& a = doc.actions()[i];
        if (static_cast<int>(i) != except && a.numberReadable && a.number == number)
            return true;
    }
    return false;
}

// Where the number of a header line stands: offset and length.
std::optional<std::pair<std::size_t, std::size_t>> headerNumberAt(std::string_view line)
{
    const std::string_view content = withoutComment(line);
    if (!air_syntax::headerNumber(contentOf(line)))
        return std::nullopt;
    std::size_t end = content.rfind(']');
    while (end > 0 && (content[end - 1] == ' ' || content[end - 1] == '\t'))
        --end;
    std::size_t start = end;
    while (start > 0 && content[start - 1] != ' ' && content[start - 1] != '\t')
        --start;
    return std::pair{start, end - start};
}

std::string headerWithNumber(std::string_view line, int number)
{
    const auto at = headerNumberAt(line);
    std::string out(line);
    return out.replace(at->first, at->second, std::to_string(number));
}

// The text with new lines after the last action, a blank line before them.
std::string appendLines(const AirDocument& doc, const std::vector<std::string>& lines)
{
    const std::size_t count = doc.lineCount();
    const std::string_view end = count > 0 ? endNear(doc, count - 1) : "\n";
    LineWriter w(doc);
    w.copy(0, count);
    if (count > 0 && doc.lineKind(count - 1) != AirLineKind::Blank)
        w.add("", end);
    for (const std::string& line : lines)
        w.add(line, end);
    return w.finish();
}

// The action's lines without its Loopstart lines; with one before line
// `loopBefore` when that is given.
std::string withLoopstart(const AirDocument& doc, const AirAction& action, std::optional<std::size_t> loopBefore)
{
    LineWriter w(doc);
    const auto header = static_cast<std::size_t>(action.headerLine);
    const auto end = static_cast<std::size_t>(action.lastLine) + 1;
    w.copy(0, header);
    for (std::size_t i = header; i < end; ++i) {
        if (loopBefore == i)
            w.add("Loopstart", endBefore(doc, i));
        if (doc.lineKind(i) != AirLineKind::Loopstart)
            w.copy(i, i + 1);
    }
    w.copy(end, doc.lineCount());
    return w.finish();
}

std::size_t loopstartLines(const AirDocument& doc, const AirAction& action)
{
    std::size_t count = 0;
    for (auto i = static_cast<std::size_t>(action.headerLine); i <= static_cast<std::size_t>(action.lastLine); ++i)
        count += doc.lineKind(i) == AirLineKind::Loopstart ? 1 : 0;
    return count;
}

// Runs an edit on a parsed text; an edit that runs out of memory gives nothing.
template <typename Edit> std::optional<std::string> edit(std::string_view text, Edit&& change)
{
    try {
        const AirDocument doc = AirDocument::parse(std::string(text));
        if (!doc.ok())
            return std::nullopt;
        return change(doc);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> setFrameFields(std::string_view text, AirFramePlace place, const AirFrameFields& fields)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirFrame* frame = frameAt(doc, place);
        if (!frame)
            return std::nullopt;
        const auto line = static_cast<std::size_t>(frame->line);
        LineWriter w(doc);
        w.copy(0, line);
        w.add(formatFrameLine(doc.lineText(line), fields), doc.lineEnd(line));
        w.copy(line + 1, doc.lineCount());
        return w.finish();
    });
}

std::optional<std::string> insertFrame(std::string_view text, int action, int position, const AirFrameFields& fields)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        const auto at = a ? insertionLine(doc, *a, position) : std::nullopt;
        if (!at)
            return std::nullopt;
        return insertLines(doc, *at, formatFrameLine("", fields) + std::string(endBefore(doc, *at)));
    });
}

std::optional<std::string> duplicateFrame(std::string_view text, AirFramePlace place)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirFrame* frame = frameAt(doc, place);
        const auto lines = frame ? frameLines(doc, doc.actions()[place.action], place.frame) : std::nullopt;
        if (!lines)
            return std::nullopt;
        std::string copy;
        appendCopy(doc, *lines, endNear(doc, lines->frame), copy);
        return insertLines(doc, lines->end(), copy);
    });
}

std::optional<std::string> deleteFrame(std::string_view text, AirFramePlace place)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        if (!frameAt(doc, place))
            return std::nullopt;
        const AirAction& action = doc.actions()[static_cast<std::size_t>(place.action)];
        const auto lines = frameLines(doc, action, place.frame);
        if (!lines)
            return std::nullopt;
        LineWriter w(doc);
        const bool loopGoes = action.loopStart == place.frame && place.frame == action.frameCount - 1;
        const auto loopLine = static_cast<std::size_t>(action.loopstartLine);
        if (loopGoes && loopLine < lines->first) {
            w.copy(0, loopLine);
            w.copy(loopLine + 1, lines->first);
        } else {
            w.copy(0, lines->first);
        }
        w.copy(lines->end(), doc.lineCount());
        return w.finish();
    });
}

std::optional<std::string> moveFrame(std::string_view text, AirFramePlace place, FrameMove direction)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        if (!frameAt(doc, place))
            return std::nullopt;
        const AirAction& action = doc.actions()[static_cast<std::size_t>(place.action)];
        // Moving a frame down is moving the next one up.
        const int lower = direction == FrameMove::Up ? place.frame : place.frame + 1;
        if (lower < 1 || lower >= action.frameCount)
            return std::nullopt;
        const auto upper = frameLines(doc, action, lower - 1);
        const auto moving = frameLines(doc, action, lower);
        if (!upper || !moving)
            return std::nullopt;
        LineWriter w(doc);
        w.copy(0, upper->first);
        w.copy(moving->first, moving->end());
        w.copy(upper->end(), moving->first);
        w.copy(upper->first, upper->end());
        w.copy(moving->end(), doc.lineCount());
        return w.finish();
    });
}

std::optional<std::string> copyFrames(std::string_view text, int action, int first, int count)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        if (!a || first < 0 || count < 1 || count > a->frameCount - first)
            return std::nullopt;
        std::string out;
        for (int f = first; f < first + count; ++f) {
            const auto lines = frameLines(doc, *a, f);
            if (!lines)
                return std::nullopt;
            appendCopy(doc, *lines, endNear(doc, lines->frame), out);
        }
        return out;
    });
}

std::optional<std::string> pasteFrames(std::string_view text, int action, int position, std::string_view frames)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        const auto at = a ? insertionLine(doc, *a, position) : std::nullopt;
        if (!at)
            return std::nullopt;
        const auto lines = clipLines(frames, endBefore(doc, *at));
        if (!lines)
            return std::nullopt;
        return insertLines(doc, *at, *lines);
    });
}

std::optional<std::string> setLoopStart(std::string_view text, AirFramePlace place)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        if (!frameAt(doc, place))
            return std::nullopt;
        const AirAction& action = doc.actions()[static_cast<std::size_t>(place.action)];
        const auto lines = frameLines(doc, action, place.frame);
        if (!lines)
            return std::nullopt;
        if (action.loopStart == place.frame && loopstartLines(doc, action) == 1)
            return doc.text();
        return withLoopstart(doc, action, lines->first);
    });
}

std::optional<std::string> clearLoopStart(std::string_view text, int action)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        if (!a)
            return std::nullopt;
        return withLoopstart(doc, *a, std::nullopt);
    });
}

int nextFreeActionNumber(const AirDocument& document, int from)
{
    std::vector<int> used;
    for (const AirAction& a : document.actions()) {
        if (a.numberReadable && a.number >= from)
            used.push_back(a.number);
    }
    std::sort(used.begin(), used.end());
    int candidate = from;
    for (const int n : used) {
        if (n > candidate)
            break;
        if (n == candidate && candidate < std::numeric_limits<int>::max())
            ++candidate;
    }
    return candidate;
}

std::optional<std::string> appendAction(std::string_view text, int number, const std::vector<AirSprite>& sprites)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        if (numberTaken(doc, number))
            return std::nullopt;
        std::vector<std::string> lines{"[Begin Action " + std::to_string(number) + "]"};
        for (const AirSprite& s : sprites) {
            AirFrameFields f;
            f.group = s.group;
            f.image = s.image;
            f.time = 5;
            lines.push_back(formatFrameLine("", f));
        }
        return appendLines(doc, lines);
    });
}

std::optional<std::string> duplicateAction(std::string_view text, int action, int number)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        if (!a || !a->numberReadable || numberTaken(doc, number))
            return std::nullopt;
        const auto header = static_cast<std::size_t>(a->headerLine);
        std::vector<std::string> lines{headerWithNumber(doc.lineText(header), number)};
        const std::size_t last = lastContentLine(doc, *a);
        for (std::size_t i = header + 1; i <= last; ++i)
            lines.emplace_back(doc.lineText(i));
        return appendLines(doc, lines);
    });
}

std::optional<std::string> renumberAction(std::string_view text, int action, int number)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        if (!a || !a->numberReadable || numberTaken(doc, number, action))
            return std::nullopt;
        if (a->number == number)
            return doc.text();
        const auto header = static_cast<std::size_t>(a->headerLine);
        LineWriter w(doc);
        w.copy(0, header);
        w.add(headerWithNumber(doc.lineText(header), number), doc.lineEnd(header));
        w.copy(header + 1, doc.lineCount());
        return w.finish();
    });
}

std::optional<std::string> deleteAction(std::string_view text, int action)
{
    return edit(text, [&](const AirDocument& doc) -> std::optional<std::string> {
        const AirAction* a = actionAt(doc, action);
        if (!a)
            return std::nullopt;
        LineWriter w(doc);
        w.copy(0, static_cast<std::size_t>(a->headerLine));
        w.copy(static_cast<std::size_t>(a->lastLine) + 1, doc.lineCount());
        return w.finish();
    });
}

} // namespace vantrel
