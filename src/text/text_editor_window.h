#pragma once
// The one design behind the six text editor windows: a toolbar, the shared
// menus and a text box, a view of one text document. The windows differ in
// caption, the document they show, and a few toolbar buttons. Closing one
// never changes its document: its changes and history stay with it.

#include "documents/document.h"
#include "text/definitions.h"
#include "text/outline.h"
#include "text/text_document.h"
#include "text/text_file.h"
#include "ui/dialogs.h"
#include "ui/document_view.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QAction;
class QBoxLayout;
class QComboBox;
class QListWidget;
class QMenu;
class QMenuBar;
class QTextCursor;
class QTimer;
class QToolBar;

namespace vantrel {

struct App;

class ChangedOnDiskBar;
class CompletionPopup;
class SyntaxHighlighter;
class DocumentTitle;
class EditorTextBox;

// The text windows' toolbar buttons, by what they do.
enum class TextTool : std::uint8_t {
    New,
    Open,
    Save,
    Revert,
    StateFile1, // .. StateFile6: the state files the .def names
    StateFile2,
    StateFile3,
    StateFile4,
    StateFile5,
    StateFile6,
    CommonStates,
    Cut,
    Copy,
    Paste,
    Find,
    Undo,
    CollisionBoxes,
    AnimationPreview,
    Help,
};

// The button of state file `n` (1 to 6).
constexpr TextTool stateFileTool(int n)
{
    return static_cast<TextTool>(static_cast<int>(TextTool::StateFile1) + n - 1);
}

// The entries of the text windows' menus (the notepad adds New and Open).
enum class MenuCommand : std::uint8_t {
    New,
    Open,
    Save,
    SaveAs,
    Revert,
    Print,
    Close,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    Find,
    FindNext,
    Replace,
    SelectAll,
    GoToLine,
    GoToDefinition,
    FindReferences,
    TimeDate,
    Cascade,
    TileHorizontally,
    TileVertically,
    ArrangeIcons,
    CloseAll,
    HelpContents,
};

// Captions and tips are English, marked with QT_TRANSLATE_NOOP("TextEditorWindow", …);
// the window shows them in the user's language.
struct ToolButton {
    TextTool tool;
    QString caption; // chooses the picture; a button without one shows the caption
    QString toolTip;
};

struct EditorDescription {
    QString caption;
    DocumentKind kind = DocumentKind::Text;
    QList<ToolButton> toolbar;
    bool highlighted = true;    // the notepad stays plain
    bool stateLanguage = false; // completion and help on controllers and triggers
};

class TextEditorWindow : public QWidget, public DocumentView {
    Q_OBJECT
public:
    TextEditorWindow(App& app, EditorDescription description, QWidget* parent = nullptr);
    ~TextEditorWindow() override;

    EditorTextBox* editor() const { return editor_; }
    // The document shown; null when the window shows none (a character
    // naming no such file).
    TextDocument* document() const { return document_; }
    Document* viewedDocument() const override;
    // Underlines the faults found in the file shown, with their messages as tool tips.
    void showProblems(const std::vector<LineProblem>& problems) override;
    // The outline beside the text of the CNS, ST, AIR and CMD editors; null in the others.
    QListWidget* outline() const { return outline_; }
    // The state language completion of the CNS, CMD and ST editors; null in the others.
    CompletionPopup* completion() const { return completion_; }
    // The colours of the text; null in the notepad.
    SyntaxHighlighter* highlighter() const { return highlighter_; }
    QToolBar* toolbar() const { return toolbar_; }
    ChangedOnDiskBar* changedOnDiskBar() const { return changedBar_; }
    // The toolbar button that does this, null if the window has none.
    QAction* toolbarAction(TextTool tool) const { return toolActions_.value(tool); }
    // A menu entry, null if the window has none.
    QAction* menuAction(MenuCommand command) const { return menuActions_.value(command); }

    bool modified() const;
    // The file the document reads and writes.
    QString filePath() const;
    TextEncoding encoding() const;

    // The text as the file's bytes, without the byte-order mark.
    std::string textBytes() const;
    // Makes the text `bytes` (in the document's encoding) by replacing only
    // the lines that differ, as one step of the document's history. False
    // when nothing differs.
    bool replaceTextBytes(const std::string& bytes);

