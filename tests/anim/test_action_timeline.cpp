#include "anim/action_timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace vantrel;

namespace {

// The frame shown on each tick from 0 to ticks - 1.
std::vector<int> framesOver(const ActionTimeline& timeline, int ticks)
{
    std::vector<int> frames;
    for (int t = 0; t < ticks; ++t)
        frames.push_back(timeline.at(t).frame);
    return frames;
}

// Playback played out tick by tick, one frame after another, as a plain
// reference for long actions: the frame on every tick up to `ticks`.
std::vector<int> playedOut(const std::vector<int>& times, int loopStart, int ticks)
{
    std::vector<int> frames;
    int frame = 0;
    while (static_cast<int>(frames.size()) < ticks) {
        for (int k = 0; k < times[static_cast<std::size_t>(frame)]; ++k)
            frames.push_back(frame);
        frame = frame + 1 < static_cast<int>(times.size()) ? frame + 1 : loopStart;
    }
    frames.resize(static_cast<std::size_t>(ticks));
    return frames;
}

} // namespace

TEST(ActionTimeline, FramesFollowTheirTimesOnceOrInALoop)
{
    const std::vector<int> times{3, 2, 4};
    const ActionTimeline once(times, 0, false);
    EXPECT_EQ(framesOver(once, 12), (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_FALSE(once.at(8).holding);
    EXPECT_TRUE(once.at(9).holding); // finished: the last frame stays
    EXPECT_TRUE(once.at(std::numeric_limits<std::int64_t>::max()).holding);
    EXPECT_EQ(once.at(-5).frame, 0);
    EXPECT_EQ(once.nextFrame(1), 2);
    EXPECT_EQ(once.nextFrame(2), -1);

    // Looping from frame 1: a pass of 6 ticks after the first 9.
    const ActionTimeline looped(times, 1, true);
    EXPECT_EQ(framesOver(looped, 16), (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 2, 2, 1, 1, 2, 2, 2, 2, 1}));
    EXPECT_EQ(looped.at(9 + 6 * 1000000 + 2).frame, 2);
    EXPECT_FALSE(looped.at(100).holding);
    EXPECT_EQ(looped.nextFrame(2), 1);

    // How far through its frame each tick is, for interpolation.
    const struct {
        int tick;
        int frame;
        double fraction;
    } moments[] = {{0, 0, 0}, {1, 0, 1.0 / 3}, {2, 0, 2.0 / 3}, {4, 1, 0.5}, {8, 2, 0.75}, {10, 1, 0.5}, {13, 2, 0.5}};
    for (const auto& m : moments) {
        const auto at = looped.at(m.tick);
        EXPECT_EQ(at.frame, m.frame) << m.tick;
        EXPECT_DOUBLE_EQ(at.fraction, m.fraction) << m.tick;
    }
}

TEST(ActionTimeline, HoldAndZeroTimeFrames)
{
    const struct {
        const char* name;
        std::vector<int> times;
        int loopStart;
        bool looping;
        std::vector<int> frames; // ticks 0 to 9
        bool holdsAtTheEnd;
    } cases[] = {
        {"hold", {2, -1, 5}, 0, true, {0, 0, 1, 1, 1, 1, 1, 1, 1, 1}, true},
        {"any negative time holds", {1, -7}, 0, true, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, true},
        {"hold first", {-1, 3}, 0, false, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true},
        {"zero time passed over", {0, 2, 0, 0, 3}, 0, true, {1, 1, 4, 4, 4, 1, 1, 4, 4, 4}, false},
        {"zero time before a hold", {2, 0, -1}, 0, true, {0, 0, 2, 2, 2, 2, 2, 2, 2, 2}, true},
        {"finished on a zero-time frame", {2, 0}, 0, false, {0, 0, 1, 1, 1, 1, 1, 1, 1, 1}, true},
        {"looped on a zero-time frame", {2, 0}, 0, true, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false},
        {"all zero, looping", {0, 0, 0}, 0, true, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, true},
        {"all zero, once", {0, 0, 0}, 0, false, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, true},
        {"a loop of no time", {4, 0, 0}, 1, true, {0, 0, 0, 0, 2, 2, 2, 2, 2, 2}, true},
        {"loop start past the end", {2, 1}, 2, true, {0, 0, 1, 1, 1, 1, 1, 1, 1, 1}, true},
        {"loop start negative", {1, 1}, -1, true, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, true},
        {"loop start on the last frame", {1, 2}, 1, true, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, false},
    };
    for (const auto& c : cases) {
        const ActionTimeline timeline(c.times, c.loopStart, c.looping);
        EXPECT_EQ(framesOver(timeline, 10), c.frames) << c.name;
        const auto late = timeline.at(1'000'000'000'000);
        EXPECT_EQ(late.holding, c.holdsAtTheEnd) << c.name;
        if (c.holdsAtTheEnd) {
            EXPECT_EQ(late.frame, c.frames.back()) << c.name;
        }
    }

    const std::vector<int> hold{2, -1, 5};
    const ActionTimeline held(hold, 0, true);
    EXPECT_EQ(held.at(5).fraction, 0);
    EXPECT_EQ(held.nextFrame(0), 1);
    EXPECT_EQ(held.nextFrame(1), -1); // nothing comes after a hold
    EXPECT_EQ(held.nextFrame(2), -1); // never reached
    EXPECT_EQ(held.firstPassLength(), -1);

    // The frame after a timed one skips frames of no time, round the loop too.
    const std::vector<int> zeros{0, 2, 0, 0, 3};
    const ActionTimeline skipping(zeros, 0, true);
    EXPECT_EQ(skipping.nextFrame(1), 4);
    EXPECT_EQ(skipping.nextFrame(4), 1);
    EXPECT_EQ(skipping.nextFrame(9), -1);

    const ActionTimeline empty(std::vector<int>{}, 0, true);
    EXPECT_EQ(empty.at(0).frame, -1);
    EXPECT_EQ(empty.nextFrame(0), -1);
}

// Ten thousand frames of mixed times, some of none, against playback played
// out frame by frame, over two and a half passes.
TEST(ActionTimeline, LongActionsMatchPlaybackTickByTick)
{
    std::vector<int> times;
    unsigned state = 7;
    for (int k = 0; k < 10'000; ++k) {
        state = state * 1103515245u + 12345u;
        times.push_back(static_cast<int>((state >> 16) % 4)); // 0 to 3 ticks
    }
    const int loopStart = 6'000;
    const ActionTimeline timeline(times, loopStart, true);
    const std::int64_t pass = timeline.firstPassLength();
    const std::int64_t loop = pass - timeline.frameStart(loopStart);
    const auto expected = playedOut(times, loopStart, static_cast<int>(pass + 2 * loop + loop / 2));
    for (std::size_t t = 0; t < expected.size(); ++t)
        ASSERT_EQ(timeline.at(static_cast<std::int64_t>(t)).frame, expected[t]) << "tick " << t;
}

TEST(ActionTimeline, TicksFromElapsedTime)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double milliseconds, speed;
        std::int64_t ticks;
    } cases[] = {
        {1000, 1, 60},
        {1000, 0.25, 15},
        {1000, 2, 120},
        {16, 1, 0}, // 0.96 of a tick
        {17, 1, 1},
        {50, 1, 3},
        {0, 1, 0},
        {-100, 1, 0},
        {100, -1, 0},
        {nan, 1, 0},
        {100, nan, 0},
        {inf, 1, std::int64_t{1} << 52},
        {1e300, 2, std::int64_t{1} << 52},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ticksAt(c.milliseconds, c.speed), c.ticks) << c.milliseconds << " ms at " << c.speed;
}
