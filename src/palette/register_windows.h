#pragma once

namespace vantrel {
class Workbench;
// Registers the palette window.
void registerPaletteWindows(Workbench& workbench);
} // namespace vantrel
