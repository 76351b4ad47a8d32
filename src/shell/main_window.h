#pragma once
// The main window: a multiple-document frame with the toolbar, the menus and
// the two-panel status bar. It opens characters, launches the editor windows
// and runs the close-down.

#include "shell/app.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vantrel {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using WindowFactory = std::function<QWidget*(App&)>;

    explicit MainWindow(App& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Windows are made on first use by the factory registered under their
    // name ("SpriteWindow", "DefinitionWindow", ...). A QDialog is shown modally, any other
    // widget as a child window of the frame.
    void registerWindow(const QString& name, WindowFactory factory);
    // Loads the window if needed and brings it to the front; null when no
    // factory is registered under that name.
    QWidget* openWindow(const QString& name);
    // The window if it is loaded, else null.
    QWidget* window(const QString& name) const;
    // The child window frame holding a window (null for dialogs).
    QMdiSubWindow* subWindowOf(QWidget* w) const;
    QMdiArea* mdiArea() const { return mdi_; }

    // Start-up: settings, show, tips when on, the recent menu.
    void MDIForm_Load();

    void openCharacter(const QString& path);
    void reloadDefinition();
    bool loadSpriteArchive();
    void quickRun();
    void fillRecentMenu();

    // The close-down: unloads the windows in their fixed order (each may ask
    // about unsaved changes) and deletes the workspace. False when a window
    // answered Cancel; the program then stays open.
    bool closeDown();
    static const QStringList& closeOrder();

    // Asked before the close-down and before opening or re-reading a
    // character; a guard returns false to cancel (the sprite table's unsaved
    // changes use this).
    void addDiscardGuard(std::function<bool()> guard);

    void setStatus(const QString& text);
    QString statusText() const;
    QString fileText() const;
    bool characterOpen() const { return characterOpen_; }
    bool loading() const { return loading_; }

    // The toolbar button with this key ("Open", "SFF", "Run", ...).
    QAction* toolbarAction(const QString& key) const;
    // mnuRecentFile: index 0 is the separator, 1 to 4 the entries.
    QAction* recentAction(int index) const;

    void mnuFileOpen_Click();
    void mnuRecentFile_Click(int index);
    void mnuFileExit_Click();
    void Toolbar1_ButtonClick(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    bool askDiscardGuards();
    void setEditorsEnabled(bool enabled);
    QWidget* loadWindow(const QString& name);

    App& app_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* filePanel_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QMap<QString, QAction*> toolbarActions_;
    QList<QAction*> recentActions_;
    QMap<QString, WindowFactory> factories_;
    QMap<QString, QPointer<QWidget>> windows_;
    QList<std::function<bool()>> discardGuards_;
    bool characterOpen_ = false;
    bool loading_ = false;
    bool closedDown_ = false;
};

} // namespace vantrel
