#include "documents/document_manager.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>

namespace vantrel {

namespace {

// A copy's name: the same for every name of the file, and nothing of its path.
QString copyName(const QString& key)
{
    return QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex());
}

} // namespace

DocumentManager::DocumentManager(QObject* parent)
        : QObject(parent), undoGroup_(new QUndoGroup(this)), watcher_(new QFileSystemWatcher(this))
{
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &DocumentManager::fileEvent);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &DocumentManager::fileEvent);
}

DocumentManager::~DocumentManager()
{
    // The documents go with this object; nothing may hear of it.
    for (Document* document : documents_)
        document->disconnect(this);
}

QString DocumentManager::fileKey(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // Not written yet (or a dangling link): its folder's real place, and its name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName());
}

Document* DocumentManager::findDocument(const QString& path) const
{
    const QString key = fileKey(path);
    if (key.isEmpty())
        return nullptr;
    for (Document* document : documents_) {
        if (keys_.value(document) == key)
            return document;
    }
    return nullptr;
}

Document* DocumentManager::addDocument(std::unique_ptr<Document> owned)
{
    Document* document = owned.release();
    document->setParent(this);
    documents_.push_back(document);
    keys_.insert(document, fileKey(document->fileName()));
    recoveryNames_.insert(document,
                          document->fileName().isEmpty() ? QStringLiteral("untitled-%1").arg(++untitled_)
                                                         : copyName(keys_.value(document)));
    undoGroup_->addStack(document->undoStack());
    watch(document);
    connect(document, &Document::fileNameChanged, this, [this, document](const QString& name) {
        unwatch(document);
        recovery_.remove(recoveryName(document));
        keys_.insert(document, fileKey(name));
        recoveryNames_.insert(document, copyName(keys_.value(document)));
        watch(document);
    });
    connect(document, &Document::changed, this, [this, document] { scheduleCopy(document); });
    connect(document, &Document::modifiedChanged, this, [this, document](bool modified) {
        if (!modified)
            updateCopy(document); // saved, read again or undone to the saved state: the copy goes at once
    });
    connect(document, &Document::saved, this, [this, document] { watch(document); });
    emit documentAdded(document);
    return document;
}

Result<Document*> DocumentManager::open(const QString& path, const DocumentMaker& make)
{
    if (Document* open = findDocument(path))
        return open;
    std::unique_ptr<Document> document = make(path);
    if (!document)
        return Result<Document*>::failure(tr("This kind of file cannot be opened here.").toStdString());
    Result<void> loaded = document->load();
    if (!loaded)
        return loaded.failure();
    return addDocument(std::move(document));
}

void DocumentManager::closeDocument(Document* document)
{
    const auto found = std::find(documents_.begin(), documents_.end(), document);
    if (found == documents_.end())
        return;
    emit documentAboutToClose(document);
    documents_.erase(found);
    unwatch(document);
    recovery_.remove(recoveryName(document));
    delete copyTimers_.take(document);
    undoGroup_->removeStack(document->undoStack());
    keys_.remove(document);
    recoveryNames_.remove(document);
    document->disconnect(this);
    delete document;
}

std::vector<Document*> DocumentManager::modifiedDocuments() const
{
    std::vector<Document*> modified;
    std::copy_if(documents_.begin(), documents_.end(), std::back_inserter(modified),
                 [](const Document* d) { return d->isModified(); });
    return modified;
}

QStringList DocumentManager::characterKeys(const CharacterFiles& files)
{
    QStringList keys;
    const auto add = [&keys](const std::string& path) {
        if (!path.empty())
            keys << fileKey(QString::fromStdString(path));
    };
    for (const std::string* path : {&files.defFile, &files.spriteFile, &files.animationFile, &files.soundFile,
                                    &files.commandFile, &files.constantsFile, &files.commonStatesFile})
        add(*path);
    for (const std::string& path : files.stateFiles)
        add(path);
    for (const std::string& path : files.paletteFiles)
        add(path);
    return keys;
}

void DocumentManager::setCharacter(CharacterFiles files)
{
    character_ = std::move(files);
}

