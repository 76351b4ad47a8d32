#include "notepad_window.h"

#include "text/editor_text_box.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace vantrel {

NotepadWindow::NotepadWindow(App& app, QWidget* parent)
    : TextEditorWindow(app,
                       {"Notepad", "Notepad", EditorSlot::Notepad,
                        {{"New", "New"}, {"Open", "Open"}, {"Save", "Save"}, {"Revert", "Revert to saved state"},
                         {"Cut", "Cut"}, {"Copy", "Copy"}, {"Paste", "Paste"}, {"Find", "Find text..."},
                         {"Undo", "Undo"}, {"Help", ""}},
                        false},
                       parent)
{
    auto* fresh = new QAction(QStringLiteral("&New"), fileMenu_);
    fresh->setObjectName(QStringLiteral("mnuFNew"));
    auto* open = new QAction(QStringLiteral("&Open"), fileMenu_);
    open->setObjectName(QStringLiteral("mnuFOpen"));
    fileMenu_->insertAction(firstFileAction_, fresh);
    fileMenu_->insertAction(firstFileAction_, open);
    connect(fresh, &QAction::triggered, this, [this] { mnuFNew_Click(); });
    connect(open, &QAction::triggered, this, [this] { mnuFOpen_Click(); });
    Form_Load();
}

QString NotepadWindow::startFolder() const
{
    return app_.files.characterDir.empty() ? QDir::homePath() : qstr(app_.files.characterDir);
}

void NotepadWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("New"))
        mnuFNew_Click();
    else if (key == QLatin1String("Open"))
        mnuFOpen_Click();
    else
        TextEditorWindow::Toolbar1_ButtonClick(key);
}

bool NotepadWindow::askToSave()
{
    if (!modified())
        return true;
    const Answer answer = app_.dialogs.message(this, QStringLiteral("Changes have been made!  Save first?"),
                                               QStringLiteral("Notepad"), Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel)
        return false;
    // A save that was cancelled or failed keeps the text rather than dropping it.
    return answer != Answer::Yes || SaveAs();
}

void NotepadWindow::mnuFNew_Click()
{
    if (!askToSave())
        return;
    filePath_.clear();
    txtEdit()->setLines({TextLine{}});
    encoding_ = TextEncoding{};
    setModified(false);
}

void NotepadWindow::mnuFOpen_Click()
{
    if (!askToSave())
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Open file");
    options.filter = QStringLiteral("Text Files (*.txt)|*.txt|All Files(*.*)|*.*");
    options.directory = startFolder();
    options.mustExist = true;
    const QString path = app_.dialogs.openFile(this, options);
    if (!path.isEmpty() && !Load(path))
        return;
    setModified(false);
}

bool NotepadWindow::SaveAs()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Save File...");
    options.filter = QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*");
    options.directory = startFolder();
    options.mustExist = false;
    const QString path = app_.dialogs.saveFile(this, options);
    if (path.isEmpty() || !writeText(path))
        return false;
    setModified(false);
    return true;
}

} // namespace vantrel
