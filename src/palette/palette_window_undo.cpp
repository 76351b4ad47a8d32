// The palette window's share of the document's history: its Edit menu and
// the toolbar's Undo button, and the steps the colour controls make.

#include "palette/palette_commands.h"
#include "palette/palette_window.h"
#include "ui/app.h"
#include "ui/history_actions.h"

#include <QAction>
#include <QUndoStack>

namespace vantrel {

void PaletteWindow::createEditMenu()
{
    history_ = new HistoryActions(this, addEditMenuBar(this), QStringLiteral("editUndoAction"),
                                  QStringLiteral("editRedoAction"));
    // The toolbar's Undo takes the same step.
    connect(undoAction_, &QAction::triggered, history_->undo, &QAction::trigger);
    connect(history_->undo, &QAction::changed, this, &PaletteWindow::updateUndoButton);
}

PaletteWindow::~PaletteWindow()
{
    if (document_)
        document_->disconnect(this);
}

QUndoStack* PaletteWindow::undoStack() const
{
    return document_ ? document_->undoStack() : nullptr;
}

QAction* PaletteWindow::editUndoAction() const
{
    return history_->undo;
}

QAction* PaletteWindow::editRedoAction() const
{
    return history_->redo;
}

void PaletteWindow::recordStep(const QString& text, int entry, int mergeId)
{
    if (!document_ || editor_.workingPalette == document_->palette())
        return;
    document_->push(new PaletteChangeCommand(*document_, text, editor_.workingPalette, entry, mergeId));
}

} // namespace vantrel
