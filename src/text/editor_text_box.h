#pragma once
// The text box of every editor window (txtEdit): a plain text widget that
// holds a file's lines with their own line ends and offers find, replace and
// the state file extras the TextBox view of its text, where a line break
// counts as CR LF.

#include "text/text_box.h"
#include "text/text_file.h"

#include <QPlainTextEdit>

#include <vector>

namespace vantrel {

class EditorTextBox final : public QPlainTextEdit, public TextBox {
    Q_OBJECT
public:
    explicit EditorTextBox(QWidget* parent = nullptr);

    // Shows the lines; clears the undo history.
    void setLines(const std::vector<TextLine>& lines);
    // The lines as shown, each with the line end it had in the file (None for
    // line breaks typed since).
    std::vector<TextLine> lines() const;

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
    // A change of the characters themselves (not of their colours).
    void textEdited();
};

} // namespace vantrel
