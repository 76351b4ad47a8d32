#pragma once

namespace vantrel {
class frmMain;
// Registers every window the main window can open, by name.
void registerWindows(frmMain& main);
} // namespace vantrel
