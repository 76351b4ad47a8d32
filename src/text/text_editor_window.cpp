#include "text_editor_window.h"

#include "shell/main_window.h"
#include "text/clipboard_ops.h"
#include "text/editor_text_box.h"
#include "text/find_dialog.h"
#include "text/syntax_highlighter.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstring>

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
    layout->setMenuBar(menuBarWidget_);
    layout->addWidget(toolbar_);

    body_ = new QHBoxLayout;
    body_->setContentsMargins(0, 0, 0, 0);
    txtEdit_ = new EditorTextBox(this);
    body_->addWidget(txtEdit_);
    layout->addLayout(body_, 1);
    connect(txtEdit_, &EditorTextBox::textEdited, this, [this] { txtEdit_Change(); });
    resize(720, 520);
}

void TextEditorWindow::addMenuAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& shortcut,
                                     std::function<void()> handler)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Every editor window has these shortcuts; only the active one's count.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    if (handler)
        connect(action, &QAction::triggered, this, std::move(handler));
}

void TextEditorWindow::buildMenus()
{
    auto* bar = new QMenuBar(this);
    menuBarWidget_ = bar;
    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    addMenuAction(fileMenu_, "mnuFSave", "&Save", QKeySequence("Ctrl+S"), [this] { Save(); });
    firstFileAction_ = fileMenu_->actions().constFirst();
    addMenuAction(fileMenu_, "mnuFSaveAs", "Save &As...", {}, [this] { mnuFSaveAs_Click(); });
    addMenuAction(fileMenu_, "mnuFRevert", "&Revert", QKeySequence("Ctrl+R"), [this] { Revert(); });
    fileMenu_->addSeparator();
    addMenuAction(fileMenu_, "mnuPrint", "&Print...", QKeySequence("Ctrl+P"), {});
    fileMenu_->addSeparator();
    addMenuAction(fileMenu_, "mnuFClose", "&Close", {}, {});

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    addMenuAction(edit, "mnuEUndo", "&Undo", {}, [this] { Undo(); });
    edit->addSeparator();
    addMenuAction(edit, "mnuECut", "Cu&t", {}, [this] { EditCut(focusedControl()); });
    addMenuAction(edit, "mnuECopy", "&Copy", {}, [this] { EditCopy(focusedControl()); });
    addMenuAction(edit, "mnuEPaste", "&Paste", {}, [this] { EditPaste(focusedControl()); });
    addMenuAction(edit, "mnuEDelete", "De&lete", {}, [this] { Delete(); });
    edit->addSeparator();
    addMenuAction(edit, "mnuSFind", "&Find", QKeySequence("Ctrl+F"), [this] { Find(); });
    addMenuAction(edit, "mnuESelectAll", "Select &All", QKeySequence("Ctrl+A"), {});
    addMenuAction(edit, "mnuETimeDate", "Time/Date", QKeySequence("Ctrl+D"), [this] { insertTimeDate(); });

    QMenu* window = bar->addMenu(QStringLiteral("&Window"));
    addMenuAction(window, "mnuWCascade", "&Cascade", {}, [this] { Cascade(); });
    addMenuAction(window, "mnuWTileH", "Tile &Horizontally", {}, [this] { TileHorizontally(); });
    addMenuAction(window, "mnuWTileV", "Tile &Vertically", {}, [this] { TileVertically(); });
    addMenuAction(window, "mnuWArrange", "&Arrange Icons", {}, {});
    window->addSeparator();
    addMenuAction(window, "mnuWCloseAll", "C&lose All", {}, [this] { closeAll(); });

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    addMenuAction(help, "mnuHContents", "&Contents", QKeySequence("F1"), {});
}

