#include "text_editor_window.h"

#include "shell/main_window.h"
#include "text/clipboard_ops.h"
#include "text/completion_popup.h"
#include "text/editor_text_box.h"
#include "text/find_dialog.h"
#include "text/help_viewer.h"
#include "text/syntax_highlighter.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

QColor settingColour(const std::string& text)
{
    const std::uint32_t v = ProgramSettings::colourValue(text);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

QStyle::StandardPixmap iconOf(const QString& key)
{
    static const QMap<QString, QStyle::StandardPixmap> icons = {
        {"New", QStyle::SP_FileIcon},           {"Open", QStyle::SP_DialogOpenButton},
        {"Save", QStyle::SP_DialogSaveButton},   {"Revert", QStyle::SP_BrowserReload},
        {"Cut", QStyle::SP_DialogDiscardButton}, {"Copy", QStyle::SP_FileDialogNewFolder},
        {"Paste", QStyle::SP_DialogApplyButton}, {"Find", QStyle::SP_FileDialogContentsView},
        {"Undo", QStyle::SP_ArrowBack},          {"Help", QStyle::SP_DialogHelpButton},
    };
    return icons.value(key, QStyle::SP_CustomBase);
}

// "Save" names its toolbar button "saveButton", "CLSN" "clsnButton".
QString toolButtonName(const QString& key)
{
    const QString name = key == key.toUpper() ? key.toLower() : key.left(1).toLower() + key.mid(1);
    return name + QStringLiteral("Button");
}

} // namespace

