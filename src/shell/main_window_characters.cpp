// The main window's part in replacing the open character: the new .def is
// read first, then each document the switch would drop is asked about, the
// new character is loaded beside the open one, and only when it opened
// completely do the documents go and the windows follow it or close.

#include "main_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "shell/character_loader.h"
#include "sprites/sprite_document.h"
#include "ui/document_view.h"
#include "ui/document_views.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>

#include <algorithm>

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
    setWindowTitle(QFileInfo(path).completeBaseName() + QStringLiteral("[*] - Vantrel"));
    addRecentCharacter(app_.store, sstr(path));
    fillRecentMenu();
    // A crash now leaves the character's name with the workspace.
    if (!app_.workspacesDir.isEmpty())
        recordCharacter(app_.workDir, path);
    reopenWindows();
}

void MainWindow::reloadDefinition()
{
    const std::string def = app_.documents->character().defFile;
    if (!loading_ && !def.empty())
        switchCharacter(def);
}

std::vector<Document*> MainWindow::documentsLeaving(const CharacterFiles& next) const
{
    const QStringList named = DocumentManager::characterKeys(next);
    // The documents windows that hold no character show stay with those windows.
    std::vector<const Document*> held;
    for (WindowKind kind : openWindowKinds()) {
        if (!hooks_.value(kind).characterFree)
            continue;
        if (const auto* view = dynamic_cast<const DocumentView*>(loadedWindow(kind)); view && view->viewedDocument())
            held.push_back(view->viewedDocument());
    }
    std::vector<Document*> leaving;
    for (Document* document : app_.documents->documents()) {
        const bool sprites = document->kind() == DocumentKind::Sprites;
        const bool staysNamed = named.contains(DocumentManager::fileKey(document->fileName()));
        const bool isHeld = std::find(held.begin(), held.end(), document) != held.end();
        if (sprites || (app_.documents->namedByCharacter(document) && !staysNamed && !isHeld))
            leaving.push_back(document);
    }
    return leaving;
}

bool MainWindow::switchCharacter(const std::string& defPath, const QString& leftFolder)
{
    const QString status = statusText();
    CharacterLoader loader(app_, [this](const QString& text) { setStatus(text); });
    const auto refuse = [&] {
        if (loader.cancelled()) {
            setStatus(status); // the user stopped it: nothing to tell
            return false;
        }
        setStatus(status);
        openError_ = loader.message();
        app_.dialogs.message(this, loader.message(), QStringLiteral("Vantrel"), Buttons::Ok, Icon::None,
                             loader.detail());
        return false;
    };
    // A file that is not a character's is refused before anything is asked.
    const bool read = leftFolder.isEmpty() ? loader.read(defPath) : loader.loadLeftWorkspace(defPath, sstr(leftFolder));
    if (!read)
        return refuse();

    // Each document the switch drops is asked about once. Its changes go only
    // when the new character opens: a failure below keeps them all.
    if (!commitEdits())
        return false;
    const std::vector<Document*> leaving = documentsLeaving(loader.files());
    std::vector<Document*> modified;
    std::copy_if(leaving.begin(), leaving.end(), std::back_inserter(modified),
                 [](const Document* d) { return d->isModified(); });
    if (!askAboutDocuments(app_, modified, this))
        return false;

    if (leftFolder.isEmpty()) {
        // While the tool runs, window events go on, but no window takes input.
        loading_ = true;
        mdi_->setEnabled(false);
        const bool unpacked = loader.unpackSprites();
        loading_ = false;
        mdi_->setEnabled(true);
        if (!unpacked)
            return refuse();
    }
    // The old sprite table leaves the workspace's folder before the new one
    // takes it; a build still reading it ends first.
    if (SpriteDocument* sprites = characterSprites(app_.documents); sprites && sprites->building())
        sprites->waitForBuild();
    if (!loader.install())
        return refuse();
    for (Document* document : leaving)
        app_.documents->closeDocument(document);
    app_.documents->setCharacter(loader.files());
    enginePanel_->setText(qstr(engineName(loader.files().engine)));
    app_.documents->addDocument(loader.takeSprites());
    followCharacter();
    setStatus(tr("Status: OK"));
    return true;
}

void MainWindow::followCharacter()
{
    for (WindowKind kind : openWindowKinds()) {
        const WindowHooks hooks = hooks_.value(kind);
        QWidget* w = loadedWindow(kind);
        if (!w || hooks.characterFree)
            continue;
        if (!hooks.followCharacter || !hooks.followCharacter(w))
            closeLoadedWindow(kind);
    }
}

} // namespace vantrel
