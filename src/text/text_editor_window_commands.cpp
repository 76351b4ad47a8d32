// The text editor windows' commands: editing, finding, help, and the Window
// menu's arrangement of the main window's child windows.

#include "text_editor_window.h"

#include "shell/main_window.h"
#include "text/clipboard_ops.h"
#include "text/editor_text_box.h"
#include "text/find.h"
#include "text/find_dialog.h"
#include "text/help_viewer.h"

#include <QDateTime>
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

void TextEditorWindow::undo()
{
    editor_->undo();
}

void TextEditorWindow::redo()
{
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
    if (app_.main && app_.main->subWindowOf(this)) {
        app_.main->mdiArea()->setActiveSubWindow(app_.main->subWindowOf(this));
        app_.main->openWindow(QStringLiteral("FindDialog"));
        return;
    }
    FindDialog dialog(app_, editor_, this);
    dialog.exec();
}

void TextEditorWindow::findNextMatch()
{
    SearchSettings& search = app_.textEditors.search;
    if (search.findText.empty()) {
        showFindDialog();
        return;
    }
    if (findNext(*editor_, search, search.findText) < 0)
        app_.dialogs.message(
            this, QStringLiteral("Cannot find \"") + QString::fromStdU16String(search.findText) + QLatin1Char('"'));
}

void TextEditorWindow::showReplaceDialog()
{
    // Replace is the find dialog with its replace box shown; the first
    // "replace" of a fresh dialog only shows the box.
    if (app_.main && app_.main->subWindowOf(this)) {
        QTimer::singleShot(0, this, [this] {
            if (auto* dialog = qobject_cast<FindDialog*>(app_.main->window(QStringLiteral("FindDialog"))))
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
    QWidget* frame = app_.main ? app_.main->subWindowOf(this) : nullptr;
    (frame ? frame : static_cast<QWidget*>(this))->close();
}

void TextEditorWindow::cascadeWindows()
{
    if (app_.main)
        app_.main->mdiArea()->cascadeSubWindows();
}

void TextEditorWindow::tileHorizontally()
{
    tile(Qt::Vertical);
}

void TextEditorWindow::tileVertically()
{
    tile(Qt::Horizontal);
}

// Horizontal tiling stacks the windows one above the other, each as wide as
// the frame; vertical tiling sets them side by side.
void TextEditorWindow::tile(Qt::Orientation stacking)
{
    if (!app_.main)
        return;
    QMdiArea* area = app_.main->mdiArea();
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (sub->isVisible() && !sub->isMinimized())
            windows << sub;
    }
    if (windows.isEmpty())
        return;
    const QRect frame = area->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (stacking == Qt::Vertical) {
            const int h = frame.height() / n;
            windows[i]->setGeometry(0, i * h, frame.width(), h);
        } else {
            const int w = frame.width() / n;
            windows[i]->setGeometry(i * w, 0, w, frame.height());
        }
    }
}

void TextEditorWindow::closeAll()
{
    if (!app_.main)
        return;
    for (const QString& name : MainWindow::closeOrder()) {
        QWidget* w = app_.main->window(name);
        if (!w)
            continue;
        QWidget* frame = app_.main->subWindowOf(w);
        (frame ? frame : w)->close();
    }
}

} // namespace vantrel
