#pragma once
// The outline beside a text view: the places worth going to in a file, each
// with its line. States (CNS, ST and state scripts) by their Statedef number
// and the comment that names them, a script's functions, actions (AIR) by
// number and naming comment, and commands (CMD) by name.

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class OutlineKind { States, Actions, Commands };

struct OutlineEntry {
    int line = 0;      // 0-based
    std::string label; // "200 Stand light punch", "Function Launch", "QCF_x"
};

// The entries in the order of their lines. A name comes from the comment on
// the lines just above the header (';' or '#', decorations such as "---"
// left out), else from the header's own text after its number.
std::vector<OutlineEntry> outlineOf(OutlineKind kind, const std::vector<std::string_view>& lines);

// A line of a character file without its CR (a split on LF leaves it) and
// the blanks and tabs around it.
std::string_view trimmedView(std::string_view line);

// The name a [Command] block's `name = "QCF_x"` line gives (quotes and a
// comment aside); empty for a line with another key.
std::string commandNameOf(std::string_view line);

// The entry whose place holds `line`: the last one at or above it; -1 when
// the line is above every entry.
int outlineEntryAt(const std::vector<OutlineEntry>& entries, int line);

} // namespace vantrel
