#include "sound/sound_player.h"
#include "sound_fixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace vantrel;
using namespace vantrel::test;
using namespace std::chrono_literals;

// These run on SDL's dummy audio driver, which plays in real time.

TEST(SoundPlayer, PlaysOnceLoopsAndStops)
{
    SoundPlayer player;
    ASSERT_TRUE(player.openOutput());
    EXPECT_FALSE(player.playing());
    player.stop(); // nothing plays: nothing happens

    player.play(makeTone(100), false);
    EXPECT_TRUE(player.playing());
    std::this_thread::sleep_for(700ms);
    EXPECT_FALSE(player.playing()) << "a sound played once must end by itself";

    player.play(makeTone(100), true);
    std::this_thread::sleep_for(700ms);
    EXPECT_TRUE(player.playing()) << "a looped sound repeats until stopped";
    player.stop();
    EXPECT_FALSE(player.playing());
}

TEST(SoundPlayer, OwnsWhatItPlays)
{
    SoundPlayer player;
    ASSERT_TRUE(player.openOutput());
    {
        std::string sample = makeTone(2000);
        player.play(sample, true);
        sample.assign(sample.size(), '\0'); // the editor changes or frees its sample
    }
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(player.playing());

    // A second sound replaces the first.
    player.play(makeTone(100), false);
    std::this_thread::sleep_for(700ms);
    EXPECT_FALSE(player.playing());

    // An image the mixer cannot decode makes no sound and stops the last one.
    player.play(makeTone(2000), true);
    std::string unknownFormat = makeTone(500);
    unknownFormat.replace(20, 2, le(0x1234, 2));
    player.play(unknownFormat, false);
    EXPECT_FALSE(player.playing());
    player.play({}, false);
    EXPECT_FALSE(player.playing());
}

TEST(SoundPlayer, WithoutOutputNothingPlays)
{
    SoundPlayer player;
    player.play(makeTone(100), true);
    EXPECT_FALSE(player.playing());
    EXPECT_FALSE(player.hasOutput());
}
