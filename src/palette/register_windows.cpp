#include "palette/palette_window.h"
#include "shell/main_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerPaletteWindows(MainWindow& main)
{
    main.registerWindow("PaletteWindow", [](App& a) { return new PaletteWindow(a); });
}

} // namespace vantrel
