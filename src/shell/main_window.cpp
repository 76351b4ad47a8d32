// The main window's bookkeeping: the frame and its status bar, the windows
// registered, loaded, placed and reopened, dropped files, and the close-down.
// The menus and the toolbar are in main_window_actions.cpp, the switch of
// character in main_window_characters.cpp.

#include "main_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "shell/engine.h"
#include "shell/quick_run.h"
#include "sprites/workspace.h"
#include "ui/document_view.h"
#include "ui/document_views.h"
#include "ui/dropped_files.h"
#include "ui/status_progress.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUndoGroup>

#include <algorithm>

namespace vantrel {

MainWindow::MainWindow(App& app, QWidget* parent) : QMainWindow(parent), app_(app)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vantrel[*]"));
    app_.workbench = this;
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    buildMenus();
    buildToolbar();

    filePanel_ = new QLabel(tr("No file loaded"), this);
    statusPanel_ = new QLabel(tr("Status: OK"), this);
    statusBar()->addWidget(filePanel_, 3);
    statusBar()->addWidget(statusPanel_, 1);
    enginePanel_ = new QLabel(this); // the engine the open character is for
    enginePanel_->setObjectName(QStringLiteral("enginePanel"));
    statusBar()->addWidget(enginePanel_);
    buildRunPanel();
    progress_ = new StatusProgress(this);
    statusBar()->addPermanentWidget(progress_);
    setAcceptDrops(true);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { yieldKeysTo(now); });
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::followActiveWindow);
    setGeometry(initialMainGeometry(screen()->availableGeometry()));

    DocumentManager* documents = app_.documents;
    documents->setRecoveryFolder(app_.recoveryDir);
    for (Document* document : documents->documents())
        followDocument(document);
    connect(documents, &DocumentManager::documentAdded, this, &MainWindow::followDocument);
    connect(documents, &DocumentManager::documentAboutToClose, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::showModifiedMark); });
    connect(documents, &DocumentManager::reloadedFromDisk, this, [this](Document* document) {
        setStatus(tr("%1 was changed on disk and read again.").arg(document->displayName()));
    });
    connect(documents, &DocumentManager::changedOnDisk, this,
            [this](Document* document) { setStatus(tr("%1 changed on disk.").arg(document->displayName())); });
}

MainWindow::~MainWindow()
{
    if (app_.workbench == this)
        app_.workbench = nullptr;
    disconnect(qApp, nullptr, this, nullptr);
    if (app_.documents)
        app_.documents->disconnect(this);
    // The windows go after this object's members: they must not reach them,
    // nor may those closed but not yet deleted.
    for (const QPointer<QWidget>& w : std::as_const(windows_)) {
        if (w)
            w->disconnect(this);
    }
    for (QWidget* w : findChildren<QWidget*>())
        w->disconnect(this);
}

void MainWindow::followDocument(Document* document)
{
    connect(document, &Document::modifiedChanged, this, &MainWindow::showModifiedMark);
    // A .def saved under another name is the character's from now on.
    connect(document, &Document::fileNameChanged, this, [this, document](const QString& name, const QString& old) {
        CharacterFiles& files = app_.documents->characterFiles();
        if (document->kind() != DocumentKind::Definition || old.toStdString() != files.defFile)
            return;
        files.defFile = name.toStdString();
        filePanel_->setText(name);
        addRecentCharacter(app_.store, name.toStdString());
        fillRecentMenu();
    });
    showModifiedMark();
}

void MainWindow::showModifiedMark()
{
    setWindowModified(app_.documents && !app_.documents->modifiedDocuments().empty());
    if (saveAll_)
        saveAll_->setEnabled(isWindowModified());
}

namespace {

// A key the window binds itself is not its frame's menu's too (Close, in the
// text windows): one key, one command.
void leaveKeysToWindow(QMdiSubWindow* sub)
{
    QList<QKeySequence> own;
    for (QAction* action : sub->widget()->findChildren<QAction*>())
        own += action->shortcuts();
    if (!sub->systemMenu())
        return;
    for (QAction* action : sub->systemMenu()->actions()) {
        QList<QKeySequence> kept;
        for (const QKeySequence& key : action->shortcuts()) {
            if (!own.contains(key))
                kept << key;
        }
        if (kept != action->shortcuts())
            action->setShortcuts(kept);
    }
}

} // namespace

