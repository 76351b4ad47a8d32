#pragma once
// The state file editor: a text editor for the character's state files with
// buttons to switch between them, the state around the caret in its caption,
// and a list of text clips (state controller templates) to insert, each with
// a help topic.

#include "formats/character_definition.h"
#include "text/clip_list.h"
#include "text/state_extras.h"
#include "text/text_editor_window.h"

class QListWidget;

namespace vantrel {

class StateFileWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit StateFileWindow(App& app, QWidget* parent = nullptr);

    QString currentStateFile() const { return currentStateFile_; }
    std::int64_t currentState() const { return currentState_; }
    const TextClipLibrary& clips() const { return clips_->clips(); }
    QListWidget* clipList() const { return clips_->list(); }
    HelpViewer* helpViewer() const { return clips_->helpViewer(); }

    // The new character's state files: their buttons, and the first one shown.
    bool followCharacter() override;
    // Shows `path` when it is one of the character's state files, the
    // common one included; true when it is on screen. The file shown before
    // keeps its changes in its document.
    bool showCharacterFile(const QString& path);

public slots:
    // Shows the state around the caret in the caption, read from the caret's
    // line upwards.
    void showCurrentState();
    // Inserts the clip chosen in the list as a new controller of the state
    // around the caret.
    void insertSelectedClip();
    // Opens the help topic of the clip chosen in the list.
    void showSelectedClipHelp();
    // Shows the character's state file 0 to 5 (or the common one); one the
    // .def names that nobody has written yet opens empty, and Save creates it.
    void openStateFile(int index);
    void openCommonStates();

protected:
    QString sourcePath() const override { return currentStateFile_; }
    void setDocument(TextDocument* document) override;

private:
    // A key typed moves the caret and changes the text: the caption is worked
    // out once for each new text and selection.
    void followCaret();
    void enableStateButtons();
    void switchTo(const QString& path);
    const CharacterFiles& character() const;

    ClipList* clips_ = nullptr;
    QString currentStateFile_;
    std::int64_t currentState_ = 0;
    // The text (counted by edits) and the selection the caption was last worked out for.
    struct CaretPlace {
        long edits = 0;
        int start = -1;
        int end = -1;
        bool operator==(const CaretPlace&) const = default;
    };
    long edits_ = 0;
    CaretPlace captionFor_;
};

} // namespace vantrel
