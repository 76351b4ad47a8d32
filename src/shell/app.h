#pragma once
// The program-wide state every window reads: the open character's paths,
// the sprite workspace, the settings, and the services (dialogs, settings
// store). One App lives for the whole run; tests make their own.

#include "shell/character_files.h"
#include "shell/dialogs.h"
#include "shell/qt_text.h"
#include "shell/settings.h"
#include "image/pcx.h"
#include "sprites/workspace.h"
#include "text/editors_state.h"

#include <QString>

namespace vantrel {

class MainWindow;

struct App {
    App(QString applicationDir, Dialogs& dialogService, SettingsStore& settingsStore)
        : appDir(std::move(applicationDir)), sprites(appDir.toStdString()), dialogs(dialogService),
          store(settingsStore)
    {
    }

    QString appDir; // holds the program, the tools, the data files and the workspace
    CharacterFiles files;
    SpriteWorkspace sprites;
    ProgramSettings settings;
    float zoomFactor = 1.0f; // the sprite view's current zoom
    DecoderState decoder;    // spritePalette, spritePaletteCaptured, decodedPixels
    Palette workingPalette{}; // the palette editor's palette, for decodes in mode 1
    TextEditorsState textEditors; // the find settings and the text editors' modified flags

    Dialogs& dialogs;
    SettingsStore& store;
    MainWindow* main = nullptr;

    // A path of the program's data files, e.g. dataFile("tips.txt").
    QString dataFile(const QString& name) const { return appDir + QLatin1Char('/') + name; }
};

} // namespace vantrel
