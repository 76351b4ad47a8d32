#pragma once
// Each running copy keeps its sprite workspace, its spawn script and the
// recovery copies of its unsaved text in a folder of its own under the
// user's cache, <cache>/workspaces/<pid>-<random>/: nothing is written
// beside the program, and two copies never share a workspace. An `owner`
// file in the folder names the process (its id and start time) and the
// character open. The folder goes at a clean close, so one whose owner no
// longer runs is what a crash left behind.

#include "documents/recovery_copies.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace vantrel {

// Names inside a copy's folder.
inline const QString kOwnerFileName = QStringLiteral("owner");
inline const QString kRecoveryFolderName = QStringLiteral("recovery");
// The sprite table while it has changes not built into an SFF, as a sprite
// index; the pictures it names are in the workspace's tempsff/.
inline const QString kUnsavedIndexName = QStringLiteral("tempsff.unsaved.txt");

struct WorkspaceOwner {
    qint64 pid = 0;
    QString started;   // the process's start time since boot, in clock ticks; empty when unknown
    QString character; // the .def open in that copy; empty while none is
};

// This process, as an owner file names it.
WorkspaceOwner currentProcess();
// True while the owner's process runs: the same id and, when the file
// knows it, the same start time (an id used again after a reboot or by
// another program is not the owner).
bool ownerRuns(const WorkspaceOwner& owner);

std::optional<WorkspaceOwner> readOwner(const QString& folder);
bool writeOwner(const QString& folder, const WorkspaceOwner& owner);
// Records the character now open in this copy's folder.
bool recordCharacter(const QString& folder, const QString& defPath);

// <cache>/workspaces: XDG_CACHE_HOME/Vantrel or ~/.cache/Vantrel.
QString defaultWorkspacesRoot();

struct OwnWorkspace {
    QString root;   // the folder holding every copy's folder
    QString folder; // this copy's; empty when it could not be made
    QString error;  // why not, as the user reads it
    bool ok() const { return !folder.isEmpty(); }
};

// Makes this process's folder in `root` (readable by the user only) with its
// owner file.
OwnWorkspace makeOwnWorkspace(const QString& root = defaultWorkspacesRoot());

// A folder a copy that ended without closing left behind.
struct LeftWorkspace {
    QString folder;
    WorkspaceOwner owner;
    QDateTime lastChange;         // of the owner file, for the order
    bool unsavedSprites = false;  // holds an unsaved sprite table (kUnsavedIndexName)
    bool spriteWorkspace = false; // holds a sprite index to open the character on
    QList<StoredCopy> texts;      // the recovery copies of its unsaved text

    bool holdsUnsavedWork() const { return unsavedSprites || !texts.isEmpty(); }
    RecoveryCopies recoveryCopies() const { return RecoveryCopies(folder + QLatin1Char('/') + kRecoveryFolderName); }
};

// The folders in `root` whose owner no longer runs, the newest first.
// `own` is never among them, nor a folder without an owner file (one being
// made, or not ours).
QList<LeftWorkspace> findLeftWorkspaces(const QString& root, const QString& own);
// Reads what a left folder holds now.
LeftWorkspace inspectLeftWorkspace(const QString& folder, const WorkspaceOwner& owner);

// Deletes a copy's folder with everything in it.
bool removeWorkspace(const QString& folder);

} // namespace vantrel
