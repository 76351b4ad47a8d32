#pragma once

namespace vantrel {
class Workbench;
// Registers every window the main window can open, by kind.
void registerWindows(Workbench& workbench);
} // namespace vantrel
