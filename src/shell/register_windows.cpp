#include "shell/register_windows.h"

#include "shell/settings_dialog.h"
#include "shell/tip_dialog.h"
#include "ui/workbench.h"

namespace vantrel {

void registerShellWindows(Workbench& workbench)
{
    workbench.registerWindow(WindowKind::Tips, [](App& a) { return new TipDialog(a); });
    workbench.registerWindow(WindowKind::Settings, [](App& a) { return new SettingsDialog(a); });
}

} // namespace vantrel
