#include "sprites/register_windows.h"

#include "sprites/sprite_window.h"
#include "ui/workbench.h"

namespace vantrel {

// The parameters dialog and the PCX browser belong to the sprite window,
// which opens them itself.
void registerSpritesWindows(Workbench& workbench)
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) { return static_cast<SpriteWindow*>(w)->showWorkspace(); };
    hooks.showNumbered = [](QWidget* w, std::int32_t group, std::int32_t number) {
        return static_cast<SpriteWindow*>(w)->showSprite(group, number);
    };
    workbench.registerWindow(
        WindowKind::Sprites, [](App& app) { return new SpriteWindow(app); }, hooks);
}

} // namespace vantrel
