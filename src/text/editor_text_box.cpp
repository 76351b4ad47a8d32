#include "editor_text_box.h"

#include "shell/qt_text.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace vantrel {

namespace {

// The line end that came before a block in the file, kept on the block so
// that it moves with the text when lines are inserted or joined.
struct LineEndBefore final : QTextBlockUserData {
    explicit LineEndBefore(LineEnd e) : end(e) { }
    LineEnd end;
};

} // namespace

EditorTextBox::EditorTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Colouring a line also reports a change of the document; only changes
    // of characters count as edits.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed != 0 || added != 0)
            emit textEdited();
    });
}

void EditorTextBox::setLines(const std::vector<TextLine>& lines)
{
    std::u16string joined;
    std::vector<LineEnd> ends;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += u'\n';
            ends.push_back(lines[i - 1].end);
        }
        joined += lines[i].text;
    }
    setJoinedText(joined, ends, LineEnd::None);
}

void EditorTextBox::setJoinedText(std::u16string_view text, const std::vector<LineEnd>& ends, LineEnd usualEnd)
{
    setPlainText(fromUtf16(text));
    // Most files use one kind of line end: only the others are kept on their lines.
    if (std::ranges::all_of(ends, [usualEnd](LineEnd e) { return e == usualEnd; }))
        return;
    QTextBlock block = document()->begin().next();
    for (std::size_t i = 0; i < ends.size() && block.isValid(); ++i, block = block.next()) {
        if (ends[i] != usualEnd)
            block.setUserData(new LineEndBefore(ends[i]));
    }
}

std::vector<TextLine> EditorTextBox::lines() const
{
    std::vector<TextLine> result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (!result.empty()) {
            const auto* before = static_cast<const LineEndBefore*>(block.userData());
            result.back().end = before ? before->end : LineEnd::None;
        }
        result.push_back({toUtf16(block.text()), LineEnd::None});
    }
    if (result.empty())
        result.push_back({});
    return result;
}

void EditorTextBox::replaceLines(int first, int count, const std::vector<TextLine>& lines)
{
    QTextDocument* doc = document();
    const int blocks = doc->blockCount();
    first = std::clamp(first, 0, blocks);
    count = std::clamp(count, 0, blocks - first);
    QString joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += QLatin1Char('\n');
        joined += fromUtf16(lines[i].text);
    }
    const auto endOfBlock = [](const QTextBlock& b) { return b.position() + b.length() - 1; };
    const auto endBefore = [](const QTextBlock& b) {
        const auto* before = static_cast<const LineEndBefore*>(b.userData());
        return before ? before->end : LineEnd::None;
    };
    // Splitting and joining blocks may move the break data to another block.
    const LineEnd firstEndBefore = first < blocks ? endBefore(doc->findBlockByNumber(first)) : LineEnd::None;

    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    if (count > 0 && !lines.empty()) {
        cursor.setPosition(doc->findBlockByNumber(first).position());
        cursor.setPosition(endOfBlock(doc->findBlockByNumber(first + count - 1)), QTextCursor::KeepAnchor);
        cursor.insertText(joined);
    } else if (!lines.empty()) {
        // New lines only: before line `first`, or after the last line.
        if (first < blocks) {
            cursor.setPosition(doc->findBlockByNumber(first).position());
            cursor.insertText(joined + QLatin1Char('\n'));
        } else {
            cursor.setPosition(endOfBlock(doc->lastBlock()));
            cursor.insertText(QLatin1Char('\n') + joined);
        }
    } else if (count > 0) {
        // Lines removed with the break after them, or before them at the end.
        if (first + count < blocks) {
            cursor.setPosition(doc->findBlockByNumber(first).position());
            cursor.setPosition(doc->findBlockByNumber(first + count).position(), QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(first > 0 ? endOfBlock(doc->findBlockByNumber(first - 1)) : 0);
            cursor.setPosition(endOfBlock(doc->lastBlock()), QTextCursor::KeepAnchor);
        }
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();

    // The breaks between and after the new lines are the ones they came with.
    if (first > 0 && first < doc->blockCount())
        doc->findBlockByNumber(first).setUserData(new LineEndBefore(firstEndBefore));
    QTextBlock block = doc->findBlockByNumber(first + 1);
    for (std::size_t i = 0; i < lines.size() && block.isValid(); ++i, block = block.next())
        block.setUserData(new LineEndBefore(lines[i].end));
}

std::pair<QTextBlock, QTextBlock> EditorTextBox::shownBlocks() const
{
    const QTextBlock first = firstVisibleBlock();
    QTextBlock last = first;
    const qreal bottom = viewport()->height();
    const QPointF offset = contentOffset();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (blockBoundingGeometry(block).translated(offset).top() >= bottom)
            break;
        last = block;
    }
    return {first, last};
}

void EditorTextBox::resizeEvent(QResizeEvent* event)
{
    // Lines that do not wrap are laid out the same at any width, and the
    // horizontal scroll range follows the widest line laid out. The base
    // class would make every line of the file a new layout on each change of
    // width (the first show included), which takes long in a big file.
    if (lineWrapMode() == NoWrap && event->oldSize().width() != event->size().width()) {
        QResizeEvent sameWidth(event->size(), QSize(event->size().width(), event->oldSize().height()));
        QPlainTextEdit::resizeEvent(&sameWidth);
        return;
    }
    QPlainTextEdit::resizeEvent(event);
}

void EditorTextBox::showLine(int line)
{
    const int top = firstVisibleBlock().blockNumber();
    const int shown = std::max(1, viewport()->height() / std::max(1, fontMetrics().lineSpacing()));
    if (line < top || line >= top + shown - 1)
        verticalScrollBar()->setValue(std::max(0, line - shown / 3));
}

std::u16string EditorTextBox::text() const
{
    return joinedWithCrLf(lines());
}

long EditorTextBox::shownOffset(int pos) const
{
    const QTextBlock block = document()->findBlock(pos);
    return static_cast<long>(pos) + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int EditorTextBox::position(long offset) const
{
    if (offset <= 0)
        return 0;
    // The last block whose first character lies at or before the offset.
    int low = 0;
    int high = document()->blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        const QTextBlock block = document()->findBlockByNumber(mid);
        if (static_cast<long>(block.position()) + mid <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = document()->findBlockByNumber(low);
    const long within = offset - (static_cast<long>(block.position()) + low);
    // An offset between the CR and the LF of a break falls at the end of the line.
    return block.position() + static_cast<int>(std::min<long>(within, block.length() - 1));
}

long EditorTextBox::selStart() const
{
    return shownOffset(textCursor().selectionStart());
}

long EditorTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return shownOffset(cursor.selectionEnd()) - shownOffset(cursor.selectionStart());
}

std::u16string EditorTextBox::selText() const
{
    QString selected = textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return toUtf16(selected);
}

void EditorTextBox::setSelection(long start, long length)
{
    const int from = position(start);
    const int to = position(std::max(start, start + std::max<long>(length, 0)));
    QTextCursor cursor = textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void EditorTextBox::replaceSelection(std::u16string_view replacement)
{
    QString text = fromUtf16(replacement);
    // The widget knows one kind of line break.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

} // namespace vantrel