TextEditorWindow::TextEditorWindow(App& app, EditorDescription description, QWidget* parent)
    : QWidget(parent), app_(app), description_(std::move(description))
{
    setWindowTitle(description_.caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    buildToolbar();
    layout->setMenuBar(menuBar_);
    layout->addWidget(toolbar_);

    body_ = new QHBoxLayout;
    body_->setContentsMargins(0, 0, 0, 0);
    editor_ = new EditorTextBox(this);
    body_->addWidget(editor_);
    layout->addLayout(body_, 1);
    connect(editor_, &EditorTextBox::textEdited, this, &TextEditorWindow::markModified);
    const EditorSlot slot = description_.slot;
    if (slot == EditorSlot::Cns || slot == EditorSlot::Cmd || slot == EditorSlot::St)
        completion_ = new CompletionPopup(editor_, app_.dataFile(QString::fromLatin1(kHelpFileName)));
    resize(720, 520);
}

QAction* TextEditorWindow::addMenuAction(QMenu* menu, const QString& name, const QString& text,
                                         const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Every editor window has these shortcuts; only the active one's count.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    return action;
}

void TextEditorWindow::buildMenus()
{
    menuBar_ = new QMenuBar(this);
    fileMenu_ = menuBar_->addMenu(QStringLiteral("&File"));
    QAction* saveAction = addMenuAction(fileMenu_, "saveAction", "&Save", QKeySequence("Ctrl+S"));
    connect(saveAction, &QAction::triggered, this, &TextEditorWindow::save);
    firstFileAction_ = saveAction;
    connect(addMenuAction(fileMenu_, "saveAsAction", "Save &As..."), &QAction::triggered, this,
            &TextEditorWindow::saveAs);
    connect(addMenuAction(fileMenu_, "revertAction", "&Revert", QKeySequence("Ctrl+R")), &QAction::triggered, this,
            &TextEditorWindow::revert);
    fileMenu_->addSeparator();
    addMenuAction(fileMenu_, "printAction", "&Print...", QKeySequence("Ctrl+P"));
    fileMenu_->addSeparator();
    addMenuAction(fileMenu_, "closeAction", "&Close");

    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Edit"));
    connect(addMenuAction(edit, "undoAction", "&Undo"), &QAction::triggered, this, &TextEditorWindow::undo);
    edit->addSeparator();
    connect(addMenuAction(edit, "cutAction", "Cu&t"), &QAction::triggered, this, &TextEditorWindow::cut);
    connect(addMenuAction(edit, "copyAction", "&Copy"), &QAction::triggered, this, &TextEditorWindow::copy);
    connect(addMenuAction(edit, "pasteAction", "&Paste"), &QAction::triggered, this, &TextEditorWindow::paste);
    connect(addMenuAction(edit, "deleteAction", "De&lete"), &QAction::triggered, this,
            &TextEditorWindow::deleteSelection);
    edit->addSeparator();
    connect(addMenuAction(edit, "findAction", "&Find", QKeySequence("Ctrl+F")), &QAction::triggered, this,
            &TextEditorWindow::showFindDialog);
    addMenuAction(edit, "selectAllAction", "Select &All", QKeySequence("Ctrl+A"));
    connect(addMenuAction(edit, "timeDateAction", "Time/Date", QKeySequence("Ctrl+D")), &QAction::triggered, this,
            &TextEditorWindow::insertTimeDate);

    QMenu* window = menuBar_->addMenu(QStringLiteral("&Window"));
    connect(addMenuAction(window, "cascadeAction", "&Cascade"), &QAction::triggered, this,
            &TextEditorWindow::cascadeWindows);
    connect(addMenuAction(window, "tileHorizontallyAction", "Tile &Horizontally"), &QAction::triggered, this,
            &TextEditorWindow::tileHorizontally);
    connect(addMenuAction(window, "tileVerticallyAction", "Tile &Vertically"), &QAction::triggered, this,
            &TextEditorWindow::tileVertically);
    addMenuAction(window, "arrangeIconsAction", "&Arrange Icons");
    window->addSeparator();
    connect(addMenuAction(window, "closeAllAction", "C&lose All"), &QAction::triggered, this,
            &TextEditorWindow::closeAll);

    QMenu* help = menuBar_->addMenu(QStringLiteral("&Help"));
    addMenuAction(help, "helpContentsAction", "&Contents", QKeySequence("F1"));
}

void TextEditorWindow::buildToolbar()
{
    toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : description_.toolbar) {
        const QStyle::StandardPixmap pixmap = iconOf(button.key);
        QAction* action = pixmap == QStyle::SP_CustomBase ? toolbar_->addAction(button.key)
                                                          : toolbar_->addAction(style()->standardIcon(pixmap), button.key);
        action->setObjectName(toolButtonName(button.key));
        action->setToolTip(button.toolTip.isEmpty() ? button.key : button.toolTip);
    }

    // The buttons every editor may have; the windows connect their own.
    // "Help" does nothing.
    const auto onTrigger = [this](const char* key, auto slot) {
        if (QAction* action = toolbarAction(QLatin1String(key)))
            connect(action, &QAction::triggered, this, slot);
    };
    onTrigger("Save", &TextEditorWindow::save);
    onTrigger("Revert", &TextEditorWindow::revert);
    onTrigger("Cut", &TextEditorWindow::cut);
    onTrigger("Copy", &TextEditorWindow::copy);
    onTrigger("Paste", &TextEditorWindow::paste);
    onTrigger("Find", &TextEditorWindow::showFindDialog);
    onTrigger("Undo", &TextEditorWindow::undo);
}

QAction* TextEditorWindow::toolbarAction(const QString& key) const
{
    return toolbar_->findChild<QAction*>(toolButtonName(key), Qt::FindDirectChildrenOnly);
}

QAction* TextEditorWindow::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

bool TextEditorWindow::modified() const
{
    return app_.textEditors.modifiedFlag(description_.slot);
}

void TextEditorWindow::setModified(bool modified)
{
    app_.textEditors.modifiedFlag(description_.slot) = modified;
}

QWidget* TextEditorWindow::focusedControl() const
{
    QWidget* focused = focusWidget();
    return focused && isAncestorOf(focused) ? focused : editor_;
}

