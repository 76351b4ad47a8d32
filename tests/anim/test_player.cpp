#include "anim/player.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

// A timer that records what the player asks of it; the test fires it.
struct FakeTimer : FrameTimer {
    std::vector<int> starts;
    bool running = false;
    void start(int ms) override
    {
        starts.push_back(ms);
        running = true;
    }
    void stop() override { running = false; }
};

AnimAction actionOf(std::vector<double> durations, int loopStart = 0)
{
    AnimAction a;
    for (double d : durations) {
        AnimFrame f;
        f.duration = d;
        a.frames.push_back(f);
    }
    a.loopStart = loopStart;
    return a;
}

struct PlayerTest : ::testing::Test {
    FakeTimer timer;
    AnimPlayer player{timer};
    std::vector<int> shown;
    std::vector<bool> states;
    std::vector<int> errors;

    void SetUp() override
    {
        player.showFrame = [this](int i) { shown.push_back(i); };
        player.playingChanged = [this](bool p) { states.push_back(p); };
        player.failed = [this](int e) { errors.push_back(e); };
    }
    // Fires the timer while it runs, at most `times` times.
    void fire(int times)
    {
        for (int i = 0; i < times && timer.running; ++i) {
            timer.running = false;
            player.Tick();
        }
    }
};

} // namespace

TEST_F(PlayerTest, SinglePassAndLoopedDelays)
{
    player.setAction(actionOf({5, 5, 10}));
    player.Play(false);
    fire(10);
    EXPECT_EQ(timer.starts, (std::vector<int>{45, 45, 90}));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(states, (std::vector<bool>{true, false}));

    timer.starts.clear();
    shown.clear();
    player.Play(true);
    fire(6);
    EXPECT_EQ(timer.starts, (std::vector<int>{50, 50, 100, 50, 50, 100, 50}));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
    EXPECT_TRUE(player.playing());
    player.Stop();
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(timer.running);
}

TEST_F(PlayerTest, HoldFrames)
{
    struct Case {
        const char* name;
        std::vector<double> durations;
        int loopStart;
        bool loop;
        int ticks;
        std::vector<int> shown;
        bool stillPlaying; // waiting for Stop
    };
    const Case cases[] = {
        {"-1 ends a single pass on that frame", {3, -1, 3}, 0, false, 5, {0, 1}, false},
        {"-1 starts the next pass at the loop start", {3, -1, 3}, 1, true, 2, {0, 1, 1}, true},
        {"-1 after a timed frame loops on", {3, 4, -1}, 1, true, 3, {0, 1, 2, 1, 2, 1}, true},
        {"duration 0 waits until Stop", {2, 0, 2}, 0, false, 5, {0, 1}, true},
        {"loop start past the last frame", {2, 2}, 2, true, 5, {0, 1}, true},
        {"loop start past the last frame, single pass", {2, 2}, 2, false, 5, {0, 1}, false},
        {"a -1 first frame at the loop start holds", {-1, 4}, 0, true, 5, {0}, true},
    };
    for (const auto& c : cases) {
        shown.clear();
        player.setAction(actionOf(c.durations, c.loopStart));
        player.Play(c.loop);
        fire(c.ticks);
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(player.playing(), c.stillPlaying) << c.name;
        player.Stop();
        EXPECT_FALSE(player.playing()) << c.name;
        EXPECT_EQ(player.currentFrame(), c.shown.back()) << c.name; // the last frame stays on display
    }
}

TEST_F(PlayerTest, DelaysTheTimerCannotTakeEndPlaybackWithAnError)
{
    EXPECT_EQ(AnimPlayer::frameDelay(7281, 9), 65529);
    EXPECT_EQ(AnimPlayer::frameDelay(6554, 10), -1);
    EXPECT_EQ(AnimPlayer::frameDelay(-2, 10), -1);
    EXPECT_EQ(AnimPlayer::frameDelay(0.5, 9), 4);  // 4.5 rounds to even
    EXPECT_EQ(AnimPlayer::frameDelay(1.5, 9), 14); // 13.5 rounds to even

    for (double bad : {-2.0, 8000.0}) {
        errors.clear();
        states.clear();
        player.setAction(actionOf({1, bad, 1}));
        player.Play(false);
        fire(3);
        EXPECT_EQ(errors, std::vector<int>{AnimPlayer::kBadDelayError}) << bad;
        EXPECT_EQ(states, (std::vector<bool>{true, false})) << bad;
        EXPECT_FALSE(timer.running);
    }
}

TEST_F(PlayerTest, AnActionWithoutFramesDoesNotPlay)
{
    player.setAction(AnimAction{});
    player.Play(true);
    EXPECT_FALSE(player.playing());
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(states.empty());
}

TEST_F(PlayerTest, ChoosingAnotherActionStopsPlayback)
{
    player.setAction(actionOf({4, 4}));
    player.Play(true);
    player.setAction(actionOf({1}));
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(timer.running);
    player.Tick(); // a late tick of the old action changes nothing
    EXPECT_EQ(shown, std::vector<int>{0});
}

TEST(Stage, FourPlacements)
{
    // A 60 x 80 sprite with axis (30, 80) and offsets (0, 0).
    AnimFrame f;
    f.drawX = 30;
    f.drawY = 80;
    const std::pair<int, std::pair<double, double>> cases[] = {
        {0, {114, 144}}, {1, {114, 224}}, {2, {114, 144}}, {3, {114, 224}}};
    for (const auto& [flip, where] : cases) {
        f.flip = flip;
        const auto p = placeSprite(f, 60, 80);
        EXPECT_EQ(p.left, where.first) << flip;
        EXPECT_EQ(p.top, where.second) << flip;
    }
    // Off-centre axis: the horizontal flip mirrors about the axis mark.
    f.drawX = 10;
    f.drawY = 20;
    f.flip = 2;
    EXPECT_EQ(placeSprite(f, 60, 80).left, 144 + 10 - 60);
    f.flip = 0;
    EXPECT_EQ(placeSprite(f, 60, 80).left, 134);
    EXPECT_EQ(placeSprite(f, 60, 80).top, 204);
    f.flip = 3;
    EXPECT_EQ(placeSprite(f, 60, 80).top, 224 + 20 - 80);
}

TEST(Stage, LabelTexts)
{
    AnimFrame f;
    f.group = 200;
    f.image = 3;
    f.duration = 4;
    const auto labels = frameLabels(3, f);
    EXPECT_EQ(labels.frame, "Frame no: 3");
    EXPECT_EQ(labels.group, "Group: 200");
    EXPECT_EQ(labels.image, "Image: 3");
    EXPECT_EQ(labels.duration, "Duration: 4");
    f.duration = -1;
    EXPECT_EQ(frameLabels(0, f).duration, "Duration:-1");
    f.duration = 2.5;
    EXPECT_EQ(frameLabels(0, f).duration, "Duration: 2.5");
    f.group = -5;
    EXPECT_EQ(frameLabels(0, f).group, "Group:-5");
}
