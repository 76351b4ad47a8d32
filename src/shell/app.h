#pragma once
// The program-wide state every window reads: the open character's paths,
// the sprite workspace, the settings, and the services (dialogs, settings
// store). One App lives for the whole run; tests make their own.

#include "formats/character_definition.h"
#include "image/pcx.h"
#include "shell/dialogs.h"
#include "shell/qt_text.h"
#include "shell/settings.h"
#include "sprites/workspace.h"
#include "text/editors_state.h"

#include <QString>

namespace vantrel {

class MainWindow;

struct App {
    App(QString applicationDir, QString workspaceDir, Dialogs& dialogService, SettingsStore& settingsStore)
            : appDir(std::move(applicationDir)), toolsDir(appDir), dataDir(appDir), workDir(std::move(workspaceDir)),
              sprites(workDir.toStdString()), dialogs(dialogService), store(settingsStore)
    { }

    QString appDir;   // holds the program; only read from
    QString toolsDir; // holds sff2pcx and sprmaker: appDir unless found elsewhere (app_paths.h)
    QString dataDir;  // holds the shipped data files and the sample character: likewise
    // This copy's own folder: the sprite workspace and the spawn script
    // (workspace_folders.h).
    QString workDir;
    // The folder holding every copy's own folder: workDir goes at a clean
    // close, and the folders a crash left there are offered at start-up.
    // Empty: workDir is not one of them (tests).
    QString workspacesDir;
    CharacterFiles files;
    SpriteWorkspace sprites;
    ProgramSettings settings;
    float zoomFactor = 1.0f;      // the sprite view's current zoom
    DecoderState decoder;         // spritePalette, spritePaletteCaptured, decodedPixels
    Palette workingPalette{};     // the palette editor's palette, for decodes in mode 1
    TextEditorsState textEditors; // the find settings and the text editors' modified flags
    QString recoveryDir;          // where recovery copies of unsaved text go; empty: none are kept

    Dialogs& dialogs;
    SettingsStore& store;
    MainWindow* main = nullptr;

    // A path of the program's data files, e.g. dataFile("tips.txt").
    QString dataFile(const QString& name) const { return dataDir + QLatin1Char('/') + name; }
};

} // namespace vantrel
