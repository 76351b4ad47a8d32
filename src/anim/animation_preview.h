#pragma once
// The animation preview: one action of the AIR text played frame by frame
// with its sprites on a small stage, its collision boxes on request. The
// window shows what the player model puts on display and forwards the
// buttons to it. It is a view of the AIR document the AIR text window edits.

#include "anim/air.h"
#include "anim/player.h"
#include "image/pcx.h"
#include "ui/document_view.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace vantrel {

struct App;

class AirTextLink;
class BoxCanvas;
class QtFrameTimer;

class AnimationPreview : public QWidget, public DocumentView {
    Q_OBJECT
public:
    explicit AnimationPreview(App& app, QWidget* parent = nullptr);
    ~AnimationPreview() override;

    AnimPlayer& player() { return player_; }
    Document* viewedDocument() const override;
    const AirDocument& air() const { return air_; }
    // The place in the file of the action on display (-1 none).
    int actionIndex() const { return action_; }

    QComboBox* actionCombo = nullptr;
    QPushButton* playButton = nullptr;
    QPushButton* stopButton = nullptr;
    QPushButton* previousFrameButton = nullptr;
    QPushButton* nextFrameButton = nullptr;
    QCheckBox* loopBox = nullptr;
    QCheckBox* hideLinesBox = nullptr;
    QCheckBox* showBoxesBox = nullptr;
    QLabel* zoomLabel = nullptr;
    QTimer* frameTimer = nullptr;
    QScrollBar* frameScrollBar = nullptr;
    BoxCanvas* stage = nullptr;
    QLabel* frameLabel = nullptr;
    QLabel* groupLabel = nullptr;
    QLabel* imageLabel = nullptr;
    QLabel* durationLabel = nullptr;

public slots:
    // The rest of opening once the window is up: the palette search, then
    // the first action. Runs once; showing the window runs it.
    void finishOpening();
    // Reads the AIR text afresh and shows frame 0 of the action chosen in
    // the selector.
    void loadAnimation();
    void play();
    void stop();
    void setLinesHidden(bool hidden);
    void setBoxesShown(bool shown);
    // One frame back or on, round the action; playback stops.
    void stepFrame(int delta);
    // The frame timer fired: the player moves on.
    void advanceFrame();
    // Shows frame `index` of the action with its labels; an empty stage
    // for an index outside the action.
    void showFrame(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Puts the player's frame on display through the scroll bar.
    void followPlayer(int index);
    void setPlaying(bool playing);
    void clearFrame();
    void fillActions();

    App& app_;
    std::unique_ptr<AirTextLink> link_;
    std::unique_ptr<QtFrameTimer> timer_;
    AnimPlayer player_;
    AirDocument air_;
    int action_ = -1;
    bool loaded_ = false;
    DecoderState decoder_; // without the character's sprites
};

} // namespace vantrel
