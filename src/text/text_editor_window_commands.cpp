// The text editor windows' commands: editing, finding, help, and the Window
// menu's arrangement of the main window's child windows.

#include "text_editor_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "text/clipboard_ops.h"
#include "text/definitions.h"
#include "text/editor_text_box.h"
#include "text/find.h"
#include "text/find_dialog.h"
#include "text/help_viewer.h"
#include "text/references_window.h"
#include "ui/workbench.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>

namespace vantrel {

void TextEditorWindow::goToLine(int line)
{
    editor_->finishLoading();
    QTextBlock block = editor_->document()->findBlockByNumber(std::max(0, line - 1));
    if (!block.isValid())
        block = editor_->document()->lastBlock();
    editor_->setTextCursor(QTextCursor(block));
    editor_->centerCursor();
    editor_->setFocus();
}

void TextEditorWindow::askGoToLine()
{
    editor_->finishLoading();
    const int lines = editor_->blockCount();
    const std::optional<QString> answer =
        app_.dialogs.askText(this, tr("Go to Line"), tr("Line number (1 to %1):").arg(lines),
                             QString::number(editor_->textCursor().blockNumber() + 1));
    if (!answer)
        return;
    bool number = false;
    const int line = answer->trimmed().toInt(&number);
    if (!number || line < 1 || line > lines) {
        app_.dialogs.message(this,
                             tr("There is no line %1: the lines go from 1 to %2.").arg(answer->trimmed()).arg(lines));
        return;
    }
    goToLine(line);
}

std::optional<DefinitionName> TextEditorWindow::nameAtCaret() const
{
    editor_->finishLoading();
    const std::vector<std::string> texts = editor_->utf8Lines();
    const std::vector<std::string_view> lines(texts.begin(), texts.end());
    const QTextCursor caret = editor_->textCursor();
    const std::size_t column = caret.block().text().left(caret.positionInBlock()).toStdString().size();
    return definitionNameAt(lines, static_cast<std::size_t>(caret.blockNumber()), column);
}

void TextEditorWindow::goToDefinition()
{
    const std::optional<DefinitionName> name = nameAtCaret();
    if (!name || !app_.documents || !app_.workbench)
        return;
    if (name->kind == DefinitionKind::Sound || name->kind == DefinitionKind::Sprite) {
        const auto comma = name->key.find(',');
        const auto group = static_cast<std::int32_t>(numericValue(name->key.substr(0, comma)));
        const auto number = static_cast<std::int32_t>(numericValue(name->key.substr(comma + 1)));
        const WindowKind kind = name->kind == DefinitionKind::Sound ? WindowKind::Sounds : WindowKind::Sprites;
        if (!app_.workbench->showNumbered(kind, group, number))
            app_.dialogs.message(this, tr("The character has no %1.").arg(definitionText(*name)));
        return;
    }
    const CharacterFiles& files = app_.documents->character();
    std::vector<std::string> candidates;
    if (name->kind == DefinitionKind::State) {
        candidates = {files.constantsFile, files.commandFile};
        candidates.insert(candidates.end(), files.stateFiles.begin(), files.stateFiles.end());
    } else {
        candidates = {name->kind == DefinitionKind::Action ? files.animationFile : files.commandFile};
    }
    for (const std::string& path : candidates) {
        if (path.empty())
            continue;
        // The text as the windows hold it, saved or not.
        const std::optional<std::string> bytes = characterText(app_.documents, path);
        if (!bytes)
            continue;
        const std::vector<std::string> fileLines = splitLines(*bytes);
        const std::vector<std::string_view> views(fileLines.begin(), fileLines.end());
        if (const std::optional<std::size_t> line = definitionLine(views, *name)) {
            app_.workbench->showFileLine(qstr(path), static_cast<int>(*line) + 1);
            return;
        }
    }
    QString what = definitionText(*name);
    what[0] = what[0].toUpper();
    app_.dialogs.message(this, tr("%1 is not defined in the character's files.").arg(what));
}

void TextEditorWindow::findReferences()
{
    const std::optional<DefinitionName> name = nameAtCaret();
    if (!name || name->kind == DefinitionKind::Sound || name->kind == DefinitionKind::Sprite || !app_.workbench)
        return;
    // Typed text not yet seen by the search reaches it through the documents.
    if (auto* window = qobject_cast<ReferencesWindow*>(app_.workbench->openWindow(WindowKind::References)))
        window->search(*name);
}

void TextEditorWindow::undo()
{
    if (document_)
        editor_->undo();
}

void TextEditorWindow::redo()
{
    if (document_)
        editor_->redo();
}

void TextEditorWindow::cut()
{
    cutSelectedText(focusedControl());
}

void TextEditorWindow::copy()
{
    copySelectedText(focusedControl());
}

void TextEditorWindow::paste()
{
    pasteText(focusedControl());
}

void TextEditorWindow::deleteSelection()
{
    editor_->replaceSelection({});
}

void TextEditorWindow::insertTimeDate()
{
    const QString now = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    editor_->replaceSelection(utf16View(now));
}

void TextEditorWindow::showFindDialog()
{
    // In the main window the find dialog searches the active window's text.
    if (app_.workbench && app_.workbench->frame()->isAncestorOf(this)) {
        app_.workbench->raiseWindow(this);
        app_.workbench->openWindow(WindowKind::Find);
        return;
    }
    FindDialog dialog(app_, editor_, this);
    dialog.exec();
}

void TextEditorWindow::findNextMatch()
{
    SearchSettings& search = app_.search;
    if (search.findText.empty()) {
        showFindDialog();
        return;
    }
    if (findNext(*editor_, search, search.findText) < 0)
        app_.dialogs.message(this, tr("Cannot find \"%1\"").arg(QString::fromStdU16String(search.findText)));
}

void TextEditorWindow::showReplaceDialog()
{
    // Replace is the find dialog with its replace box shown; the first
    // "replace" of a fresh dialog only shows the box.
    if (app_.workbench && app_.workbench->frame()->isAncestorOf(this)) {
        QTimer::singleShot(0, this, [this] {
            if (auto* dialog = qobject_cast<FindDialog*>(app_.workbench->loadedWindow(WindowKind::Find)))
                dialog->replaceNext();
        });
        showFindDialog();
        return;
    }
    FindDialog dialog(app_, editor_, this);
    dialog.replaceNext();
    dialog.exec();
}

void TextEditorWindow::showContextHelp()
{
    std::int64_t topic = kHelpContentsTopic;
    // In the files written in the state language: the controller or
    // trigger under the caret.
    if (completion_) {
        const QTextCursor caret = editor_->textCursor();
        topic = helpTopicAt(caret.block().text(), caret.positionInBlock());
    }
    showHelpTopic(app_, topic, this);
}

void TextEditorWindow::closeWindow()
{
    if (app_.workbench)
        app_.workbench->closeWindow(this);
    else
        close();
}

void TextEditorWindow::cascadeWindows()
{
    if (app_.workbench)
        app_.workbench->arrangeWindows(Arrangement::Cascade);
}

void TextEditorWindow::tileHorizontally()
{
    if (app_.workbench)
        app_.workbench->arrangeWindows(Arrangement::StackedRows);
}

void TextEditorWindow::tileVertically()
{
    if (app_.workbench)
        app_.workbench->arrangeWindows(Arrangement::SideBySide);
}

void TextEditorWindow::closeAll()
{
    if (app_.workbench)
        app_.workbench->closeAllWindows();
}

} // namespace vantrel
