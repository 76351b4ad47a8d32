// The main window's part in keeping unsaved text through a crash: the
// recovery copies written while the program runs, and the offer to restore
// them at the next start.

#include "main_window.h"

#include <QDateTime>
#include <QFile>

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

void MainWindow::offerRecovery()
{
    const RecoveryCopies copies = recoveryCopies();
    const QList<StoredCopy> found = copies.readAll();
    if (found.isEmpty())
        return;
    const Answer answer = app_.dialogs.message(
        this, QStringLiteral("Vantrel did not close cleanly. Restore the unsaved text of %1 files?").arg(found.size()),
        QStringLiteral("Vantrel"), Buttons::YesNo, Icon::Question);
    if (answer != Answer::Yes) {
        for (const StoredCopy& stored : found)
            QFile::remove(stored.path);
        return;
    }

    // The texts belong to the character that was open when they were copied.
    if (!characterOpen_) {
        for (const StoredCopy& stored : found) {
            if (!stored.copy.character.isEmpty()) {
                openCharacter(stored.copy.character);
                break;
            }
        }
    }
    QStringList kept;
    for (const StoredCopy& stored : found) {
        const WindowHooks hooks = hooks_.value(stored.copy.window);
        const bool ofThisCharacter = hooks.characterFree || stored.copy.character == qstr(app_.files.defFile);
        QWidget* w = hooks.restoreText && ofThisCharacter ? openWindow(stored.copy.window) : nullptr;
        if (w && hooks.restoreText(w, stored.copy))
            QFile::remove(stored.path);
        else
            kept << copies.putAside(stored);
    }
    if (!kept.isEmpty()) {
        app_.dialogs.message(this,
                             QStringLiteral("The unsaved text of %1 files could not be put back into its window. "
                                            "The copies stay in %2.")
                                 .arg(kept.size())
                                 .arg(copies.folder()));
    }
}

} // namespace vantrel