void TextEditorWindow::buildToolbar()
{
    toolbar_ = new QToolBar(QStringLiteral("Toolbar1"), this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : description_.toolbar) {
        const QStyle::StandardPixmap pixmap = iconOf(button.key);
        // Buttons without a picture show their key.
        QAction* action = pixmap == QStyle::SP_CustomBase ? toolbar_->addAction(button.key)
                                                          : toolbar_->addAction(style()->standardIcon(pixmap), button.key);
        action->setObjectName(QStringLiteral("Toolbar1_") + button.key);
        action->setToolTip(button.toolTip.isEmpty() ? button.key : button.toolTip);
        const QString key = button.key;
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

QAction* TextEditorWindow::toolbarAction(const QString& key) const
{
    return toolbar_->findChild<QAction*>(QStringLiteral("Toolbar1_") + key, Qt::FindDirectChildrenOnly);
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
    return focused && isAncestorOf(focused) ? focused : txtEdit_;
}

void TextEditorWindow::Form_Load()
{
    const ProgramSettings& s = app_.settings;
    QFont font(QString::fromStdString(s.defaultFontName));
    font.setPointSize(s.defaultFontSize > 0 ? s.defaultFontSize : 10);
    font.setBold(s.defaultFontBold);
    font.setItalic(s.defaultFontItalic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleHint(QFont::Monospace);
    txtEdit_->setFont(font);

    const QColor back = settingColour(s.defaultBackColour);
    QPalette palette = txtEdit_->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, settingColour(s.defaultTextColour));
    txtEdit_->setPalette(palette);
    if (description_.highlighted)
        new SyntaxHighlighter(txtEdit_->document(), back.lightness() < 128);

    const QString path = sourcePath();
    if (!path.isEmpty() || description_.slot != EditorSlot::Notepad)
        Load(path);
    setModified(false);
}

bool TextEditorWindow::Load(const QString& path)
{
    const TextLoadResult loaded = loadTextFile(sstr(path));
    if (!loaded.ok) {
        app_.dialogs.message(this, QStringLiteral("Can't open file: ") + path + QStringLiteral(" with error ") +
                                       QString::number(loaded.errorNumber));
        return false;
    }
    loading_ = true;
    txtEdit_->setLines(loaded.text.lines);
    loading_ = false;
    encoding_ = loaded.text.encoding;
    filePath_ = path;
    setModified(false);
    return true;
}

bool TextEditorWindow::writeText(const QString& path)
{
    app_.dialogs.setBusy(true);
    const WriteResult written = saveTextFile(sstr(path), txtEdit_->lines(), encoding_);
    app_.dialogs.setBusy(false);
    if (!written) {
        app_.dialogs.message(this, qstr(written.error), QStringLiteral("Vantrel"), Buttons::Ok, Icon::Warning);
        return false;
    }
    return true;
}

bool TextEditorWindow::Save()
{
    if (!writeText(filePath_))
        return false;
    setModified(false);
    return true;
}

void TextEditorWindow::Revert()
{
    Load(sourcePath());
}

void TextEditorWindow::Undo()
{
    txtEdit_->undo();
}

void TextEditorWindow::Delete()
{
    txtEdit_->replaceSelection({});
}

void TextEditorWindow::insertTimeDate()
{
    const QString now = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    txtEdit_->replaceSelection(std::u16string_view(reinterpret_cast<const char16_t*>(now.utf16()),
                                                   static_cast<std::size_t>(now.size())));
}

void TextEditorWindow::Find()
{
    if (app_.main && app_.main->subWindowOf(this)) {
        app_.main->mdiArea()->setActiveSubWindow(app_.main->subWindowOf(this));
        app_.main->openWindow(QStringLiteral("FindDialog"));
        return;
    }
    FindDialog dialog(app_, txtEdit_, this);
    dialog.exec();
}

void TextEditorWindow::Cascade()
{
    if (app_.main)
        app_.main->mdiArea()->cascadeSubWindows();
}

void TextEditorWindow::TileHorizontally()
{
    tile(Qt::Vertical);
}

void TextEditorWindow::TileVertically()
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

void TextEditorWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("Save"))
        Save();
    else if (key == QLatin1String("Revert"))
        Revert();
    else if (key == QLatin1String("Cut"))
        EditCut(focusedControl());
    else if (key == QLatin1String("Copy"))
        EditCopy(focusedControl());
    else if (key == QLatin1String("Paste"))
        EditPaste(focusedControl());
    else if (key == QLatin1String("Find"))
        Find();
    else if (key == QLatin1String("Undo"))
        Undo();
    // "Help" does nothing.
}

void TextEditorWindow::mnuFSaveAs_Click()
{
    // Only the notepad saves under another name.
}

void TextEditorWindow::txtEdit_Change()
{
    setModified(true);
}

void TextEditorWindow::closeEvent(QCloseEvent* event)
{
    if (modified()) {
        const Answer answer =
            app_.dialogs.message(this, QStringLiteral("You have unsaved changes.  Save them first?"),
                                 description_.closeTitle, Buttons::YesNoCancel, Icon::Question);
        // A failed save keeps the window, so that the text is not lost.
        if (answer == Answer::Cancel || (answer == Answer::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace vantrel
