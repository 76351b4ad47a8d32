#pragma once
// The animation preview's player: which frame is on display, whether it is
// playing, and how long each frame waits. It never waits itself: it starts a
// one-shot timer and moves on when that timer fires, so the window stays
// responsive and a test can drive it tick by tick without a clock.

#include "air.h"
#include "common/message.h"

#include <functional>
#include <string>

namespace vantrel {

// A one-shot timer the player starts for each frame. The owner calls
// AnimPlayer::tick when it fires.
class FrameTimer {
public:
    virtual ~FrameTimer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
};

class AnimPlayer {
public:
    // Milliseconds per engine tick: a single pass runs at 9, looping at 10.
    static constexpr int kSingleTick = 9;
    static constexpr int kLoopTick = 10;
    // The longest delay the timer accepts.
    static constexpr int kMaxDelay = 65535;
    // The error reported for a delay the timer cannot take ("Invalid property value").
    static constexpr int kBadDelayError = 380;

    explicit AnimPlayer(FrameTimer& timer) : timer_(timer) { }

    // Told when the player puts frame `index` on display.
    std::function<void(int index)> showFrame;
    // Told when playback starts or ends.
    std::function<void(bool playing)> playingChanged;
    // Told when playback ended on an error (after playingChanged(false)).
    std::function<void(int errorNumber)> failed;

    // Replaces the action; any playback stops.
    void setAction(AnimAction action);
    const AnimAction& action() const { return action_; }

    // Plays once from frame 0, or with `loop` over and over, later passes
    // starting at the loop start. An action without frames does not play.
    void play(bool loop);
    // Ends playback; the frame on display stays.
    void stop();
    // The frame's delay has passed.
    void tick();

    bool playing() const { return playing_; }
    bool looping() const { return loop_; }
    // The frame the player last put on display (-1 before it played).
    int currentFrame() const { return current_; }

    // The delay of a frame in milliseconds, or -1 when the timer cannot take it.
    static int frameDelay(double duration, int tickLength);

private:
    void runFrom(int index);
    void finish();

    FrameTimer& timer_;
    AnimAction action_;
    bool playing_ = false;
    bool loop_ = false;
    int current_ = -1;
    int passStart_ = 0;
    bool waitedThisPass_ = false;
};

// The stage the preview draws on, and the character's origin on it.
inline constexpr int kStageWidth = 297;
inline constexpr int kStageHeight = 281;
inline constexpr int kOriginX = 144;
inline constexpr int kOriginY = 224;

struct StagePosition {
    double left = 0;
    double top = 0;
};

// Where a frame's picture (w x h pixels) goes on the stage: unflipped its
// axis lands on the origin shifted by the offsets; a vertical flip mirrors
// the frame about the ground line, a horizontal one about the axis mark.
StagePosition placeSprite(const AnimFrame& frame, int width, int height);

// A number as the frame labels show it: shortest decimal form, one leading
// blank unless negative (" 7", " 2.5", "-1").
std::string formatLabelNumber(double value);

struct FrameLabels {
    Message frame, group, image, duration;
};
// The four label texts for frame `index` ("Frame no: 3", "Duration:-1").
FrameLabels frameLabels(int index, const AnimFrame& frame);

} // namespace vantrel
