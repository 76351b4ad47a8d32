// The main window's part in keeping unsaved work through a crash: the
// recovery copies of text and the unsaved sprite table, written while the
// program runs, and the offer to restore them at the next start.

#include "main_window.h"

#include "common/atomic_file.h"
#include "formats/sprite_index.h"

#include <QDateTime>
#include <QFile>
#include <QScopedValueRollback>

namespace vantrel {

namespace {

// A window's copy is written at most this often.
constexpr qint64 kCopyIntervalMs = 30 * 1000;

} // namespace

RecoveryCopies MainWindow::recoveryCopies() const
{
    return RecoveryCopies(app_.recoveryDir);
}

void MainWindow::updateRecoveryCopies()
{
    keepUnsavedSprites();
    const RecoveryCopies copies = recoveryCopies();
    if (!copies.enabled() || loading_)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (const QString& name : openWindowNames()) {
        const WindowHooks hooks = hooks_.value(name);
        QWidget* w = window(name);
        if (!w || !hooks.unsavedText)
            continue;
        std::optional<RecoveryText> unsaved = hooks.unsavedText(w);
        if (!unsaved) {
            // Saved (or dropped) since: the copy has done its work.
            if (lastCopyTime_.contains(name)) {
                copies.remove(name);
                lastCopyTime_.remove(name);
            }
            continue;
        }
        if (lastCopyTime_.contains(name) && now - lastCopyTime_.value(name) < kCopyIntervalMs)
            continue;
        unsaved->window = name;
        unsaved->character = qstr(app_.files.defFile);
        if (copies.write(*unsaved))
            lastCopyTime_.insert(name, now);
    }
}

void MainWindow::keepUnsavedSprites()
{
    if (app_.workspacesDir.isEmpty() || loading_)
        return;
    const std::string path = sstr(app_.workDir + QLatin1Char('/') + kUnsavedIndexName);
    if (!characterOpen_ || !app_.sprites.modified()) {
        if (!unsavedSpritesCopy_.empty()) {
            QFile::remove(qstr(path));
            unsavedSpritesCopy_.clear();
        }
        return;
    }
    std::string text = formatSpriteIndex(app_.files.spriteFile, app_.sprites.records());
    if (text != unsavedSpritesCopy_ && writeFileAtomic(path, text).ok)
        unsavedSpritesCopy_ = std::move(text);
}

namespace {

QString recoveryQuestion(const LeftWorkspace& left)
{
    QStringList parts;
    if (left.unsavedSprites) {
        parts << (left.owner.character.isEmpty()
                      ? QStringLiteral("the unsaved sprite changes")
                      : QStringLiteral("the unsaved sprite changes of %1").arg(left.owner.character));
    }
    if (!left.texts.isEmpty())
        parts << QStringLiteral("the unsaved text of %1 files").arg(left.texts.size());
    return QStringLiteral("Vantrel did not close cleanly. Restore %1?\n\n"
                          "Yes restores it, No keeps it for the next start, Discard deletes it.")
        .arg(parts.join(QStringLiteral(" and ")));
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

bool MainWindow::restoreLeftWork(const LeftWorkspace& left)
{
    // The character first: on the workspace the run left, so that its
    // unsaved sprite changes come back, or else the one the texts belong to.
    bool needsCharacter = false;
    QString character = left.owner.character;
    for (const StoredCopy& stored : left.texts) {
        needsCharacter = needsCharacter || !hooks_.value(stored.copy.window).characterFree;
        if (character.isEmpty())
            character = stored.copy.character;
    }
    if (!character.isEmpty() && left.spriteWorkspace && character == left.owner.character)
        openCharacterFrom(character, left.folder);
    else if (!character.isEmpty() && needsCharacter && !characterOpen_)
        openCharacter(character);

    QStringList restored;
    for (const StoredCopy& stored : left.texts) {
        const WindowHooks hooks = hooks_.value(stored.copy.window);
        const bool ofThisCharacter = hooks.characterFree || stored.copy.character == qstr(app_.files.defFile);
        QWidget* w = hooks.restoreText && ofThisCharacter ? openWindow(stored.copy.window) : nullptr;
        if (w && hooks.restoreText(w, stored.copy))
            restored << stored.path;
    }
    // What came back is unsaved work of this run now: its copies are made at
    // once, before the crashed run's go.
    updateRecoveryCopies();
    for (const QString& path : std::as_const(restored))
        QFile::remove(path);
    const qsizetype kept = left.texts.size() - restored.size();
    if (kept > 0) {
        app_.dialogs.message(this,
                             QStringLiteral("The unsaved text of %1 files could not be put back into its window. "
                                            "The copies stay in %2.")
                                 .arg(kept)
                                 .arg(left.recoveryCopies().folder()));
    }
    return !inspectLeftWorkspace(left.folder, left.owner).holdsUnsavedWork();
}

} // namespace vantrel
