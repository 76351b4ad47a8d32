#include "editor_text_box.h"

#include "common/qt_text.h"
#include "text/block_folder.h"
#include "text/fault_span.h"
#include "text/text_document.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QUndoStack>

#include <algorithm>

namespace vantrel {

namespace {

// The gutter beside the text: the box paints it.
class LineNumberArea final : public QWidget {
public:
    explicit LineNumberArea(EditorTextBox* box) : QWidget(box), box_(box)
    {
        setObjectName(QStringLiteral("lineNumberArea"));
    }
    QSize sizeHint() const override { return {box_->lineNumberAreaWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { box_->paintLineNumbers(event); }

private:
    EditorTextBox* box_;
};

} // namespace

EditorTextBox::EditorTextBox(QWidget* parent)
        : QPlainTextEdit(parent), own_(std::make_unique<TextDocument>(DocumentKind::Text, QString()))
{
    setObjectName(QStringLiteral("editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    lineNumbers_ = new LineNumberArea(this);
    folder_ = new BlockFolder(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { fitLineNumberArea(); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            lineNumbers_->scroll(0, dy);
        else
            lineNumbers_->update(0, rect.y(), lineNumbers_->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &EditorTextBox::highlightCaretLine);
    setTextDocument(own_.get());
    fitLineNumberArea();
    highlightCaretLine();
}

std::vector<std::string> EditorTextBox::utf8Lines() const
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        texts.push_back(block.text().toStdString());
    return texts;
}

int EditorTextBox::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int lines = std::max(1, blockCount()); lines >= 10; lines /= 10)
        ++digits;
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * (digits + 1) + 6 + folder_->markerWidth();
}

void EditorTextBox::fitLineNumberArea()
{
    // Lines come in by the thousand while a big file loads: only a change of width lays the box out again.
    const int width = lineNumberAreaWidth();
    if (width != viewportMargins().left())
        setViewportMargins(width, 0, 0, 0);
    const QRect inside = contentsRect();
    const QRect area(inside.left(), inside.top(), width, inside.height());
    if (lineNumbers_->geometry() != area)
        lineNumbers_->setGeometry(area);
}

void EditorTextBox::paintLineNumbers(QPaintEvent* event)
{
    QPainter painter(lineNumbers_);
    const QPalette colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));
    const int caretLine = textCursor().blockNumber();
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int width = lineNumbers_->width() - 4 - folder_->markerWidth();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top()) {
            painter.setPen(
                colours.color(block.blockNumber() == caretLine ? QPalette::WindowText : QPalette::PlaceholderText));
            painter.drawText(0, top, width, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
            folder_->paintMarker(painter, block, width + 4, top, fontMetrics().height());
        }
        top += height;
        block = block.next();
    }
}

void EditorTextBox::highlightCaretLine()
{
    QList<QTextEdit::ExtraSelection> marks;
    QTextEdit::ExtraSelection line;
    QColor colour = palette().color(QPalette::Highlight);
    colour.setAlpha(28);
    line.format.setBackground(colour);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    marks << line;
    // What a fault is about gets a wavy underline: the word or value the
    // message names, else the line's text.
    for (const ProblemLine& problem : problems_) {
        const QTextBlock block = document()->findBlockByNumber(problem.line - 1);
        if (!block.isValid())
            continue;
        const auto [first, last] = faultSpan(block.text(), problem.message);
        if (last == first)
            continue; // nothing written there to underline; the tool tip still tells
        QTextEdit::ExtraSelection fault;
        fault.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        fault.format.setUnderlineColor(Qt::red);
        fault.cursor = QTextCursor(block);
        fault.cursor.setPosition(block.position() + first);
        fault.cursor.setPosition(block.position() + last, QTextCursor::KeepAnchor);
        marks << fault;
    }
    setExtraSelections(marks);
    lineNumbers_->update();
}

void EditorTextBox::setProblemLines(std::vector<ProblemLine> problems)
{
    problems_ = std::move(problems);
    highlightCaretLine();
}

QString EditorTextBox::problemAt(const QPoint& point) const
{
    const int line = cursorForPosition(point).blockNumber() + 1;
    QStringList messages;
    for (const ProblemLine& problem : problems_) {
        if (problem.line == line)
            messages << problem.shown;
    }
    return messages.join(QLatin1Char('\n'));
}

void EditorTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) && !textCursor().hasSelection())
        emit definitionClicked();
}

QString EditorTextBox::toolTipAt(const QPoint& point) const
{
    QString tip = problemAt(point).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    const QString help = hoverText_ ? hoverText_(cursorForPosition(point)) : QString();
    if (!tip.isEmpty() && !help.isEmpty())
        tip += QStringLiteral("<hr>");
    return help.isEmpty() && tip.isEmpty() ? QString() : QStringLiteral("<qt>") + tip + help;
}

