#pragma once
// A text file of the character (or any text file) as a document: its lines
// in a QTextDocument that every window showing the file edits, the encoding
// it was read in, each line's own line end, and the bytes it was read from,
// so that a save writes the lines nobody edited exactly as they were.
//
// Typing is recorded by the QTextDocument itself; each of its undo steps
// becomes a step of the document's undo stack, so undo and redo always go
// through the stack. Edits the program makes (box edits, Revert, a recovered
// copy, another encoding) are steps that make their change in redo().
//
// A big file shows its first lines at once and takes the rest in steps from
// the event loop; anything that reads or changes the whole text takes the
// rest first (finishLoading()).

#include "documents/document.h"
#include "text/text_file.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractTextDocumentLayout;
class QTextDocument;
class QTimer;

namespace vantrel {

class TextDocument final : public Document {
    Q_OBJECT
public:
    TextDocument(DocumentKind kind, QString fileName, QObject* parent = nullptr);
    ~TextDocument() override;

    QTextDocument* textDocument() const { return text_; }
    const TextEncoding& encoding() const { return encoding_; }

    // The lines, each with the line end it had in the file (None for line
    // breaks typed since, and for the file's usual end).
    std::vector<TextLine> lines() const;
    int lineCount() const;
    // The text as the file's bytes in its encoding, without the byte-order
    // mark and without anything added after the last line.
    std::string bytes() const;
    std::u16string text() const;

    // The first content of a document without a file (the notepad's New, a
    // test): no history, unmodified.
    void setLines(const std::vector<TextLine>& lines);
    void setPlainText(const QString& text);

    // Makes the text `bytes` (in the document's encoding) by replacing only
    // the lines that differ, as one step named `stepText`: the first line
    // changed, nothing when nothing differs.
    std::optional<int> replaceBytes(const std::string& bytes, const QString& stepText);
    // Replaces `count` lines from `first` with `lines` as one step; every
    // other line keeps its text and line end.
    void replaceLines(int first, int count, const std::vector<TextLine>& lines, const QString& stepText);

    // Reads the file again in `charset`, as one step; for a file not written
    // yet only what a save writes changes.
    Result<void> changeEncoding(Charset charset);
    // The first typed character the encoding cannot write, if any.
    std::optional<Unwritable> unwritableCharacter() const;
    // The next save writes every line anew as UTF-8.
    void saveAsUtf8();

    // The layout the views draw the text with, set once by the first view;
    // what the lines hold stays.
    void setDocumentLayout(QAbstractTextDocumentLayout* layout);

    bool isLoading() const { return pending_ != nullptr; }
    void finishLoading();

    // A line the user went to in one view, which the document's other views
    // may follow (the animation windows follow the AIR text's caret, and it
    // follows them). `source` is the view that moved.
    void focusLine(int line, QObject* source);

    std::optional<std::string> saveQuestion() const override;
    void answerSaveQuestion(bool yes) override;

    std::string recoveryBytes() const override;
    Result<void> restoreRecovery(const std::string& bytes) override;

signals:
    // The last lines of a big file are in.
    void loaded();
    // A view went to a line (see focusLine()).
    void lineFocused(int line, QObject* source);
    // An undo or redo step changed the text around this position.
    void stepShown(int position);

protected:
    Result<void> readBytes(std::string bytes) override;
    QUndoCommand* makeReplaceStep(std::string bytes, const QString& text, Failure& error) override;
    Result<void> writeTo(const QString& target) override;
    void markSaved() override;

private:
    friend class TextStep;
    friend class TypedTextStep;
    struct PendingText;
    // The lines whose line end before them is not the usual one.
    using LineEnds = std::vector<std::pair<int, LineEnd>>;
    LineEnds unusualEnds() const;
    void setUnusualEnds(const LineEnds& ends);
    // What a file's bytes say beyond its lines.
    struct FileState {
        TextEncoding encoding;
        FileLines original;
    };

    // Shows a whole file at once, or a big one in steps; clears the history.
    void setJoinedText(std::u16string_view text, const std::vector<LineEnd>& ends, LineEnd usualEnd);
    void keepLineEnds(const std::vector<LineEnd>& ends, LineEnd usualEnd);
    void addPendingLines(int budgetMs);
    void stopLoading();
    // The QTextDocument edit behind replaceLines(), with no step of its own.
    void editLines(int first, int count, const std::vector<TextLine>& lines);
    // A step that makes the text `lines`, replacing only the lines that differ.
    QUndoCommand* makeLinesStep(const QString& text, std::vector<TextLine> lines, LineEnd usualEnd,
                                std::optional<FileState> after);
    // A step whose redo makes `edit` the first time and puts `after` in place.
    void pushTextStep(const QString& text, std::function<void()> edit, std::optional<FileState> after);
    FileState fileState() const { return {encoding_, original_}; }
    void setFileState(const FileState& state) { encoding_ = state.encoding, original_ = state.original; }

    QTextDocument* text_;
    TextEncoding encoding_;
    FileLines original_;  // the lines as last read or written, for the save
    std::string written_; // the bytes of the save under way
    std::unique_ptr<PendingText> pending_;
    QTimer* loadTimer_ = nullptr;
    bool adding_ = false; // the change under way is lines of a big file coming in
    int applying_ = 0;    // a step of the stack is changing the text
    int stepsAdded_ = 0;  // text undo steps made while applying
};

// The first content of a text document read from a file, for the windows
// that open one: the kind, and the file.
std::unique_ptr<TextDocument> makeTextDocument(DocumentKind kind, const QString& path);

} // namespace vantrel
