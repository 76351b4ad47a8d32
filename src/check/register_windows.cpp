#include "check/problems_window.h"
#include "shell/main_window.h"

namespace vantrel {

// The Problems window checks the character it opens on and, after a switch,
// the one that replaced it.
void registerCheckWindows(MainWindow& main)
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) {
        static_cast<ProblemsWindow*>(w)->refresh();
        return true;
    };
    main.registerWindow(
        QStringLiteral("ProblemsWindow"), [](App& a) { return new ProblemsWindow(a); }, hooks);
}

} // namespace vantrel
