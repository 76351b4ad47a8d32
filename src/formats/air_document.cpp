#include "formats/air_document.h"

#include "common/text.h"
#include "common/translatable.h"
#include "formats/air_line_syntax.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

namespace vantrel {

namespace {

using air_syntax::BoxKey;
using air_syntax::BoxLineFields;
using air_syntax::clampToInt32;
using air_syntax::classify;
using air_syntax::headerNumber;
using air_syntax::kBoxMax;
using air_syntax::kBoxMin;
using air_syntax::readBoxKey;
using air_syntax::readBoxLineFields;
using air_syntax::readNumber;
using air_syntax::splitCommas;
using air_syntax::withoutComment;

} // namespace

const char* describe(AirProblemKind kind)
{
    switch (kind) {
    case AirProblemKind::BoxUnreadable: return QT_TRANSLATE_NOOP("Messages", "box line does not read as four numbers");
    case AirProblemKind::BoxOutOfRange: return QT_TRANSLATE_NOOP("Messages", "box number outside -32768 to 32767");
    case AirProblemKind::BoxReversed:
        return QT_TRANSLATE_NOOP("Messages", "box written with left after right or top below bottom");
    case AirProblemKind::BoxIndexOutOfRange:
        return QT_TRANSLATE_NOOP("Messages", "box index not below the block's count");
    case AirProblemKind::BoxOutsideBlock:
        return QT_TRANSLATE_NOOP("Messages", "box line without a count line above it");
    case AirProblemKind::BoxKindMismatch:
        return QT_TRANSLATE_NOOP("Messages", "box line of the other kind than its count line");
    case AirProblemKind::CountUnreadable: return QT_TRANSLATE_NOOP("Messages", "box count is not a number");
    case AirProblemKind::CountMismatch:
        return QT_TRANSLATE_NOOP("Messages", "box count disagrees with the boxes that follow");
    case AirProblemKind::BlockWithoutFrame:
        return QT_TRANSLATE_NOOP("Messages", "boxes that no frame of the action follows");
    case AirProblemKind::FrameUnreadable:
        return QT_TRANSLATE_NOOP("Messages", "frame line does not read as group, image, x, y, time");
    case AirProblemKind::OutsideAction: return QT_TRANSLATE_NOOP("Messages", "line before the first action header");
    case AirProblemKind::HeaderUnreadable:
        return QT_TRANSLATE_NOOP("Messages", "action header without a readable number");
    case AirProblemKind::LoopstartLast: return QT_TRANSLATE_NOOP("Messages", "Loopstart with no frame after it");
    case AirProblemKind::UnknownLine: return QT_TRANSLATE_NOOP("Messages", "line not understood");
    }
    return QT_TRANSLATE_NOOP("Messages", "problem");
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
        finishAction(static_cast<std::int32_t>(doc.m_lines.size()));
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
        const std::string_view content = trimBlanksAndTabs(withoutComment(text));
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
        case AirLineKind::Interpolate:
            closeBlock();
            interpolation |= air_syntax::interpolationOf(content);
            return;
        case AirLineKind::Unknown:
            closeBlock();
            problem(AirProblemKind::UnknownLine, i);
            return;
        }
    }

    AirAction& current() { return doc.m_actions[static_cast<std::size_t>(action)]; }

    void startAction(std::int32_t line, std::string_view content)
    {
        finishAction(line);
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
        interpolation = 0;
    }

    // Ends the current action before line `next` (the next header, or the end).
    void finishAction(std::int32_t next)
    {
        closeBlock();
        if (action < 0)
            return;
        AirAction& a = current();
        a.lastLine = next - 1;
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
        std::string_view rest = trimBlanksAndTabs(content.substr(key.length));
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
        f.interpolation = interpolation;
        interpolation = 0;
        doc.m_frames.push_back(f);
        ++current().frameCount;
    }

    AirDocument& doc;
    std::int32_t action = -1;
    std::int32_t open = -1;             // the block box lines are added to
    std::int32_t pending[2] = {-1, -1}; // frame blocks waiting for their frame
    std::int32_t defaults[2] = {-1, -1};
    std::uint8_t interpolation = 0; // Interpolate lines waiting for their frame
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

} // namespace vantrel
