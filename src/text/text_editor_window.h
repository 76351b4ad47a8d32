#pragma once
// The one design behind the six text editor windows: a toolbar, the shared
// menus and a text box (txtEdit) that edits one file as text. The windows
// differ in caption, file, close title and a few toolbar buttons.

#include "shell/app.h"
#include "text/editors_state.h"
#include "text/text_file.h"

#include <QList>
#include <QWidget>

#include <functional>

class QAction;
class QBoxLayout;
class QMenu;
class QToolBar;

namespace vantrel {

class EditorTextBox;

struct ToolButton {
    QString key;
    QString toolTip;
};

struct EditorDescription {
    QString caption;
    QString closeTitle; // title of the "unsaved changes" question
    EditorSlot slot;
    QList<ToolButton> toolbar;
    bool highlighted = true; // the notepad stays plain
};

class TextEditorWindow : public QWidget {
    Q_OBJECT
public:
    TextEditorWindow(App& app, EditorDescription description, QWidget* parent = nullptr);

    EditorTextBox* txtEdit() const { return txtEdit_; }
    QToolBar* toolbar() const { return toolbar_; }
    // The toolbar button with this key ("Save", "Find", ...), null if none.
    QAction* toolbarAction(const QString& key) const;
    // A menu entry by its name ("mnuFSave", "mnuWCloseAll", ...), null if none.
    QAction* menuAction(const QString& name) const;

    bool modified() const;
    void setModified(bool modified);
    // The file Save writes: the one the shown text was loaded from.
    QString filePath() const { return filePath_; }
    const TextEncoding& encoding() const { return encoding_; }

    // Reads the file into the text box. On failure shows "Can't open file: "
    // and keeps the text. Clears the modified flag after a successful read.
    bool Load(const QString& path);
    // Writes the text to filePath(); false (with a message) when it failed,
    // and then the modified flag stays as it was.
    bool Save();
    // Loads the window's file again without asking.
    void Revert();
    void Undo();
    void Delete();
    void insertTimeDate();
    void Find();
    void Cascade();
    void TileHorizontally();
    void TileVertically();
    // Closes the program's windows in their fixed order; a window that
    // refuses stays open and the others close all the same.
    void closeAll();

    virtual void Toolbar1_ButtonClick(const QString& key);

    // The control Cut, Copy and Paste act on: this window's focused control,
    // the text box when nothing here has the focus.
    QWidget* focusedControl() const;

protected:
    // The path Load and Revert read (for the character's files, taken from
    // CharacterFiles at the moment of reading).
    virtual QString sourcePath() const = 0;
    // Formats the text box from the settings and loads the window's file.
    // Subclasses call it at the end of their constructor.
    virtual void Form_Load();
    void closeEvent(QCloseEvent* event) override;
    virtual void txtEdit_Change();

    // Writes the text to a path: busy pointer, the save rule, the message on failure.
    bool writeText(const QString& path);
    void addMenuAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& shortcut,
                       std::function<void()> handler);
    virtual void mnuFSaveAs_Click();

    App& app_;
    EditorDescription description_;
    QString filePath_;
    TextEncoding encoding_;
    bool loading_ = false; // the text box is being filled from a file
    QMenu* fileMenu_ = nullptr;
    QAction* firstFileAction_ = nullptr; // the notepad puts New and Open before it
    QBoxLayout* body_ = nullptr;         // the text box; StateFileWindow adds its clip list here

private:
    void buildMenus();
    void buildToolbar();
    void tile(Qt::Orientation orientation);

    EditorTextBox* txtEdit_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QWidget* menuBarWidget_ = nullptr;
};

} // namespace vantrel
