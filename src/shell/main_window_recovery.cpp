// The main window's part in keeping unsaved work through a crash: the offer,
// at the next start, to put back the recovery copies a crashed run left (the
// documents write them while the program runs: document_manager.h).

#include "main_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "palette/palette_document.h"
#include "sound/sound_document.h"
#include "text/text_document.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopedValueRollback>

namespace vantrel {

namespace {

QString recoveryQuestion(const LeftWorkspace& left)
{
    QStringList parts;
    if (left.unsavedSprites) {
        parts << (left.owner.character.isEmpty()
                      ? QCoreApplication::translate("Recovery", "the unsaved sprite changes")
                      : QCoreApplication::translate("Recovery", "the unsaved sprite changes of %1")
                            .arg(left.owner.character));
    }
    if (!left.texts.isEmpty())
        parts << QCoreApplication::translate("Recovery", "the unsaved changes of %1 files").arg(left.texts.size());
    return QCoreApplication::translate("Recovery",
                                       "Vantrel did not close cleanly. Restore %1?\n\n"
                                       "Yes restores it, No keeps it for the next start, Discard deletes it.")
        .arg(parts.size() == 2 ? QCoreApplication::translate("Recovery", "%1 and %2").arg(parts[0], parts[1])
                               : parts.join(QString()));
}

} // namespace

void MainWindow::offerRecovery()
{
    for (const LeftWorkspace& left : findLeftWorkspaces(app_.workspacesDir, app_.workDir)) {
        // Without unsaved work it only repeats what is on disk.
        if (!left.holdsUnsavedWork()) {
            removeWorkspace(left.folder);
            continue;
        }
        Answer answer = Answer::No;
        {
            // A character a later start hands over waits for the answer.
            const QScopedValueRollback waiting(loading_, true);
            answer = app_.dialogs.message(this, recoveryQuestion(left), QStringLiteral("Vantrel"),
                                          Buttons::YesNoDiscard, Icon::Question);
        }
        if (answer == Answer::Yes) {
            if (restoreLeftWork(left))
                removeWorkspace(left.folder);
            return;
        }
        if (answer == Answer::Discard)
            removeWorkspace(left.folder);
        // Any other answer keeps it all for the next start.
    }
}

Document* MainWindow::documentForCopy(const RecoveryCopy& copy)
{
    DocumentManager& documents = *app_.documents;
    if (copy.file.isEmpty()) {
        // Text that never had a file: a new one, as the notepad's New makes it.
        return documents.addDocument(std::make_unique<TextDocument>(DocumentKind::Text, QString()));
    }
    if (Document* open = documents.findDocument(copy.file))
        return open;
    Result<Document*> opened = Result<Document*>::failure({});
    switch (copy.kind) {
    case DocumentKind::Sounds:
        opened = documents.open(copy.file, [](const QString& f) { return makeSoundDocument(f); });
        break;
    case DocumentKind::Palette:
        opened = documents.open(copy.file, [](const QString& f) { return makePaletteDocument(f); });
        break;
    case DocumentKind::Sprites: return nullptr; // kept beside the workspace, not as a copy
    default: {
        const DocumentKind kind = copy.kind;
        opened = documents.open(copy.file, [kind](const QString& f) { return makeTextDocument(kind, f); });
    }
    }
    return opened ? *opened : nullptr;
}

void MainWindow::showRestored(Document* document)
{
    switch (document->kind()) {
    case DocumentKind::Sounds: openWindow(WindowKind::Sounds); return;
    case DocumentKind::Palette: openWindow(WindowKind::Palettes); return;
    case DocumentKind::Sprites: return;
    default:
        // The notepad shows text the character does not name.
        if (!app_.documents->namedByCharacter(document) || !showFileLine(document->fileName(), 1))
            openWindow(WindowKind::Notepad);
    }
}

bool MainWindow::restoreLeftWork(const LeftWorkspace& left)
{
    // The character first: on the workspace the run left, so that its
    // unsaved sprite changes come back, or else the one the copies belong to.
    QString character = left.owner.character;
    for (const StoredCopy& stored : left.texts) {
        if (character.isEmpty())
            character = stored.copy.character;
    }
    if (!character.isEmpty() && left.spriteWorkspace && character == left.owner.character)
        openCharacterFrom(character, left.folder);
    else if (!character.isEmpty() && !characterOpen_)
        openCharacter(character);

    QStringList restored;
    std::vector<Document*> shown;
    for (const StoredCopy& stored : left.texts) {
        // A copy of another character's file waits for that character.
        const bool ofThisCharacter =
            stored.copy.character.isEmpty() || stored.copy.character == qstr(app_.documents->character().defFile);
        Document* document = ofThisCharacter ? documentForCopy(stored.copy) : nullptr;
        if (document && document->restoreRecovery(stored.copy.bytes.toStdString())) {
            restored << stored.path;
            shown.push_back(document);
        }
    }
    // Each restored document in the window that edits it, to be seen.
    for (Document* document : shown)
        showRestored(document);
    // What came back is unsaved work of this run now: its copies are made at
    // once, before the crashed run's go.
    app_.documents->writeRecoveryCopies();
    for (const QString& path : std::as_const(restored))
        QFile::remove(path);
    const qsizetype kept = left.texts.size() - restored.size();
    if (kept > 0) {
        app_.dialogs.message(this,
                             QCoreApplication::translate("Recovery",
                                                         "The unsaved changes of %1 files could not be put back. "
                                                         "The copies stay in %2.")
                                 .arg(kept)
                                 .arg(left.recoveryCopies().folder()));
    }
    return !inspectLeftWorkspace(left.folder, left.owner).holdsUnsavedWork();
}

} // namespace vantrel
