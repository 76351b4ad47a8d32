#include "anim/player.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

// Plays an action on a timer the test fires: what was shown, what the timer
// was asked for, the playing states and errors reported.
struct PlayerTest : ::testing::Test, FrameTimer {
    std::vector<int> starts, shown, errors;
    std::vector<bool> states;
    bool running = false;
    AnimPlayer player{*this};

    void start(int ms) override { starts.push_back(ms), running = true; }
    void stop() override { running = false; }
    void SetUp() override
    {
        player.showFrame = [this](int i) { shown.push_back(i); };
        player.playingChanged = [this](bool p) { states.push_back(p); };
        player.failed = [this](int e) { errors.push_back(e); };
    }
    void play(const std::vector<double>& durations, int loopStart, bool loop, int ticks)
    {
        shown.clear(), states.clear(), errors.clear(), starts.clear();
        AnimAction a;
        a.loopStart = loopStart;
        for (double d : durations)
            a.frames.push_back(AnimFrame{.duration = d});
        player.setAction(a);
        player.play(loop);
        for (int i = 0; i < ticks && running; ++i) {
            running = false;
            player.tick();
        }
    }
};

} // namespace

TEST_F(PlayerTest, SinglePassAndLoopedDelays)
{
    play({5, 5, 10}, 0, false, 10);
    EXPECT_EQ(starts, (std::vector<int>{45, 45, 90}));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    play({5, 5, 10}, 1, true, 5);
    EXPECT_EQ(starts, (std::vector<int>{50, 50, 100, 50, 100, 50}));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 1, 2, 1}));
    player.stop();
    EXPECT_FALSE(player.playing() || running);
    player.tick(); // a late tick after Stop changes nothing
    EXPECT_EQ(shown.size(), 6u);
}

TEST_F(PlayerTest, HoldFrames)
{
    const struct {
        std::vector<double> durations;
        int loopStart;
        bool loop;
        std::vector<int> shown;
        bool waitsForStop;
    } cases[] = {
        {{3, -1, 3}, 0, false, {0, 1}, false},  // -1 ends a single pass on that frame
        {{3, -1, 3}, 1, true, {0, 1, 1}, true}, // and starts the next pass at the loop start
        {{3, 4, -1}, 1, true, {0, 1, 2, 1, 2, 1}, true},
        {{2, 0, 2}, 0, false, {0, 1}, true}, // duration 0 never elapses
        {{2, 2}, 2, true, {0, 1}, true},     // loop start past the last frame
        {{-1, 4}, 0, true, {0}, true},
    };
    for (const auto& c : cases) {
        play(c.durations, c.loopStart, c.loop, 3);
        EXPECT_EQ(shown, c.shown) << &c - cases;
        EXPECT_EQ(player.playing(), c.waitsForStop) << &c - cases;
        player.stop();
        EXPECT_EQ(player.currentFrame(), c.shown.back()) << &c - cases; // the frame stays on display
    }
}

TEST_F(PlayerTest, DelaysTheTimerCannotTakeEndPlaybackWithAnError)
{
    // 4.5 and 13.5 round to even.
    const std::tuple<double, int, int> delays[] = {{7281, 9, 65529}, {6554, 10, -1}, {0.5, 9, 4}, {1.5, 9, 14}};
    for (const auto& [duration, tick, ms] : delays)
        EXPECT_EQ(AnimPlayer::frameDelay(duration, tick), ms) << duration;
    for (double bad : {-2.0, 8000.0}) {
        play({1, bad, 1}, 0, false, 3);
        EXPECT_EQ(errors, std::vector<int>{AnimPlayer::kBadDelayError}) << bad;
        EXPECT_EQ(states, (std::vector<bool>{true, false})) << bad;
        EXPECT_FALSE(running);
    }
    play({}, 0, true, 1); // no frames: nothing plays
    EXPECT_TRUE(states.empty() && shown.empty());
}

TEST(Stage, PlacementsAndLabels)
{
    // A 60 x 80 sprite with axis (30, 80) and offsets (0, 0); then an off-centre axis (10, 20).
    const std::tuple<double, double, int, double, double> cases[] = {
        {30, 80, 0, 114, 144}, {30, 80, 1, 114, 224}, {30, 80, 2, 114, 144}, {30, 80, 3, 114, 224},
        {10, 20, 0, 134, 204}, {10, 20, 2, 94, 204},  {10, 20, 3, 94, 164},
    };
    for (const auto& [dx, dy, flip, left, top] : cases) {
        const auto p = placeSprite(AnimFrame{.drawX = dx, .drawY = dy, .flip = flip}, 60, 80);
        EXPECT_EQ(std::pair(p.left, p.top), std::pair(left, top)) << dx << " " << flip;
    }
    const auto labels = frameLabels(3, AnimFrame{.duration = 4, .group = 200, .image = 3});
    EXPECT_EQ(std::vector<std::string>(
                  {labels.frame.english(), labels.group.english(), labels.image.english(), labels.duration.english()}),
              std::vector<std::string>({"Frame no: 3", "Group: 200", "Image: 3", "Duration: 4"}));
    const auto odd = frameLabels(0, AnimFrame{.duration = -1, .group = -5});
    EXPECT_EQ(std::pair(odd.duration.english(), odd.group.english()),
              std::pair(std::string("Duration:-1"), std::string("Group:-5")));
    EXPECT_EQ(frameLabels(0, AnimFrame{.duration = 2.5}).duration.english(), "Duration: 2.5");
}
