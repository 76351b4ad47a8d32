#include "app/editors.h"

#include "anim/register_windows.h"
#include "calc/register_windows.h"
#include "check/register_windows.h"
#include "palette/register_windows.h"
#include "shell/register_windows.h"
#include "sound/register_windows.h"
#include "sprites/register_windows.h"
#include "text/register_windows.h"

namespace vantrel {

void registerWindows(Workbench& workbench)
{
    registerShellWindows(workbench);
    registerSpritesWindows(workbench);
    registerSoundWindows(workbench);
    registerPaletteWindows(workbench);
    registerAnimWindows(workbench);
    registerTextWindows(workbench);
    registerCalcWindows(workbench);
    registerCheckWindows(workbench);
}

} // namespace vantrel
