#include "ui/history_actions.h"

#include "ui/shortcuts.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace vantrel {

HistoryActions::HistoryActions(QWidget* window, QMenu* menu, const QString& undoName, const QString& redoName,
                               QUndoStack* stack)
        : QObject(window), undo(new QAction(tr("Undo"), window)), redo(new QAction(tr("Redo"), window))
{
    undo->setObjectName(undoName);
    redo->setObjectName(redoName);
    menu->addActions({undo, redo});
    bindKeys(window, undo, QKeySequence::Undo);
    bindKeys(window, redo, QKeySequence::Redo);
    connect(undo, &QAction::triggered, this, [this] {
        if (stack_)
            stack_->undo();
    });
    connect(redo, &QAction::triggered, this, [this] {
        if (stack_)
            stack_->redo();
    });
    setStack(stack);
}

void HistoryActions::setStack(QUndoStack* stack)
{
    if (stack_)
        stack_->disconnect(this);
    stack_ = stack;
    if (stack) {
        connect(stack, &QUndoStack::indexChanged, this, &HistoryActions::update);
        connect(stack, &QUndoStack::cleanChanged, this, &HistoryActions::update);
        connect(stack, &QObject::destroyed, this, &HistoryActions::update);
    }
    update();
}

void HistoryActions::update()
{
    const bool canUndo = stack_ && stack_->canUndo();
    const bool canRedo = stack_ && stack_->canRedo();
    undo->setEnabled(canUndo);
    redo->setEnabled(canRedo);
    undo->setText(canUndo ? tr("Undo %1").arg(stack_->undoText()) : tr("Undo"));
    redo->setText(canRedo ? tr("Redo %1").arg(stack_->redoText()) : tr("Redo"));
}

QMenu* addEditMenuBar(QWidget* window)
{
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    window->layout()->setMenuBar(bar);
    return bar->addMenu(QCoreApplication::translate("HistoryActions", "&Edit"));
}

} // namespace vantrel
