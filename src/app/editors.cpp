#include "editors.h"

#include "shell/frmMain.h"

namespace vantrel {

void registerShellWindows(frmMain&);
void registerImageWindows(frmMain&);
void registerSpritesWindows(frmMain&);
void registerSoundWindows(frmMain&);
void registerPaletteWindows(frmMain&);
void registerAnimWindows(frmMain&);
void registerTextWindows(frmMain&);
void registerCalcWindows(frmMain&);

void registerWindows(frmMain& main)
{
    registerShellWindows(main);
    registerImageWindows(main);
    registerSpritesWindows(main);
    registerSoundWindows(main);
    registerPaletteWindows(main);
    registerAnimWindows(main);
    registerTextWindows(main);
    registerCalcWindows(main);
}

} // namespace vantrel
