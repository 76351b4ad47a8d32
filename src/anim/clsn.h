#pragma once
// The action numbers the collision box window works with: one 16-bit number
// per action of the AIR model, or a refusal of the whole file.

#include "formats/air_document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The window keeps the action numbers in a table of this many slots.

struct ActionNumbers {
    bool ok = false;                   // false: "Problem with associated AIR file."
    std::vector<std::int16_t> numbers; // one per action, in file order
    std::string why;                   // when not ok: which line, and what is wrong there
};

// The action number of every action as a 16-bit integer. A header in the
// usual form is read by its number text (from its 15th character up to the
// last "]"), any other by the number the model found. Fails when the file
// cannot be read, a number is not a whole number from -32768 to 32767
// (blanks around it allowed).
ActionNumbers actionNumbersOf(const AirDocument& air);
ActionNumbers readActionNumbers(const std::string& airPath);
ActionNumbers actionNumbersIn(const std::vector<std::string>& lines);

// The whole number a text holds, blanks around it allowed; nothing when the
// text holds anything else or the number does not fit 16 bits.
std::optional<std::int16_t> shortInteger(std::string_view text);

} // namespace vantrel
