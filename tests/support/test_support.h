#pragma once
// Helpers shared by the tests: temporary folders, file writing, and a whole
// program state (App) on scripted dialogs and a throw-away settings store.

#include "scripted_dialogs.h"
#include "shell/app.h"
#include "shell/settings_store_qt.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '[' << l.join("|").toStdString() << ']';
}

namespace vantrel::test {

// The real characters made by other people, for compatibility tests.
std::string realchars(const std::string& relative);

// Writes bytes to a file, creating its folders; fails the test on error.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// A program state in a temporary directory that is both its application
// directory and its workspace folder, with scripted dialogs and a settings
// store of its own.
class TestApp {
public:
    TestApp();
    QString dir() const { return appDir.path(); }
    std::string path(const std::string& relative) const { return appDir.path().toStdString() + "/" + relative; }

    QTemporaryDir appDir;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsStoreQt> store;
    std::unique_ptr<App> app;
};

// Gives the app a folder of its own in `root` for its workspace, spawn
// script and recovery copies, as the program's start does
// (workspace_folders.h); fails the test when it cannot be made.
void useOwnWorkspace(App& app, const QString& root);

// Puts a stand-in for the unpacking tool into an application directory: a
// shell script named sff2pcx that runs `body` (with $1 the archive, $2 the
// folder).
void writeStandInUnpacker(const std::string& appDir, const std::string& body);

// Copies the real sprite tools into an application directory.
void installRealTools(const std::string& appDir);

// The id of a process that has ended.
qint64 endedProcess();

} // namespace vantrel::test