void MainWindow::followActiveWindow()
{
    QMdiSubWindow* active = mdi_->activeSubWindow();
    const auto* view = active ? dynamic_cast<const DocumentView*>(active->widget()) : nullptr;
    const Document* document = view ? view->viewedDocument() : nullptr;
    app_.documents->undoGroup()->setActiveStack(document ? document->undoStack() : nullptr);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!loading_ && !droppedFiles(event->mimeData(), {".def"}).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedFiles(event->mimeData(), {".def"});
    if (loading_ || paths.isEmpty())
        return;
    event->acceptProposedAction();
    // One character is open at a time: the first file dropped. It opens
    // once the drop is over, so that the program it came from is not kept
    // waiting through the questions.
    QTimer::singleShot(0, this, [this, path = paths.first()] { openCharacter(path); });
}

void MainWindow::registerWindow(WindowKind kind, WindowFactory factory, WindowHooks hooks)
{
    // QMap::insert copies; assigning through operator[] moves.
    factories_[kind] = std::move(factory);
    hooks_[kind] = std::move(hooks);
}

QWidget* MainWindow::loadedWindow(WindowKind kind) const
{
    return windows_.value(kind).data();
}

QWidget* MainWindow::activeWindow() const
{
    QMdiSubWindow* active = mdi_->activeSubWindow();
    if (!active) {
        const auto windows = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
        active = windows.isEmpty() ? nullptr : windows.constLast();
    }
    return active ? active->widget() : nullptr;
}

QMdiSubWindow* MainWindow::subWindowOf(QWidget* w) const
{
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() == w)
            return sub;
    }
    return nullptr;
}

QWidget* MainWindow::loadWindow(WindowKind kind)
{
    if (QWidget* existing = loadedWindow(kind))
        return existing;
    const auto factory = factories_.find(kind);
    if (factory == factories_.end())
        return nullptr;
    QWidget* w = (*factory)(app_);
    if (!w)
        return nullptr;
    w->setObjectName(windowKey(kind));
    windows_.insert(kind, w);
    if (!qobject_cast<QDialog*>(w)) {
        QMdiSubWindow* sub = mdi_->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowIcon(w->windowIcon());
        leaveKeysToWindow(sub);
        placeFrame(sub, kind);
        // The frame goes with its window, whoever closes it.
        connect(w, &QObject::destroyed, sub, [sub] { sub->close(); });
    }
    return w;
}

QRect MainWindow::frameArea() const
{
    return mdi_->viewport()->rect().isEmpty() ? QRect(QPoint(), mdi_->size()) : mdi_->viewport()->rect();
}

void MainWindow::placeFrame(QMdiSubWindow* sub, WindowKind kind)
{
    const QString name = windowKey(kind);
    const QRect area = frameArea();
    if (const auto frame = storedFrame(app_.store, name, area, sub->minimumSizeHint())) {
        sub->setGeometry(*frame);
    } else if (!area.isEmpty() && sub->widget()) {
        // The window's own size in a frame, no larger than the frame's area.
        const int border = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
        const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        const QSize own = sub->widget()->size().expandedTo(sub->widget()->sizeHint());
        sub->resize(fittedSize(own + QSize(2 * border, title + border), area.size(), 0.95));
    }
    keepFrameOnClose(sub, app_.store, name);
    keepMinimumSize(sub);
}

void MainWindow::fitFrame(QMdiSubWindow* sub)
{
    // Polished and shown, the window knows its real minimum (fonts, scale).
    const QSize minimum = sub->minimumSizeHint();
    sub->setMinimumSize(minimum);
    if (tabbedView() || sub->isMaximized() || sub->isMinimized())
        return;
    const QRect fitted = frameWithin(sub->geometry(), frameArea(), minimum);
    if (fitted != sub->geometry())
        sub->setGeometry(fitted);
}

void MainWindow::reopenWindows()
{
    std::vector<WindowKind> later;
    for (WindowKind kind : windowsToReopen_) {
        if (!factories_.contains(kind) || loadedWindow(kind))
            continue;
        if (characterOpen_ || opensWithoutCharacter(kind))
            openWindow(kind);
        else
            later.push_back(kind);
    }
    windowsToReopen_ = later;
}

QWidget* MainWindow::openWindow(WindowKind kind)
{
    const bool fresh = !loadedWindow(kind);
    QWidget* w = loadWindow(kind);
    if (!w)
        return nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
        if (fresh)
            dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->exec();
        return loadedWindow(kind);
    }
    raiseWindow(w);
    if (fresh) {
        if (QMdiSubWindow* sub = subWindowOf(w))
            fitFrame(sub);
    }
    return w;
}

