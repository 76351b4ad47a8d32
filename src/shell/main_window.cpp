// The main window's bookkeeping: the frame and its status bar, the windows
// registered, loaded, placed and reopened, dropped files, and the close-down.
// The menus and the toolbar are in main_window_actions.cpp.

#include "main_window.h"

#include "shell/dropped_files.h"
#include "shell/status_progress.h"
#include "shell/window_layout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

namespace vantrel {

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
    progress_ = new StatusProgress(this);
    statusBar()->addPermanentWidget(progress_);
    setAcceptDrops(true);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { yieldKeysTo(now); });
    setGeometry(initialMainGeometry(screen()->availableGeometry()));
}

MainWindow::~MainWindow()
{
    if (app_.main == this)
        app_.main = nullptr;
    disconnect(qApp, nullptr, this, nullptr);
    // The windows go after this object's members: they must not reach them,
    // nor may those closed but not yet deleted.
    for (const QPointer<QWidget>& w : std::as_const(windows_)) {
        if (w)
            w->disconnect(this);
    }
    for (QWidget* w : findChildren<QWidget*>())
        w->disconnect(this);
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

void MainWindow::registerWindow(const QString& name, WindowFactory factory, WindowHooks hooks)
{
    // QMap::insert copies; assigning through operator[] moves.
    factories_[name] = std::move(factory);
    hooks_[name] = std::move(hooks);
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
        leaveKeysToWindow(sub);
        placeFrame(sub, name);
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

void MainWindow::placeFrame(QMdiSubWindow* sub, const QString& name)
{
    const QRect area = mdi_->viewport()->rect().isEmpty() ? QRect(QPoint(), mdi_->size()) : mdi_->viewport()->rect();
    if (const auto frame = storedFrame(app_.store, name, area)) {
        sub->setGeometry(*frame);
    } else if (!area.isEmpty() && sub->widget()) {
        // The window's own size in a frame, no larger than the frame's area.
        const int border = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
        const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        const QSize own = sub->widget()->size().expandedTo(sub->widget()->sizeHint());
        sub->resize(fittedSize(own + QSize(2 * border, title + border), area.size(), 0.95));
    }
    keepFrameOnClose(sub, app_.store, name);
}

void MainWindow::reopenWindows()
{
    QStringList later;
    for (const QString& name : std::as_const(windowsToReopen_)) {
        if (!factories_.contains(name) || window(name))
            continue;
        if (characterOpen_ || opensWithoutCharacter(name))
            openWindow(name);
        else
            later << name;
    }
    windowsToReopen_ = later;
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
    if (const QByteArray geometry = storedMainGeometry(app_.store); !geometry.isEmpty())
        restoreGeometry(geometry);
    show();
    if (app_.settings.showTips && factories_.contains(QStringLiteral("TipDialog")))
        openWindow(QStringLiteral("TipDialog"));
    fillRecentMenu();
    offerRecovery();
    // The windows open at the last close come back: those of the character
    // once one is open.
    windowsToReopen_ = storedOpenWindows(app_.store);
    reopenWindows();
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
    storeMainGeometry(app_.store, saveGeometry());
    QStringList open;
    for (const QString& name : openWindowNames()) {
        if (subWindowOf(window(name)))
            open << name;
    }
    storeOpenWindows(app_.store, open);
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
