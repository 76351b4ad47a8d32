#include "editors.h"

#include "shell/frmMain.h"

namespace vantrel {

void registerWindows(frmMain& main)
{
    (void)main;
}

} // namespace vantrel
