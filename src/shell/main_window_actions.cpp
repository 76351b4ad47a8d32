// The main window's commands: the menus, the toolbar and their keys, and the
// toolbar buttons' and menu entries' work.

#include "main_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "shell/quick_run.h"
#include "ui/action_icons.h"
#include "ui/document_views.h"
#include "ui/settings.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QUndoGroup>

#include <algorithm>

namespace vantrel {

namespace {

struct ToolbarButton {
    const char* caption = nullptr; // nullptr: a separator
    const char* name = nullptr;    // the action's object name
    const char* toolTip = nullptr;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    bool needsCharacter = false;          // enabled only while a character is open
    std::optional<WindowKind> editor;     // the window the button opens
    void (MainWindow::*slot)() = nullptr; // what any other button does, or nullptr
    ToolbarCommand command = ToolbarCommand::Open;
};

// The twenty positions of the toolbar, in order.
const ToolbarButton kToolbar[] = {
    {},
    {QT_TRANSLATE_NOOP("Toolbar", "Open"),
     "openButton",
     QT_TRANSLATE_NOOP("Toolbar", "Open a Character Definition File (.def)"),
     QStyle::SP_DialogOpenButton,
     false,
     {},
     &MainWindow::openCharacterFile,
     ToolbarCommand::Open},
    {QT_TRANSLATE_NOOP("Toolbar", "Recycle"),
     "reloadButton",
     QT_TRANSLATE_NOOP("Toolbar", "Reload the DEF file so Vantrel will recognise recent changes"),
     QStyle::SP_BrowserReload,
     true,
     {},
     &MainWindow::reloadDefinition,
     ToolbarCommand::Reload},
    {},
    {QT_TRANSLATE_NOOP("Toolbar", "DEF"), "definitionButton",
     QT_TRANSLATE_NOOP("Toolbar", "Edit the Definition file (.def)"), QStyle::SP_FileIcon, true, WindowKind::Definition,
     nullptr, ToolbarCommand::Definition},
    {QT_TRANSLATE_NOOP("Toolbar", "SFF"), "spritesButton",
     QT_TRANSLATE_NOOP("Toolbar", "Edit the Spritesheet File (.sff)"), QStyle::SP_DesktopIcon, true,
     WindowKind::Sprites, nullptr, ToolbarCommand::Sprites},
    {QT_TRANSLATE_NOOP("Toolbar", "CNS"), "constantsButton",
     QT_TRANSLATE_NOOP("Toolbar", "Edit the Constants file (.cns)"), QStyle::SP_FileDialogContentsView, true,
     WindowKind::Constants, nullptr, ToolbarCommand::Constants},
    {QT_TRANSLATE_NOOP("Toolbar", "CMD"), "commandsButton",
     QT_TRANSLATE_NOOP("Toolbar", "Edit the Commands file (.cmd)"), QStyle::SP_FileDialogDetailedView, true,
     WindowKind::Commands, nullptr, ToolbarCommand::Commands},
    {QT_TRANSLATE_NOOP("Toolbar", "AIR"), "animationsButton",
     QT_TRANSLATE_NOOP("Toolbar", "Edit the Animation file (.air)"), QStyle::SP_MediaSeekForward, true,
     WindowKind::AnimationText, nullptr, ToolbarCommand::Animations},
    {QT_TRANSLATE_NOOP("Toolbar", "SND"), "soundsButton", QT_TRANSLATE_NOOP("Toolbar", "Edit the Sound file (.snd)"),
     QStyle::SP_MediaVolume, true, WindowKind::Sounds, nullptr, ToolbarCommand::Sounds},
    {QT_TRANSLATE_NOOP("Toolbar", "ST"), "statesButton", QT_TRANSLATE_NOOP("Toolbar", "Edit the States files (.st)"),
     QStyle::SP_FileDialogListView, true, WindowKind::States, nullptr, ToolbarCommand::States},
    {QT_TRANSLATE_NOOP("Toolbar", "ACT"), "palettesButton",
     QT_TRANSLATE_NOOP("Toolbar", "Edit the Palettes files (.act)"), QStyle::SP_DriveDVDIcon, true,
     WindowKind::Palettes, nullptr, ToolbarCommand::Palettes},
    {},
    {QT_TRANSLATE_NOOP("Toolbar", "Calc"), "calculatorButton", QT_TRANSLATE_NOOP("Toolbar", "Miniature calculator"),
     QStyle::SP_ComputerIcon, false, WindowKind::Calculator, nullptr, ToolbarCommand::Calculator},
    {QT_TRANSLATE_NOOP("Toolbar", "pad"), "notepadButton", QT_TRANSLATE_NOOP("Toolbar", "Notepad"),
     QStyle::SP_FileDialogNewFolder, false, WindowKind::Notepad, nullptr, ToolbarCommand::Notepad},
    {},
    {QT_TRANSLATE_NOOP("Toolbar", "Settings"),
     "settingsButton",
     "",
     QStyle::SP_FileDialogInfoView,
     false,
     {},
     &MainWindow::showSettings,
     ToolbarCommand::Settings},
    {QT_TRANSLATE_NOOP("Toolbar", "Help"),
     "helpButton",
     QT_TRANSLATE_NOOP("Toolbar", "Help"),
     QStyle::SP_DialogHelpButton,
     false,
     {},
     &MainWindow::showHelpContents,
     ToolbarCommand::Help},
    {},
    {QT_TRANSLATE_NOOP("Toolbar", "Run"),
     "runButton",
     QT_TRANSLATE_NOOP("Toolbar", "Quick-run this character"),
     QStyle::SP_MediaPlay,
     true,
     {},
     &MainWindow::quickRun,
     ToolbarCommand::Run},
};

} // namespace

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    open_ = file->addAction(tr("&Open DEF file..."));
    open_->setObjectName(QStringLiteral("openAction"));
    open_->setShortcut(QKeySequence::Open);
    connect(open_, &QAction::triggered, this, &MainWindow::openCharacterFile);

