#include "main_window.h"

#include "common/text.h"
#include "shell/spawn_runner.h"
#include "shell/spawn_script.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace vantrel {

namespace {

const QString kOpenFailed = QStringLiteral("A file referenced in the .DEF file does not exist?");

struct ToolbarButton {
    const char* key;      // nullptr: a separator
    const char* toolTip;
    QStyle::StandardPixmap icon;
    bool initiallyEnabled;
};

// The twenty positions of the toolbar, in order.
const ToolbarButton kToolbar[] = {
    {nullptr, nullptr, QStyle::SP_CustomBase, false},
    {"Open", "Open a Character Definition File (.def)", QStyle::SP_DialogOpenButton, true},
    {"Recycle", "Reload the DEF file so Vantrel will recognise recent changes", QStyle::SP_BrowserReload, false},
    {nullptr, nullptr, QStyle::SP_CustomBase, false},
    {"DEF", "Edit the Definition file (.def)", QStyle::SP_FileIcon, false},
    {"SFF", "Edit the Spritesheet File (.sff)", QStyle::SP_DesktopIcon, false},
    {"CNS", "Edit the Constants file (.cns)", QStyle::SP_FileDialogContentsView, false},
    {"CMD", "Edit the Commands file (.cmd)", QStyle::SP_FileDialogDetailedView, false},
    {"AIR", "Edit the Animation file (.air)", QStyle::SP_MediaSeekForward, false},
    {"SND", "Edit the Sound file (.snd)", QStyle::SP_MediaVolume, false},
    {"ST", "Edit the States files (.st)", QStyle::SP_FileDialogListView, false},
    {"ACT", "Edit the Palettes files (.act)", QStyle::SP_DriveDVDIcon, false},
    {nullptr, nullptr, QStyle::SP_CustomBase, false},
    {"Calc", "Miniature calculator", QStyle::SP_ComputerIcon, true},
    {"pad", "Notepad", QStyle::SP_FileDialogNewFolder, true},
    {nullptr, nullptr, QStyle::SP_CustomBase, false},
    {"Settings", "", QStyle::SP_FileDialogInfoView, true},
    {"Help", "Help", QStyle::SP_DialogHelpButton, true},
    {nullptr, nullptr, QStyle::SP_CustomBase, false},
    {"Run", "Quick-run this character", QStyle::SP_MediaPlay, false},
};

// The editor each toolbar key opens.
const QMap<QString, QString>& editorWindows()
{
    static const QMap<QString, QString> map = {
        {"DEF", "DefinitionWindow"}, {"SFF", "SpriteWindow"}, {"CNS", "ConstantsWindow"},     {"CMD", "CommandsWindow"},  {"AIR", "AnimationTextWindow"},
        {"SND", "SoundWindow"}, {"ST", "StateFileWindow"}, {"ACT", "PaletteWindow"}, {"Calc", "CalculatorWindow"}, {"pad", "NotepadWindow"},
    };
    return map;
}

const QStringList kEditorKeys = {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"};

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
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open DEF file..."));
    open->setObjectName(QStringLiteral("mnuFileOpen"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::mnuFileOpen_Click);

    QAction* separator = file->addSeparator();
    separator->setVisible(false);
    recentActions_ << separator;
    for (int i = 1; i <= 4; ++i) {
        QAction* entry = file->addAction(QStringLiteral("RecentChar%1").arg(i));
        entry->setObjectName(QStringLiteral("mnuRecentFile%1").arg(i));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] { mnuRecentFile_Click(i); });
        recentActions_ << entry;
    }
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"))->setObjectName(QStringLiteral("mnuHelpContents"));
    help->addAction(QStringLiteral("&About"))->setObjectName(QStringLiteral("mnuHelpAbout"));
}

void MainWindow::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton& b : kToolbar) {
        if (!b.key) {
            toolbar_->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        QAction* action = toolbar_->addAction(style()->standardIcon(b.icon), key);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setToolTip(QString::fromLatin1(b.toolTip));
        action->setEnabled(b.initiallyEnabled);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        toolbarActions_.insert(key, action);
    }
}

QAction* MainWindow::toolbarAction(const QString& key) const
{
    return toolbarActions_.value(key, nullptr);
}

QAction* MainWindow::recentAction(int index) const
{
    return index >= 0 && index < recentActions_.size() ? recentActions_[index] : nullptr;
}