void TextEditorWindow::applySettingsAndLoad()
{
    const ProgramSettings& s = app_.settings;
    QFont font(QString::fromStdString(s.defaultFontName));
    font.setPointSize(s.defaultFontSize > 0 ? s.defaultFontSize : 10);
    font.setBold(s.defaultFontBold);
    font.setItalic(s.defaultFontItalic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::Monospace);
    editor_->setFont(font);

    const QColor back = settingColour(s.defaultBackColour);
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, settingColour(s.defaultTextColour));
    editor_->setPalette(palette);
    if (description_.highlighted)
        new SyntaxHighlighter(editor_, back.lightness() < 128);

    const QString path = sourcePath();
    if (!path.isEmpty() || description_.slot != EditorSlot::Notepad) {
        // A file the character names that nobody has written yet opens
        // empty, and the first Save creates it.
        if (!loadFile(path) && !path.isEmpty() && !QFileInfo::exists(path))
            filePath_ = path;
    }
    setModified(false);
}

void TextEditorWindow::goToLine(int line)
{
    QTextBlock block = editor_->document()->findBlockByNumber(std::max(0, line - 1));
    if (!block.isValid())
        block = editor_->document()->lastBlock();
    editor_->setTextCursor(QTextCursor(block));
    editor_->centerCursor();
    editor_->setFocus();
}

bool TextEditorWindow::loadFile(const QString& path)
{
    const TextLoadResult loaded = loadTextFile(sstr(path));
    if (!loaded.ok) {
        app_.dialogs.message(this, QStringLiteral("Can't open file: ") + path + QStringLiteral(" with error ") +
                                       QString::number(loaded.errorNumber));
        return false;
    }
    loading_ = true;
    editor_->setJoinedText(loaded.text.text, loaded.text.ends, loaded.text.encoding.usualEnd);
    loading_ = false;
    encoding_ = loaded.text.encoding;
    filePath_ = path;
    setModified(false);
    return true;
}

std::string TextEditorWindow::textBytes() const
{
    return shownBytes(editor_->lines(), encoding_);
}

bool TextEditorWindow::replaceTextBytes(const std::string& bytes)
{
    const std::vector<TextLine> before = editor_->lines();
    std::vector<TextLine> after = decodeText(bytes).lines;
    const LineChange change = changedLines(before, after, encoding_.usualEnd);
    if (change.empty())
        return false;
    const auto from = after.begin() + static_cast<std::ptrdiff_t>(change.first);
    editor_->replaceLines(static_cast<int>(change.first), static_cast<int>(change.removed),
                          std::vector<TextLine>(from, from + static_cast<std::ptrdiff_t>(change.added)));
    editor_->showLine(static_cast<int>(change.first));
    setModified(true);
    return true;
}

bool TextEditorWindow::writeText(const QString& path)
{
    app_.dialogs.setBusy(true);
    const WriteResult written = saveTextFile(sstr(path), editor_->lines(), encoding_);
    app_.dialogs.setBusy(false);
    if (!written) {
        app_.dialogs.message(this, qstr(written.error), QStringLiteral("Vantrel"), Buttons::Ok, Icon::Warning);
        return false;
    }
    return true;
}

bool TextEditorWindow::save()
{
    if (!writeText(filePath_))
        return false;
    setModified(false);
    return true;
}

bool TextEditorWindow::saveAs()
{
    return false;
}

void TextEditorWindow::revert()
{
    loadFile(sourcePath());
}

void TextEditorWindow::undo()
{
    editor_->undo();
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

void TextEditorWindow::markModified()
{
    setModified(true);
}

bool TextEditorWindow::confirmDiscard()
{
    // A failed save keeps the window, so that the text is not lost.
    const QString question = QStringLiteral("You have unsaved changes.  Save them first?");
    const auto saveFirst = [this] { return save(); };
    return !modified() || askToSaveChanges(app_.dialogs, this, question, description_.closeTitle, saveFirst);
}

bool TextEditorWindow::followCharacter()
{
    const QString path = sourcePath();
    return !path.isEmpty() && loadFile(path);
}

void TextEditorWindow::closeEvent(QCloseEvent* event)
{
    if (confirmDiscard())
        event->accept();
    else
        event->ignore();
}

} // namespace vantrel
