#include "documents/workspace_folders.h"

#include "common/atomic_file.h"
#include "common/qt_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <unistd.h>

namespace vantrel {

namespace {

// Field 22 of /proc/<pid>/stat, the start time; empty when it cannot be read.
QString startTimeOf(qint64 pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The program name (field 2) is in parentheses and may hold blanks:
    // the fields are counted from the last ')'.
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return {};
    const QStringList fields =
        QString::fromStdString(stat.substr(close + 1)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    constexpr int kStartTimeAfterName = 22 - 3;
    return fields.size() > kStartTimeAfterName ? fields[kStartTimeAfterName] : QString();
}

bool processExists(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

QString randomName()
{
    return QString::number(QRandomGenerator::global()->generate(), 36);
}

} // namespace

WorkspaceOwner currentProcess()
{
    const qint64 pid = QCoreApplication::applicationPid();
    return {pid, startTimeOf(pid), {}};
}

bool ownerRuns(const WorkspaceOwner& owner)
{
    if (owner.pid <= 0)
        return false;
    if (owner.started.isEmpty())
        return processExists(owner.pid);
    const QString started = startTimeOf(owner.pid);
    if (started.isEmpty()) // no such process, or no /proc to ask
        return startTimeOf(QCoreApplication::applicationPid()).isEmpty() && processExists(owner.pid);
    return started == owner.started;
}

std::optional<WorkspaceOwner> readOwner(const QString& folder)
{
    QFile file(QDir(folder).filePath(kOwnerFileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    const qint64 pid = object.value(QStringLiteral("pid")).toInteger();
    if (pid <= 0)
        return std::nullopt;
    return WorkspaceOwner{pid, object.value(QStringLiteral("started")).toString(),
                          object.value(QStringLiteral("character")).toString()};
}

bool writeOwner(const QString& folder, const WorkspaceOwner& owner)
{
    const QJsonObject object{{"pid", owner.pid}, {"started", owner.started}, {"character", owner.character}};
    const QByteArray bytes = QJsonDocument(object).toJson();
    return writeFileAtomic(sstr(QDir(folder).filePath(kOwnerFileName)),
                           std::string_view(bytes.constData(), bytes.size()))
        .ok();
}

bool recordCharacter(const QString& folder, const QString& defPath)
{
    WorkspaceOwner owner = currentProcess();
    owner.character = defPath;
    return writeOwner(folder, owner);
}

QString defaultWorkspacesRoot()
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath() + QStringLiteral("/vantrel-") + QString::number(::getuid());
    return cache + QStringLiteral("/workspaces");
}

OwnWorkspace makeOwnWorkspace(const QString& root)
{
    OwnWorkspace made;
    made.root = QDir::cleanPath(QDir(root).absolutePath());
    QDir dir(made.root);
    if (!dir.mkpath(QStringLiteral("."))) {
        made.error = QCoreApplication::translate("WorkspaceFolders", "The folder %1 cannot be made.").arg(made.root);
        return made;
    }
    const WorkspaceOwner owner = currentProcess();
    constexpr auto kPrivate = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (int attempt = 0; attempt < 16 && !made.ok(); ++attempt) {
        const QString name = QString::number(owner.pid) + QLatin1Char('-') + randomName();
        if (dir.exists(name) || !dir.mkdir(name, kPrivate))
            continue;
        const QString folder = dir.filePath(name);
        if (writeOwner(folder, owner))
            made.folder = folder;
        else
            dir.rmdir(name);
    }
    if (!made.ok())
        made.error =
            QCoreApplication::translate("WorkspaceFolders", "No workspace folder can be made in %1.").arg(made.root);
    return made;
}

LeftWorkspace inspectLeftWorkspace(const QString& folder, const WorkspaceOwner& owner)
{
    const QDir dir(folder);
    LeftWorkspace left;
    left.folder = folder;
    left.owner = owner;
    left.lastChange = QFileInfo(dir.filePath(kOwnerFileName)).lastModified();
    left.unsavedSprites = QFileInfo(dir.filePath(kUnsavedIndexName)).isFile();
    left.spriteWorkspace = left.unsavedSprites || QFileInfo(dir.filePath(QStringLiteral("tempsff.txt"))).isFile();
    left.texts = left.recoveryCopies().readAll();
    return left;
}

QList<LeftWorkspace> findLeftWorkspaces(const QString& root, const QString& own)
{
    QList<LeftWorkspace> found;
    if (root.isEmpty())
        return found;
    const QDir dir(root);
    const QString ownPath = QDir::cleanPath(QDir(own).absolutePath());
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = QDir::cleanPath(dir.absoluteFilePath(name));
        if (folder == ownPath)
            continue;
        const std::optional<WorkspaceOwner> owner = readOwner(folder);
        if (owner && !ownerRuns(*owner))
            found << inspectLeftWorkspace(folder, *owner);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const LeftWorkspace& a, const LeftWorkspace& b) { return a.lastChange > b.lastChange; });
    return found;
}

bool removeWorkspace(const QString& folder)
{
    return !folder.isEmpty() && QDir(folder).removeRecursively();
}

} // namespace vantrel
