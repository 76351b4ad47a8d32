#include "anim/frmAnim.h"
#include "anim/frmCLSN.h"
#include "shell/frmMain.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerAnimWindows(frmMain& main)
{
    main.registerWindow(QStringLiteral("frmAnim"), [](App& a) { return new frmAnim(a); });
    // A file the window cannot read leaves it unopened, after its message.
    main.registerWindow(QStringLiteral("frmCLSN"), [](App& a) -> QWidget* { return frmCLSN::open(a); });
}

} // namespace vantrel
