#include "palette/palette_window.h"
#include "shell/main_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerPaletteWindows(MainWindow& main)
{
    // The window keeps the palettes it opened: another character closes it.
    WindowHooks hooks;
    hooks.confirmDiscard = [](QWidget* w) { return static_cast<PaletteWindow*>(w)->confirmDiscard(); };
    hooks.discardChanges = [](QWidget* w) { static_cast<PaletteWindow*>(w)->discardChanges(); };
    main.registerWindow(
        "PaletteWindow", [](App& a) { return new PaletteWindow(a); }, hooks);
}

} // namespace vantrel
