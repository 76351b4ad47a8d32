#include "anim/animation_preview.h"
#include "anim/collision_box_window.h"
#include "shell/main_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerAnimWindows(MainWindow& main)
{
    main.registerWindow(QStringLiteral("AnimationPreview"), [](App& a) { return new AnimationPreview(a); });
    // A file the window cannot read leaves it unopened, after its message.
    main.registerWindow(QStringLiteral("CollisionBoxWindow"),
                        [](App& a) -> QWidget* { return CollisionBoxWindow::open(a); });
}

} // namespace vantrel