    saveAll_ = file->addAction(tr("Save A&ll"));
    saveAll_->setObjectName(QStringLiteral("saveAllAction"));
    saveAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    saveAll_->setEnabled(false);
    connect(saveAll_, &QAction::triggered, this, &MainWindow::saveAll);

    recentSeparator_ = file->addSeparator();
    recentSeparator_->setObjectName(QStringLiteral("recentFilesSeparator"));
    recentSeparator_->setVisible(false);
    for (int number = 1; number <= 4; ++number) {
        QAction* entry = file->addAction(QStringLiteral("RecentChar%1").arg(number));
        entry->setObjectName(QStringLiteral("recentFileAction%1").arg(number));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, number] { openRecentCharacter(number); });
        recentFileActions_ << entry;
    }
    file->addSeparator();
    exit_ = file->addAction(tr("E&xit"));
    exit_->setObjectName(QStringLiteral("exitAction"));
    exit_->setShortcuts(standardKeys(QKeySequence::Quit));
    connect(exit_, &QAction::triggered, this, &QWidget::close);

    // Undo and Redo of the document the active window shows.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    undo_ = app_.documents->undoGroup()->createUndoAction(this);
    undo_->setObjectName(QStringLiteral("undoAction"));
    redo_ = app_.documents->undoGroup()->createRedoAction(this);
    redo_->setObjectName(QStringLiteral("redoAction"));
    edit->addActions({undo_, redo_});

    // The Problems window checks when it opens; one already open checks again
    // (its hook to follow a character is the check).
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    QAction* check = tools->addAction(tr("&Check Character"));
    check->setObjectName(QStringLiteral("checkCharacterAction"));
    connect(check, &QAction::triggered, this, [this] {
        if (QWidget* problems = loadedWindow(WindowKind::Problems);
            problems && hooks_.value(WindowKind::Problems).followCharacter)
            hooks_.value(WindowKind::Problems).followCharacter(problems);
        openEditor(WindowKind::Problems);
    });

    buildWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    helpContents_ = help->addAction(tr("&Contents"));
    helpContents_->setObjectName(QStringLiteral("helpContentsAction"));
    helpContents_->setShortcuts(QKeySequence::HelpContents);
    connect(helpContents_, &QAction::triggered, this, &MainWindow::showHelpContents);
    help->addAction(tr("&About"))->setObjectName(QStringLiteral("aboutAction"));
}

