#pragma once

namespace vantrel {
class Workbench;
// Registers the calculator.
void registerCalcWindows(Workbench& workbench);
} // namespace vantrel
