#pragma once
// The character's sprites as a document: the table of the sprite workspace
// (its records and their pictures, unpacked from the SFF when the character
// opened), its history, and the build that writes the SFF again with
// sprmaker. The document's file is the SFF; saving runs the build.
//
// Every edit of the table is a step on the document's stack
// (sprite_commands.h); a picture repainted by an outside editor is one too.
// While the table has unsaved changes it is also kept beside the workspace as
// a sprite index, so that a crash does not lose them.

#include "documents/document.h"
#include "image/pcx.h"
#include "sprites/workspace.h"

#include <QByteArray>
#include <QHash>

#include <optional>
#include <string>

class QFileSystemWatcher;
class QProcess;
class QTimer;

namespace vantrel {

class SpriteDocument final : public Document {
    Q_OBJECT
public:
    // The table read from the workspace in `workDir`; `toolsDir` holds sprmaker.
    SpriteDocument(QString sffPath, const QString& workDir, QString toolsDir, std::vector<SpriteRecord> records,
                   QObject* parent = nullptr);
    ~SpriteDocument() override;

    SpriteWorkspace& workspace() { return workspace_; }
    const SpriteWorkspace& workspace() const { return workspace_; }
    // The character's sprite palette, captured by the first sprite decoded
    // that has one: every window draws the character's sprites with it.
    DecoderState& decoder() { return decoder_; }

    // The table came from a crashed run's unsaved changes: it is modified,
    // with no step to undo them.
    void markRecovered();

    // The build: writes the index and runs sprmaker through the spawn script
    // to write `sffPath`, while the program goes on. When it wrote the file
    // the document is saved there (and moves there, when it is another file).
    // False, with the reason, when it could not start.
    Result<void> startBuild(const QString& sffPath);
    bool building() const { return process_ != nullptr; }
    // Lets events run until a running build has ended; true when the last
    // build wrote its file.
    bool waitForBuild();
    // Stops a running build; the SFF stays as it was.
    void cancelBuild();
    // How the last build ended, as a sentence for the user.
    const QString& buildMessage() const { return buildMessage_; }
    // Whether the last build ended because it was cancelled.
    bool buildCancelled() const { return cancelled_; }

    // Hands a picture to an outside editor's care: a change of its file
    // becomes a step of the table's history (undone, the picture before
    // comes back).
    void watchPicture(const std::string& pcxFile);
    // Writes a handed-out picture's bytes (a step undone or done again).
    void putPicture(const QString& path, const QByteArray& bytes);
    // A step writes a picture file (or removes it, given nothing); one in an
    // outside editor's care takes the new bytes as what it last saw, so the
    // write is not taken for the editor's.
    void rewritePicture(const std::string& path, const std::optional<std::string>& bytes);

    bool canReload() const override { return false; }
    std::string recoveryBytes() const override { return {}; }
    std::string unsavedQuestion() const override;

    // Writes (or removes) the copy of the unsaved table beside the workspace
    // now; it is kept a moment after each change by itself.
    void keepUnsavedTable();

    // A step changed the table; the views show `row` (1-based, clamped).
    void tableChanged(int row) { emit rowsChanged(row); }

signals:
    void rowsChanged(int row);
    void buildStarted();
    // A build ended: whether it wrote its file, and the sentence that says so.
    void buildFinished(bool ok, const QString& message);

protected:
    Result<void> readBytes(std::string) override { return {}; }
    QUndoCommand* makeReplaceStep(std::string, const QString&, Failure& error) override;
    Result<void> writeTo(const QString& target) override;

private:
    void finishBuild(int exitCode, bool crashed, bool failedToStart);
    void pictureChanged(const QString& path);
    SpriteWorkspace workspace_;
    QString workDir_;
    QString toolsDir_;
    DecoderState decoder_;
    QProcess* process_ = nullptr;
    QString target_;
    int records_ = 0;
    int indexAtStart_ = 0;
    bool lastOk_ = false;
    bool cancelled_ = false;
    bool syncSave_ = false; // the build is a save() waiting for it
    QString buildMessage_;
    QFileSystemWatcher* pictureWatcher_ = nullptr;
    QHash<QString, QByteArray> handedOut_; // the pictures as last seen, by path
    QTimer* keepTimer_ = nullptr;
    std::string keptTable_; // the unsaved table as last written beside the workspace
};

// The character's sprite document among the open documents, when a
// character is open.
class DocumentManager;
SpriteDocument* characterSprites(const DocumentManager* documents);

} // namespace vantrel
