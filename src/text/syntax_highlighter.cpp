#include "syntax_highlighter.h"

#include "shell/qt_text.h"
#include "text/syntax.h"

namespace vantrel {

SyntaxHighlighter::SyntaxHighlighter(QTextDocument* document, bool darkBackground) : QSyntaxHighlighter(document)
{
    header_.setForeground(darkBackground ? QColor(0x8c, 0xb4, 0xff) : QColor(0x00, 0x00, 0xa0));
    header_.setFontWeight(QFont::Bold);
    comment_.setForeground(darkBackground ? QColor(0x8f, 0xd0, 0x8f) : QColor(0x00, 0x80, 0x00));
    key_.setForeground(darkBackground ? QColor(0xff, 0xc8, 0x78) : QColor(0x80, 0x00, 0x80));
    number_.setForeground(darkBackground ? QColor(0xff, 0x9a, 0x9a) : QColor(0xa0, 0x30, 0x00));
}

void SyntaxHighlighter::highlightBlock(const QString& text)
{
    for (const SyntaxSpan& span : syntaxSpans(utf16View(text))) {
        switch (span.kind) {
        case SyntaxKind::Header: setFormat(span.start, span.length, header_); break;
        case SyntaxKind::Comment: setFormat(span.start, span.length, comment_); break;
        case SyntaxKind::Key: setFormat(span.start, span.length, key_); break;
        case SyntaxKind::Number: setFormat(span.start, span.length, number_); break;
        }
    }
}

} // namespace vantrel
