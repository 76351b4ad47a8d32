#include "editors.h"

#include "shell/main_window.h"

namespace vantrel {

void registerShellWindows(MainWindow&);
void registerImageWindows(MainWindow&);
void registerSpritesWindows(MainWindow&);
void registerSoundWindows(MainWindow&);
void registerPaletteWindows(MainWindow&);
void registerAnimWindows(MainWindow&);
void registerTextWindows(MainWindow&);
void registerCalcWindows(MainWindow&);
void registerCheckWindows(MainWindow&);

void registerWindows(MainWindow& main)
{
    registerShellWindows(main);
    registerImageWindows(main);
    registerSpritesWindows(main);
    registerSoundWindows(main);
    registerPaletteWindows(main);
    registerAnimWindows(main);
    registerTextWindows(main);
    registerCalcWindows(main);
    registerCheckWindows(main);
}

} // namespace vantrel
