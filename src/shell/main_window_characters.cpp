// The main window's part in replacing the open character: every window is
// asked first, the new character is loaded beside the open one, and only
// when it opened completely do the windows follow it or close.

#include "main_window.h"

#include "common/text.h"
#include "shell/character_loader.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>

namespace vantrel {

void MainWindow::openCharacter(const QString& path)
{
    openCharacterFrom(path, {});
}

void MainWindow::openCharacterFrom(const QString& rawPath, const QString& leftFolder)
{
    const QString path = qstr(trimmed(sstr(rawPath)));
    openError_.clear();
    if (path.isEmpty() || loading_ || !switchCharacter(sstr(path), leftFolder))
        return;
    characterOpen_ = true;
    setEditorsEnabled(true);
    filePanel_->setText(path);
    setWindowTitle(QFileInfo(path).completeBaseName() + QStringLiteral(" - Vantrel"));
    addRecentCharacter(app_.store, sstr(path));
    fillRecentMenu();
    // A crash now leaves the character's name with the workspace, and its
    // sprite changes when they came back from a crashed run.
    if (!app_.workspacesDir.isEmpty())
        recordCharacter(app_.workDir, path);
    keepUnsavedSprites();
    reopenWindows();
}

void MainWindow::reloadDefinition()
{
    if (!loading_ && !app_.files.defFile.empty())
        switchCharacter(app_.files.defFile);
}

bool MainWindow::switchCharacter(const std::string& defPath, const QString& leftFolder)
{
    if (!askDiscardGuards() || !confirmWindows(true))
        return false;
    const QString status = statusText();
    CharacterLoader loader(app_, [this](const QString& text) { setStatus(text); });
    // While the tool runs, window events go on, but no window takes input.
    loading_ = true;
    mdi_->setEnabled(false);
    bool loaded = leftFolder.isEmpty() ? loader.load(defPath) : loader.loadLeftWorkspace(defPath, sstr(leftFolder));
    loading_ = false;
    mdi_->setEnabled(true);
    loaded = loaded && loader.install();
    if (!loaded && loader.cancelled()) {
        setStatus(status); // the user stopped it: nothing to tell
        return false;
    }
    if (!loaded) {
        setStatus(status);
        openError_ = loader.message();
        app_.dialogs.message(this, loader.message());
        return false;
    }
    unsavedSpritesCopy_.clear(); // the table kept for the old one went with its workspace
    discardWindowChanges(true);
    followCharacter();
    setStatus(QStringLiteral("Status: OK"));
    return true;
}

QStringList MainWindow::openWindowNames() const
{
    QStringList names;
    for (const QString& name : closeOrder()) {
        if (window(name))
            names << name;
    }
    // Windows outside the fixed order (opened from other editors) come last.
    for (auto it = windows_.cbegin(); it != windows_.cend(); ++it) {
        if (it.value() && !names.contains(it.key()))
            names << it.key();
    }
    return names;
}

bool MainWindow::confirmWindows(bool characterOnly)
{
    for (const QString& name : openWindowNames()) {
        const WindowHooks hooks = hooks_.value(name);
        QWidget* w = window(name);
        if (w && hooks.confirmDiscard && !(characterOnly && hooks.characterFree) && !hooks.confirmDiscard(w))
            return false;
    }
    return true;
}

void MainWindow::discardWindowChanges(bool characterOnly)
{
    for (const QString& name : openWindowNames()) {
        const WindowHooks hooks = hooks_.value(name);
        QWidget* w = window(name);
        if (w && hooks.discardChanges && !(characterOnly && hooks.characterFree))
            hooks.discardChanges(w);
    }
}

void MainWindow::followCharacter()
{
    for (const QString& name : openWindowNames()) {
        const WindowHooks hooks = hooks_.value(name);
        QWidget* w = window(name);
        if (!w || hooks.characterFree)
            continue;
        if (!hooks.followCharacter || !hooks.followCharacter(w))
            closeWindow(name);
    }
}

} // namespace vantrel
