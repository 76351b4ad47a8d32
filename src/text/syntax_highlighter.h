#pragma once
// Colours headers, comments, keys and numbers of a character's text files.

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace vantrel {

class SyntaxHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // A dark background gets light colours, so that the text stays legible.
    SyntaxHighlighter(QTextDocument* document, bool darkBackground);

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat header_, comment_, key_, number_;
};

} // namespace vantrel
