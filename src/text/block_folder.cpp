#include "text/block_folder.h"

#include "text/editor_text_box.h"
#include "text/fold_ranges.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

namespace vantrel {

BlockFolder::BlockFolder(EditorTextBox* box) : QObject(box), box_(box)
{
    gutter_ = box_->lineNumberArea();
    gutter_->installEventFilter(this);
    connect(box_, &QPlainTextEdit::cursorPositionChanged, this, &BlockFolder::caretMoved);
    connect(box_, &EditorTextBox::textEdited, this, &BlockFolder::textChanged);
    connect(box_, &EditorTextBox::textDocumentChanged, this, [this] { anyFolded_ = true; });
}

int BlockFolder::markerWidth() const
{
    return box_->fontMetrics().height();
}

const std::vector<BlockFolder::Range>& BlockFolder::ranges() const
{
    const QTextDocument* document = box_->document();
    if (rangesDocument_ != document || rangesRevision_ != document->revision()) {
        const std::vector<std::string> texts = box_->utf8Lines();
        const std::vector<std::string_view> lines(texts.begin(), texts.end());
        ranges_.clear();
        for (const FoldRange& range : foldRanges(lines))
            ranges_.push_back({static_cast<int>(range.header), static_cast<int>(range.last)});
        rangesDocument_ = document;
        rangesRevision_ = document->revision();
    }
    return ranges_;
}

std::optional<BlockFolder::Range> BlockFolder::rangeAt(int line, bool headerOnly) const
{
    for (const Range& range : ranges()) {
        if (range.header == line || (!headerOnly && range.header < line && line <= range.last))
            return range;
    }
    return std::nullopt;
}

bool BlockFolder::isFoldable(int line) const
{
    return rangeAt(line, true).has_value();
}

bool BlockFolder::isFolded(int line) const
{
    const QTextBlock next = box_->document()->findBlockByNumber(line + 1);
    return isFoldable(line) && next.isValid() && !next.isVisible();
}

void BlockFolder::showLines(int first, int last, bool visible)
{
    QTextDocument* document = box_->document();
    const QTextBlock from = document->findBlockByNumber(first);
    QTextBlock to = from;
    for (QTextBlock block = from; block.isValid() && block.blockNumber() <= last; block = block.next()) {
        block.setVisible(visible);
        to = block;
    }
    if (!from.isValid())
        return;
    document->markContentsDirty(from.position(), to.position() + to.length() - from.position());
    box_->viewport()->update();
    box_->lineNumberArea()->update();
}

bool BlockFolder::setFolded(int line, bool folded)
{
    box_->finishLoading();
    const std::optional<Range> range = rangeAt(line, true);
    if (!range)
        return false;
    // The caret leaves the lines it would be hidden in.
    const int caretLine = box_->textCursor().blockNumber();
    if (folded && caretLine > range->header && caretLine <= range->last)
        box_->setTextCursor(QTextCursor(box_->document()->findBlockByNumber(range->header)));
    showLines(range->header + 1, range->last, !folded);
    anyFolded_ = anyFolded_ || folded;
    return true;
}

void BlockFolder::unfoldAll()
{
    showLines(0, box_->document()->blockCount() - 1, true);
    anyFolded_ = false;
}

void BlockFolder::caretMoved()
{
    const QTextBlock block = box_->textCursor().block();
    if (block.isVisible())
        return;
    if (const std::optional<Range> range = rangeAt(block.blockNumber(), false))
        setFolded(range->header, false);
    else
        showLines(block.blockNumber(), block.blockNumber(), true);
}

void BlockFolder::textChanged()
{
    if (!anyFolded_)
        return;
    // Lines stay hidden only inside a block whose header is still folded.
    bool folded = false;
    int hideFrom = 0;
    int hideUntil = -1;
    for (QTextBlock block = box_->document()->begin(); block.isValid(); block = block.next()) {
        const int line = block.blockNumber();
        if (const std::optional<Range> range = rangeAt(line, true)) {
            const QTextBlock next = block.next();
            if (next.isValid() && !next.isVisible()) {
                hideFrom = line + 1;
                hideUntil = range->last;
                folded = true;
            }
        }
        const bool hidden = hideFrom <= line && line <= hideUntil;
        if (block.isVisible() == hidden)
            showLines(line, line, !hidden);
    }
    anyFolded_ = folded;
}

void BlockFolder::paintMarker(QPainter& painter, const QTextBlock& block, int left, int top, int height)
{
    if (!isFoldable(block.blockNumber()))
        return;
    const bool folded = isFolded(block.blockNumber());
    const int size = std::max(6, markerWidth() / 2);
    const QPointF centre(left + markerWidth() / 2.0, top + height / 2.0);
    QPainterPath arrow;
    // A triangle pointing right when folded, down when open.
    if (folded) {
        arrow.moveTo(centre + QPointF(-size / 3.0, -size / 2.0));
        arrow.lineTo(centre + QPointF(size / 2.0, 0));
        arrow.lineTo(centre + QPointF(-size / 3.0, size / 2.0));
    } else {
        arrow.moveTo(centre + QPointF(-size / 2.0, -size / 3.0));
        arrow.lineTo(centre + QPointF(size / 2.0, -size / 3.0));
        arrow.lineTo(centre + QPointF(0, size / 2.0));
    }
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(arrow, box_->palette().color(folded ? QPalette::Highlight : QPalette::PlaceholderText));
    painter.restore();
}

bool BlockFolder::eventFilter(QObject* watched, QEvent* event)
{
    // The gutter may outlive the box by a moment while the box goes.
    if (event->type() == QEvent::MouseButtonPress && watched == gutter_) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton && click->position().x() >= gutter_->width() - markerWidth()) {
            const QTextBlock block = box_->cursorForPosition(QPoint(0, qRound(click->position().y()))).block();
            const int line = block.blockNumber();
            if (isFoldable(line))
                setFolded(line, !isFolded(line));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantrel
