#include "sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace vantrel {

namespace {

// Every sound goes to this one channel, so a new sound cuts off the last.
constexpr int kChannel = 0;

} // namespace

SoundPlayer::~SoundPlayer()
{
    if (!open_)
        return;
    release();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::openOutput()
{
    if (open_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    open_ = true;
    return true;
}

void SoundPlayer::release()
{
    // Halting first: the mixer must be done with a chunk before it is freed.
    Mix_HaltChannel(kChannel);
    if (chunk_)
        Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    image_.clear();
}

void SoundPlayer::play(std::string_view wav, bool loop)
{
    if (!open_)
        return;
    release();
    if (wav.empty())
        return;
    image_.assign(wav);
    SDL_RWops* source = SDL_RWFromConstMem(image_.data(), static_cast<int>(image_.size()));
    if (!source)
        return;
    chunk_ = Mix_LoadWAV_RW(source, 1);
    if (!chunk_) {
        image_.clear();
        return;
    }
    Mix_PlayChannel(kChannel, chunk_, loop ? -1 : 0);
}

void SoundPlayer::stop()
{
    if (open_)
        Mix_HaltChannel(kChannel);
}

bool SoundPlayer::playing() const
{
    return open_ && Mix_Playing(kChannel) != 0;
}

} // namespace vantrel
