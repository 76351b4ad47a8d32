#include "shell/main_window.h"
#include "sprites/sprite_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name. The
// parameters dialog and the PCX browser belong to the sprite window, which
// opens them itself.
void registerSpritesWindows(MainWindow& main)
{
    // The table's unsaved changes are asked about through the main window's
    // discard guard; the window follows the table of a new character.
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) {
        static_cast<SpriteWindow*>(w)->showWorkspace();
        return true;
    };
    main.registerWindow(
        QStringLiteral("SpriteWindow"), [](App& app) { return new SpriteWindow(app); }, hooks);
}

} // namespace vantrel
