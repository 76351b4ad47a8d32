#include "tips.h"

#include "common/text.h"

#include <algorithm>
#include <limits>

namespace vantrel {

namespace {

bool endsWithMarker(const std::string& text)
{
    return text.size() >= 2 && text.compare(text.size() - 2, 2, "$$") == 0;
}

} // namespace

Tip loadTip(const std::string& tipsPath, std::int16_t current)
{
    const auto lines = readLines(tipsPath);
    std::size_t next = 0;
    std::int64_t count = 0;
    if (lines && !lines->empty())
        count = std::clamp<std::int64_t>(numericValue((*lines)[next++]), 0, std::numeric_limits<std::int16_t>::max());

    Tip tip;
    std::int64_t wanted = current;
    if (wanted == 0)
        wanted = count; // stepping back from the first tip
    if (wanted > count || wanted < 0)
        wanted = 1; // stepping on from the last tip, or a stored number out of range
    tip.number = static_cast<std::int16_t>(wanted);

    // Tips before the wanted one are read only to be skipped; the file may end
    // early, in which case the remaining tips are empty.
    for (std::int64_t n = 1; n <= wanted; ++n) {
        tip.text.clear();
        while (!endsWithMarker(tip.text) && lines && next < lines->size())
            tip.text += (*lines)[next++];
    }
    if (endsWithMarker(tip.text))
        tip.text.resize(tip.text.size() - 2);
    return tip;
}

std::int16_t tipAfterClosing(std::int16_t current)
{
    // Past the largest number loadTip would wrap to the first tip anyway.
    return current < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(current + 1) : 1;
}

} // namespace vantrel
