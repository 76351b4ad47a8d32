#pragma once
// The short help shown when the pointer rests on a controller or trigger:
// its topic's title and first paragraph from the help file.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// "<b>ChangeState</b><br>Changes the player's state number. ..." as rich
// text; empty when the file has no such topic.
std::string helpSummary(std::string_view html, std::int64_t topic);

} // namespace vantrel
