#pragma once
// The text box of every editor window: a view of a text document. Every box
// showing one document edits the same text, each with a caret of its own.
// It offers find, replace and the state file extras the TextBox view of its
// text, where a line break counts as CR LF. Undo and redo, from its keys or
// its menu, go through the document's history.

#include "text/text_box.h"
#include "text/text_document.h"
#include "text/text_file.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

class BlockFolder;

class EditorTextBox final : public QPlainTextEdit, public TextBox {
    Q_OBJECT
public:
    // Shows a document of its own until setTextDocument() gives it another.
    explicit EditorTextBox(QWidget* parent = nullptr);
    ~EditorTextBox() override;

    TextDocument* textDocument() const { return textDocument_; }
    // Shows `document` (which outlives this box or tells it by going).
    void setTextDocument(TextDocument* document);

    // The document's text as a whole: see TextDocument.
    void setLines(const std::vector<TextLine>& lines);
    void setPlainText(const QString& text);
    bool isLoading() const;
    void finishLoading();
    int lineCount() const;
    std::vector<TextLine> lines() const;
    // Each line's text as UTF-8, for the readers of the character's languages.
    std::vector<std::string> utf8Lines() const;
    // Replaces lines as one step of the document's history (TextDocument::replaceLines()).
    void replaceLines(int first, int count, const std::vector<TextLine>& lines);

    // Scrolls line `line` into view when it is out of view; the caret stays.
    void showLine(int line);
    // The first and the last line the viewport shows (invalid when empty).
    std::pair<QTextBlock, QTextBlock> shownBlocks() const;

    std::u16string text() const override;
    long selStart() const override;
    long selLength() const override;
    std::u16string selText() const override;
    void setSelection(long start, long length) override;
    void replaceSelection(std::u16string_view replacement) override;

    // Offsets between the widget (one character per line break) and the
    // TextBox view (two per line break).
    long shownOffset(int position) const;
    int position(long shownOffset) const;

    // A faulty line (1-based): the problem's message in English, from which
    // the span to underline is found, and as the tool tip shows it.
    struct ProblemLine {
        int line = 0;
        QString message;
        QString shown;
    };
    // Faulty lines underlined, each with its message as the tool tip there;
    // an empty list takes the marks away.
    void setProblemLines(std::vector<ProblemLine> problems);
    // The message of the problem at a point of the viewport; empty when none.
    QString problemAt(const QPoint& point) const;
    // What the tool tip tells of the word at a place of the text besides its
    // problems (rich text; empty: nothing). A problem is told first.
    void setHoverText(std::function<QString(const QTextCursor&)> hoverText) { hoverText_ = std::move(hoverText); }
    // The whole tool tip at a point of the viewport, as rich text.
    QString toolTipAt(const QPoint& point) const;

    // The gutter at the left that numbers the lines, and its width for the
    // lines the text has now.
    QWidget* lineNumberArea() const { return lineNumbers_; }
    int lineNumberAreaWidth() const;
    // Draws the numbers of the lines in view (the gutter's paint event).
    void paintLineNumbers(QPaintEvent* event);
    // Folds the states and actions from the gutter.
    BlockFolder* folder() const { return folder_; }
    // The menu the right button opens: undo and redo through the document's
    // history, the clipboard, delete and select all, each enabled as it applies.
    std::unique_ptr<QMenu> createEditMenu();

public slots:
    void undo();
    void redo();

signals:
    // A change of the characters themselves (not of their colours); the
    // lines added while a big text comes in are not one.
    void textEdited();
    // The last lines of a big text are in.
    void loaded();
    // The box shows another document.
    void textDocumentChanged();
    // Ctrl+click: the caret went where the user clicked, to go to what is named there.
    void definitionClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void finishLoadingToRead() const { const_cast<EditorTextBox*>(this)->finishLoading(); }
    void fitLineNumberArea();
    // The caret's line has a background of its own.
    void highlightCaretLine();

    std::unique_ptr<TextDocument> own_;
    QPointer<TextDocument> textDocument_;
    QWidget* lineNumbers_ = nullptr;
    std::vector<ProblemLine> problems_;
    BlockFolder* folder_ = nullptr;
    std::function<QString(const QTextCursor&)> hoverText_;
};

} // namespace vantrel