bool EditorTextBox::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && (!problems_.empty() || hoverText_)) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString message = toolTipAt(help->pos());
        if (message.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), message, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

EditorTextBox::~EditorTextBox()
{
    if (textDocument_)
        textDocument_->disconnect(this);
}

void EditorTextBox::setTextDocument(TextDocument* document)
{
    if (!document)
        document = own_.get();
    if (document == textDocument_)
        return;
    if (textDocument_)
        textDocument_->disconnect(this);
    textDocument_ = document;
    QTextDocument* text = document->textDocument();
    // Every box showing the document lays it out the same way.
    if (!qobject_cast<QPlainTextDocumentLayout*>(text->documentLayout()))
        document->setDocumentLayout(new QPlainTextDocumentLayout(text));
    setDocument(text);
    // Colouring a line also reports a change of the document; only changes
    // of characters count as edits.
    connect(text, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if ((removed != 0 || added != 0) && !(textDocument_ && textDocument_->isLoading()))
            emit textEdited();
    });
    connect(document, &TextDocument::loaded, this, &EditorTextBox::loaded);
    // The box the user works in shows where an undone or redone step changed the text.
    connect(document, &TextDocument::stepShown, this, [this](int position) {
        if (!hasFocus())
            return;
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::clamp(position, 0, std::max(0, QPlainTextEdit::document()->characterCount() - 1)));
        setTextCursor(cursor);
    });
    // A document that goes leaves the box on its own until it is given another.
    connect(document, &QObject::destroyed, this, [this] {
        textDocument_ = nullptr;
        setTextDocument(own_.get());
    });
    emit textDocumentChanged();
}

void EditorTextBox::setLines(const std::vector<TextLine>& lines)
{
    textDocument_->setLines(lines);
}

void EditorTextBox::setPlainText(const QString& text)
{
    textDocument_->setPlainText(text);
}

bool EditorTextBox::isLoading() const
{
    return textDocument_->isLoading();
}

void EditorTextBox::finishLoading()
{
    textDocument_->finishLoading();
}

int EditorTextBox::lineCount() const
{
    return textDocument_->lineCount();
}

std::vector<TextLine> EditorTextBox::lines() const
{
    return textDocument_->lines();
}

void EditorTextBox::replaceLines(int first, int count, const std::vector<TextLine>& lines)
{
    textDocument_->replaceLines(first, count, lines, tr("Replace Lines"));
}

void EditorTextBox::undo()
{
    finishLoading();
    textDocument_->undoStack()->undo();
}

void EditorTextBox::redo()
{
    finishLoading();
    textDocument_->undoStack()->redo();
}

void EditorTextBox::keyPressEvent(QKeyEvent* event)
{
    finishLoading();
    // Undo and redo are the document's: its history holds more than typing.
    if (event == QKeySequence::Undo) {
        undo();
        return;
    }
    if (event == QKeySequence::Redo) {
        redo();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditorTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    finishLoading();
    QPlainTextEdit::inputMethodEvent(event);
}

std::unique_ptr<QMenu> EditorTextBox::createEditMenu()
{
    finishLoading();
    auto menu = std::make_unique<QMenu>(this);
    const bool writable = !isReadOnly();
    const bool selected = textCursor().hasSelection();
    const auto add = [&](const QString& text, QKeySequence::StandardKey keys, bool enabled, auto slot) {
        QAction* action = menu->addAction(text, this, slot);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut); // shown beside the entry, taken by the box itself
        action->setEnabled(enabled);
        return action;
    };
    const QUndoStack* stack = textDocument_->undoStack();
    add(tr("&Undo"), QKeySequence::Undo, writable && stack->canUndo(), &EditorTextBox::undo);
    add(tr("&Redo"), QKeySequence::Redo, writable && stack->canRedo(), &EditorTextBox::redo);
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, writable && selected, &EditorTextBox::cut);
    add(tr("&Copy"), QKeySequence::Copy, selected, &EditorTextBox::copy);
    add(tr("&Paste"), QKeySequence::Paste, writable && canPaste(), &EditorTextBox::paste);
    add(tr("Delete"), QKeySequence::Delete, writable && selected, [this] { textCursor().removeSelectedText(); });
    menu->addSeparator();
    add(tr("Select &All"), QKeySequence::SelectAll, !document()->isEmpty(), &EditorTextBox::selectAll);
    return menu;
}

void EditorTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    createEditMenu()->exec(event->globalPos());
}

void EditorTextBox::insertFromMimeData(const QMimeData* source)
{
    finishLoading();
    QPlainTextEdit::insertFromMimeData(source);
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
        fitLineNumberArea();
        return;
    }
    QPlainTextEdit::resizeEvent(event);
    fitLineNumberArea();
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
    return textDocument_->text();
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
