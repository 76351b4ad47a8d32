#pragma once

namespace vantrel {
class Workbench;
// Registers the text windows, the notepad, the find dialog and the help window.
void registerTextWindows(Workbench& workbench);
} // namespace vantrel
