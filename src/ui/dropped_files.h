#pragma once
// The local files among those dropped on a window.

#include <QStringList>

#include <initializer_list>

class QMimeData;

namespace vantrel {

// The local files among the dropped `data` whose names end in one of
// `suffixes` (".pcx", ...; any letter case), in their order.
QStringList droppedFiles(const QMimeData* data, std::initializer_list<const char*> suffixes);

} // namespace vantrel
