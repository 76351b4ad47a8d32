#include "shell/frmMain.h"
#include "sound/frmSNDAbout.h"
#include "sound/frmSondrel.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerSoundWindows(frmMain& main)
{
    main.registerWindow(QStringLiteral("frmSondrel"), [](App& app) { return new frmSondrel(app); });
    main.registerWindow(QStringLiteral("frmSNDAbout"), [](App&) { return new frmSNDAbout; });
}

} // namespace vantrel
