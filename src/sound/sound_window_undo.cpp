// The sound window's share of the document's history: Undo and Redo in the
// Edit menu, and showing the bank after a step.

#include "sound_window.h"
#include "ui/app.h"

#include "ui/history_actions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QUndoStack>

namespace vantrel {

void SoundWindow::createUndoActions(QMenu* edit)
{
    history_ = new HistoryActions(this, edit, QStringLiteral("undoAction"), QStringLiteral("redoAction"));
    edit->addSeparator();
}

QUndoStack* SoundWindow::undoStack() const
{
    return document_ ? document_->undoStack() : nullptr;
}

QAction* SoundWindow::undoAction() const
{
    return history_->undo;
}

QAction* SoundWindow::redoAction() const
{
    return history_->redo;
}

void SoundWindow::showStep()
{
    if (!document_)
        return;
    const int current = editor().current();
    if (editor().count() > 0) {
        enableEditing();
        showBank();
        showSample(current);
    } else {
        disableEditing();
        showBank();
        rateLabel_->clear();
        formatLabel_->clear();
    }
    updateStatus();
}

} // namespace vantrel
