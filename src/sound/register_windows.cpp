#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerSoundWindows(frmMain& main)
{
    (void)main;
}

} // namespace vantrel
