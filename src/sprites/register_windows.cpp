#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerSpritesWindows(frmMain& main)
{
    (void)main;
}

} // namespace vantrel
