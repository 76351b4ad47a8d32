// The sprite window's history: the undo stack, its Edit menu and the toolbar's
// Undo button, and the steps the record boxes and the axis drag make.

#include "sprites/sprite_window.h"

#include "shell/history_actions.h"
#include "sprites/sff_builder.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QUndoStack>

#include <algorithm>

namespace vantrel {

void SpriteWindow::createEditMenu()
{
    undoStack = new QUndoStack(this);
    const HistoryActions history = addHistoryActions(
        this, undoStack, addEditMenuBar(this), QStringLiteral("editUndoAction"), QStringLiteral("editRedoAction"));
    editUndoAction = history.undo;
    editRedoAction = history.redo;

    // The toolbar's Undo takes the same step, and says which in its tip.
    connect(undoAction, &QAction::triggered, undoStack, &QUndoStack::undo);
    undoAction->setEnabled(false);
    connect(undoStack, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::undoTextChanged, undoAction, [button = undoAction](const QString& text) {
        button->setToolTip(text.isEmpty() ? QString() : QStringLiteral("Undo %1").arg(text));
    });
    // Back at the state last built, the table has no edits; away from it, it has.
    connect(undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!resettingUndo_)
            app_.sprites.setModified(!clean);
    });
    connect(builder_, &SffBuilder::started, this, [this] { buildStep_ = undoStack->index(); });
    connect(builder_, &SffBuilder::finished, this, [this](bool ok) {
        if (!ok)
            return;
        // Edits made while the tool ran are not in the SFF: then no state
        // of the history is the one built.
        if (undoStack->index() == buildStep_)
            undoStack->setClean();
        else
            undoStack->resetClean();
    });
    connect(view, &SpriteCanvas::pressed, this, [this] {
        dragRow_ = currentIndex();
        if (const SpriteRecord* record = current())
            dragBefore_ = *record;
    });
    connect(view, &SpriteCanvas::released, this, &SpriteWindow::takeDraggedAxis);
}

SpriteWindow::~SpriteWindow()
{
    // The stack empties itself as it goes, which must not read as the table
    // going back to its built state.
    undoStack->disconnect(this);
}

void SpriteWindow::resetUndo()
{
    if (!undoStack)
        return;
    const QScopedValueRollback resetting(resettingUndo_, true);
    undoStack->clear();
    // A table with edits no step made (kept from a crashed run) has no
    // state in the history without them.
    if (app_.sprites.modified())
        undoStack->resetClean();
}

void SpriteWindow::pushStep(QUndoCommand* step)
{
    if (replaying_) {
        delete step;
        return;
    }
    undoStack->push(step);
}

void SpriteWindow::showStep(int row)
{
    const QScopedValueRollback replaying(replaying_, true);
    const int count = app_.sprites.count();
    const int shown = count > 0 ? std::clamp(row, 1, count) : 0;
    setIndexRange(count, shown);
    showRecord(shown);
}

void SpriteWindow::editRecord(const QString& text, SpriteEditKind kind, const std::function<void(SpriteRecord&)>& edit)
{
    SpriteRecord* record = current();
    if (!record)
        return;
    const SpriteRecord before = *record;
    edit(*record);
    // Only a change of value is an edit; a number merely written anew is not.
    if (sameSprite(before, *record) || replaying_)
        return;
    pushStep(new EditRecordCommand(
        app_.sprites, [this](int row) { showStep(row); }, text, currentIndex(), before, *record, kind));
}

void SpriteWindow::takeDraggedAxis()
{
    const SpriteRecord* record = current();
    if (!record || dragRow_ != currentIndex())
        return;
    if (record->axisX() == dragBefore_.axisX() && record->axisY() == dragBefore_.axisY())
        return;
    // The whole drag is one step, from where the axis was when the button
    // went down.
    pushStep(new EditRecordCommand(
        app_.sprites, [this](int row) { showStep(row); }, QStringLiteral("Move Axis"), dragRow_, dragBefore_, *record));
    dragRow_ = 0;
}

} // namespace vantrel
