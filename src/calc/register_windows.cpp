#include "calc/register_windows.h"

#include "calc/calculator_window.h"
#include "ui/workbench.h"

namespace vantrel {

void registerCalcWindows(Workbench& workbench)
{
    WindowHooks hooks;
    hooks.characterFree = true;
    workbench.registerWindow(
        WindowKind::Calculator, [](App& a) { return new CalculatorWindow(a); }, hooks);
}

} // namespace vantrel
