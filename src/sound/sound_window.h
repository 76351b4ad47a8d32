#pragma once
// The sound editor window: one sample of the character's sound bank at a
// time, with its numbers, the bank comment, import, delete, save, export and
// playback. The logic lives in SoundEditor; this window shows it.
//
// The window's code is split by what it does: sound_window.cpp builds the
// controls and shows the bank, sound_window_actions.cpp the menus and the
// toolbar, sound_window_boxes.cpp the number and comment boxes, and
// sound_window_commands.cpp the commands behind the menus.

#include "sound/sound_document.h"
#include "sound/sound_editor.h"
#include "sound/sound_player.h"
#include "ui/document_view.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QTimer;
class QToolButton;
class QUndoCommand;
class QUndoStack;
class QMenu;
class QVBoxLayout;

namespace vantrel {

struct App;

class ChangedOnDiskBar;
class DocumentTitle;
class HistoryActions;

class SoundWindow : public QWidget, public DocumentView {
    Q_OBJECT
public:
    explicit SoundWindow(App& app, QWidget* parent = nullptr);
    ~SoundWindow() override;

    // The bank shown: the document's model, or an empty one without a document.
    const SoundEditor& editor() const { return document_ ? document_->editor() : none_; }
    SoundDocument* document() const { return document_; }
    Document* viewedDocument() const override { return document_; }
    const SoundPlayer& player() const { return player_; }

    void showBank();
    void showSample(int i);
    // Shows the first sample of that group and number; false when the bank has none.
    bool showSound(std::int32_t group, std::int32_t number);
    void enableEditing();
    void disableEditing();

    // Takes what the user typed into a number box and has not been taken
    // yet; false when it was refused (the user was told).
    bool takeTypedNumbers();
    // Shows the character's bank (read once for the whole program); false
    // when the character names none or it cannot be read, which is said
    // when `tell`.
    bool followCharacter(bool tell = false);

    // The document's history; Undo and Redo of the Edit menu.
    QUndoStack* undoStack() const;
    QAction* undoAction() const;
    QAction* redoAction() const;

public slots:
    // Writes the bank to its file; false when it was not written.
    bool save();
    bool saveAs();
    // Closes the whole program (which asks about every unsaved change).
    void exitProgram();
    void addSamples();
    void deleteSample();
    void exportSample();
    void exportAllSamples();
    void showAbout();
    void play();
    void stop();
    // Clearing the loop box stops a looping sound.
    void stopUnlessLooping();
    // Adds the WAV files as Add does with the files chosen in its dialog.
    void addSampleFiles(const QStringList& paths);
    // Leaving a number box hands its text to the current sample.
    void takeGroupNumber();
    void takeSampleNumber();
    void takeComment();

protected:
    void closeEvent(QCloseEvent* event) override;
    // WAV files dropped on the window are added.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildActions(QVBoxLayout* layout);
    void buildControls(QVBoxLayout* layout);
    // The history's Undo and Redo at the top of the Edit menu.
    void createUndoActions(QMenu* edit);
    void setDocument(SoundDocument* document);
    SoundEditor& model() { return document_->editor(); }
    // Shows the bank after a step changed it.
    void showStep();
    QLineEdit* createNumberBox(QWidget* parent, const char* name, void (SoundWindow::*take)());
    void loadBank();
    void showComment();
    void showMessage(const EditorMessage& message);
    // Hands the box's text to the current sample; false when it was refused
    // (the user was told and the box shows the number again).
    bool takeNumber(NumberField field, QLineEdit* box);
    void updateStatus();
    // Shows whether a sound plays, until it ends.
    void showPlaying();
    void setEditingControlsEnabled(bool enabled);
    // The save dialog for `title`, starting in the character's folder;
    // empty when cancelled.
    QString askSavePath(const QString& title, const QString& filter, const QString& fileName = {});
    App& app_;
    QPointer<SoundDocument> document_;
    SoundEditor none_; // what the window shows without a document
    SoundPlayer player_;
    HistoryActions* history_ = nullptr;
    DocumentTitle* title_ = nullptr;
    ChangedOnDiskBar* changedBar_ = nullptr;
    bool showingComment_ = false;     // the comment box is being filled, not edited
    bool takingComment_ = false;      // the comment box's edit is becoming a step
    bool commentSingleBytes_ = false; // the comment was not UTF-8; keep its encoding
    QString shownComment_;            // the box as filled from the bank
    std::string shownCommentBytes_;   // the field it was filled from
    QString lastComment_;             // the box before the edit being taken

    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* addSamplesAction_ = nullptr;
    QAction* deleteSampleAction_ = nullptr;
    QAction* exportSampleAction_ = nullptr;
    QAction* exportAllAction_ = nullptr;
    QAction* playAction_ = nullptr;
    QAction* stopAction_ = nullptr;
    QAction* aboutAction_ = nullptr;

    QScrollBar* sampleScrollBar_ = nullptr;
    QLabel* currentLabel_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QLineEdit* groupEdit_ = nullptr;
    QLineEdit* sampleEdit_ = nullptr;
    QLabel* lengthLabel_ = nullptr;
    QLabel* rateLabel_ = nullptr;
    QLabel* formatLabel_ = nullptr;
    QPlainTextEdit* commentEdit_ = nullptr;
    QToolButton* playButton_ = nullptr;
    QToolButton* stopButton_ = nullptr;
    QCheckBox* loopBox_ = nullptr;
    QLabel* statusPath_ = nullptr;
    QLabel* statusState_ = nullptr;
    QLabel* playingLabel_ = nullptr;
    QTimer* playingTimer_ = nullptr;
};

} // namespace vantrel
