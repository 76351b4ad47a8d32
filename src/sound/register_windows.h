#pragma once

namespace vantrel {
class Workbench;
// Registers the sound window.
void registerSoundWindows(Workbench& workbench);
} // namespace vantrel
