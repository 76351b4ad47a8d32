#include "shell/main_window.h"
#include "sound/sound_about_dialog.h"
#include "sound/sound_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerSoundWindows(MainWindow& main)
{
    // The window keeps the bank it opened: another character closes it.
    WindowHooks hooks;
    hooks.confirmDiscard = [](QWidget* w) { return static_cast<SoundWindow*>(w)->confirmDiscard(); };
    hooks.discardChanges = [](QWidget* w) { static_cast<SoundWindow*>(w)->discardChanges(); };
    main.registerWindow(
        QStringLiteral("SoundWindow"), [](App& app) { return new SoundWindow(app); }, hooks);
    main.registerWindow(QStringLiteral("SoundAboutDialog"), [](App&) { return new SoundAboutDialog; });
}

} // namespace vantrel
