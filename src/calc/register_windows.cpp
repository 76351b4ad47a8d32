#include "calc/frmCalc.h"
#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerCalcWindows(frmMain& main)
{
    main.registerWindow(QStringLiteral("frmCalc"), [](App& a) { return new frmCalc(a); });
}

} // namespace vantrel
