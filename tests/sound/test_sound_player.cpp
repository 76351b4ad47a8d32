#include "sound/sound_player.h"
#include "sound_fixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace vantrel;
using namespace vantrel::test;

// Runs on SDL's dummy audio driver, which plays in real time. Playing once,
// looping, stopping and playing while the sample is deleted are driven
// through the window's controls.
TEST(SoundPlayer, ANewSoundReplacesTheLastAndOneItCannotDecodeStopsIt)
{
    SoundPlayer player;
    ASSERT_TRUE(player.openOutput());
    player.play(makeTone(2000), true);
    player.play(makeTone(100), false);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_FALSE(player.playing()) << "the looped sound went on";

    for (std::string bad : {makeTone(500).replace(20, 2, le(0x1234, 2)), std::string()}) {
        player.play(makeTone(2000), true);
        player.play(bad, false);
        EXPECT_FALSE(player.playing()) << bad.size();
    }
}
