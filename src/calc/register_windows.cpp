#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerCalcWindows(frmMain& main)
{
    (void)main;
}

} // namespace vantrel
