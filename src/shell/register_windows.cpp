#include "shell/main_window.h"
#include "shell/settings_dialog.h"
#include "shell/tip_dialog.h"

namespace vantrel {

// The shell's own dialogs that the main window opens by name.
void registerShellWindows(MainWindow& main)
{
    main.registerWindow(QStringLiteral("TipDialog"), [](App& a) { return new TipDialog(a); });
    main.registerWindow(QStringLiteral("SettingsDialog"), [](App& a) { return new SettingsDialog(a); });
}

} // namespace vantrel
