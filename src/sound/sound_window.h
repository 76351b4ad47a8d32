#pragma once
// The sound editor window: one sample of the character's sound bank at a
// time, with its numbers, the bank comment, import, delete, save, export and
// playback. The logic lives in SoundEditor; this window shows it.

#include "shell/app.h"
#include "sound/sound_editor.h"
#include "sound/sound_player.h"

#include <QMap>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QToolButton;
class QVBoxLayout;

namespace vantrel {

class SoundWindow : public QWidget {
    Q_OBJECT
public:
    explicit SoundWindow(App& app, QWidget* parent = nullptr);
    ~SoundWindow() override;

    const SoundEditor& editor() const { return editor_; }
    const SoundPlayer& player() const { return player_; }

    // The toolbar button with this key ("Save", "Add", "Del", ...).
    QAction* toolbarAction(const QString& key) const;

    void showBank();
    void showSample(int i);
    void enableEditing();
    void disableEditing();

    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuAdd_Click();
    void mnuDelete_Click();
    void mnuSaveCurrent_Click();
    void mnuSaveAll_Click();
    void mnuAbout_Click();
    void mnuPlaySnd_Click();
    void mnuStopSnd_Click();
    void chkLoop_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void hscSample_Change(int value);
    void txtGroup_Validate();
    void txtSample_Validate();
    void txtComment_Change();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus(QVBoxLayout* layout);
    void buildToolbar(QVBoxLayout* layout);
    void buildControls(QVBoxLayout* layout);
    void loadBank();
    void showMessage(const EditorMessage& message);
    void validateNumber(NumberField field, QLineEdit* box);
    void updateStatus();
    void setEditingControlsEnabled(bool enabled);
    // Runs the bank save with its dialog; true when the bank was written.
    bool saveBankAs();

    App& app_;
    SoundEditor editor_;
    SoundPlayer player_;
    bool showingComment_ = false; // the comment box is being filled, not edited
    bool commentLatin1_ = false;  // the comment was not UTF-8; keep its encoding
    bool discardConfirmed_ = false;

    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuAdd_ = nullptr;
    QAction* mnuDelete_ = nullptr;
    QAction* mnuSaveCurrent_ = nullptr;
    QAction* mnuSaveAll_ = nullptr;
    QAction* mnuPlaySnd_ = nullptr;
    QAction* mnuStopSnd_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QMap<QString, QAction*> toolbarActions_;

    QScrollBar* hscSample_ = nullptr;
    QLabel* lblCurrSample_ = nullptr;
    QLabel* lblTotalSample_ = nullptr;
    QLineEdit* txtGroup_ = nullptr;
    QLineEdit* txtSample_ = nullptr;
    QLabel* lblLenght_ = nullptr;
    QLabel* lblFreq_ = nullptr;
    QLabel* lblRes_ = nullptr;
    QPlainTextEdit* txtComment_ = nullptr;
    QToolButton* cmdPlaySnd_ = nullptr;
    QToolButton* cmdStopSnd_ = nullptr;
    QCheckBox* chkLoop_ = nullptr;
    QLabel* statusPath_ = nullptr;
    QLabel* statusState_ = nullptr;
};

} // namespace vantrel
