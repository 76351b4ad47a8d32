#include "shell/main_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerImageWindows(MainWindow& main)
{
    (void)main;
}

} // namespace vantrel
