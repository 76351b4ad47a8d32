#include "editor_text_box.h"

#include <QTextBlock>
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

QString fromUtf16(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string toUtf16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

} // namespace

EditorTextBox::EditorTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtEdit"));
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
    QString joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += QLatin1Char('\n');
        joined += fromUtf16(lines[i].text);
    }
    setPlainText(joined);
    QTextBlock block = document()->begin();
    for (std::size_t i = 0; i < lines.size() && block.isValid(); ++i, block = block.next()) {
        if (i > 0)
            block.setUserData(new LineEndBefore(lines[i - 1].end));
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