void MainWindow::buildWindowMenu()
{
    windowMenu_ = menuBar()->addMenu(tr("&Window"));
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    const std::pair<const char*, Arrangement> arrangements[] = {
        {QT_TR_NOOP("&Cascade"), Arrangement::Cascade},
        {QT_TR_NOOP("&Tile"), Arrangement::Tile},
    };
    for (const auto& [caption, arrangement] : arrangements) {
        QAction* action = windowMenu_->addAction(tr(caption));
        action->setObjectName(arrangement == Arrangement::Cascade ? QStringLiteral("cascadeWindowsAction")
                                                                  : QStringLiteral("tileWindowsAction"));
        connect(action, &QAction::triggered, this, [this, how = arrangement] { arrangeWindows(how); });
        arrangeActions_ << action;
    }
    QAction* closeAll = windowMenu_->addAction(tr("Close &All"));
    closeAll->setObjectName(QStringLiteral("closeAllWindowsAction"));
    connect(closeAll, &QAction::triggered, this, &MainWindow::closeAllWindows);
    windowMenu_->addSeparator();
    tabbed_ = windowMenu_->addAction(tr("Show Windows as Ta&bs"));
    tabbed_->setObjectName(QStringLiteral("tabbedViewAction"));
    tabbed_->setCheckable(true);
    connect(tabbed_, &QAction::toggled, this, [this](bool on) {
        if (on != tabbedView())
            setTabbedView(on);
    });
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
}

void MainWindow::fillWindowMenu()
{
    // The fixed entries stay; the list of windows is made anew.
    for (QAction* entry : std::as_const(windowEntries_)) {
        windowMenu_->removeAction(entry);
        entry->deleteLater();
    }
    windowEntries_.clear();
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    QAction* separator = nullptr;
    int number = 0;
    for (QMdiSubWindow* sub : windows) {
        if (!separator) {
            separator = windowMenu_->addSeparator();
            windowEntries_.append(separator);
        }
        ++number;
        QString title = sub->windowTitle();
        title.replace(QStringLiteral("[*]"), sub->isWindowModified() ? QStringLiteral("*") : QString());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        //: An entry of the Window menu: its number, then the window's title.
        QAction* entry = windowMenu_->addAction(number < 10 ? tr("&%1 %2").arg(number).arg(title) : title);
        windowEntries_.append(entry);
        entry->setCheckable(true);
        entry->setChecked(sub == mdi_->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                raiseWindow(sub->widget());
        });
    }
}