void MainWindow::registerWindow(const QString& name, WindowFactory factory)
{
    factories_.insert(name, std::move(factory));
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

void MainWindow::MDIForm_Load()
{
    app_.zoomFactor = 1.0f;
    app_.settings = loadProgramSettings(app_.store);
    app_.zoomFactor = app_.settings.defaultZoom;
    show();
    if (app_.settings.showTips && factories_.contains(QStringLiteral("TipDialog")))
        openWindow(QStringLiteral("TipDialog"));
    fillRecentMenu();
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
    for (const QString& key : kEditorKeys)
        toolbarActions_.value(key)->setEnabled(enabled);
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

void MainWindow::openCharacter(const QString& rawPath)
{
    const QString path = qstr(trimmed(sstr(rawPath)));
    if (path.isEmpty() || loading_)
        return;
    if (!askDiscardGuards())
        return;
    if (!readDefinition(sstr(path), app_.files) || !loadSpriteArchive()) {
        app_.dialogs.message(this, kOpenFailed);
        return;
    }
    characterOpen_ = true;
    setEditorsEnabled(true);
    filePanel_->setText(path);
    setStatus(QStringLiteral("Status: OK"));
    addRecentCharacter(app_.store, sstr(path));
    fillRecentMenu();
}

void MainWindow::reloadDefinition()
{
    if (loading_ || app_.files.defFile.empty())
        return;
    if (!askDiscardGuards())
        return;
    if (!readDefinition(app_.files.defFile, app_.files) || !loadSpriteArchive()) {
        app_.dialogs.message(this, kOpenFailed);
        return;
    }
    setStatus(QStringLiteral("Status: OK"));
}

bool MainWindow::loadSpriteArchive()
{
    loading_ = true;
    const auto done = [this](bool ok) {
        loading_ = false;
        return ok;
    };
    SpriteWorkspace& ws = app_.sprites;
    ws.setAppDir(sstr(app_.appDir));
    ws.clearWorkspace();
    ws.records().clear();
    ws.setModified(false);
    setStatus(QStringLiteral("Status: Loading SFF file"));

    if (!writeSpawnScript(ws.appDir(), {unpackCommandLine(app_.files.spriteFile)})) {
        setStatus(QStringLiteral("Status: cannot write the spawn script"));
        return done(false);
    }
    const SpawnResult run = RunSpawnScriptAndWait(app_.appDir);
    if (!run.ok() || !fileReady(ws.indexPath())) {
        // The tool's own line says what went wrong with the archive.
        setStatus(QStringLiteral("Status: ") +
                  (run.errorLine.isEmpty() ? QStringLiteral("the sprite archive could not be unpacked") : run.errorLine));
        return done(false);
    }

    setStatus(QStringLiteral("Status: Indexing images"));
    QApplication::processEvents();
    app_.dialogs.setBusy(true);
    IndexReadResult index = readIndexFile(ws.indexPath());
    app_.dialogs.setBusy(false);
    if (!index.ok) {
        setStatus(QStringLiteral("Status: ") + qstr(index.error));
        return done(false);
    }
    ws.records() = std::move(index.records);
    if (ws.count() > 0 && !fileReady(ws.imagePath(ws.record(1)))) {
        setStatus(QStringLiteral("Status: the first sprite's picture is missing"));
        return done(false);
    }
    return done(true);
}

void MainWindow::quickRun()
{
    const auto lines = quickRunLines(app_.files.characterDir);
    if (lines.empty())
        return;
    if (!writeSpawnScript(sstr(app_.appDir), lines) || !startSpawnScriptDetached(app_.appDir))
        app_.dialogs.message(this, QStringLiteral("The engine could not be started."));
}

void MainWindow::fillRecentMenu()
{
    const auto list = recentCharacters(app_.store);
    if (list.empty())
        return;
    recentActions_[0]->setVisible(true);
    for (int k = 0; k < static_cast<int>(list.size()) && k < 4; ++k) {
        recentActions_[k + 1]->setText(qstr(list[static_cast<std::size_t>(k)]));
        recentActions_[k + 1]->setVisible(true);
    }
}

void MainWindow::mnuFileOpen_Click()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Find a DEF file");
    options.directory = app_.files.characterDir.empty() ? QDir::homePath() : qstr(app_.files.characterDir);
    options.filter = QStringLiteral("Character definition file (*.def)|*.def|All Files(*.*)|*.*");
    options.mustExist = true;
    const QString path = app_.dialogs.openFile(this, options);
    if (!path.isEmpty())
        openCharacter(path);
}

void MainWindow::mnuRecentFile_Click(int index)
{
    const QAction* entry = recentAction(index);
    if (!entry || entry->text().isEmpty())
        return;
    openCharacter(entry->text());
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (loading_)
        return;
    if (key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("Recycle"))
        reloadDefinition();
    else if (editorWindows().contains(key))
        openWindow(editorWindows().value(key));
    else if (key == QLatin1String("Settings"))
        openWindow(QStringLiteral("SettingsDialog"));
    else if (key == QLatin1String("Run"))
        quickRun();
    // "Help" does nothing.
}

const QStringList& MainWindow::closeOrder()
{
    static const QStringList order = {
        "PaletteWindow",  "AnimationTextWindow",     "CalculatorWindow",    "CommandsWindow",     "ConstantsWindow",    "DefinitionWindow",   "FindDialog",
        "NotepadWindow", "BuildOptionsDialog", "SpriteWindow",   "SoundWindow", "SoundAboutDialog", "SplashScreen", "StateFileWindow",
    };
    return order;
}

bool MainWindow::closeDown()
{
    if (closedDown_)
        return true;
    if (!askDiscardGuards())
        return false;
    for (const QString& name : closeOrder()) {
        QWidget* w = window(name);
        if (!w)
            continue;
        QWidget* frame = subWindowOf(w);
        if (!(frame ? frame : w)->close())
            return false; // the window's own question was answered Cancel
        windows_.remove(name);
    }
    // Windows outside the fixed order (opened from other editors) go too.
    for (const QString& name : windows_.keys()) {
        QWidget* w = window(name);
        if (!w)
            continue;
        QWidget* frame = subWindowOf(w);
        if (!(frame ? frame : w)->close())
            return false;
        windows_.remove(name);
    }
    app_.sprites.clearWorkspace();
    closedDown_ = true;
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
