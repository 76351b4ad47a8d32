#include "shell/main_window.h"
#include "sprites/sprite_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name. The
// parameters dialog and the PCX browser belong to the sprite window, which
// opens them itself.
void registerSpritesWindows(MainWindow& main)
{
    main.registerWindow(QStringLiteral("SpriteWindow"), [](App& app) { return new SpriteWindow(app); });
}

} // namespace vantrel
