#include "check/register_windows.h"

#include "check/problems_window.h"
#include "ui/workbench.h"

namespace vantrel {

// The Problems window checks the character it opens on and, after a switch,
// the one that replaced it.
void registerCheckWindows(Workbench& workbench)
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) {
        static_cast<ProblemsWindow*>(w)->refresh();
        return true;
    };
    workbench.registerWindow(
        WindowKind::Problems, [](App& a) { return new ProblemsWindow(a); }, hooks);
}

} // namespace vantrel
