#pragma once
// The Undo and Redo of a window's history: the history of the document the
// window shows, which may change while the window lives.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>

class QAction;
class QMenu;
class QWidget;

namespace vantrel {

class HistoryActions final : public QObject {
    Q_OBJECT
public:
    // Undo and Redo as actions of `window`, named `undoName` and `redoName`,
    // with the desktop's keys (working wherever the focus is in the window),
    // added to `menu`. They follow `stack` (none: both are off).
    HistoryActions(QWidget* window, QMenu* menu, const QString& undoName, const QString& redoName,
                   QUndoStack* stack = nullptr);
    void setStack(QUndoStack* stack);
    QUndoStack* stack() const { return stack_; }

    QAction* undo = nullptr;
    QAction* redo = nullptr;

private:
    void update();

    QPointer<QUndoStack> stack_;
};

// An Edit menu for a window that has no menu bar: a bar named "menuBar" at
// the top of the window's layout.
QMenu* addEditMenuBar(QWidget* window);

} // namespace vantrel