void MainWindow::buildToolbar()
{
    toolbar_ = addToolBar(tr("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton& b : kToolbar) {
        if (!b.caption) {
            toolbar_->addSeparator();
            continue;
        }
        // The icon goes by the English caption.
        const QIcon icon = actionIcon(QString::fromLatin1(b.caption));
        QAction* action = toolbar_->addAction(icon.isNull() ? style()->standardIcon(b.icon) : icon,
                                              QCoreApplication::translate("Toolbar", b.caption));
        action->setObjectName(QString::fromLatin1(b.name));
        action->setToolTip(*b.toolTip ? QCoreApplication::translate("Toolbar", b.toolTip) : QString());
        action->setEnabled(!b.needsCharacter);
        if (b.editor)
            connect(action, &QAction::triggered, this, [this, editor = *b.editor] { openEditor(editor); });
        else if (b.slot)
            connect(action, &QAction::triggered, this, b.slot);
        toolbarActions_.insert(b.command, action);
    }
    // The buttons name the keys of the menu entries that do the same.
    const std::pair<ToolbarCommand, QAction*> sameAs[] = {{ToolbarCommand::Open, open_},
                                                          {ToolbarCommand::Help, helpContents_}};
    for (const auto& [command, entry] : sameAs) {
        if (QAction* button = toolbarAction(command))
            button->setToolTip(toolTipWithKeys(button->toolTip(), entry->shortcut()));
    }
    QAction* run = toolbarAction(ToolbarCommand::Run);
    run->setShortcut(QKeySequence(Qt::Key_F5));
    run->setToolTip(toolTipWithKeys(run->toolTip(), run->shortcut()));

    for (QAction* action : {open_, exit_, helpContents_, run, saveAll_, undo_, redo_})
        frameKeys_.append({action, action->shortcuts()});
}

void MainWindow::yieldKeysTo(QWidget* focus)
{
    // The child window holding the focus, if any.
    QWidget* child = nullptr;
    for (QWidget* w = focus; w && w != this; w = w->parentWidget()) {
        if (qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
            child = w;
            break;
        }
    }
    // A key stays the child's while its command is off: F5 in the sound
    // window never starts the game.
    QList<QKeySequence> childKeys;
    if (child) {
        for (QAction* action : child->findChildren<QAction*>())
            childKeys += action->shortcuts();
    }
    for (const auto& [action, keys] : std::as_const(frameKeys_)) {
        if (!action)
            continue;
        QList<QKeySequence> own;
        for (const QKeySequence& key : keys) {
            if (!childKeys.contains(key))
                own << key;
        }
        if (action->shortcuts() != own)
            action->setShortcuts(own);
    }
}

QAction* MainWindow::toolbarAction(ToolbarCommand command) const
{
    return toolbarActions_.value(command, nullptr);
}

QAction* MainWindow::recentFileAction(int number) const
{
    return number >= 1 && number <= recentFileActions_.size() ? recentFileActions_[number - 1] : nullptr;
}

void MainWindow::setEditorsEnabled(bool enabled)
{
    for (const ToolbarButton& b : kToolbar) {
        if (b.caption && b.needsCharacter)
            toolbarActions_.value(b.command)->setEnabled(enabled);
    }
}

bool MainWindow::opensWithoutCharacter(WindowKind kind)
{
    const auto button = std::find_if(std::begin(kToolbar), std::end(kToolbar),
                                     [kind](const ToolbarButton& b) { return b.editor == kind; });
    return button != std::end(kToolbar) && !button->needsCharacter;
}

void MainWindow::fillRecentMenu()
{
    const auto list = recentCharacters(app_.store);
    if (list.empty())
        return;
    recentSeparator_->setVisible(true);
    for (std::size_t k = 0; k < 4; ++k) {
        QAction* entry = recentFileActions_[static_cast<int>(k)];
        entry->setText(k < list.size() ? qstr(list[k]) : QString());
        entry->setVisible(k < list.size());
    }
}

QString MainWindow::openDialogFolder() const
{
    // The open character's folder, else the last one opened, else the
    // sample characters that come with the program.
    const std::string& characterDir = app_.documents->character().characterDir;
    if (!characterDir.empty())
        return qstr(characterDir);
    for (const std::string& recent : recentCharacters(app_.store)) {
        const QFileInfo file(qstr(recent));
        if (file.dir().exists())
            return file.absolutePath();
    }
    const QString samples = app_.dataFile(QStringLiteral("samples"));
    return QFileInfo(samples).isDir() ? samples : QDir::homePath();
}

void MainWindow::openCharacterFile()
{
    if (loading_)
        return;
    FileDialogOptions options;
    options.title = tr("Find a DEF file");
    options.directory = openDialogFolder();
    options.filter = tr("Character definition file (*.def)") + QStringLiteral("|*.def|") + tr("All Files(*.*)")
        + QStringLiteral("|*.*");
    options.mustExist = true;
    const QString path = app_.dialogs.openFile(this, options);
    if (!path.isEmpty())
        openCharacter(path);
}

void MainWindow::openRecentCharacter(int number)
{
    const QAction* entry = recentFileAction(number);
    if (!entry || entry->text().isEmpty())
        return;
    openCharacter(entry->text());
}

void MainWindow::openEditor(WindowKind kind)
{
    if (!loading_)
        openWindow(kind);
}

void MainWindow::showSettings()
{
    if (!loading_)
        openWindow(WindowKind::Settings);
}

bool MainWindow::saveAll()
{
    if (loading_ || !commitEdits())
        return false;
    return saveDocuments(app_, app_.documents->modifiedDocuments(), this);
}

void MainWindow::quickRun()
{
    if (loading_ || !commitEdits())
        return;
    if (quickRunCharacter(app_, this) == QuickRunResult::OpenSettings)
        showSettings();
}

void MainWindow::setHelpHandler(std::function<void(App&, std::optional<std::int64_t>)> handler)
{
    helpHandler_ = std::move(handler);
}

void MainWindow::showHelp(std::optional<std::int64_t> topic)
{
    if (helpHandler_)
        helpHandler_(app_, topic);
}

} // namespace vantrel
