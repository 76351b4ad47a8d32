#include "editor_text_box.h"

#include "shell/qt_text.h"

#include <QElapsedTimer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace vantrel {

namespace {

// The line end that came before a block in the file, kept on the block so
// that it moves with the text when lines are inserted or joined.
struct LineEndBefore final : QTextBlockUserData {
    explicit LineEndBefore(LineEnd e) : end(e) { }
    LineEnd end;
};

// Qt makes a block and its fragments for every line it is given, which takes
// about two microseconds a line: a text of more lines than this shows its
// first kFirstLines at once and gets the rest in steps of kLinesAStep, each
// step's lines added until kStepMs has passed, between the events of the
// window.
constexpr qsizetype kLinesAtOnce = 20'000;
constexpr qsizetype kFirstLines = 1'000;
constexpr qsizetype kLinesAStep = 2'000;
constexpr int kStepMs = 12;

// Where the `count`th line from `from` on ends (at its line feed), or the end of the text.
qsizetype endOfLines(const QString& text, qsizetype from, qsizetype count)
{
    for (qsizetype at = from; count > 0; --count) {
        at = text.indexOf(QLatin1Char('\n'), at);
        if (at < 0)
            return text.size();
        if (count == 1)
            return at;
        ++at;
    }
    return from;
}

// Whether Qt breaks the text into blocks at line feeds alone: it also breaks
// at a carriage return, a paragraph separator and its frame marks.
bool breaksOnlyAtLineFeeds(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c.unicode() == 0xfdd0
            || c.unicode() == 0xfdd1;
    });
}

} // namespace

// The part of a big text not in the box yet; `next` is the line feed before its first line.
struct EditorTextBox::PendingText {
    QString text;
    qsizetype next = 0;
    std::vector<LineEnd> ends; // one fewer than the lines of the whole text
    LineEnd usualEnd = LineEnd::None;
};

EditorTextBox::EditorTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Colouring a line also reports a change of the document; only changes
    // of characters count as edits.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if ((removed != 0 || added != 0) && !adding_)
            emit textEdited();
    });
    loadTimer_ = new QTimer(this);
    loadTimer_->setInterval(0);
    connect(loadTimer_, &QTimer::timeout, this, [this] { addPendingLines(kStepMs); });
}

EditorTextBox::~EditorTextBox() = default;

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
    QString shown = fromUtf16(text);
    if (ends.size() >= static_cast<std::size_t>(kLinesAtOnce) && breaksOnlyAtLineFeeds(shown)) {
        const qsizetype firstEnd = endOfLines(shown, 0, kFirstLines);
        setPlainText(shown.left(firstEnd));
        // Nothing of the load is undone; the history starts when it ends.
        document()->setUndoRedoEnabled(false);
        pending_ = std::make_unique<PendingText>(PendingText{std::move(shown), firstEnd, ends, usualEnd});
        loadTimer_->start();
        return;
    }
    setPlainText(shown);
    keepLineEnds(ends, usualEnd);
}

void EditorTextBox::keepLineEnds(const std::vector<LineEnd>& ends, LineEnd usualEnd)
{
    // Most files use one kind of line end: only the others are kept on their lines.
    if (std::ranges::all_of(ends, [usualEnd](LineEnd e) { return e == usualEnd; }))
        return;
    QTextBlock block = document()->begin().next();
    for (std::size_t i = 0; i < ends.size() && block.isValid(); ++i, block = block.next()) {
        if (ends[i] != usualEnd)
            block.setUserData(new LineEndBefore(ends[i]));
    }
}

void EditorTextBox::setPlainText(const QString& text)
{
    if (pending_) {
        loadTimer_->stop();
        pending_.reset();
        document()->setUndoRedoEnabled(true);
    }
    QPlainTextEdit::setPlainText(text);
}

void EditorTextBox::addPendingLines(int budgetMs)
{
    if (!pending_)
        return;
    PendingText& pending = *pending_;
    QElapsedTimer clock;
    clock.start();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    adding_ = true;
    while (pending.next < pending.text.size() && (budgetMs < 0 || clock.elapsed() < budgetMs)) {
        // Each step starts with the line feed that ends the lines before it.
        const qsizetype stop = endOfLines(pending.text, pending.next + 1, kLinesAStep);
        end.insertText(pending.text.mid(pending.next, stop - pending.next));
        pending.next = stop;
    }
    adding_ = false;
    if (pending.next < pending.text.size())
        return;

    loadTimer_->stop();
    const std::unique_ptr<PendingText> done = std::move(pending_);
    document()->setUndoRedoEnabled(true);
    document()->setModified(false);
    keepLineEnds(done->ends, done->usualEnd);
    emit loaded();
}

void EditorTextBox::finishLoading()
{
    addPendingLines(-1);
}

int EditorTextBox::lineCount() const
{
    return pending_ ? static_cast<int>(pending_->ends.size()) + 1 : document()->blockCount();
}

void EditorTextBox::keyPressEvent(QKeyEvent* event)
{
    finishLoading();
    QPlainTextEdit::keyPressEvent(event);
}

void EditorTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    finishLoading();
    QPlainTextEdit::inputMethodEvent(event);
}

void EditorTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    finishLoading();
    QPlainTextEdit::contextMenuEvent(event);
}

void EditorTextBox::insertFromMimeData(const QMimeData* source)
{
    finishLoading();
    QPlainTextEdit::insertFromMimeData(source);
}

std::vector<TextLine> EditorTextBox::lines() const
{
    finishLoadingToRead();
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
    finishLoading();
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
    finishLoading();
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
    finishLoadingToRead();
    const QTextBlock block = document()->findBlock(pos);
    return static_cast<long>(pos) + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int EditorTextBox::position(long offset) const
{
    finishLoadingToRead();
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
    finishLoadingToRead();
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
    finishLoading();
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
