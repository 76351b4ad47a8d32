#include "shell/frmMain.h"
#include "text/character_editors.h"
#include "text/frmFind.h"
#include "text/frmNotepad.h"
#include "text/frmST.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerTextWindows(frmMain& main)
{
    main.registerWindow("frmDef", [](App& a) { return new frmDef(a); });
    main.registerWindow("frmCNS", [](App& a) { return new frmCNS(a); });
    main.registerWindow("frmCMD", [](App& a) { return new frmCMD(a); });
    main.registerWindow("frmAIR", [](App& a) { return new frmAIR(a); });
    main.registerWindow("frmST", [](App& a) { return new frmST(a); });
    main.registerWindow("frmNotepad", [](App& a) { return new frmNotepad(a); });
    // Find works on the text box of the active editor window.
    main.registerWindow("frmFind", [](App& a) { return new frmFind(a, activeTextBox(a), a.main); });
}

} // namespace vantrel