void MainWindow::raiseWindow(QWidget* w)
{
    if (QMdiSubWindow* sub = subWindowOf(w)) {
        sub->show();
        w->show();
        mdi_->setActiveSubWindow(sub);
        sub->raise();
    }
}

std::optional<WindowKind> windowForFile(const CharacterFiles& files, const QString& path)
{
    const QString wanted = DocumentManager::fileKey(path);
    const auto is = [&wanted](const std::string& file) {
        return !file.empty() && DocumentManager::fileKey(QString::fromStdString(file)) == wanted;
    };
    const std::pair<WindowKind, const std::string*> single[] = {
        {WindowKind::Definition, &files.defFile},
        {WindowKind::AnimationText, &files.animationFile},
        {WindowKind::Commands, &files.commandFile},
        {WindowKind::Constants, &files.constantsFile},
    };
    for (const auto& [kind, file] : single) {
        if (is(*file))
            return kind;
    }
    if (std::ranges::any_of(files.stateFiles, is) || is(files.commonStatesFile))
        return WindowKind::States;
    return std::nullopt;
}

bool MainWindow::showFileLine(const QString& path, int line)
{
    const std::optional<WindowKind> kind = windowForFile(app_.documents->character(), path);
    if (!kind)
        return false;
    QWidget* w = openWindow(*kind);
    const WindowHooks hooks = hooks_.value(*kind);
    return w && hooks.showFileLine && hooks.showFileLine(w, path, line);
}

bool MainWindow::showNumbered(WindowKind kind, std::int32_t group, std::int32_t number)
{
    const WindowHooks hooks = hooks_.value(kind);
    if (!hooks.showNumbered)
        return false;
    QWidget* w = openWindow(kind);
    return w && hooks.showNumbered(w, group, number);
}

void MainWindow::startUp()
{
    app_.zoomFactor = 1.0f;
    app_.settings = loadProgramSettings(app_.store);
    app_.zoomFactor = app_.settings.defaultZoom;
    if (const QByteArray geometry = storedMainGeometry(app_.store); !geometry.isEmpty())
        restoreGeometry(geometry);
    show();
    setTabbedView(storedTabbedView(app_.store));
    fillRecentMenu();
    offerRecovery();
    // The windows open at the last close come back: those of the character
    // once one is open.
    windowsToReopen_.clear();
    for (const QString& name : storedOpenWindows(app_.store)) {
        if (const std::optional<WindowKind> kind = windowKindOfKey(name))
            windowsToReopen_.push_back(*kind);
    }
    reopenWindows();
}

