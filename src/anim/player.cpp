#include "player.h"

#include "common/text.h"

#include <charconv>
#include <cmath>

namespace vantrel {

void AnimPlayer::setAction(AnimAction action)
{
    stop();
    action_ = std::move(action);
    current_ = -1;
}

int AnimPlayer::frameDelay(double duration, int tickLength)
{
    if (!std::isfinite(duration) || duration < 0)
        return -1;
    // Halves round to even, the default rounding mode.
    const double delay = std::nearbyint(duration * tickLength);
    return delay <= kMaxDelay ? static_cast<int>(delay) : -1;
}

void AnimPlayer::play(bool loop)
{
    stop();
    if (action_.frames.empty())
        return;
    loop_ = loop;
    playing_ = true;
    if (playingChanged)
        playingChanged(true);
    passStart_ = 0;
    waitedThisPass_ = false;
    runFrom(0);
}

void AnimPlayer::stop()
{
    timer_.stop();
    if (playing_)
        finish();
}

void AnimPlayer::tick()
{
    if (playing_)
        runFrom(current_ + 1);
}

void AnimPlayer::finish()
{
    timer_.stop();
    playing_ = false;
    if (playingChanged)
        playingChanged(false);
}

void AnimPlayer::runFrom(int index)
{
    const int last = action_.lastFrameIndex();
    for (;;) {
        if (index > last) {
            if (!loop_) {
                finish();
                return;
            }
            // A loop start past the last frame makes every later pass empty:
            // the last frame stays on display until Stop.
            if (action_.loopStart > last)
                return;
            index = passStart_ = action_.loopStart;
            waitedThisPass_ = false;
        }

        current_ = index;
        if (showFrame)
            showFrame(index);
        if (!playing_)
            return; // stopped by whoever watched the frame change

        const double duration = action_.frames[static_cast<std::size_t>(index)].duration;
        if (duration == -1) {
            timer_.stop();
            if (!loop_) {
                finish();
                return;
            }
            // With nothing timed between the loop start and this frame, every
            // further pass would be the same instant: hold here until Stop
            // instead of spinning.
            if (!waitedThisPass_ && passStart_ == action_.loopStart)
                return;
            index = last + 1;
            continue;
        }

        const int delay = frameDelay(duration, loop_ ? kLoopTick : kSingleTick);
        if (delay < 0) {
            finish();
            if (failed)
                failed(kBadDelayError);
            return;
        }
        // A delay of 0 never elapses: the frame stays until Stop.
        if (delay > 0) {
            waitedThisPass_ = true;
            timer_.start(delay);
        }
        return;
    }
}

StagePosition placeSprite(const AnimFrame& frame, int width, int height)
{
    const bool vertical = frame.flip == 1 || frame.flip == 3;
    const bool horizontal = frame.flip == 2 || frame.flip == 3;
    StagePosition p;
    p.left = horizontal ? kOriginX + frame.drawX - width : kOriginX - frame.drawX;
    p.top = vertical ? kOriginY + frame.drawY - height : kOriginY - frame.drawY;
    return p;
}

std::string formatLabelNumber(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9e15)
        return formatNumber(static_cast<std::int64_t>(value));
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string text(buffer, end);
    return value < 0 ? text : " " + text;
}

FrameLabels frameLabels(int index, const AnimFrame& frame)
{
    return {
        {QT_TRANSLATE_NOOP("Messages", "Frame no:%1"), {formatNumber(index)}},
        {QT_TRANSLATE_NOOP("Messages", "Group:%1"), {formatLabelNumber(frame.group)}},
        {QT_TRANSLATE_NOOP("Messages", "Image:%1"), {formatLabelNumber(frame.image)}},
        {QT_TRANSLATE_NOOP("Messages", "Duration:%1"), {formatLabelNumber(frame.duration)}},
    };
}

} // namespace vantrel
