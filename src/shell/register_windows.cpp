#include "shell/frmConfig.h"
#include "shell/frmMain.h"
#include "shell/frmTips.h"

namespace vantrel {

// The shell's own dialogs that the main window opens by name.
void registerShellWindows(frmMain& main)
{
    main.registerWindow(QStringLiteral("frmTips"), [](App& a) { return new frmTips(a); });
    main.registerWindow(QStringLiteral("frmConfig"), [](App& a) { return new frmConfig(a); });
}

} // namespace vantrel
