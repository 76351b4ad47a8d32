#include "palette/register_windows.h"

#include "palette/palette_window.h"
#include "ui/workbench.h"

namespace vantrel {

void registerPaletteWindows(Workbench& workbench)
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) { return static_cast<PaletteWindow*>(w)->followCharacter(); };
    workbench.registerWindow(
        WindowKind::Palettes, [](App& a) { return new PaletteWindow(a); }, hooks);
}

} // namespace vantrel
