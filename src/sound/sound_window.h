#pragma once
// The sound editor window: one sample of the character's sound bank at a
// time, with its numbers, the bank comment, import, delete, save, export and
// playback. The logic lives in SoundEditor; this window shows it.
//
// The window's code is split by what it does: sound_window.cpp builds the
// controls and shows the bank, sound_window_actions.cpp the menus and the
// toolbar, sound_window_boxes.cpp the number and comment boxes, and
// sound_window_commands.cpp the commands behind the menus.

#include "shell/app.h"
#include "sound/sound_editor.h"
#include "sound/sound_player.h"

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

class SoundWindow : public QWidget {
    Q_OBJECT
public:
    explicit SoundWindow(App& app, QWidget* parent = nullptr);
    ~SoundWindow() override;

    const SoundEditor& editor() const { return editor_; }
    const SoundPlayer& player() const { return player_; }

    void showBank();
    void showSample(int i);
    void enableEditing();
    void disableEditing();

    // Asks about the bank's unsaved changes, unless that was answered already.
    bool confirmDiscard() { return discardConfirmed_ || askToSaveBank(); }
    // Lets the changes go, and their history: the window closes next
    // without asking again.
    void discardChanges();

    // The bank's edits since it was opened; Undo and Redo of the Edit menu.
    QUndoStack* undoStack() const { return undoStack_; }
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }

public slots:
    void saveAs();
    // Asks about unsaved changes, then closes the whole program.
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
    // The history and its Undo and Redo at the top of the Edit menu.
    void createUndoActions(QMenu* edit);
    // Puts a step made after its edit on the stack (none while a step is
    // being undone or done again).
    void pushStep(QUndoCommand* step);
    // Shows the bank after a step was undone or done again.
    void showStep();
    QLineEdit* createNumberBox(QWidget* parent, const char* name, void (SoundWindow::*take)());
    void loadBank();
    void showComment();
    void showMessage(const EditorMessage& message);
    // Hands the box's text to the current sample; false when it was refused
    // (the user was told and the box shows the number again).
    bool takeNumber(NumberField field, QLineEdit* box);
    // Takes what the user typed into a number box and has not been taken
    // yet; false when it was refused.
    bool takeTypedNumbers();
    void updateStatus();
    // Shows whether a sound plays, until it ends.
    void showPlaying();
    void setEditingControlsEnabled(bool enabled);
    // The save dialog for `title`, starting in the character's folder;
    // empty when cancelled.
    QString askSavePath(const QString& title, const QString& filter, const QString& fileName = {});
    // Runs the bank save with its dialog; true when the bank was written.
    bool saveBankAs();
    bool askToSaveBank();

    App& app_;
    SoundEditor editor_;
    SoundPlayer player_;
    bool showingComment_ = false;     // the comment box is being filled, not edited
    bool commentSingleBytes_ = false; // the comment was not UTF-8; keep its encoding
    QString shownComment_;            // the box as filled from the bank
    std::string shownCommentBytes_;   // the field it was filled from
    QString lastComment_;             // the box before the edit being taken
    bool discardConfirmed_ = false;
    QUndoStack* undoStack_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    bool replaying_ = false;

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
