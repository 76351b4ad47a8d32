#include "sprites/sprite_document.h"

#include "common/atomic_file.h"
#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "documents/spawn_runner.h"
#include "documents/spawn_script.h"
#include "documents/workspace_folders.h"
#include "formats/sprite_index.h"
#include "sprites/sff_build.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include <filesystem>
#include <system_error>

namespace vantrel {

namespace {

// A picture repainted by an outside editor: its bytes before and after.
class PictureChangedCommand final : public QUndoCommand {
public:
    PictureChangedCommand(SpriteDocument& document, QString path, QByteArray before, QByteArray after)
            : document_(document), path_(std::move(path)), before_(std::move(before)), after_(std::move(after))
    {
        setText(SpriteDocument::tr("Edit Picture Externally"));
    }
    void undo() override { put(before_); }
    void redo() override { put(after_); }

private:
    void put(const QByteArray& bytes)
    {
        document_.putPicture(path_, bytes);
        document_.tableChanged(0);
    }

    SpriteDocument& document_;
    QString path_;
    QByteArray before_, after_;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SpriteDocument* characterSprites(const DocumentManager* documents)
{
    if (!documents)
        return nullptr;
    for (Document* document : documents->documents()) {
        if (auto* sprites = qobject_cast<SpriteDocument*>(document))
            return sprites;
    }
    return nullptr;
}

SpriteDocument::SpriteDocument(QString sffPath, const QString& workDir, QString toolsDir,
                               std::vector<SpriteRecord> records, QObject* parent)
        : Document(DocumentKind::Sprites, std::move(sffPath), parent), workspace_(sstr(workDir)), workDir_(workDir),
          toolsDir_(std::move(toolsDir)), pictureWatcher_(new QFileSystemWatcher(this)), keepTimer_(new QTimer(this))
{
    workspace_.replaceRecords(std::move(records));
    noteDisk();
    connect(pictureWatcher_, &QFileSystemWatcher::fileChanged, this, &SpriteDocument::pictureChanged);
    keepTimer_->setSingleShot(true);
    keepTimer_->setInterval(1000);
    connect(keepTimer_, &QTimer::timeout, this, &SpriteDocument::keepUnsavedTable);
    connect(this, &Document::changed, keepTimer_, qOverload<>(&QTimer::start));
    connect(this, &Document::modifiedChanged, this, &SpriteDocument::keepUnsavedTable);
}

SpriteDocument::~SpriteDocument()
{
    // The tool reads the workspace, which may go next.
    if (process_) {
        process_->disconnect(this);
        process_->waitForFinished(-1);
    }
}

void SpriteDocument::markRecovered()
{
    undoStack()->resetClean();
}

std::string SpriteDocument::unsavedQuestion() const
{
    return QT_TRANSLATE_NOOP("Messages", "The sprites have changes that are not in an SFF file yet. Save them first?");
}

QUndoCommand* SpriteDocument::makeReplaceStep(std::string, const QString&, Failure& error)
{
    error.message = QT_TRANSLATE_NOOP(
        "Messages", "The sprites are read when the character is opened: open it again to read the SFF anew.");
    return nullptr;
}

// --- the build -----------------------------------------------------------------

Result<void> SpriteDocument::startBuild(const QString& sffPath)
{
    if (building())
        return Result<void>::failure(QT_TRANSLATE_NOOP("Messages", "The SFF file is still being built."));
    // An archive without sprites would only overwrite a character's sprites with nothing.
    if (workspace_.count() == 0)
        return Result<void>::failure(QT_TRANSLATE_NOOP("Messages", "There are no sprites to build an SFF file from."));
    Result<void> writable = checkWritable(sffPath);
    if (!writable)
        return writable;
    const QString target = writeTarget(sffPath);
    Result<void> index = writeFileAtomic(workspace_.indexPath(), buildIndexText(sstr(target), workspace_));
    if (!index)
        return index;
    const std::string workDir = sstr(workDir_);
    if (!writeSpawnScript(workDir, {buildCommandLine(sstr(toolsDir_), workDir, workspace_.buildFlags)}))
        return Result<void>::failure("The spawn script cannot be written in " + workDir + ".");

    target_ = sffPath;
    records_ = workspace_.count();
    // Edits made while the tool runs are not in this build.
    indexAtStart_ = undoStack()->index();
    lastOk_ = false;
    cancelled_ = false;
    buildMessage_.clear();
    process_ = new QProcess(this);
    runInOwnProcessGroup(*process_);
    process_->setWorkingDirectory(workDir_);
    process_->setProcessChannelMode(QProcess::SeparateChannels);
    connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        finishBuild(exitCode, status == QProcess::CrashExit, false);
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishBuild(-1, false, true);
    });
    emit buildStarted();
    process_->start(QStringLiteral("/bin/sh"), {QStringLiteral("spawn.sh")});
    return {};
}

bool SpriteDocument::waitForBuild()
{
    if (process_) {
        QEventLoop loop;
        connect(this, &SpriteDocument::buildFinished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return lastOk_;
}

void SpriteDocument::cancelBuild()
{
    if (!process_)
        return;
    cancelled_ = true;
    killProcessGroup(*process_);
}

void SpriteDocument::finishBuild(int exitCode, bool crashed, bool failedToStart)
{
    if (!process_)
        return;
    QProcess* process = process_;
    process_ = nullptr;
    const QString errorLine = failedToStart ? process->errorString() : lastLine(process->readAllStandardError());
    // "Wrote 281 sprites to kfm.sff: 240 pictures copied, 1 encoded"
    const QString report = failedToStart ? QString() : lastLine(process->readAllStandardOutput());
    process->deleteLater();

    const bool ok = !failedToStart && !crashed && exitCode == 0 && QFileInfo(writeTarget(target_)).isFile();
    if (ok) {
        const qsizetype counts =
            report.startsWith(QStringLiteral("Wrote ")) ? report.lastIndexOf(QStringLiteral(": ")) : -1;
        //: %3 is empty or what the build tool reports, as " (240 pictures copied, 1 encoded)"
        buildMessage_ = tr("The SFF file %1 was written with %2 sprites%3.")
                            .arg(target_)
                            .arg(records_)
                            .arg(counts < 0 ? QString() : QStringLiteral(" (%1)").arg(report.mid(counts + 2)));
    } else if (cancelled_) {
        buildMessage_ = tr("The SFF file was not written: the build was cancelled.");
    } else {
        buildMessage_ = tr("The SFF file was not written: %1")
                            .arg(errorLine.isEmpty() ? tr("sprmaker ended with code %1.").arg(exitCode) : errorLine);
    }
    lastOk_ = ok;
    // A save waiting for the build records the write itself.
    if (ok && !syncSave_)
        wrote(target_, indexAtStart_);
    emit buildFinished(ok, buildMessage_);
}

Result<void> SpriteDocument::writeTo(const QString& target)
{
    Result<void> started = startBuild(target);
    if (!started)
        return started;
    syncSave_ = true;
    const bool ok = waitForBuild();
    syncSave_ = false;
    if (!ok)
        return Result<void>::failure(sstr(buildMessage_));
    return {};
}

// --- pictures handed to an outside editor ---------------------------------------

void SpriteDocument::watchPicture(const std::string& pcxFile)
{
    if (!pcxFile.empty()) {
        for (const SpriteRecord& record : workspace_.records()) {
            if (record.pcxFile != pcxFile)
                continue;
            const QString path = qstr(workspace_.imagePath(record));
            if (!handedOut_.contains(path))
                handedOut_.insert(path, fileBytes(path));
            break;
        }
    }
    // Editors that save by replacing the file leave the watcher without it.
    QStringList paths;
    for (auto it = handedOut_.cbegin(); it != handedOut_.cend(); ++it) {
        if (!pictureWatcher_->files().contains(it.key()) && QFileInfo::exists(it.key()))
            paths << it.key();
    }
    if (!paths.isEmpty())
        pictureWatcher_->addPaths(paths);
}

void SpriteDocument::putPicture(const QString& path, const QByteArray& bytes)
{
    handedOut_.insert(path, bytes);
    // A picture that cannot be written stays as it was.
    (void)writeFileAtomic(sstr(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                          Durability::Scratch);
    watchPicture({}); // the watcher follows a file replaced whole
}

void SpriteDocument::rewritePicture(const std::string& path, const std::optional<std::string>& bytes)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!bytes) {
        fs::remove(path, ec);
    } else {
        fs::create_directories(fs::path(path).parent_path(), ec);
        // A picture that cannot be written stays as it was.
        (void)writeFileAtomic(path, *bytes, Durability::Scratch);
    }
    const QString key = qstr(path);
    if (handedOut_.contains(key)) {
        handedOut_.insert(key, bytes ? QByteArray::fromStdString(*bytes) : QByteArray());
        watchPicture({});
    }
}

void SpriteDocument::pictureChanged(const QString& path)
{
    // An editor may write the file in several steps: look once they are done.
    QTimer::singleShot(100, this, [this, path] {
        if (!handedOut_.contains(path))
            return;
        const QByteArray now = fileBytes(path);
        QByteArray& before = handedOut_[path];
        if (now.isEmpty() || now == before) {
            watchPicture({});
            return;
        }
        QByteArray old = std::exchange(before, now);
        push(new PictureChangedCommand(*this, path, std::move(old), now));
    });
}

// --- the copy of the unsaved table -----------------------------------------------

void SpriteDocument::keepUnsavedTable()
{
    const std::string path = sstr(workDir_ + QLatin1Char('/') + kUnsavedIndexName);
    if (!isModified()) {
        if (!keptTable_.empty()) {
            QFile::remove(qstr(path));
            keptTable_.clear();
        }
        return;
    }
    std::string text = formatSpriteIndex(sstr(fileName()), workspace_.records());
    if (text != keptTable_ && writeFileAtomic(path, text).ok())
        keptTable_ = std::move(text);
}

} // namespace vantrel
