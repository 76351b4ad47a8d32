#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerPaletteWindows(frmMain& main)
{
    (void)main;
}

} // namespace vantrel
