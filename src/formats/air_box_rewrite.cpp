// Rewriting one collision box block of an AIR text: every byte outside the
// block stays as it was, and inside it only what the edit changed.

#include "common/text.h"
#include "formats/air_document.h"
#include "formats/air_line_syntax.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vantrel {

namespace {

using air_syntax::kBoxMax;
using air_syntax::kBoxMin;
using air_syntax::withoutComment;

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
    const std::string_view content = trimBlanksAndTabs(withoutComment(old));
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
        const std::string_view number = trimBlanksAndTabs(field);
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
                    out +=
                        rewrittenBoxLine(doc.lineText(i), was, block.kind, static_cast<int>(boxIndex), boxes[boxIndex])
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
