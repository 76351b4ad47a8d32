#pragma once
// Go to definition: what the word at the caret names (a state, an action or a
// command), told from the parameter it is the value of and the controller
// around it, and where that is defined in a file's lines.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class DefinitionKind { State, Action, Command };

struct DefinitionName {
    DefinitionKind kind = DefinitionKind::State;
    std::string key; // the state or action number, or the command's name as written
};

// What the word at `column` (in bytes) of line `line` names, reading upwards
// to the block's header for its "type ="; nothing for a word that names
// nothing of the character's (an expression, an F-prefixed number, ...).
std::optional<DefinitionName> definitionNameAt(const std::vector<std::string_view>& lines, std::size_t line,
                                               std::size_t column);

// The 0-based line that defines it in a file's lines: "[Statedef n", "[Begin
// Action n]", or the name line of a [Command]; nothing when the file has none.
std::optional<std::size_t> definitionLine(const std::vector<std::string_view>& lines, const DefinitionName& name);

} // namespace vantrel
