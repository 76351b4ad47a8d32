#pragma once
// A document keeps track of one file of the character and its history: its
// content (each kind's subclass holds it), its file name, its undo stack,
// whether it is modified (the stack away from its clean state), and what it
// last read from or wrote to its file, so that an outside change is told
// from its own saves. Windows are views of a document: they hold a pointer
// to it and follow its signals; closing one never changes the document.
//
// Every change a user can undo is a command on the stack that makes its
// change in redo(); reading the file again (Reload, Revert, a change on
// disk) and putting back a recovery copy are such commands too.

#include "common/result.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class QUndoCommand;
class QUndoStack;

namespace vantrel {

// What a file on disk was when last looked at: a change of any of these
// since the document read or wrote it is an outside change.
struct DiskState {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // time of the last change of the contents, in nanoseconds
    quint64 inode = 0;
    bool operator==(const DiskState&) const = default;

    static DiskState of(const QString& path);
};

// The kinds of file a character is made of, and any text file.
enum class DocumentKind : std::uint8_t {
    Definition,
    Constants,
    Commands,
    States,
    Animations,
    Sounds,
    Palette,
    Sprites,
    Text,
};

class Document : public QObject {
    Q_OBJECT
public:
    ~Document() override;

    DocumentKind kind() const { return kind_; }
    // The file the document reads and writes (as first named: not the
    // target of a symbolic link).
    const QString& fileName() const { return fileName_; }
    // The file's name without its folder ("kfm.cns"), for titles and messages.
    QString displayName() const;
    QUndoStack* undoStack() const { return undoStack_; }
    bool isModified() const;

    // Reads the file as the document's first content, with no history; a
    // file that does not exist yet opens empty when the kind allows it, and
    // the first save creates it.
    Result<void> load();
    // Writes the content to fileName(). A read-only file is refused ("kfm.cns
    // is read-only.") and the document stays modified; a symbolic link is
    // written through: its target gets the content and the link stays.
    Result<void> save();
    // Writes the content to `path` and makes it the document's file.
    Result<void> saveAs(const QString& path);
    // Reads the file again as one step of the history (Revert, Reload after
    // an outside change): undone, the content before comes back. The
    // document is unmodified after it.
    Result<void> reload();

    // A question a save must put first (Yes, No or Cancel), when the content
    // cannot be written as it is, and what the answer does.
    virtual std::optional<std::string> saveQuestion() const { return std::nullopt; }
    virtual void answerSaveQuestion(bool /*yes*/) { }
    // The question about the document's unsaved changes.
    virtual std::string unsavedQuestion() const { return "You have unsaved changes.  Save them first?"; }

    // What the document last read or wrote.
    const DiskState& diskState() const { return disk_; }
    // The file on disk is no longer what the document last read or wrote,
    // and the user has not said to keep the document's content over it.
    bool fileChangedOnDisk() const;
    // An outside change was noticed and the user has not answered it yet:
    // the views show their "changed on disk" bar.
    bool outsideChangePending() const { return changedOnDisk_; }
    // Looks at the file: an unmodified document reads it again (true), a
    // modified one notes the change (fileChangedOnDisk(), the views' bar).
    // Nothing happens when the file is as the document last saw it.
    bool checkDisk();
    // The user keeps the document's content over the file as it is now:
    // the bar goes, and a save replaces the file without asking.
    void keepMine();
    // Whether the document can read its file again (sprite tables are
    // unpacked by the character's loader, not read back here).
    virtual bool canReload() const { return true; }

    // The content as a recovery copy keeps it, and a copy put back as one
    // step of the history (the document is modified after it).
    virtual std::string recoveryBytes() const = 0;
    virtual Result<void> restoreRecovery(const std::string& bytes);

    // Pushes a step on the history: its redo() makes the change.
    void push(QUndoCommand* step);

signals:
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName, const QString& oldFileName);
    void saved();
    // The file was read again (Revert, Reload, an outside change).
    void reloaded();
    // The content changed: an edit, an undo or redo, a reload.
    void changed();
    // An outside change of the file was noticed, or the user dealt with it.
    void fileChangedOnDiskChanged(bool changed);

protected:
    Document(DocumentKind kind, QString fileName, QObject* parent = nullptr);

    // Puts the content `bytes` hold in place of the document's, with no
    // history. A file that does not exist reads as empty bytes when
    // `allowsMissingFile()`.
    virtual Result<void> readBytes(std::string bytes) = 0;
    virtual bool allowsMissingFile() const { return true; }
    // A step that puts the content `bytes` hold in place of the document's;
    // null with `error` set when the bytes do not hold this kind of content.
    virtual QUndoCommand* makeReplaceStep(std::string bytes, const QString& text, Failure& error) = 0;
    // Writes the content to `target` (the file itself, a link resolved),
    // atomically. The default writes contentBytes().
    virtual Result<void> writeTo(const QString& target);
    virtual std::string contentBytes() const { return {}; }
    // After a save: the content now matches the file.
    virtual void markSaved() { }

    // Why `path` cannot be written (read-only), if it cannot.
    static Result<void> checkWritable(const QString& path);
    // After the content was written to `path`: it is the document's file
    // now, unmodified unless the history moved on (from `indexAtStart`)
    // while the write was under way.
    void wrote(const QString& path, int indexAtStart);
    // Remembers the file as it is now as the state the document knows.
    void noteDisk();
    // The content changed (subclasses whose steps do not go through the
    // stack's index change call it).
    void notifyChanged() { emit changed(); }

private:
    void setFileName(const QString& fileName);
    Result<std::string> readFileBytes() const;
    Result<void> saveTo(const QString& path);

    DocumentKind kind_;
    QString fileName_;
    QUndoStack* undoStack_;
    DiskState disk_;
    DiskState kept_; // an outside change the user chose to keep their content over
    bool changedOnDisk_ = false;
    bool wasModified_ = false;
};

// The file `path` names, links followed: where its content is written.
QString writeTarget(const QString& path);

} // namespace vantrel
