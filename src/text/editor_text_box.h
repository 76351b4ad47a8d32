#pragma once
// The text box of every editor window: a plain text widget that holds a
// file's lines with their own line ends and offers find, replace and the
// state file extras the TextBox view of its text, where a line break counts
// as CR LF.

#include "text/text_box.h"
#include "text/text_file.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <memory>
#include <utility>
#include <vector>

class QTimer;

namespace vantrel {

class EditorTextBox final : public QPlainTextEdit, public TextBox {
    Q_OBJECT
public:
    explicit EditorTextBox(QWidget* parent = nullptr);
    ~EditorTextBox() override;

    // Shows the lines; clears the undo history.
    void setLines(const std::vector<TextLine>& lines);
    // Shows a whole file at once (see decodeJoined()). Line ends equal to
    // `usualEnd` are not kept apart: lines() reports them as None, which
    // every writer takes as the usual end. Clears the undo history.
    // A big text shows its first lines at once and gets the rest in steps
    // from the event loop (see isLoading()).
    void setJoinedText(std::u16string_view text, const std::vector<LineEnd>& ends, LineEnd usualEnd);
    // Replaces the whole text; a text still being added stops.
    void setPlainText(const QString& text);

    // True while the lines of a big text are still being added. Everything
    // that reads or changes the text through this class, and every key, drop
    // or context menu of the user, adds the rest at once first; so does
    // finishLoading().
    bool isLoading() const { return pending_ != nullptr; }
    void finishLoading();
    // The lines the box holds, or will hold once the text is all in.
    int lineCount() const;
    // The lines as shown, each with the line end it had in the file (None for
    // line breaks typed since, and for the usual end given to setJoinedText()).
    std::vector<TextLine> lines() const;
    // Replaces `count` lines from line `first` with `lines`, as one step the
    // user can undo; every other line keeps its text and line end. Each new
    // line carries the end that follows it (the last one's is the end before
    // the line after the replaced ones). The caret stays where it was. Undo
    // and redo give the lines they make anew the usual line end.
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

signals:
    // A change of the characters themselves (not of their colours); the
    // lines added while a big text comes in are not one.
    void textEdited();
    // The last lines of a big text are in.
    void loaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    struct PendingText;
    // Puts the line ends that differ from `usualEnd` on the lines after them.
    void keepLineEnds(const std::vector<LineEnd>& ends, LineEnd usualEnd);
    // Adds lines of the pending text until it is all in or `budgetMs` has passed (no limit when negative).
    void addPendingLines(int budgetMs);
    // The text all in, for the readers of it (which do not change it).
    void finishLoadingToRead() const { const_cast<EditorTextBox*>(this)->finishLoading(); }

    std::unique_ptr<PendingText> pending_;
    QTimer* loadTimer_ = nullptr;
    bool adding_ = false; // the change under way is lines of the pending text
};

} // namespace vantrel
