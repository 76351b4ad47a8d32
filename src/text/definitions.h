#pragma once
// Go to definition: what the word at the caret names (a state, an action, a
// command, a sound or a sprite), told from the parameter it is the value of
// and the controller around it, and where that is defined in a file's lines.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class DefinitionKind { State, Action, Command, Sound, Sprite };

struct DefinitionName {
    DefinitionKind kind = DefinitionKind::State;
    std::string key; // the state or action number, the command's name as written, "group,number"
};

bool operator==(const DefinitionName& a, const DefinitionName& b);

// The controller of the block around `line`: the value of the nearest
// "type =" above it, lower case, up to the block's header; "statedef" in a
// Statedef's own lines, "action" in an AIR action's.
std::string blockTypeAt(const std::vector<std::string_view>& lines, std::size_t line);

// What the word at `column` (in bytes) of line `line` names, reading upwards
// to the block's header for its "type ="; nothing for a word that names
// nothing of the character's (an expression, an F-prefixed number, ...).
// The group and number of an AIR frame line name its sprite.
std::optional<DefinitionName> definitionNameAt(const std::vector<std::string_view>& lines, std::size_t line,
                                               std::size_t column);

// The 0-based line that defines it in a file's lines: "[Statedef n", "[Begin
// Action n]", or the name line of a [Command]; nothing when the file has none
// (and always for sounds and sprites, which no text defines).
std::optional<std::size_t> definitionLine(const std::vector<std::string_view>& lines, const DefinitionName& name);

} // namespace vantrel
