#include "syntax_highlighter.h"

#include "common/qt_text.h"
#include "text/editor_text_box.h"
#include "text/syntax.h"

#include <QEvent>
#include <QTextDocument>
#include <QTextLayout>

namespace vantrel {

namespace {

constexpr int kColoured = 1;
// An edit of up to this many lines (typing, a clip, a box edit) has them
// coloured at once; the lines of a larger one (a file loaded, a big paste)
// wait until they are shown.
constexpr int kColourAtOnce = 200;

} // namespace

SyntaxHighlighter::SyntaxHighlighter(EditorTextBox* editor, bool darkBackground) : QObject(editor), editor_(editor)
{
    header_.setForeground(darkBackground ? QColor(0x8c, 0xb4, 0xff) : QColor(0x00, 0x00, 0xa0));
    header_.setFontWeight(QFont::Bold);
    comment_.setForeground(darkBackground ? QColor(0x8f, 0xd0, 0x8f) : QColor(0x00, 0x80, 0x00));
    key_.setForeground(darkBackground ? QColor(0xff, 0xc8, 0x78) : QColor(0x80, 0x00, 0x80));
    number_.setForeground(darkBackground ? QColor(0xff, 0x9a, 0x9a) : QColor(0xa0, 0x30, 0x00));
    keyword_.setForeground(darkBackground ? QColor(0x8c, 0xb4, 0xff) : QColor(0x00, 0x00, 0xa0));
    keyword_.setFontWeight(QFont::Bold);
    controller_.setForeground(darkBackground ? QColor(0x7f, 0xdf, 0xdf) : QColor(0x00, 0x70, 0x80));
    controller_.setFontWeight(QFont::Bold);
    local_.setForeground(darkBackground ? QColor(0xe0, 0xb0, 0xff) : QColor(0x60, 0x30, 0xa0));
    local_.setFontItalic(true);
    string_.setForeground(darkBackground ? QColor(0xe6, 0xd2, 0x8c) : QColor(0x80, 0x60, 0x00));
    operator_.setForeground(darkBackground ? QColor(0xc8, 0xc8, 0xc8) : QColor(0x50, 0x50, 0x50));

    viewport_ = editor->viewport();
    viewport_->installEventFilter(this);
    followDocument();
    connect(editor, &EditorTextBox::textDocumentChanged, this, &SyntaxHighlighter::followDocument);
}

void SyntaxHighlighter::followDocument()
{
    if (document_)
        document_->disconnect(this);
    document_ = editor_->document();
    connect(document_, &QTextDocument::contentsChange, this, &SyntaxHighlighter::textChanged);
    // The text already there waits to be shown, as a loaded file does.
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next())
        block.setUserState(-1);
    editor_->viewport()->update();
}

bool SyntaxHighlighter::isColoured(const QTextBlock& block)
{
    return block.userState() == kColoured;
}

void SyntaxHighlighter::colour(QTextBlock block)
{
    const QString text = block.text();
    QList<QTextLayout::FormatRange> ranges;
    const std::u16string_view line = utf16View(text);
    for (const SyntaxSpan& span : script_ ? scriptSyntaxSpans(line) : syntaxSpans(line)) {
        const QTextCharFormat* format = &number_;
        switch (span.kind) {
        case SyntaxKind::Header: format = &header_; break;
        case SyntaxKind::Comment: format = &comment_; break;
        case SyntaxKind::Key: format = &key_; break;
        case SyntaxKind::Number: break;
        case SyntaxKind::Keyword: format = &keyword_; break;
        case SyntaxKind::Controller: format = &controller_; break;
        case SyntaxKind::Local: format = &local_; break;
        case SyntaxKind::String: format = &string_; break;
        case SyntaxKind::Operator: format = &operator_; break;
        }
        ranges.append({span.start, span.length, *format});
    }
    block.layout()->setFormats(ranges);
    block.setUserState(kColoured);
}

void SyntaxHighlighter::setScript(bool script)
{
    if (script == script_)
        return;
    script_ = script;
    // Every line waits to be coloured by the new rules when it is shown.
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next())
        block.setUserState(-1);
    editor_->viewport()->update();
}

void SyntaxHighlighter::textChanged(int from, int, int added)
{
    QTextDocument* document = editor_->document();
    const QTextBlock first = document->findBlock(from);
    QTextBlock last = document->findBlock(from + added);
    if (!last.isValid())
        last = document->lastBlock();
    // Every changed line loses its colours; few are coloured again at once.
    int count = 0;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        block.setUserState(-1);
        ++count;
        if (block == last)
            break;
    }
    if (count > kColourAtOnce || !first.isValid())
        return;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        colour(block);
        if (block == last)
            break;
    }
    // Within the edit: the layout takes the colours with the new text.
    document->markContentsDirty(first.position(), last.position() + last.length() - first.position());
}

void SyntaxHighlighter::colourShownLines()
{
    const auto [first, last] = editor_->shownBlocks();
    QTextBlock from, to;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (!isColoured(block)) {
            colour(block);
            if (!from.isValid())
                from = block;
            to = block;
        }
        if (block == last)
            break;
    }
    if (from.isValid())
        editor_->document()->markContentsDirty(from.position(), to.position() + to.length() - from.position());
}

bool SyntaxHighlighter::eventFilter(QObject* watched, QEvent* event)
{
    // Just before the lines are painted.
    // The type first: while the editor is being destroyed its viewport still
    // gets events, and the editor must not be asked anything then.
    if (event->type() == QEvent::Paint && watched == viewport_)
        colourShownLines();
    return QObject::eventFilter(watched, event);
}

} // namespace vantrel
