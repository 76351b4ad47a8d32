// The sound window's history: the undo stack and its Undo and Redo in the
// Edit menu.

#include "sound_window.h"

#include "shell/history_actions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace vantrel {

void SoundWindow::createUndoActions(QMenu* edit)
{
    undoStack_ = new QUndoStack(this);
    const HistoryActions history =
        addHistoryActions(this, undoStack_, edit, QStringLiteral("undoAction"), QStringLiteral("redoAction"));
    undoAction_ = history.undo;
    redoAction_ = history.redo;
    edit->addSeparator();
    // Back at the state last saved, the bank has no changes; away from it, it has.
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!editor_.hasBank())
            return;
        editor_.setModified(!clean);
        updateStatus();
    });
}

void SoundWindow::pushStep(QUndoCommand* step)
{
    if (replaying_) {
        delete step;
        return;
    }
    undoStack_->push(step);
}

void SoundWindow::showStep()
{
    const QScopedValueRollback replaying(replaying_, true);
    const int current = editor_.current();
    if (editor_.count() > 0) {
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

void SoundWindow::discardChanges()
{
    discardConfirmed_ = true;
    undoStack_->clear();
}

} // namespace vantrel
