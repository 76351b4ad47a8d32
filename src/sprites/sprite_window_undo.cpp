// The sprite window's share of the document's history: the Edit menu and the
// toolbar's Undo button, and the steps the record boxes and the axis drag make.

#include "sprites/sprite_window.h"
#include "ui/app.h"

#include "ui/history_actions.h"

#include <QAction>
#include <QUndoStack>

#include <algorithm>

namespace vantrel {

void SpriteWindow::createEditMenu()
{
    history_ = new HistoryActions(this, addEditMenuBar(this), QStringLiteral("editUndoAction"),
                                  QStringLiteral("editRedoAction"));
    editUndoAction = history_->undo;
    editRedoAction = history_->redo;

    // The toolbar's Undo takes the same step, and says which in its tip.
    connect(undoAction, &QAction::triggered, history_->undo, &QAction::trigger);
    undoAction->setEnabled(false);
    connect(history_->undo, &QAction::changed, undoAction, [this] {
        undoAction->setEnabled(history_->undo->isEnabled());
        const QUndoStack* stack = history_->stack();
        const QString text = stack && stack->canUndo() ? stack->undoText() : QString();
        undoAction->setToolTip(text.isEmpty() ? QString() : tr("Undo %1").arg(text));
    });
    connect(view, &SpriteCanvas::axisDropped, this, &SpriteWindow::takeDraggedAxis);
}

void SpriteWindow::showStep(int row)
{
    const int count = document_ ? workspace().count() : 0;
    const int shown = count > 0 ? std::clamp(row > 0 ? row : currentIndex(), 1, count) : 0;
    setIndexRange(count, shown);
    followRecord(shown);
    // The boxes show the record's numbers; one that already says its number
    // (typed by the user this moment) keeps its text.
    refreshPositionLabel();
    showGroupAndImage(false);
    loadImage(shown, false);
}

void SpriteWindow::editRecord(const QString& text, SpriteEditKind kind, const std::function<void(SpriteRecord&)>& edit)
{
    const SpriteRecord* record = current();
    if (!record)
        return;
    SpriteRecord edited = *record;
    edit(edited);
    // Only a change of value is an edit; a number merely written anew is not.
    if (sameSprite(*record, edited))
        return;
    document_->push(new EditRecordCommand(*document_, text, currentIndex(), std::move(edited), kind));
}

void SpriteWindow::takeDraggedAxis(std::int64_t x, std::int64_t y)
{
    const SpriteRecord* record = current();
    if (!record || (record->axisX() == x && record->axisY() == y))
        return;
    // The whole drag is one step.
    SpriteRecord moved = *record;
    storeNumber(moved.axisXText, x);
    storeNumber(moved.axisYText, y);
    document_->push(new EditRecordCommand(*document_, tr("Move Axis"), currentIndex(), std::move(moved)));
}

} // namespace vantrel
