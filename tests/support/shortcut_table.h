#pragma once
// The keys a window binds, for the tests that check that no key means two
// commands in one window and that the desktop's standard keys are there.

#include <QKeySequence>
#include <QMap>
#include <QString>
#include <QStringList>

class QAction;
class QWidget;

namespace vantrel::test {

// Every key bound in `window` by the shortcuts of its actions and of its
// QShortcut objects ("Ctrl+S"), with the object names of what binds it.
// The child windows inside a main window's frame are left out: their keys
// count in their own window.
QMap<QString, QStringList> boundKeys(QWidget* window);

// The keys bound more than once, as "Ctrl+S: saveAction, saveAsAction".
QStringList keysBoundTwice(QWidget* window);

// The key as the tables write it.
QString keyText(const QKeySequence& key);
QString keyText(QKeySequence::StandardKey key);

} // namespace vantrel::test
