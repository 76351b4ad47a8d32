#include "calc/calculator_window.h"
#include "shell/main_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerCalcWindows(MainWindow& main)
{
    WindowHooks hooks;
    hooks.characterFree = true;
    main.registerWindow(
        QStringLiteral("CalculatorWindow"), [](App& a) { return new CalculatorWindow(a); }, hooks);
}

} // namespace vantrel
