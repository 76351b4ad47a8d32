#include "history_actions.h"

#include "shortcuts.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace vantrel {

HistoryActions addHistoryActions(QWidget* window, QUndoStack* stack, QMenu* menu, const QString& undoName,
                                 const QString& redoName)
{
    HistoryActions actions{stack->createUndoAction(window), stack->createRedoAction(window)};
    actions.undo->setObjectName(undoName);
    actions.redo->setObjectName(redoName);
    menu->addActions({actions.undo, actions.redo});
    bindKeys(window, actions.undo, QKeySequence::Undo);
    bindKeys(window, actions.redo, QKeySequence::Redo);
    return actions;
}

QMenu* addEditMenuBar(QWidget* window)
{
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    window->layout()->setMenuBar(bar);
    return bar->addMenu(QStringLiteral("&Edit"));
}

} // namespace vantrel
