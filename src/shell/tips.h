#pragma once
// The tip of the day from tips.txt: the first line holds the number of tips,
// then each tip is one or more lines, the last of them ending with "$$".
// The lines of a tip are joined as they stand and the "$$" is dropped.

#include <cstdint>
#include <string>

namespace vantrel {

struct Tip {
    std::int16_t number = 1; // the tip shown, after wrapping
    std::string text;        // bytes as in the file
};

// Tip number `current`: 0 wraps to the last tip, a number beyond the count
// (or below 0) to the first. A missing file counts as no tips and shows an
// empty text; a file that ends inside a tip shows what was read of it.
Tip loadTip(const std::string& tipsPath, std::int16_t current);

// The tip the next start shows after the window closed on `current`.
std::int16_t tipAfterClosing(std::int16_t current);

} // namespace vantrel
