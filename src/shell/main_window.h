#pragma once
// The main window: a multiple-document frame with the toolbar, the menus and
// the two-panel status bar. It opens characters, launches the editor windows
// and runs the close-down.

#include "shell/app.h"
#include "shell/recovery_copies.h"
#include "shell/window_hooks.h"
#include "shell/workspace_folders.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;

namespace vantrel {

class StatusProgress;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using WindowFactory = std::function<QWidget*(App&)>;

    explicit MainWindow(App& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Windows are made on first use by the factory registered under their
    // name ("SpriteWindow", "DefinitionWindow", ...). A QDialog is shown modally, any other
    // widget as a child window of the frame. The hooks say how the window
    // takes part in a change of character, the close-down and the recovery
    // copies (window_hooks.h).
    void registerWindow(const QString& name, WindowFactory factory, WindowHooks hooks = {});
    // Loads the window if needed and brings it to the front; null when no
    // factory is registered under that name.
    QWidget* openWindow(const QString& name);
    // The window if it is loaded, else null.
    QWidget* window(const QString& name) const;
    // The child window frame holding a window (null for dialogs).
    QMdiSubWindow* subWindowOf(QWidget* w) const;
    QMdiArea* mdiArea() const { return mdi_; }

    // Start-up: settings, show, tips when on, the recent menu, then the
    // offer to restore the unsaved work a crash left.
    void startUp();

    // Opens a character in place of the open one, all or nothing: every
    // window with unsaved changes is asked first, and nothing of the open
    // character changes unless the new one opens completely. Then the
    // windows show the new character or close.
    void openCharacter(const QString& path);
    // Why the last open failed, as the user was told; empty when it was
    // cancelled or worked.
    const QString& openError() const { return openError_; }
    void fillRecentMenu();

    // The close-down: asks every window with unsaved changes, then unloads
    // the windows in their fixed order and deletes the workspace (with this
    // copy's own folder, when it has one). False when a question was answered
    // Cancel; the program then stays open with every window as it was.
    bool closeDown();
    static const QStringList& closeOrder();

    // Asked before the close-down and before opening or re-reading a
    // character, ahead of the windows; a guard returns false to cancel (the
    // sprite table's unsaved changes use this).
    void addDiscardGuard(std::function<bool()> guard);

    // Writes a recovery copy of each window's unsaved text (a window's copy
    // at most every 30 seconds) and removes the copies of text since saved;
    // keeps the sprite table beside the workspace while it has unsaved
    // changes. A timer runs it while the program is up.
    void updateRecoveryCopies();
    // For each folder a crashed run left with unsaved work (the newest
    // first), asks once whether to restore it: Yes opens its character on
    // its workspace, with the unsaved sprite changes, and puts each text back
    // into its window as unsaved text; No keeps it all for the next start;
    // Discard deletes it. The first Yes ends the round: one character is open
    // at a time. Left folders without unsaved work only repeat what is on
    // disk: they are removed unasked.
    void offerRecovery();

    void setStatus(const QString& text);
    QString statusText() const;
    // The progress bar of long steps in the status bar (status_progress.h).
    StatusProgress* progress() const { return progress_; }

    // Opens the help window on a topic (its contents when none is given),
    // through what the help window's subsystem registered.
    void setHelpHandler(std::function<void(App&, std::optional<std::int64_t>)> handler);
    void showHelp(std::optional<std::int64_t> topic = std::nullopt);
    QString fileText() const;
    bool characterOpen() const { return characterOpen_; }
    bool loading() const { return loading_; }

    // The toolbar button with this caption ("Open", "SFF", "Run", ...); null
    // when there is none.
    QAction* toolbarAction(const QString& caption) const;
    // The File menu's recent characters: entries 1 to 4 and the separator
    // above them, hidden until the list has an entry.
    QAction* recentFileAction(int number) const;
    QAction* recentFilesSeparator() const { return recentSeparator_; }

public slots:
    // The toolbar buttons and menu entries. None of them acts while a sprite
    // archive is being unpacked.
    void openCharacterFile();
    void openRecentCharacter(int number);
    void reloadDefinition();
    void openEditor(const QString& windowName);
    void showSettings();
    void quickRun();
    void showHelpContents() { showHelp(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A character definition file dropped on the frame opens as Open does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    // The frame's keys that the focused child window binds itself belong to
    // that window while the focus is in it: the frame's command steps aside,
    // so that a key never means two commands at once.
    void yieldKeysTo(QWidget* focus);
    bool askDiscardGuards();
    // Opens a character, its sprites from the workspace in `leftFolder` when
    // one is named.
    void openCharacterFrom(const QString& path, const QString& leftFolder);
    // Loads a character in place of the open one; true when it replaced it.
    bool switchCharacter(const std::string& defPath, const QString& leftFolder = {});
    // The open windows' names: those of the fixed order first, in it.
    QStringList openWindowNames() const;
    // Asks every open window with unsaved changes (only those that hold the
    // character when `characterOnly`); false at the first Cancel.
    bool confirmWindows(bool characterOnly);
    void discardWindowChanges(bool characterOnly);
    // After a switch: each window shows the new character or closes.
    void followCharacter();
    void setEditorsEnabled(bool enabled);
    QWidget* loadWindow(const QString& name);
    // A new child window's frame: where it was last time, else its own size
    // fitted to the frame; kept in the settings store when it closes.
    void placeFrame(QMdiSubWindow* sub, const QString& name);
    // Opens the windows left open at the last close-down that can open now.
    void reopenWindows();
    // Whether a toolbar button opens this window while no character is open
    // (the calculator, the notepad).
    static bool opensWithoutCharacter(const QString& windowName);
    bool closeWindow(const QString& name);
    RecoveryCopies recoveryCopies() const;
    void keepUnsavedSprites();
    // Restores what a crashed run left; true when nothing of it is left.
    bool restoreLeftWork(const LeftWorkspace& left);

    App& app_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* filePanel_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QMap<QString, QAction*> toolbarActions_;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentFileActions_;
    QMap<QString, WindowFactory> factories_;
    QMap<QString, WindowHooks> hooks_;
    QMap<QString, QPointer<QWidget>> windows_;
    QList<std::function<bool()>> discardGuards_;
    bool characterOpen_ = false;
    bool loading_ = false;
    bool closedDown_ = false;
    QTimer* recoveryTimer_ = nullptr;
    QMap<QString, qint64> lastCopyTime_; // when each window's copy was last written
    std::string unsavedSpritesCopy_;     // the unsaved sprite table as last written
    QString openError_;
    QStringList windowsToReopen_; // open at the last close-down, not yet opened again
    StatusProgress* progress_ = nullptr;
    std::function<void(App&, std::optional<std::int64_t>)> helpHandler_;
    QList<std::pair<QPointer<QAction>, QList<QKeySequence>>> frameKeys_; // the frame's actions and their own keys
};

} // namespace vantrel
