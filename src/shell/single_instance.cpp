#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace vantrel {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockDir)
        : path_(QDir(lockDir).filePath(QStringLiteral("vantrel.lock"))), lock_(path_)
{
    // A running copy keeps its lock however long it runs; only a lock whose
    // process is gone counts as stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceGuard::tryAcquire()
{
    if (lock_.isLocked())
        return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (lock_.tryLock(0))
        return true;
    return lock_.error() != QLockFile::LockFailedError;
}

bool SingleInstanceGuard::takeOver()
{
    if (tryAcquire() && held())
        return true;
    QFile::remove(path_);
    return lock_.tryLock(0);
}

QString SingleInstanceGuard::directory() const
{
    return QFileInfo(path_).absolutePath();
}

QString SingleInstanceGuard::defaultLockDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace vantrel
