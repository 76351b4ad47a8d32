#include "frmMain.h"

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
        {"DEF", "frmDef"}, {"SFF", "frmSFF"}, {"CNS", "frmCNS"},     {"CMD", "frmCMD"},  {"AIR", "frmAIR"},
        {"SND", "frmSondrel"}, {"ST", "frmST"}, {"ACT", "frmAct"}, {"Calc", "frmCalc"}, {"pad", "frmNotepad"},
    };
    return map;
}

const QStringList kEditorKeys = {"Recycle", "DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT", "Run"};

} // namespace

frmMain::frmMain(App& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    setObjectName(QStringLiteral("frmMain"));
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

frmMain::~frmMain()
{
    if (app_.main == this)
        app_.main = nullptr;
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open DEF file..."));
    open->setObjectName(QStringLiteral("mnuFileOpen"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);

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
    connect(exit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"))->setObjectName(QStringLiteral("mnuHelpContents"));
    help->addAction(QStringLiteral("&About"))->setObjectName(QStringLiteral("mnuHelpAbout"));
}

void frmMain::buildToolbar()
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

QAction* frmMain::toolbarAction(const QString& key) const
{
    return toolbarActions_.value(key, nullptr);
}

QAction* frmMain::recentAction(int index) const
{
    return index >= 0 && index < recentActions_.size() ? recentActions_[index] : nullptr;
}

void frmMain::registerWindow(const QString& name, WindowFactory factory)
{
    factories_.insert(name, std::move(factory));
}

QWidget* frmMain::window(const QString& name) const
{
    return windows_.value(name).data();
}

QMdiSubWindow* frmMain::subWindowOf(QWidget* w) const
{
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() == w)
            return sub;
    }
    return nullptr;
}

QWidget* frmMain::loadWindow(const QString& name)
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

QWidget* frmMain::openWindow(const QString& name)
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

void frmMain::MDIForm_Load()
{
    app_.ZoomFactor = 1.0f;
    app_.settings = LoadProgramSettings(app_.store);
    app_.ZoomFactor = app_.settings.DefaultZoom;
    show();
    if (app_.settings.ShowTips && factories_.contains(QStringLiteral("frmTips")))
        openWindow(QStringLiteral("frmTips"));
    FillRecentMenu();
}

void frmMain::setStatus(const QString& text)
{
    statusPanel_->setText(text);
}

QString frmMain::statusText() const
{
    return statusPanel_->text();
}

QString frmMain::fileText() const
{
    return filePanel_->text();
}

void frmMain::setEditorsEnabled(bool enabled)
{
    for (const QString& key : kEditorKeys)
        toolbarActions_.value(key)->setEnabled(enabled);
}

void frmMain::addDiscardGuard(std::function<bool()> guard)
{
    discardGuards_ << std::move(guard);
}

bool frmMain::askDiscardGuards()
{
    for (const auto& guard : discardGuards_) {
        if (!guard())
            return false;
    }
    return true;
}

void frmMain::OpenCharacter(const QString& rawPath)
{
    const QString path = qstr(trimmed(sstr(rawPath)));
    if (path.isEmpty() || loading_)
        return;
    if (!askDiscardGuards())
        return;
    if (!ReadDefinition(sstr(path), app_.files) || !LoadSFF()) {
        app_.dialogs.message(this, kOpenFailed);
        return;
    }
    characterOpen_ = true;
    setEditorsEnabled(true);
    filePanel_->setText(path);
    setStatus(QStringLiteral("Status: OK"));
    AddRecentCharacter(app_.store, sstr(path));
    FillRecentMenu();
}

void frmMain::ReloadDefinition()
{
    if (loading_ || app_.files.DefFile.empty())
        return;
    if (!askDiscardGuards())
        return;
    if (!ReadDefinition(app_.files.DefFile, app_.files) || !LoadSFF()) {
        app_.dialogs.message(this, kOpenFailed);
        return;
    }
    setStatus(QStringLiteral("Status: OK"));
}

bool frmMain::LoadSFF()
{
    loading_ = true;
    const auto done = [this](bool ok) {
        loading_ = false;
        return ok;
    };
    SpriteWorkspace& ws = app_.sprites;
    ws.setAppDir(sstr(app_.appDir));
    ws.ClearWorkspace();
    ws.records().clear();
    ws.setModified(false);
    setStatus(QStringLiteral("Status: Loading SFF file"));

    if (!WriteSpawnScript(ws.appDir(), {unpackCommandLine(app_.files.SpriteFile)})) {
        setStatus(QStringLiteral("Status: cannot write the spawn script"));
        return done(false);
    }
    const SpawnResult run = RunSpawnScriptAndWait(app_.appDir);
    if (!run.ok() || !FileReady(ws.indexPath())) {
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
    if (ws.count() > 0 && !FileReady(ws.imagePath(ws.record(1)))) {
        setStatus(QStringLiteral("Status: the first sprite's picture is missing"));
        return done(false);
    }
    return done(true);
}

void frmMain::QuickRun()
{
    const auto lines = quickRunLines(app_.files.CharDir);
    if (lines.empty())
        return;
    if (!WriteSpawnScript(sstr(app_.appDir), lines) || !StartSpawnScriptDetached(app_.appDir))
        app_.dialogs.message(this, QStringLiteral("The engine could not be started."));
}

void frmMain::FillRecentMenu()
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

void frmMain::mnuFileOpen_Click()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Find a DEF file");
    options.directory = app_.files.CharDir.empty() ? QDir::homePath() : qstr(app_.files.CharDir);
    options.filter = QStringLiteral("Character definition file (*.def)|*.def|All Files(*.*)|*.*");
    options.mustExist = true;
    const QString path = app_.dialogs.openFile(this, options);
    if (!path.isEmpty())
        OpenCharacter(path);
}

void frmMain::mnuRecentFile_Click(int index)
{
    const QAction* entry = recentAction(index);
    if (!entry || entry->text().isEmpty())
        return;
    OpenCharacter(entry->text());
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::Toolbar1_ButtonClick(const QString& key)
{
    if (loading_)
        return;
    if (key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("Recycle"))
        ReloadDefinition();
    else if (editorWindows().contains(key))
        openWindow(editorWindows().value(key));
    else if (key == QLatin1String("Settings"))
        openWindow(QStringLiteral("frmConfig"));
    else if (key == QLatin1String("Run"))
        QuickRun();
    // "Help" does nothing.
}

const QStringList& frmMain::closeOrder()
{
    static const QStringList order = {
        "frmAct",  "frmAIR",     "frmCalc",    "frmCMD",     "frmCNS",    "frmDef",   "frmFind",
        "frmNotepad", "frmParams", "frmSFF",   "frmSondrel", "frmSNDAbout", "frmSplash", "frmST",
    };
    return order;
}

bool frmMain::closeDown()
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
    app_.sprites.ClearWorkspace();
    closedDown_ = true;
    return true;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (loading_ || !closeDown()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace vantrel
