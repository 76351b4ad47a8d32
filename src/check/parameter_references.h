#pragma once
// Which parameters of the state language name something of the character's
// own files by a number: a state, an action or a sound. Go to definition,
// the reference search and the checker's "no such state" all ask here.

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

enum class ReferenceKind { State, Action, Sound };

struct ParameterReference {
    ReferenceKind kind = ReferenceKind::State;
    // A plain number names the engine's common file (its spark actions and
    // sounds): only "S" before it names the character's own.
    bool commonByDefault = false;
};

// What the value of `parameter` (any letter case) in a block of `controller`
// ("ChangeState"; "statedef" for a [Statedef]'s own lines) names; nothing
// for a parameter that names none of the character's.
std::optional<ParameterReference> parameterReference(std::string_view controller, std::string_view parameter);

// The character's own number a value names when it is one plain number (or
// "S" and one, or a pair "group, number" for a sound), written as the
// definitions write it: "200", "5,0". Nothing for an "F" (the engine's),
// a plain number where the engine's are the default, and an expression.
std::optional<std::string> ownReferenceKey(std::string_view value, const ParameterReference& reference);

} // namespace vantrel
