#pragma once
// The keys of a window's commands. A child window's keys work while the focus
// is in that window, not across the whole frame, and every tool tip names
// the keys of its command ("Save (Ctrl+S)").

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace vantrel {

// Binds the keys to an action of `window` (added to the window, so that they
// work wherever the focus is inside it) and names the first in its tool tip.
void bindKeys(QWidget* window, QAction* action, const QList<QKeySequence>& keys);
void bindKeys(QWidget* window, QAction* action, QKeySequence::StandardKey key);

// The desktop's keys for a standard command. Where a desktop has none for
// Quit or Save As, the usual Ctrl+Q and Ctrl+Shift+S.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key);

// "Save" with Ctrl+S gives "Save (Ctrl+S)"; without a key the tip is kept.
QString toolTipWithKeys(const QString& toolTip, const QKeySequence& key);

} // namespace vantrel
