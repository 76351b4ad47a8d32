#pragma once
// The documents of the running program, each file open once. The same file
// named twice (the .def naming kfm.cns as both its constants and its states,
// a path with '\' or another letter case, a symbolic link to a shared
// common1.cns) is one document, shown by every window that views it.
//
// The manager knows the open character (the files its .def names), watches
// every document's file for outside changes, joins every document's history
// in one undo group, and keeps the recovery copies of modified documents.

#include "documents/document.h"
#include "documents/recovery_copies.h"
#include "formats/character_definition.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QFileSystemWatcher;
class QTimer;
class QUndoGroup;

namespace vantrel {

class DocumentManager : public QObject {
    Q_OBJECT
public:
    explicit DocumentManager(QObject* parent = nullptr);
    ~DocumentManager() override;

    // The key every name of one file shares: absolute, cleaned, links
    // followed (for a file not written yet, its folder's links followed).
    static QString fileKey(const QString& path);

    // The open document of this file, if any.
    Document* findDocument(const QString& path) const;
    // Takes a new document: watches its file, joins its history to the
    // group, keeps its recovery copies. The document must not be open yet.
    Document* addDocument(std::unique_ptr<Document> document);
    // The document of `path`: the open one, else `make(path)` read from
    // disk and added. On failure nothing is added and the result says why.
    using DocumentMaker = std::function<std::unique_ptr<Document>(const QString& path)>;
    Result<Document*> open(const QString& path, const DocumentMaker& make);
    template <class D> Result<D*> open(const QString& path, const DocumentMaker& make)
    {
        Result<Document*> opened = open(path, make);
        if (!opened)
            return opened.failure();
        if (D* typed = qobject_cast<D*>(*opened))
            return typed;
        return Result<D*>::failure((*opened)->displayName().toStdString()
                                   + " is already open as another kind of file.");
    }
    // Drops a document and its changes (and its recovery copy): its views
    // hear documentAboutToClose first.
    void closeDocument(Document* document);

    const std::vector<Document*>& documents() const { return documents_; }
    std::vector<Document*> modifiedDocuments() const;

    // The group holding every document's history; its active stack is the
    // one of the view the user works in.
    QUndoGroup* undoGroup() const { return undoGroup_; }

    // The open character: the files its .def names (empty: none is open).
    const CharacterFiles& character() const { return character_; }
    void setCharacter(CharacterFiles files);
    // The same, to change in place (a .def saved under another name).
    CharacterFiles& characterFiles() { return character_; }
    // The keys of every file a character names.
    static QStringList characterKeys(const CharacterFiles& files);
    // Whether the open character names the document's file.
    bool namedByCharacter(const Document* document) const;
    bool namedByCharacter(const QString& path) const;

    // Where recovery copies go (empty: nowhere), and how long after a
    // document's last change its copy is written.
    void setRecoveryFolder(const QString& folder);
    const RecoveryCopies& recoveryCopies() const { return recovery_; }
    void setRecoveryDelay(int milliseconds);
    // Writes the copy of every modified document whose copy is due now.
    void writeRecoveryCopies();
    // The name of a document's copy in the recovery folder.
    QString recoveryName(const Document* document) const;

    // Looks at every document's file now (the watcher does so by itself).
    void checkFiles();

signals:
    void documentAdded(vantrel::Document* document);
    void documentAboutToClose(vantrel::Document* document);
    // An unmodified document read its file again after an outside change.
    void reloadedFromDisk(vantrel::Document* document);
    // A modified document's file changed outside: its views show the bar.
    void changedOnDisk(vantrel::Document* document);

private:
    void watch(Document* document);
    void unwatch(Document* document);
    void fileEvent(const QString& path);
    void scheduleCopy(Document* document);
    void updateCopy(Document* document);

    std::vector<Document*> documents_;
    QHash<Document*, QString> keys_;
    QUndoGroup* undoGroup_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    CharacterFiles character_;
    RecoveryCopies recovery_;
    int recoveryDelayMs_ = 2000;
    QHash<Document*, QTimer*> copyTimers_;
    QHash<Document*, QString> recoveryNames_;
    int untitled_ = 0;
};

} // namespace vantrel
