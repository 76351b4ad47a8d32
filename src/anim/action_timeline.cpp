#include "action_timeline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vantrel {

namespace {

constexpr std::int64_t kForever = std::numeric_limits<std::int64_t>::max();

} // namespace

ActionTimeline::ActionTimeline(std::span<const int> frameTimes, int loopStart, bool looping) : looping_(looping)
{
    starts_.reserve(frameTimes.size());
    times_.reserve(frameTimes.size());
    std::int64_t tick = 0;
    for (const int time : frameTimes) {
        const int index = static_cast<int>(times_.size());
        starts_.push_back(holdFrame_ >= 0 ? kForever : tick);
        times_.push_back(time < 0 ? -1 : time);
        if (holdFrame_ >= 0)
            continue;
        if (time < 0)
            holdFrame_ = index;
        else
            tick += time;
    }
    passEnd_ = tick;
    const int count = frameCount();
    loopStart_ = loopStart >= 0 && loopStart < count ? loopStart : count;
    loopLength_ = loopStart_ < count ? passEnd_ - starts_[static_cast<std::size_t>(loopStart_)] : 0;
}

ActionTimeline::Moment ActionTimeline::at(std::int64_t tick) const
{
    if (starts_.empty())
        return {};
    std::int64_t t = std::max<std::int64_t>(tick, 0);
    if (holdFrame_ >= 0) {
        if (t >= starts_[static_cast<std::size_t>(holdFrame_)])
            return {holdFrame_, 0, true};
    } else if (t >= passEnd_) {
        if (!looping_ || loopLength_ == 0)
            return {frameCount() - 1, 0, true};
        t = starts_[static_cast<std::size_t>(loopStart_)] + (t - passEnd_) % loopLength_;
    }
    // The last frame starting at or before t: frames of time 0 share their
    // start with the frame after them, so they are passed over.
    const auto found = std::upper_bound(starts_.begin(), starts_.end(), t) - 1;
    const auto index = static_cast<std::size_t>(found - starts_.begin());
    return {static_cast<int>(index), static_cast<double>(t - *found) / times_[index], false};
}

int ActionTimeline::nextFrame(int frame) const
{
    if (frame < 0 || frame >= frameCount())
        return -1;
    const auto index = static_cast<std::size_t>(frame);
    if (times_[index] < 0 || starts_[index] == kForever)
        return -1;
    const std::int64_t end = starts_[index] + times_[index];
    if (holdFrame_ < 0 && end >= passEnd_ && (!looping_ || loopLength_ == 0))
        return -1;
    return at(end).frame;
}

std::int64_t ticksAt(double milliseconds, double speed)
{
    if (!(milliseconds > 0) || !(speed > 0))
        return 0;
    constexpr double kMostTicks = 4503599627370496.0; // 2^52: still a whole number as a double
    const double ticks = milliseconds * speed * 60 / 1000;
    return ticks < kMostTicks ? static_cast<std::int64_t>(ticks) : static_cast<std::int64_t>(kMostTicks);
}

} // namespace vantrel
