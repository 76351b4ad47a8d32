#pragma once
// The program's paths, settings and services, which every window reads: one
// App lives for the whole run; tests make their own. The character's files
// are documents in the manager; the windows are views of them, opened
// through the workbench.

#include "common/qt_text.h"
#include "ui/dialogs.h"
#include "ui/search_settings.h"
#include "ui/settings.h"

#include <QString>

namespace vantrel {

class DocumentManager;
class Workbench;

struct App {
    App(QString applicationDir, QString workspaceDir, Dialogs& dialogService, SettingsStore& settingsStore)
            : appDir(std::move(applicationDir)), toolsDir(appDir), dataDir(appDir), workDir(std::move(workspaceDir)),
              dialogs(dialogService), store(settingsStore)
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
    QString recoveryDir; // where recovery copies of modified documents go; empty: none are kept
    ProgramSettings settings;
    float zoomFactor = 1.0f;        // the sprite view's current zoom
    SearchSettings search;          // the find dialog's, shared by the text windows
    bool toldNoSoundOutput = false; // "no sound card" is said once a session

    Dialogs& dialogs;
    SettingsStore& store;
    // The main window (null for a window used alone) and the documents.
    Workbench* workbench = nullptr;
    DocumentManager* documents = nullptr;

    // A path of the program's data files, e.g. dataFile("tips.txt").
    QString dataFile(const QString& name) const { return dataDir + QLatin1Char('/') + name; }
};

} // namespace vantrel
