#pragma once
// The Undo and Redo of a window's history.

#include <QString>

class QAction;
class QMenu;
class QUndoStack;
class QWidget;

namespace vantrel {

struct HistoryActions {
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

// Undo and Redo of `stack` as actions of `window`, named `undoName` and
// `redoName`, with the desktop's keys (working wherever the focus is in the
// window), added to `menu`.
HistoryActions addHistoryActions(QWidget* window, QUndoStack* stack, QMenu* menu, const QString& undoName,
                                 const QString& redoName);

// An Edit menu for a window that has no menu bar: a bar named "menuBar" at
// the top of the window's layout.
QMenu* addEditMenuBar(QWidget* window);

} // namespace vantrel
