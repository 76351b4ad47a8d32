#pragma once
// Files dropped on a window, as a file manager drops them.

#include <QStringList>

class QWidget;

namespace vantrel::test {

// Drags `paths` over `target` and drops them when the drag is taken; true
// when it was. Events the drop posts are handled before it returns.
bool dropFiles(QWidget* target, const QStringList& paths);

} // namespace vantrel::test
