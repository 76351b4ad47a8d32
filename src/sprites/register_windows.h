#pragma once

namespace vantrel {
class Workbench;
// Registers the sprite window.
void registerSpritesWindows(Workbench& workbench);
} // namespace vantrel
