#include "notepad_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/text_document.h"
#include "ui/document_views.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>

namespace vantrel {

NotepadWindow::NotepadWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {QT_TRANSLATE_NOOP("TextEditorWindow", "Notepad"), DocumentKind::Text,
                            QList<ToolButton>{{TextTool::New, QT_TRANSLATE_NOOP("TextEditorWindow", "New"), {}},
                                              {TextTool::Open, QT_TRANSLATE_NOOP("TextEditorWindow", "Open"), {}}}
                                + commandStyleToolbar({}),
                            false},
                           parent)
{
    auto* newAction = new QAction(tr("&New"), fileMenu_);
    newAction->setObjectName(QStringLiteral("newAction"));
    auto* openAction = new QAction(tr("&Open"), fileMenu_);
    openAction->setObjectName(QStringLiteral("openAction"));
    fileMenu_->insertAction(firstFileAction_, newAction);
    fileMenu_->insertAction(firstFileAction_, openAction);
    registerMenuAction(MenuCommand::New, newAction);
    registerMenuAction(MenuCommand::Open, openAction);
    bindKeys(this, newAction, QKeySequence::New);
    bindKeys(this, openAction, QKeySequence::Open);
    toolbarAction(TextTool::New)->setToolTip(toolTipWithKeys(tr("New"), newAction->shortcut()));
    toolbarAction(TextTool::Open)->setToolTip(toolTipWithKeys(tr("Open"), openAction->shortcut()));
    for (QAction* action : {newAction, toolbarAction(TextTool::New)})
        connect(action, &QAction::triggered, this, &NotepadWindow::newFile);
    for (QAction* action : {openAction, toolbarAction(TextTool::Open)})
        connect(action, &QAction::triggered, this, &NotepadWindow::openFile);
    applySettingsAndLoad();

    // The text the notepad showed when it closed with changes, else a new one.
    if (app_.documents) {
        for (Document* document : app_.documents->documents()) {
            auto* text = qobject_cast<TextDocument*>(document);
            if (text && text->kind() == DocumentKind::Text && !app_.documents->namedByCharacter(text)) {
                setDocument(text);
                break;
            }
        }
    }
    if (!document_)
        showNewText();
}

FileDialogOptions NotepadWindow::dialogOptions(const QString& title, const QString& filter, bool mustExist) const
{
    FileDialogOptions options;
    options.title = title;
    options.filter = filter;
    const std::string characterDir = app_.documents ? app_.documents->character().characterDir : std::string();
    options.directory = characterDir.empty() ? QDir::homePath() : qstr(characterDir);
    options.mustExist = mustExist;
    return options;
}

FileDialogOptions NotepadWindow::saveAsOptions() const
{
    FileDialogOptions options = dialogOptions(
        tr("Save File..."),
        tr("Text files (*.txt)") + QStringLiteral("|*.txt|") + tr("All files (*.*)") + QStringLiteral("|*.*"), false);
    if (document_ && !document_->fileName().isEmpty())
        options.fileName = document_->displayName();
    return options;
}

bool NotepadWindow::askToSave(bool& drop)
{
    drop = false;
    // Text the character names stays with the character: nothing to ask.
    if (!document_ || !document_->isModified() || (app_.documents && app_.documents->namedByCharacter(document_)))
        return true;
    switch (app_.dialogs.message(this, tr("Changes have been made!  Save first?"), tr("Notepad"), Buttons::YesNoCancel,
                                 Icon::Question)) {
    case Answer::Yes:
        // A save that was cancelled or failed keeps the text rather than dropping it.
        return document_->fileName().isEmpty() ? saveAs() : save();
    case Answer::No: drop = true; return true;
    default: return false;
    }
}

void NotepadWindow::release(Document* document, bool drop)
{
    if (!document || document == document_ || !app_.documents || app_.documents->namedByCharacter(document))
        return;
    if (drop || !document->isModified())
        app_.documents->closeDocument(document);
}

void NotepadWindow::showNewText()
{
    auto document = std::make_unique<TextDocument>(DocumentKind::Text, QString());
    document->setLines({TextLine{}});
    if (app_.documents)
        setDocument(static_cast<TextDocument*>(app_.documents->addDocument(std::move(document))));
    else {
        document->setParent(this); // a window used alone: the document lives with it
        setDocument(document.release());
    }
}

void NotepadWindow::newFile()
{
    bool drop = false;
    if (!askToSave(drop))
        return;
    Document* before = document_;
    showNewText();
    release(before, drop);
}

void NotepadWindow::openFile()
{
    bool drop = false;
    if (!askToSave(drop))
        return;
    const QString filter =
        tr("Text Files (*.txt)") + QStringLiteral("|*.txt|") + tr("All Files(*.*)") + QStringLiteral("|*.*");
    const QString path = app_.dialogs.openFile(this, dialogOptions(tr("Open file"), filter, true));
    // Cancelled, or a file that cannot be read: the text shown stays as it was, changes and all.
    Document* before = document_;
    if (path.isEmpty() || !loadFile(path))
        return;
    release(before, drop);
}

void NotepadWindow::closeEvent(QCloseEvent* event)
{
    // Text with changes stays, to be shown again or asked about at the close-down.
    Document* shown = document_;
    setDocument(nullptr);
    release(shown, false);
    event->accept();
}

} // namespace vantrel
