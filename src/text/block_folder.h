#pragma once
// Folding in a text view: a marker in the gutter beside each state's or
// action's header (see foldRanges) folds its lines away and shows them again.
// A folded header is one whose next line is hidden; the lines hidden are the
// document's, so every view of it folds alike. The caret landing in a folded
// block (find, go to line, go to definition) unfolds it, and an edit that
// moves the headers shows whatever no folded block holds any more.

#include <QObject>
#include <QTextBlock>

#include <optional>

class QPainter;

namespace vantrel {

class EditorTextBox;

class BlockFolder final : public QObject {
    Q_OBJECT
public:
    explicit BlockFolder(EditorTextBox* box);

    // The width the markers take in the gutter.
    int markerWidth() const;
    // Draws the marker of `block`, when it is a header, in the row at `top`.
    void paintMarker(QPainter& painter, const QTextBlock& block, int left, int top, int height);

    bool isFoldable(int line) const;
    bool isFolded(int line) const;
    // Folds or unfolds the block whose header is `line` (0-based); false when none starts there.
    bool setFolded(int line, bool folded);
    void unfoldAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The fold range whose header is `line`, or that holds it.
    struct Range {
        int header = 0;
        int last = 0;
    };
    std::optional<Range> rangeAt(int line, bool headerOnly) const;
    const std::vector<Range>& ranges() const;
    void showLines(int first, int last, bool visible);
    void caretMoved();
    void textChanged();

    EditorTextBox* box_;
    QWidget* gutter_ = nullptr;
    mutable std::vector<Range> ranges_;
    mutable int rangesRevision_ = -1;
    mutable const void* rangesDocument_ = nullptr;
    bool anyFolded_ = false;
};

} // namespace vantrel
