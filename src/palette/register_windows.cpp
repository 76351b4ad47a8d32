#include "palette/frmAct.h"
#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerPaletteWindows(frmMain& main)
{
    main.registerWindow("frmAct", [](App& a) { return new frmAct(a); });
}

} // namespace vantrel
