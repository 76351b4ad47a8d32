#include "sound/register_windows.h"

#include "sound/sound_window.h"
#include "ui/workbench.h"

namespace vantrel {

void registerSoundWindows(Workbench& workbench)
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) { return static_cast<SoundWindow*>(w)->followCharacter(); };
    hooks.commitEdits = [](QWidget* w) { return static_cast<SoundWindow*>(w)->takeTypedNumbers(); };
    workbench.registerWindow(
        WindowKind::Sounds, [](App& app) { return new SoundWindow(app); }, hooks);
}

} // namespace vantrel