    // Puts the caret at the start of a line (1-based, kept within the text),
    // scrolls it into the middle of the view and gives the text box the focus.
    void goToLine(int line);
    // Asks for a line number and goes there.
    void askGoToLine();
    // Opens where the state, action or command named at the caret is defined,
    // in the window that edits that file; a message when it is nowhere.
    void goToDefinition();
    // Lists in the References window every place of the character's files
    // that names the state, action or command at the caret.
    void findReferences();

    // Shows the document of `path`, opened once for the whole program (and
    // read in `charset` when one is given). A file that cannot be read shows
    // "Can't open file: " and keeps the window as it was.
    bool loadFile(const QString& path, std::optional<Charset> charset = std::nullopt);

    // The status bar's choice of encoding.
    QComboBox* encodingBox() const { return encodingBox_; }
    // Shows the file in another encoding: reads its bytes again as one step
    // (asking first when there are unsaved edits), or for a file not written
    // yet only changes what Save writes. False when the user kept the old one.
    bool changeEncoding(Charset charset);

    // Another character was opened: shows its file; false when it names
    // none or it cannot be read, and the window then closes.
    virtual bool followCharacter();

    // The control Cut, Copy and Paste act on: this window's focused control,
    // the text box when nothing here has the focus.
    QWidget* focusedControl() const;

public slots:
    // Writes the document to its file; false (with a message) when it failed.
    bool save();
    // Writes the document under a name the user chooses; the document
    // moves there.
    virtual bool saveAs();
    // Reads the file again (asking first when there are unsaved changes),
    // as one step of the history.
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
    // Closes the program's windows in their fixed order.
    void closeAll();

protected:
    // The path of the character's file the window shows (taken from the
    // character at the moment of asking).
    virtual QString sourcePath() const = 0;
    // Formats the text box from the settings and shows the window's file.
    // Subclasses call it at the end of their constructor.
    void applySettingsAndLoad();
    // Shows `document` (null: none).
    virtual void setDocument(TextDocument* document);
    // The window's own caption, in the user's language.
    QString windowCaption() const;
    // The caption the title starts with (`namesFile`: it says which file itself).
    void setCaption(const QString& caption, bool namesFile = false);
    // The dialog options of Save As.
    virtual FileDialogOptions saveAsOptions() const;

    // A menu entry for `command` (its object name is `name`), with its keys.
    QAction* addMenuAction(QMenu* menu, MenuCommand command, const QString& name, const QString& text,
                           const QKeySequence& shortcut = {});
    // An entry a window made itself, from now on found by menuAction.
    void registerMenuAction(MenuCommand command, QAction* action) { menuActions_.insert(command, action); }
    void showEncoding();

    App& app_;
    EditorDescription description_;
    QPointer<TextDocument> document_;
    DocumentTitle* title_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* firstFileAction_ = nullptr; // the notepad puts New and Open before it
    QBoxLayout* body_ = nullptr;         // the text box; StateFileWindow adds its clip list here

private:
    void buildMenus();
    // The short help of the controller or trigger at a place of the text.
    QString hoverHelp(const QTextCursor& at);
    // What the word at the caret names (see definitionNameAt).
    std::optional<DefinitionName> nameAtCaret() const;
    void buildToolbar();
    // A state script (.zss) has colours and completion of its own.
    void followScriptLanguage();
    // The outline beside the text: made again a moment after typing stops;
    // its entry follows the caret, and a click on one goes there.
    void buildOutline();
    void refreshOutline();
    void followCaretInOutline();

    EditorTextBox* editor_ = nullptr;
    CompletionPopup* completion_ = nullptr;
    SyntaxHighlighter* highlighter_ = nullptr;
    ChangedOnDiskBar* changedBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMap<TextTool, QAction*> toolActions_;
    QMap<MenuCommand, QAction*> menuActions_;
    QMenuBar* menuBar_ = nullptr;
    QComboBox* encodingBox_ = nullptr;
    QListWidget* outline_ = nullptr; // none in the .def and notepad windows
    QTimer* outlineTimer_ = nullptr;
    std::vector<OutlineEntry> outlineEntries_;
    std::vector<LineProblem> problems_;   // of every file; those of the file shown are underlined
    std::optional<std::string> helpHtml_; // the help file, read on the first hover
    void markProblems();
};

} // namespace vantrel
