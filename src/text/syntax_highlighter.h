#pragma once
// Colours headers, comments, keys and numbers of a character's text files.
//
// Only lines that are shown get their colours, just before they are painted,
// so that a file of many megabytes opens at once; a line typed in is coloured
// again as it changes. A line's user state tells whether its colours are
// up to date.

#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

namespace vantrel {

class EditorTextBox;

class SyntaxHighlighter final : public QObject {
    Q_OBJECT
public:
    // A dark background gets light colours, so that the text stays legible.
    SyntaxHighlighter(EditorTextBox* editor, bool darkBackground);

    // Whether a line has its colours.
    static bool isColoured(const QTextBlock& block);
    // Colours the lines the text box shows that are not coloured yet.
    void colourShownLines();
    // Whether the text is a state script (.zss), coloured by its own rules;
    // a change colours every line afresh.
    void setScript(bool script);
    bool isScript() const { return script_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Colours the document the text box shows now.
    void followDocument();
    void textChanged(int from, int removed, int added);
    // Sets a line's formats; the caller has its layout brought up to date.
    void colour(QTextBlock block);

    EditorTextBox* editor_;
    QPointer<QTextDocument> document_;
    QObject* viewport_ = nullptr; // the editor's viewport, whose paint events colour the shown lines
    QTextCharFormat header_, comment_, key_, number_, keyword_, controller_, local_, string_, operator_;
    bool script_ = false;
};

} // namespace vantrel
