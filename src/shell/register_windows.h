#pragma once

namespace vantrel {
class Workbench;
// Registers the tips and the settings dialog.
void registerShellWindows(Workbench& workbench);
} // namespace vantrel
