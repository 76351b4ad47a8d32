// The palette window's history: the undo stack, its Edit menu and the
// toolbar's Undo button, and the steps the colour controls make.

#include "palette/palette_commands.h"
#include "palette/palette_window.h"
#include "shell/history_actions.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace vantrel {

void PaletteWindow::createEditMenu()
{
    undoStack_ = new QUndoStack(this);
    const HistoryActions history = addHistoryActions(
        this, undoStack_, addEditMenuBar(this), QStringLiteral("editUndoAction"), QStringLiteral("editRedoAction"));
    editUndoAction_ = history.undo;
    editRedoAction_ = history.redo;

    // The toolbar's Undo takes the same step.
    connect(undoAction_, &QAction::triggered, undoStack_, &QUndoStack::undo);
    connect(undoStack_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    stepStart_ = editor_.workingPalette;
}

PaletteWindow::~PaletteWindow()
{
    // The stack empties itself as it goes; the window no longer follows it.
    undoStack_->disconnect(this);
}

void PaletteWindow::recordStep(const QString& text, int entry, int mergeId)
{
    if (!undoStack_ || replaying_ || editor_.workingPalette == stepStart_)
        return;
    const Palette before = stepStart_;
    stepStart_ = editor_.workingPalette;
    undoStack_->push(new PaletteChangeCommand(
        editor_,
        [this] {
            const QScopedValueRollback replaying(replaying_, true);
            stepStart_ = editor_.workingPalette;
            refresh(true);
        },
        text, before, entry, mergeId));
}

void PaletteWindow::resetUndo()
{
    stepStart_ = editor_.workingPalette;
    if (undoStack_)
        undoStack_->clear();
}

void PaletteWindow::discardChanges()
{
    editor_.markSaved();
    resetUndo();
}

} // namespace vantrel
