#pragma once

namespace vantrel {
class Workbench;
// Registers the Problems window.
void registerCheckWindows(Workbench& workbench);
} // namespace vantrel
