#include "shell/frmMain.h"
#include "sprites/frmSFF.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name. The
// parameters dialog and the PCX browser belong to the sprite window, which
// opens them itself.
void registerSpritesWindows(frmMain& main)
{
    main.registerWindow(QStringLiteral("frmSFF"), [](App& app) { return new frmSFF(app); });
}

} // namespace vantrel
