#pragma once
// Plays one WAV image from memory, once or looped, through SDL2_mixer. At most
// one sound plays: starting another or stopping replaces it. The player keeps
// its own copy of the image it plays, so the editor may change or delete the
// sample, or close, while the sound runs.

#include <string>
#include <string_view>

struct Mix_Chunk;

namespace vantrel {

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Opens the sound output; false when the system has none. Play and stop
    // do nothing without it.
    bool openOutput();
    bool hasOutput() const { return open_; }

    // Stops what plays and starts `wav`. An image the mixer cannot decode
    // makes no sound.
    void play(std::string_view wav, bool loop);
    void stop();
    bool playing() const;

private:
    void release();

    bool open_ = false;
    std::string image_;
    Mix_Chunk* chunk_ = nullptr;
};

} // namespace vantrel
