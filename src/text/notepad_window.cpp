#include "notepad_window.h"

#include "shell/shortcuts.h"
#include "text/editor_text_box.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace vantrel {

NotepadWindow::NotepadWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {"Notepad",
                            "Notepad",
                            EditorSlot::Notepad,
                            {{"New", "New"},
                             {"Open", "Open"},
                             {"Save", "Save"},
                             {"Revert", "Revert to saved state"},
                             {"Cut", "Cut"},
                             {"Copy", "Copy"},
                             {"Paste", "Paste"},
                             {"Find", "Find text..."},
                             {"Undo", "Undo"},
                             {"Help", ""}},
                            false},
                           parent)
{
    auto* newAction = new QAction(QStringLiteral("&New"), fileMenu_);
    newAction->setObjectName(QStringLiteral("newAction"));
    auto* openAction = new QAction(QStringLiteral("&Open"), fileMenu_);
    openAction->setObjectName(QStringLiteral("openAction"));
    fileMenu_->insertAction(firstFileAction_, newAction);
    fileMenu_->insertAction(firstFileAction_, openAction);
    bindKeys(this, newAction, QKeySequence::New);
    bindKeys(this, openAction, QKeySequence::Open);
    toolbarAction(QStringLiteral("New"))->setToolTip(toolTipWithKeys(QStringLiteral("New"), newAction->shortcut()));
    toolbarAction(QStringLiteral("Open"))->setToolTip(toolTipWithKeys(QStringLiteral("Open"), openAction->shortcut()));
    for (QAction* action : {newAction, toolbarAction(QStringLiteral("New"))})
        connect(action, &QAction::triggered, this, &NotepadWindow::newFile);
    for (QAction* action : {openAction, toolbarAction(QStringLiteral("Open"))})
        connect(action, &QAction::triggered, this, &NotepadWindow::openFile);
    applySettingsAndLoad();
}

FileDialogOptions NotepadWindow::dialogOptions(const QString& title, const QString& filter, bool mustExist) const
{
    FileDialogOptions options;
    options.title = title;
    options.filter = filter;
    options.directory = app_.files.characterDir.empty() ? QDir::homePath() : qstr(app_.files.characterDir);
    options.mustExist = mustExist;
    return options;
}

bool NotepadWindow::askToSave()
{
    // A save that was cancelled or failed keeps the text rather than dropping it.
    return !modified()
        || askToSaveChanges(app_.dialogs, this, QStringLiteral("Changes have been made!  Save first?"),
                            QStringLiteral("Notepad"), [this] { return saveAs(); });
}

void NotepadWindow::newFile()
{
    if (!askToSave())
        return;
    filePath_.clear();
    editor()->setLines({TextLine{}});
    encoding_ = TextEncoding{};
    original_ = {};
    showEncoding();
    showFileInTitle();
    setModified(false);
}

void NotepadWindow::openFile()
{
    if (!askToSave())
        return;
    const QString filter = QStringLiteral("Text Files (*.txt)|*.txt|All Files(*.*)|*.*");
    const QString path = app_.dialogs.openFile(this, dialogOptions(QStringLiteral("Open file"), filter, true));
    if (!path.isEmpty() && !loadFile(path))
        return;
    setModified(false);
}

bool NotepadWindow::saveAs()
{
    const QString filter = QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*");
    const QString path = app_.dialogs.saveFile(this, dialogOptions(QStringLiteral("Save File..."), filter, false));
    if (path.isEmpty() || !writeText(path))
        return false;
    setModified(false);
    return true;
}

} // namespace vantrel
