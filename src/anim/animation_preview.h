#pragma once
// The animation preview: one action of the AIR file played frame by frame
// with its sprites on a small stage. The window shows what the player model
// puts on display and forwards the buttons to it.

#include "anim/player.h"
#include "shell/app.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace vantrel {

class AnimationPreview : public QWidget {
    Q_OBJECT
public:
    explicit AnimationPreview(App& app, QWidget* parent = nullptr);
    ~AnimationPreview() override;

    // The rest of opening once the window is up: the palette search, then
    // the first action. Runs once; showing the window runs it.
    void Form_Load();
    // Reads the action chosen in the selector and shows its frame 0.
    void loadAnimation();

    void cboAnim_Click();
    void Command1_Click(); // Play
    void Command2_Click(); // Stop
    void Check2_Click();   // Hide lines
    void tmrAnim_Timer();
    void hscFrame_Change(int value);

    AnimPlayer& player() { return player_; }

    QComboBox* cboAnim = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QTimer* tmrAnim = nullptr;
    QScrollBar* hscFrame = nullptr;
    QFrame* picStage = nullptr;
    QLabel* picInlay = nullptr;
    QLabel* lblFrame = nullptr;
    QLabel* lblGroup = nullptr;
    QLabel* lblImage = nullptr;
    QLabel* lblDuration = nullptr;
    QFrame* Line1 = nullptr; // the ground line
    QFrame* Line2 = nullptr; // the axis mark

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Timer;

    void showPlayerFrame(int index);
    void setPlaying(bool playing);
    void clearFrame();

    App& app_;
    std::unique_ptr<Timer> timer_;
    AnimPlayer player_;
    bool loaded_ = false;
};

} // namespace vantrel
