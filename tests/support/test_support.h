#pragma once
// Helpers shared by the tests: temporary folders, file writing, and a whole
// program state (App) on scripted dialogs and a throw-away settings store.

#include "documents/document_manager.h"
#include "formats/character_definition.h"
#include "formats/sprite_index.h"
#include "scripted_dialogs.h"
#include "sprites/sprite_document.h"
#include "ui/app.h"
#include "ui/settings_store_qt.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

#include <ostream>

// Readable QString values in test failure messages, and in what a test adds to one.
inline std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << s.toStdString();
}
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
// directory and its workspace folder, with scripted dialogs, a settings
// store and a document manager of its own.
class TestApp {
public:
    TestApp();
    ~TestApp();
    QString dir() const { return appDir.path(); }
    std::string path(const std::string& relative) const { return appDir.path().toStdString() + "/" + relative; }

    // Drops every open document, as if the program started again: the next
    // window reads its file afresh.
    void closeDocuments();

    QTemporaryDir appDir;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsStoreQt> store;
    std::unique_ptr<DocumentManager> documents;
    std::unique_ptr<App> app;
};

// The open character's files, to set as opening its .def does.
CharacterFiles& files(App& app);
// Puts `records` in place as the character's sprite table (pictures in the
// app's workspace folder), replacing the one open; the table's SFF is `sffPath`.
SpriteDocument* setSprites(App& app, std::vector<SpriteRecord> records, const QString& sffPath = {});
// The character's sprite table, when there is one.
SpriteDocument* spritesOf(const App& app);

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