bool DocumentManager::namedByCharacter(const QString& path) const
{
    const QString key = fileKey(path);
    return !key.isEmpty() && characterKeys(character_).contains(key);
}

bool DocumentManager::namedByCharacter(const Document* document) const
{
    return document && characterKeys(character_).contains(keys_.value(const_cast<Document*>(document)));
}

// --- outside changes ---------------------------------------------------------

void DocumentManager::watch(Document* document)
{
    // The folder tells of a file replaced by a rename or made anew, the file
    // of one written in place. A link's target is watched too.
    QStringList paths;
    for (const QString& path : {document->fileName(), writeTarget(document->fileName())}) {
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        paths << info.absolutePath();
        if (info.exists())
            paths << info.absoluteFilePath();
    }
    paths.removeDuplicates();
    const QStringList watched = watcher_->files() + watcher_->directories();
    QStringList fresh;
    for (const QString& path : std::as_const(paths)) {
        if (!watched.contains(path))
            fresh << path;
    }
    if (!fresh.isEmpty())
        watcher_->addPaths(fresh);
}

void DocumentManager::unwatch(Document* document)
{
    // A path stays watched while another document still needs it.
    QStringList others;
    for (Document* other : documents_) {
        if (other == document)
            continue;
        for (const QString& path : {other->fileName(), writeTarget(other->fileName())}) {
            others << QFileInfo(path).absoluteFilePath() << QFileInfo(path).absolutePath();
        }
    }
    for (const QString& path : {document->fileName(), writeTarget(document->fileName())}) {
        if (path.isEmpty())
            continue;
        for (const QString& watched : {QFileInfo(path).absoluteFilePath(), QFileInfo(path).absolutePath()}) {
            if (!others.contains(watched))
                watcher_->removePath(watched);
        }
    }
}

void DocumentManager::fileEvent(const QString&)
{
    // Another program may replace a file in several steps: look once the
    // events of one change are in.
    QTimer::singleShot(50, this, &DocumentManager::checkFiles);
}

void DocumentManager::checkFiles()
{
    // A check may reload, and a reload's listeners may close documents.
    const std::vector<Document*> all = documents_;
    for (Document* document : all) {
        if (std::find(documents_.begin(), documents_.end(), document) == documents_.end())
            continue;
        const bool wasPending = document->outsideChangePending();
        if (document->checkDisk())
            emit reloadedFromDisk(document);
        else if (document->outsideChangePending() && !wasPending)
            emit changedOnDisk(document);
        watch(document); // a file replaced whole is a new file to the watcher
    }
}

// --- recovery copies -----------------------------------------------------------

void DocumentManager::setRecoveryFolder(const QString& folder)
{
    recovery_ = RecoveryCopies(folder);
}

void DocumentManager::setRecoveryDelay(int milliseconds)
{
    recoveryDelayMs_ = milliseconds;
}

QString DocumentManager::recoveryName(const Document* document) const
{
    return recoveryNames_.value(const_cast<Document*>(document));
}

void DocumentManager::scheduleCopy(Document* document)
{
    if (!recovery_.enabled())
        return;
    QTimer*& timer = copyTimers_[document];
    if (!timer) {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, document] { updateCopy(document); });
    }
    timer->start(recoveryDelayMs_);
}

void DocumentManager::updateCopy(Document* document)
{
    if (QTimer* timer = copyTimers_.value(document))
        timer->stop();
    if (!recovery_.enabled())
        return;
    if (!document->isModified()) {
        recovery_.remove(recoveryName(document));
        return;
    }
    const std::string bytes = document->recoveryBytes();
    if (bytes.empty() && document->kind() == DocumentKind::Sprites)
        return; // the sprite table keeps its own copy beside its workspace
    RecoveryCopy copy;
    copy.character = QString::fromStdString(character_.defFile);
    copy.file = document->fileName();
    copy.kind = document->kind();
    copy.bytes = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    recovery_.write(recoveryName(document), copy);
}

void DocumentManager::writeRecoveryCopies()
{
    for (Document* document : documents_) {
        QTimer* timer = copyTimers_.value(document);
        if (timer && timer->isActive())
            updateCopy(document);
    }
}

} // namespace vantrel
