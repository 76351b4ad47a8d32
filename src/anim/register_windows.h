#pragma once

namespace vantrel {
class Workbench;
// Registers the animation preview and the collision box window.
void registerAnimWindows(Workbench& workbench);
} // namespace vantrel
