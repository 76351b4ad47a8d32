#pragma once
// `vantrel --check-open <file.def>`: opens the character as the program does,
// with no window on screen and no question asked, prints how many sprites it
// has and ends. For install checks and scripts: the status is 0 when the
// sprites loaded, 1 otherwise (the reason goes to standard error).

#include "common/app_paths.h"

#include <QString>

namespace vantrel {

int checkOpen(const QString& defPath, const QString& applicationDir, const AppPaths& paths);

} // namespace vantrel
