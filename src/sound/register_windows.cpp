#include "shell/main_window.h"
#include "sound/sound_about_dialog.h"
#include "sound/sound_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerSoundWindows(MainWindow& main)
{
    main.registerWindow(QStringLiteral("SoundWindow"), [](App& app) { return new SoundWindow(app); });
    main.registerWindow(QStringLiteral("SoundAboutDialog"), [](App&) { return new SoundAboutDialog; });
}

} // namespace vantrel