void MainWindow::buildRunPanel()
{
    // "Ikemen_GO running" with Stop while an engine started by Run is up.
    auto* runner = new EngineRunner(app_.dialogs, this);
    runPanel_ = new QWidget(this);
    runPanel_->setObjectName(QStringLiteral("engineRunPanel"));
    auto* label = new QLabel(runPanel_);
    label->setObjectName(QStringLiteral("engineRunningLabel"));
    auto* stop = new QToolButton(runPanel_);
    stop->setObjectName(QStringLiteral("engineStopButton"));
    stop->setText(tr("Stop"));
    stop->setToolTip(tr("End the engine"));
    auto* layout = new QHBoxLayout(runPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(stop);
    runPanel_->hide();
    statusBar()->addPermanentWidget(runPanel_);
    connect(stop, &QToolButton::clicked, runner, &EngineRunner::stop);
    connect(runner, &EngineRunner::engineStarted, this, [this, label](const QString& name) {
        label->setText(tr("%1 running").arg(name));
        runPanel_->show();
    });
    connect(runner, &EngineRunner::engineEnded, this, [this, runner] {
        if (!runner->running())
            runPanel_->hide();
    });
}

void MainWindow::showStartupTip()
{
    if (!app_.settings.showTips || !factories_.contains(WindowKind::Tips) || loadedWindow(WindowKind::Tips))
        return;
    // Beside the main window, not in its way: the character opened from the
    // command line is usable while the tip is up.
    if (auto* dialog = qobject_cast<QDialog*>(loadWindow(WindowKind::Tips))) {
        dialog->setParent(this, dialog->windowFlags());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setModal(false);
        dialog->show();
        dialog->raise();
    }
}

void MainWindow::setStatus(const QString& text)
{
    statusPanel_->setText(text);
}

QString MainWindow::engineFolder() const
{
    const EngineSettings settings = loadEngineSettings(app_.store);
    if (settings.workingFolder.empty() || !app_.documents)
        return {};
    return qstr(engineWorkingFolder(settings, app_.documents->character().characterDir));
}

QString MainWindow::engineText() const
{
    return enginePanel_->text();
}

QString MainWindow::statusText() const
{
    return statusPanel_->text();
}

QString MainWindow::fileText() const
{
    return filePanel_->text();
}

std::vector<WindowKind> MainWindow::openWindowKinds() const
{
    std::vector<WindowKind> kinds;
    for (WindowKind kind : kCloseOrder) {
        if (loadedWindow(kind))
            kinds.push_back(kind);
    }
    return kinds;
}

bool MainWindow::commitEdits()
{
    for (WindowKind kind : openWindowKinds()) {
        const WindowHooks hooks = hooks_.value(kind);
        if (hooks.commitEdits && !hooks.commitEdits(loadedWindow(kind)))
            return false;
    }
    return true;
}

bool MainWindow::closeDown()
{
    if (closedDown_)
        return true;
    // Every question comes before any window or document goes, so a Cancel keeps them all.
    if (!commitEdits())
        return false;
    if (!askAboutDocuments(app_, app_.documents->modifiedDocuments(), this))
        return false;
    storeMainGeometry(app_.store, saveGeometry());
    QStringList open;
    for (WindowKind kind : openWindowKinds()) {
        if (subWindowOf(loadedWindow(kind)))
            open << windowKey(kind);
    }
    storeOpenWindows(app_.store, open);
    for (WindowKind kind : openWindowKinds()) {
        if (!closeLoadedWindow(kind))
            return false;
    }
    // The answers are given: what was not saved goes, with its recovery copy.
    const std::vector<Document*> all = app_.documents->documents();
    for (Document* document : all)
        app_.documents->closeDocument(document);
    SpriteWorkspace(app_.workDir.toStdString()).clearWorkspace();
    // A clean close leaves nothing behind: a folder found later is a crash's.
    if (!app_.workspacesDir.isEmpty())
        removeWorkspace(app_.workDir);
    closedDown_ = true;
    return true;
}

bool MainWindow::closeLoadedWindow(WindowKind kind)
{
    QWidget* w = loadedWindow(kind);
    if (!w)
        return true;
    QWidget* frame = subWindowOf(w);
    if (!(frame ? frame : w)->close())
        return false;
    windows_.remove(kind);
    return true;
}

void MainWindow::closeWindow(QWidget* w)
{
    QWidget* frame = subWindowOf(w);
    (frame ? frame : w)->close();
}

void MainWindow::closeAllWindows()
{
    for (WindowKind kind : kCloseOrder)
        closeLoadedWindow(kind);
}

QList<QMdiSubWindow*> MainWindow::arrangedWindows() const
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && !sub->isMinimized())
            windows << sub;
    }
    return windows;
}

void MainWindow::arrangeWindows(Arrangement arrangement)
{
    const QList<QMdiSubWindow*> windows = arrangedWindows();
    if (windows.isEmpty() || tabbedView())
        return;
    const QRect area = mdi_->viewport()->rect();
    const int step = windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first());
    QList<QSize> minimums;
    for (QMdiSubWindow* sub : windows)
        minimums << sub->minimumSizeHint();
    if (!arrangementFits(arrangement, minimums, area, step)) {
        // Squeezed, the windows would keep little more than their title bars.
        const Answer answer = app_.dialogs.message(
            this,
            tr("The %n open windows do not fit in the frame at their smallest sizes. Show them as tabs instead?",
               nullptr, static_cast<int>(windows.size())),
            QStringLiteral("Vantrel"), Buttons::YesNo, Icon::Question);
        if (answer == Answer::Yes)
            setTabbedView(true);
        return;
    }
    const QList<QRect> frames = arrangedFrames(arrangement, windows.size(), area, step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(frames[i]);
        if (arrangement == Arrangement::Cascade)
            windows[i]->raise();
    }
}

bool MainWindow::tabbedView() const
{
    return mdi_->viewMode() == QMdiArea::TabbedView;
}

void MainWindow::setTabbedView(bool tabbed)
{
    mdi_->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (tabbed) {
        mdi_->setTabsClosable(true);
        mdi_->setTabsMovable(true);
    }
    if (tabbed_)
        tabbed_->setChecked(tabbed);
    for (QAction* action : std::as_const(arrangeActions_))
        action->setEnabled(!tabbed);
    storeTabbedView(app_.store, tabbed);
    if (!tabbed) {
        for (QMdiSubWindow* sub : mdi_->subWindowList())
            fitFrame(sub);
    }
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
