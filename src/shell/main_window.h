#pragma once
// The main window: a multiple-document frame with the toolbar, the menus and
// the two-panel status bar. It opens characters, holds the windows (views of
// the documents the manager keeps), and runs the close-down. It is the
// windows' workbench: they open other windows and reach the status bar
// through it.

#include "documents/document.h"
#include "documents/workspace_folders.h"
#include "formats/character_definition.h"
#include "ui/workbench.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vantrel {

struct App;

class CharacterLoader;
class StatusProgress;

// The toolbar's buttons, by what they do.
enum class ToolbarCommand : std::uint8_t {
    Open,
    Reload,
    Definition,
    Sprites,
    Constants,
    Commands,
    Animations,
    Sounds,
    States,
    Palettes,
    Calculator,
    Notepad,
    Settings,
    Help,
    Run,
};

// The window that edits a file of the character: the .def, AIR, CMD and
// CNS go to their own windows, a state file (the common one too) to the
// state window, in that order; nothing for a file no window edits.
std::optional<WindowKind> windowForFile(const CharacterFiles& files, const QString& path);

class MainWindow : public QMainWindow, public Workbench {
    Q_OBJECT
public:
    // `app.documents` must be set: the windows' documents live there.
    explicit MainWindow(App& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- the workbench ---------------------------------------------------------
    void registerWindow(WindowKind kind, WindowFactory factory, WindowHooks hooks = {}) override;
    QWidget* openWindow(WindowKind kind) override;
    QWidget* loadedWindow(WindowKind kind) const override;
    QWidget* activeWindow() const override;
    bool showFileLine(const QString& path, int line) override;
    bool showNumbered(WindowKind kind, std::int32_t group, std::int32_t number) override;
    void closeWindow(QWidget* window) override;
    void raiseWindow(QWidget* window) override;
    void arrangeWindows(Arrangement arrangement) override;
    void closeAllWindows() override;
    void setStatus(const QString& text) override;
    StatusProgress* progress() const override { return progress_; }
    void showHelp(std::optional<std::int64_t> topic = std::nullopt) override;
    void setHelpHandler(std::function<void(App&, std::optional<std::int64_t>)> handler) override;
    QWidget* frame() override { return this; }

    // The child window frame holding a window (null for dialogs).
    QMdiSubWindow* subWindowOf(QWidget* w) const;
    QMdiArea* mdiArea() const { return mdi_; }

    // Start-up: settings, show, the recent menu, then the offer to restore
    // the unsaved work a crash left.
    void startUp();
    // The tip of the day when tips are on, in a window of its own that does
    // not hold the main window back; shown once the start-up's character is open.
    void showStartupTip();

    // Opens a character in place of the open one, all or nothing: the new
    // .def is read first (a file that is not a character's is refused
    // before anything is asked), then each document the switch would drop
    // with unsaved changes is asked about once, and nothing of the open
    // character changes unless the new one opens completely. Then the
    // windows show the new character or close.
    void openCharacter(const QString& path);
    // Why the last open failed, as the user was told; empty when it was
    // cancelled or worked.
    const QString& openError() const { return openError_; }
    void fillRecentMenu();

    // The close-down: asks about every document with unsaved changes, then
    // unloads the windows in their fixed order and deletes the workspace
    // (with this copy's own folder, when it has one). False when a question
    // was answered Cancel; the program then stays open as it was.
    bool closeDown();

    // For each folder a crashed run left with unsaved work (the newest
    // first), asks once whether to restore it: Yes opens its character on
    // its workspace, with the unsaved sprite changes, and puts each recovery
    // copy back into its document as unsaved changes; No keeps it all for
    // the next start; Discard deletes it. The first Yes ends the round: one
    // character is open at a time. Left folders without unsaved work only
    // repeat what is on disk: they are removed unasked.
    void offerRecovery();

    QString statusText() const;
    // The engine the open character is written for ("IKEMEN GO", "MUGEN 1.1", ...); empty without one.
    QString engineText() const;
    QString engineFolder() const override;
    QString fileText() const;
    bool characterOpen() const { return characterOpen_; }
    bool loading() const { return loading_; }

    QAction* toolbarAction(ToolbarCommand command) const;
    // The File menu's recent characters: entries 1 to 4 and the separator
    // above them, hidden until the list has an entry.
    QAction* recentFileAction(int number) const;
    // Where the Open dialog starts.
    QString openDialogFolder() const;
    QAction* recentFilesSeparator() const { return recentSeparator_; }
    // The File menu's Save All and the Edit menu's Undo and Redo (of the
    // active window's document).
    QAction* saveAllAction() const { return saveAll_; }
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    // The Window menu: Cascade, Tile, Close All, the tabbed view, then one
    // entry for each open window (checked: the active one), filled as it opens.
    QMenu* windowMenu() const { return windowMenu_; }
    void fillWindowMenu();
    // The child windows as tabs (QMdiArea::TabbedView) or as frames; kept in
    // the settings store.
    void setTabbedView(bool tabbed);
    bool tabbedView() const;

public slots:
    // The toolbar buttons and menu entries. None of them acts while a sprite
    // archive is being unpacked.
    void openCharacterFile();
    void openRecentCharacter(int number);
    void reloadDefinition();
    void openEditor(WindowKind kind);
    void showSettings();
    void quickRun();
    void showHelpContents() { showHelp(); }
    // Saves every document with unsaved changes; false at the first that was not saved.
    bool saveAll();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A character definition file dropped on the frame opens as Open does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildWindowMenu();
    // The frame's keys that the focused child window binds itself belong to
    // that window while the focus is in it: the frame's command steps aside,
    // so that a key never means two commands at once.
    void yieldKeysTo(QWidget* focus);
    // Opens a character, its sprites from the workspace in `leftFolder` when
    // one is named.
    void openCharacterFrom(const QString& path, const QString& leftFolder);
    // Loads a character in place of the open one; true when it replaced it.
    bool switchCharacter(const std::string& defPath, const QString& leftFolder = {});
    // The open windows, those of the fixed order first, in it.
    std::vector<WindowKind> openWindowKinds() const;
    // Every open window hands over what the user typed and it has not taken yet.
    bool commitEdits();
    // The documents a character switch to `next` drops: those of the open
    // character that `next` does not name and no window of its own holds, and
    // the sprite table, which is unpacked anew.
    std::vector<Document*> documentsLeaving(const CharacterFiles& next) const;
    // After a switch: each window shows the new character or closes.
    void followCharacter();
    void setEditorsEnabled(bool enabled);
    QWidget* loadWindow(WindowKind kind);
    void buildRunPanel();
    // A new child window's frame: where it was last time, else its own size
    // fitted to the frame; kept in the settings store when it closes.
    void placeFrame(QMdiSubWindow* sub, WindowKind kind);
    // A shown frame: never smaller than its window's minimum, within the frame's area.
    void fitFrame(QMdiSubWindow* sub);
    QRect frameArea() const;
    // The frames Tile and Cascade arrange, in their order.
    QList<QMdiSubWindow*> arrangedWindows() const;
    // Opens the windows left open at the last close-down that can open now.
    void reopenWindows();
    static bool opensWithoutCharacter(WindowKind kind);
    bool closeLoadedWindow(WindowKind kind);
    // The Edit menu follows the document of the active child window.
    void followActiveWindow();
    void showModifiedMark();
    void followDocument(Document* document);
    // Restores what a crashed run left; true when nothing of it is left.
    bool restoreLeftWork(const LeftWorkspace& left);
    // The document a recovery copy goes back into: the open one of its
    // file, else its file opened (or a new text without a file).
    Document* documentForCopy(const RecoveryCopy& copy);
    // Opens the window that edits a restored document.
    void showRestored(Document* document);

    App& app_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* filePanel_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QLabel* enginePanel_ = nullptr;
    QWidget* runPanel_ = nullptr; // the engine running, with Stop
    QMap<ToolbarCommand, QAction*> toolbarActions_;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentFileActions_;
    QAction* open_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* helpContents_ = nullptr;
    QAction* saveAll_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QList<QAction*> windowEntries_; // the Window menu's list of open windows, made anew when it opens
    QAction* tabbed_ = nullptr;
    QList<QAction*> arrangeActions_; // Cascade and Tile: not in the tabbed view
    QMap<WindowKind, WindowFactory> factories_;
    QMap<WindowKind, WindowHooks> hooks_;
    QMap<WindowKind, QPointer<QWidget>> windows_;
    bool characterOpen_ = false;
    bool loading_ = false;
    bool closedDown_ = false;
    QString openError_;
    std::vector<WindowKind> windowsToReopen_; // open at the last close-down, not yet opened again
    StatusProgress* progress_ = nullptr;
    std::function<void(App&, std::optional<std::int64_t>)> helpHandler_;
    QList<std::pair<QPointer<QAction>, QList<QKeySequence>>> frameKeys_; // the frame's actions and their own keys
};

} // namespace vantrel
