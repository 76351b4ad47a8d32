#include "sound/register_windows.h"

#include "sound/sound_window.h"
#include "ui/workbench.h"

namespace vantrel {

void registerSoundWindows(Workbench& workbench)
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) { return static_cast<SoundWindow*>(w)->followCharacter(); };
    hooks.showNumbered = [](QWidget* w, std::int32_t group, std::int32_t number) {
        return static_cast<SoundWindow*>(w)->showSound(group, number);
    };
    hooks.commitEdits = [](QWidget* w) { return static_cast<SoundWindow*>(w)->takeTypedNumbers(); };
    workbench.registerWindow(
        WindowKind::Sounds, [](App& app) { return new SoundWindow(app); }, hooks);
}

} // namespace vantrel
