#include "main_window.h"

#include "common/text.h"
#include "shell/quick_run.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

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
    {"Help", "helpButton", "Help", QStyle::SP_DialogHelpButton, false}, // does nothing
    {},
    {"Run", "runButton", "Quick-run this character", QStyle::SP_MediaPlay, true, nullptr, &MainWindow::quickRun},
};

} // namespace

MainWindow::MainWindow(App& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vantrel"));
    app_.main = this;
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    buildMenus();
    buildToolbar();

    filePanel_ = new QLabel(QStringLiteral("No file loaded"), this);
    statusPanel_ = new QLabel(QStringLiteral("Status: OK"), this);
    statusBar()->addWidget(filePanel_, 3);
    statusBar()->addWidget(statusPanel_, 1);
    resize(1100, 760);
}

MainWindow::~MainWindow()
{
    if (app_.main == this)
        app_.main = nullptr;
    // The windows go after this object's members: they must not reach them,
    // nor may those closed but not yet deleted.
    for (const QPointer<QWidget>& w : std::as_const(windows_)) {
        if (w)
            w->disconnect(this);
    }
    for (QWidget* w : findChildren<QWidget*>())
        w->disconnect(this);
}

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
    help->addAction(QStringLiteral("&Contents"))->setObjectName(QStringLiteral("helpContentsAction"));
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
        QAction* action = toolbar_->addAction(style()->standardIcon(b.icon), caption);
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
}

QAction* MainWindow::toolbarAction(const QString& caption) const
{
    return toolbarActions_.value(caption, nullptr);
}

QAction* MainWindow::recentFileAction(int number) const
{
    return number >= 1 && number <= recentFileActions_.size() ? recentFileActions_[number - 1] : nullptr;
}

void MainWindow::registerWindow(const QString& name, WindowFactory factory, WindowHooks hooks)
{
    factories_.insert(name, std::move(factory));
    hooks_.insert(name, std::move(hooks));
}

QWidget* MainWindow::window(const QString& name) const
{
    return windows_.value(name).data();
}

QMdiSubWindow* MainWindow::subWindowOf(QWidget* w) const
{
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() == w)
            return sub;
    }
    return nullptr;
}

QWidget* MainWindow::loadWindow(const QString& name)
{
    if (QWidget* existing = window(name))
        return existing;
    const auto factory = factories_.find(name);
    if (factory == factories_.end())
        return nullptr;
    QWidget* w = (*factory)(app_);
    if (!w)
        return nullptr;
    w->setObjectName(name);
    windows_.insert(name, w);
    if (!qobject_cast<QDialog*>(w)) {
        QMdiSubWindow* sub = mdi_->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(w->windowIcon());
        // The frame goes with its window, whoever closes it.
        connect(w, &QObject::destroyed, sub, [sub] { sub->close(); });
    }
    // A window closed cleanly leaves no recovery copy behind.
    connect(w, &QObject::destroyed, this, [this, name] {
        recoveryCopies().remove(name);
        lastCopyTime_.remove(name);
    });
    return w;
}

QWidget* MainWindow::openWindow(const QString& name)
{
    const bool fresh = !window(name);
    QWidget* w = loadWindow(name);
    if (!w)
        return nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
        if (fresh)
            dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->exec();
        return window(name);
    }
    if (QMdiSubWindow* sub = subWindowOf(w)) {
        sub->show();
        w->show();
        mdi_->setActiveSubWindow(sub);
        sub->raise();
    }
    return w;
}

void MainWindow::startUp()
{
    app_.zoomFactor = 1.0f;
    app_.settings = loadProgramSettings(app_.store);
    app_.zoomFactor = app_.settings.defaultZoom;
    show();
    if (app_.settings.showTips && factories_.contains(QStringLiteral("TipDialog")))
        openWindow(QStringLiteral("TipDialog"));
    fillRecentMenu();
    offerRecovery();
    if (!recoveryTimer_) {
        recoveryTimer_ = new QTimer(this);
        recoveryTimer_->setInterval(5000);
        connect(recoveryTimer_, &QTimer::timeout, this, &MainWindow::updateRecoveryCopies);
        recoveryTimer_->start();
    }
}

void MainWindow::setStatus(const QString& text)
{
    statusPanel_->setText(text);
}

QString MainWindow::statusText() const
{
    return statusPanel_->text();
}

QString MainWindow::fileText() const
{
    return filePanel_->text();
}

void MainWindow::setEditorsEnabled(bool enabled)
{
    for (const ToolbarButton& b : kToolbar) {
        if (b.needsCharacter)
            toolbarActions_.value(QString::fromLatin1(b.caption))->setEnabled(enabled);
    }
}

void MainWindow::addDiscardGuard(std::function<bool()> guard)
{
    discardGuards_ << std::move(guard);
}

bool MainWindow::askDiscardGuards()
{
    for (const auto& guard : discardGuards_) {
        if (!guard())
            return false;
    }
    return true;
}

void MainWindow::quickRun()
{
    if (loading_)
        return;
    if (quickRunCharacter(app_, this) == QuickRunResult::OpenSettings)
        showSettings();
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

const QStringList& MainWindow::closeOrder()
{
    static const QStringList order = {
        "PaletteWindow",    "AnimationTextWindow", "CalculatorWindow", "CommandsWindow",     "ConstantsWindow",
        "DefinitionWindow", "FindDialog",          "NotepadWindow",    "BuildOptionsDialog", "SpriteWindow",
        "SoundWindow",      "SoundAboutDialog",    "SplashScreen",     "StateFileWindow",
    };
    return order;
}

bool MainWindow::closeDown()
{
    if (closedDown_)
        return true;
    // Every question comes before any window goes, so a Cancel keeps them all.
    if (!askDiscardGuards() || !confirmWindows(false))
        return false;
    discardWindowChanges(false);
    for (const QString& name : openWindowNames()) {
        if (!closeWindow(name))
            return false; // a window without hooks answered its own question Cancel
    }
    app_.sprites.clearWorkspace();
    if (recoveryTimer_)
        recoveryTimer_->stop();
    // A clean close leaves nothing behind: a folder found later is a crash's.
    if (!app_.workspacesDir.isEmpty())
        removeWorkspace(app_.workDir);
    closedDown_ = true;
    return true;
}

bool MainWindow::closeWindow(const QString& name)
{
    QWidget* w = window(name);
    if (!w)
        return true;
    QWidget* frame = subWindowOf(w);
    if (!(frame ? frame : w)->close())
        return false;
    windows_.remove(name);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (loading_ || !closeDown()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace vantrel
