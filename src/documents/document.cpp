#include "documents/document.h"

#include "common/atomic_file.h"
#include "common/text.h"

#include <QFileInfo>
#include <QUndoStack>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace vantrel {

DiskState DiskState::of(const QString& path)
{
    struct stat st { };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, static_cast<qint64>(st.st_size),
            static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            static_cast<quint64>(st.st_ino)};
}

QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    // A link whose target exists leads there; a dangling one to the file it names.
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

Document::Document(DocumentKind kind, QString fileName, QObject* parent)
        : QObject(parent), kind_(kind), fileName_(std::move(fileName)), undoStack_(new QUndoStack(this))
{
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (wasModified_ != !clean) {
            wasModified_ = !clean;
            emit modifiedChanged(wasModified_);
        }
    });
    connect(undoStack_, &QUndoStack::indexChanged, this, [this] { emit changed(); });
}

Document::~Document()
{
    // The stack's commands may reach the subclass's content as they go.
    undoStack_->disconnect(this);
}

QString Document::displayName() const
{
    const QString name = QFileInfo(fileName_).fileName();
    return name.isEmpty() ? tr("Untitled") : name;
}

bool Document::isModified() const
{
    return !undoStack_->isClean();
}

void Document::push(QUndoCommand* step)
{
    undoStack_->push(step);
}

Result<std::string> Document::readFileBytes() const
{
    const std::string path = QFile::encodeName(fileName_).toStdString();
    errno = 0;
    std::optional<std::string> bytes = vantrel::readFileBytes(path);
    if (bytes)
        return std::move(*bytes);
    const int error = readErrorNumber(path, errno);
    // A file the character names that nobody has written yet: the first save creates it.
    if (error == ENOENT && allowsMissingFile())
        return std::string();
    return Result<std::string>::failure(
        tr("Can't open file: %1 with error %2").arg(fileName_).arg(error).toStdString());
}

Result<void> Document::load()
{
    Result<std::string> bytes = readFileBytes();
    if (!bytes)
        return bytes.failure();
    Result<void> read = readBytes(std::move(*bytes));
    if (!read)
        return read;
    undoStack_->clear();
    undoStack_->setClean();
    noteDisk();
    emit changed();
    return {};
}

Result<void> Document::reload()
{
    if (!canReload())
        return Result<void>::failure(tr("%1 cannot be read again here.").arg(displayName()).toStdString());
    Result<std::string> bytes = readFileBytes();
    if (!bytes)
        return bytes.failure();
    Failure error;
    QUndoCommand* step = makeReplaceStep(std::move(*bytes), tr("Reload %1").arg(displayName()), error);
    if (!step)
        return error;
    undoStack_->push(step);
    undoStack_->setClean();
    markSaved();
    noteDisk();
    emit reloaded();
    return {};
}

Result<void> Document::restoreRecovery(const std::string& bytes)
{
    Failure error;
    QUndoCommand* step = makeReplaceStep(bytes, tr("Recovered Changes"), error);
    if (!step)
        return error;
    undoStack_->push(step);
    // Even a copy that equals the file came from unsaved work: it stays to be saved.
    if (undoStack_->isClean())
        undoStack_->resetClean();
    return {};
}

Result<void> Document::writeTo(const QString& target)
{
    return writeFileAtomic(QFile::encodeName(target).toStdString(), contentBytes());
}

Result<void> Document::checkWritable(const QString& path)
{
    // Read-only is what the file's owner bits say, even to a user (root)
    // whom the system would let write it.
    const QFileInfo info(writeTarget(path));
    if (info.exists() && info.isFile() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
        return Result<void>::failure(tr("%1 is read-only.").arg(QFileInfo(path).fileName()).toStdString());
    return {};
}

Result<void> Document::saveTo(const QString& path)
{
    if (path.isEmpty())
        return Result<void>::failure(tr("The document has no file to be saved to.").toStdString());
    Result<void> writable = checkWritable(path);
    if (!writable)
        return writable;
    const int index = undoStack_->index();
    Result<void> written = writeTo(writeTarget(path));
    if (!written)
        return written;
    wrote(path, index);
    return {};
}

void Document::wrote(const QString& path, int indexAtStart)
{
    markSaved();
    setFileName(path);
    // Edits made while the file was being written are not in it.
    if (undoStack_->index() == indexAtStart)
        undoStack_->setClean();
    else
        undoStack_->resetClean();
    noteDisk();
    emit saved();
}

Result<void> Document::save()
{
    return saveTo(fileName_);
}

Result<void> Document::saveAs(const QString& path)
{
    return saveTo(path);
}

void Document::setFileName(const QString& fileName)
{
    if (fileName == fileName_)
        return;
    const QString old = std::exchange(fileName_, fileName);
    emit fileNameChanged(fileName_, old);
}

void Document::noteDisk()
{
    disk_ = DiskState::of(fileName_);
    kept_ = {};
    if (std::exchange(changedOnDisk_, false))
        emit fileChangedOnDiskChanged(false);
}

bool Document::fileChangedOnDisk() const
{
    const DiskState now = DiskState::of(fileName_);
    return now != disk_ && now != kept_;
}

bool Document::checkDisk()
{
    if (!fileChangedOnDisk()) {
        if (std::exchange(changedOnDisk_, false))
            emit fileChangedOnDiskChanged(false);
        return false;
    }
    if (!isModified() && canReload() && DiskState::of(fileName_).exists && reload())
        return true;
    if (!std::exchange(changedOnDisk_, true))
        emit fileChangedOnDiskChanged(true);
    return false;
}

void Document::keepMine()
{
    kept_ = DiskState::of(fileName_);
    if (std::exchange(changedOnDisk_, false))
        emit fileChangedOnDiskChanged(false);
}

} // namespace vantrel
