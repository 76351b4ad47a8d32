#pragma once
// The one design behind the six text editor windows: a toolbar, the shared
// menus and a text box that edits one file as text. The windows differ in
// caption, file, close title and a few toolbar buttons.

#include "shell/app.h"
#include "text/editors_state.h"
#include "text/text_file.h"

#include <QList>
#include <QWidget>
#include <optional>

class QAction;
class QBoxLayout;
class QComboBox;
class QMenu;
class QMenuBar;
class QToolBar;

namespace vantrel {

class CompletionPopup;
class EditorTextBox;

struct ToolButton {
    QString key; // chooses the picture; a button without one shows the key
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

    EditorTextBox* editor() const { return editor_; }
    // The state language completion of the CNS, CMD and ST editors; null in the others.
    CompletionPopup* completion() const { return completion_; }
    QToolBar* toolbar() const { return toolbar_; }
    // The toolbar button with this key ("Save", "Find", ...), null if none.
    QAction* toolbarAction(const QString& key) const;
    // A menu entry by its object name ("saveAction", "closeAllAction", ...), null if none.
    QAction* menuAction(const QString& name) const;

    bool modified() const;
    void setModified(bool modified);
    // The file Save writes: the one the shown text was loaded from.
    QString filePath() const { return filePath_; }
    const TextEncoding& encoding() const { return encoding_; }

    // The text as the file's bytes, without the byte-order mark (see shownBytes()).
    std::string textBytes() const;
    // Makes the text `bytes` (in this window's encoding) by replacing only the
    // lines that differ, as one edit the user can undo; the window counts as
    // modified. False when nothing differs.
    bool replaceTextBytes(const std::string& bytes);

    // Puts the caret at the start of a line (1-based, kept within the text),
    // scrolls it into the middle of the view and gives the text box the focus.
    void goToLine(int line);

    // Reads the file into the text box, in `charset` or else the first
    // encoding it decodes in cleanly. On failure shows "Can't open file: "
    // and keeps the text. Clears the modified flag after a successful read.
    bool loadFile(const QString& path, std::optional<Charset> charset = std::nullopt);

    // The status bar's choice of encoding.
    QComboBox* encodingBox() const { return encodingBox_; }
    // Shows the file in another encoding: reads its bytes again (asking
    // first when there are unsaved edits), or for a file not written yet
    // only changes what Save writes. False when the user kept the old one.
    bool changeEncoding(Charset charset);

    // Asks about unsaved changes when there are any (Yes saves, No lets them
    // go, Cancel keeps them); false on Cancel or a failed save.
    bool confirmDiscard();
    // Another character was opened: shows its file; false when it names
    // none or it cannot be read, and the window then closes.
    virtual bool followCharacter();

    // The control Cut, Copy and Paste act on: this window's focused control,
    // the text box when nothing here has the focus.
    QWidget* focusedControl() const;

public slots:
    // Writes the text to filePath(); false (with a message) when it failed,
    // and then the modified flag stays as it was.
    bool save();
    // Writes the text under a name the user chooses. Only the notepad does;
    // the other editors write nothing and return false.
    virtual bool saveAs();
    // Loads the window's file again without asking.
    void revert();
    void undo();
    void redo();
    // Finds the last find text again (the find dialog when there is none yet).
    void findNextMatch();
    void showReplaceDialog();
    // Opens the help window: on the controller or trigger under the caret in
    // the files written in the state language, else on the contents.
    void showContextHelp();
    // Closes this window (its frame in the main window).
    void closeWindow();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void insertTimeDate();
    void showFindDialog();
    void cascadeWindows();
    void tileHorizontally();
    void tileVertically();
    // Closes the program's windows in their fixed order; a window that
    // refuses stays open and the others close all the same.
    void closeAll();

protected:
    // The path loadFile and revert read (for the character's files, taken
    // from CharacterFiles at the moment of reading).
    virtual QString sourcePath() const = 0;
    // Formats the text box from the settings and loads the window's file.
    // A file that does not exist yet (after the message) leaves the text
    // empty and becomes the one Save writes. Subclasses call it at the end
    // of their constructor.
    void applySettingsAndLoad();
    void closeEvent(QCloseEvent* event) override;

    // Writes the text to a path: busy pointer, the save rule, the message on failure.
    bool writeText(const QString& path);
    QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& shortcut = {});
    // The status bar's encoding and the caption's file name follow encoding_ and filePath_.
    void showEncoding();
    void showFileInTitle();

    App& app_;
    EditorDescription description_;
    QString filePath_;
    TextEncoding encoding_;
    FileLines original_;   // the file's lines as last read or written, for Save
    bool loading_ = false; // the text box is being filled from a file
    QMenu* fileMenu_ = nullptr;
    QAction* firstFileAction_ = nullptr; // the notepad puts New and Open before it
    QBoxLayout* body_ = nullptr;         // the text box; StateFileWindow adds its clip list here

private slots:
    void markModified();

private:
    void buildMenus();
    void buildToolbar();
    void tile(Qt::Orientation orientation);

    EditorTextBox* editor_ = nullptr;
    CompletionPopup* completion_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QComboBox* encodingBox_ = nullptr;
};

} // namespace vantrel
