// The main window's commands: the menus, the toolbar and their keys, and the
// toolbar buttons' and menu entries' work.

#include "main_window.h"

#include "common/text.h"
#include "shell/action_icons.h"
#include "shell/quick_run.h"
#include "shell/shortcuts.h"

#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace vantrel {

namespace {

struct ToolbarButton {
    const char* caption = nullptr; // nullptr: a separator
    const char* name = nullptr;    // the action's object name
    const char* toolTip = nullptr;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    bool needsCharacter = false;          // enabled only while a character is open
    const char* editor = nullptr;         // the window the button opens, or nullptr
    void (MainWindow::*slot)() = nullptr; // what any other button does, or nullptr
};

// The twenty positions of the toolbar, in order.
const ToolbarButton kToolbar[] = {
    {},
    {"Open", "openButton", "Open a Character Definition File (.def)", QStyle::SP_DialogOpenButton, false, nullptr,
     &MainWindow::openCharacterFile},
    {"Recycle", "reloadButton", "Reload the DEF file so Vantrel will recognise recent changes",
     QStyle::SP_BrowserReload, true, nullptr, &MainWindow::reloadDefinition},
    {},
    {"DEF", "definitionButton", "Edit the Definition file (.def)", QStyle::SP_FileIcon, true, "DefinitionWindow"},
    {"SFF", "spritesButton", "Edit the Spritesheet File (.sff)", QStyle::SP_DesktopIcon, true, "SpriteWindow"},
    {"CNS", "constantsButton", "Edit the Constants file (.cns)", QStyle::SP_FileDialogContentsView, true,
     "ConstantsWindow"},
    {"CMD", "commandsButton", "Edit the Commands file (.cmd)", QStyle::SP_FileDialogDetailedView, true,
     "CommandsWindow"},
    {"AIR", "animationsButton", "Edit the Animation file (.air)", QStyle::SP_MediaSeekForward, true,
     "AnimationTextWindow"},
    {"SND", "soundsButton", "Edit the Sound file (.snd)", QStyle::SP_MediaVolume, true, "SoundWindow"},
    {"ST", "statesButton", "Edit the States files (.st)", QStyle::SP_FileDialogListView, true, "StateFileWindow"},
    {"ACT", "palettesButton", "Edit the Palettes files (.act)", QStyle::SP_DriveDVDIcon, true, "PaletteWindow"},
    {},
    {"Calc", "calculatorButton", "Miniature calculator", QStyle::SP_ComputerIcon, false, "CalculatorWindow"},
    {"pad", "notepadButton", "Notepad", QStyle::SP_FileDialogNewFolder, false, "NotepadWindow"},
    {},
    {"Settings", "settingsButton", "", QStyle::SP_FileDialogInfoView, false, nullptr, &MainWindow::showSettings},
    {"Help", "helpButton", "Help", QStyle::SP_DialogHelpButton, false, nullptr, &MainWindow::showHelpContents},
    {},
    {"Run", "runButton", "Quick-run this character", QStyle::SP_MediaPlay, true, nullptr, &MainWindow::quickRun},
};

} // namespace

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open DEF file..."));
    open->setObjectName(QStringLiteral("openAction"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::openCharacterFile);

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
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("exitAction"));
    exit->setShortcuts(standardKeys(QKeySequence::Quit));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // The Problems window checks when it opens; one already open checks again.
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    QAction* check = tools->addAction(QStringLiteral("&Check Character"));
    check->setObjectName(QStringLiteral("checkCharacterAction"));
    connect(check, &QAction::triggered, this, [this] {
        if (QWidget* problems = window(QStringLiteral("ProblemsWindow")))
            QMetaObject::invokeMethod(problems, "refresh");
        openEditor(QStringLiteral("ProblemsWindow"));
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("helpContentsAction"));
    contents->setShortcuts(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, &MainWindow::showHelpContents);
    help->addAction(QStringLiteral("&About"))->setObjectName(QStringLiteral("aboutAction"));
}

void MainWindow::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton& b : kToolbar) {
        if (!b.caption) {
            toolbar_->addSeparator();
            continue;
        }
        const QString caption = QString::fromLatin1(b.caption);
        const QIcon icon = actionIcon(caption);
        QAction* action = toolbar_->addAction(icon.isNull() ? style()->standardIcon(b.icon) : icon, caption);
        action->setObjectName(QString::fromLatin1(b.name));
        action->setToolTip(QString::fromLatin1(b.toolTip));
        action->setEnabled(!b.needsCharacter);
        if (b.editor)
            connect(action, &QAction::triggered, this,
                    [this, editor = QString::fromLatin1(b.editor)] { openEditor(editor); });
        else if (b.slot)
            connect(action, &QAction::triggered, this, b.slot);
        toolbarActions_.insert(caption, action);
    }
    // The buttons name the keys of the menu entries that do the same.
    const std::pair<const char*, const char*> sameAs[] = {{"Open", "openAction"}, {"Help", "helpContentsAction"}};
    for (const auto& [caption, entry] : sameAs) {
        if (QAction* button = toolbarAction(QString::fromLatin1(caption)))
            button->setToolTip(toolTipWithKeys(button->toolTip(), findChild<QAction*>(entry)->shortcut()));
    }
    QAction* run = toolbarAction(QStringLiteral("Run"));
    run->setShortcut(QKeySequence(Qt::Key_F5));
    run->setToolTip(toolTipWithKeys(run->toolTip(), run->shortcut()));

    for (QAction* action : {findChild<QAction*>("openAction"), findChild<QAction*>("exitAction"),
                            findChild<QAction*>("helpContentsAction"), run})
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

QAction* MainWindow::toolbarAction(const QString& caption) const
{
    return toolbarActions_.value(caption, nullptr);
}

QAction* MainWindow::recentFileAction(int number) const
{
    return number >= 1 && number <= recentFileActions_.size() ? recentFileActions_[number - 1] : nullptr;
}

void MainWindow::setEditorsEnabled(bool enabled)
{
    for (const ToolbarButton& b : kToolbar) {
        if (b.needsCharacter)
            toolbarActions_.value(QString::fromLatin1(b.caption))->setEnabled(enabled);
    }
}

bool MainWindow::opensWithoutCharacter(const QString& windowName)
{
    const auto button = std::find_if(std::begin(kToolbar), std::end(kToolbar), [&windowName](const ToolbarButton& b) {
        return b.editor && windowName == QLatin1String(b.editor);
    });
    return button != std::end(kToolbar) && !button->needsCharacter;
}

void MainWindow::fillRecentMenu()
{
    const auto list = recentCharacters(app_.store);
    if (list.empty())
        return;
    recentSeparator_->setVisible(true);
    for (std::size_t k = 0; k < list.size() && k < 4; ++k) {
        QAction* entry = recentFileActions_[static_cast<int>(k)];
        entry->setText(qstr(list[k]));
        entry->setVisible(true);
    }
}

void MainWindow::openCharacterFile()
{
    if (loading_)
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Find a DEF file");
    options.directory = app_.files.characterDir.empty() ? QDir::homePath() : qstr(app_.files.characterDir);
    options.filter = QStringLiteral("Character definition file (*.def)|*.def|All Files(*.*)|*.*");
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

void MainWindow::openEditor(const QString& windowName)
{
    if (!loading_)
        openWindow(windowName);
}

void MainWindow::showSettings()
{
    if (!loading_)
        openWindow(QStringLiteral("SettingsDialog"));
}

void MainWindow::quickRun()
{
    if (loading_)
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
