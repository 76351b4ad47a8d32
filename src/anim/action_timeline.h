#pragma once
// Which frame of an action the game shows at a given tick, and how far
// through its time it is, for a preview that runs on a clock rather than
// frame by frame. The frames' start times are added up once, so finding the
// frame of a tick is a binary search whatever the action's length.
//
// The rules:
// - A frame shows for its time in ticks (60 a second). A negative time
//   (written -1) holds the frame for good: frames after it are never reached.
// - A frame of time 0 takes no tick, so it is never the one shown (the next
//   frame with time is), except as the last frame of an action that has
//   finished (below).
// - A looping action, after its last frame, starts again at its loop start.
//   When the frames from the loop start on add up to no time at all, a pass
//   would take no time, so there is nothing to repeat: the action finishes.
// - A non-looping action finishes after its last frame. A finished action
//   shows its last frame for good.

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

class ActionTimeline {
public:
    // `loopStart` is the index of the frame a looping action returns to; one
    // past the last frame (or anything outside the frames) means a pass from
    // there takes no time.
    ActionTimeline(std::span<const int> frameTimes, int loopStart, bool looping);

    struct Moment {
        int frame = -1;       // the frame shown; -1 only for an action without frames
        double fraction = 0;  // how much of the frame's time has passed, 0 <= fraction < 1
        bool holding = false; // the frame stays for good: a hold frame, or a finished action
    };
    // The frame shown at `tick` (counted from 0, when the first frame starts);
    // a tick before 0 counts as 0. A held frame's fraction is 0.
    Moment at(std::int64_t tick) const;

    // The frame that follows `frame` on playback (whose values an
    // interpolation goes towards), or -1 when none does: after a hold
    // frame, or after the last frame of an action that does not loop.
    int nextFrame(int frame) const;

    int frameCount() const { return static_cast<int>(starts_.size()); }
    // The first tick of every frame (a frame past a hold starts at the end of time).
    std::int64_t frameStart(int frame) const { return starts_[static_cast<std::size_t>(frame)]; }
    // The ticks of the first pass up to the hold frame or the end; -1 when
    // the action reaches a hold frame.
    std::int64_t firstPassLength() const { return holdFrame_ >= 0 ? -1 : passEnd_; }

private:
    std::vector<std::int64_t> starts_; // cumulative; a hold frame and all after it end at kForever
    std::vector<int> times_;
    int loopStart_ = 0;
    bool looping_ = false;
    int holdFrame_ = -1;
    std::int64_t passEnd_ = 0;    // the end of the last frame when no frame holds
    std::int64_t loopLength_ = 0; // the ticks of a pass from the loop start
};

// Game ticks (60 a second) after `milliseconds` at `speed` (1 is the
// game's own pace, 0.5 half of it), rounded down. Not a number, a negative
// value or a negative speed give 0; the count stops at 2^52.
std::int64_t ticksAt(double milliseconds, double speed);

} // namespace vantrel
