#include "anim/register_windows.h"

#include "anim/animation_preview.h"
#include "anim/collision_box_window.h"
#include "ui/workbench.h"

namespace vantrel {

void registerAnimWindows(Workbench& workbench)
{
    workbench.registerWindow(WindowKind::AnimationPreview, [](App& a) { return new AnimationPreview(a); });
    // A file the window cannot read leaves it unopened, after its message.
    workbench.registerWindow(WindowKind::CollisionBoxes,
                             [](App& a) -> QWidget* { return CollisionBoxWindow::open(a); });
}

} // namespace vantrel
