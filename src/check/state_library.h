#pragma once
// What the program knows of the engine's state language: every state
// controller with its parameters, and every trigger. The state file editor's
// clips and help topics (data/stclips.txt, data/sctrls.html), the checker and
// completion all draw on this one table. Each name records the first engine
// that has it: a character made for an older engine may not use it.

#include "formats/character_definition.h"

#include <string_view>
#include <vector>

namespace vantrel {

struct ControllerParameter {
    std::string_view name;   // as written in a state file, lower case; "var(*)" stands for var(0), var(1), ...
    std::string_view values; // a short description of what it takes, for completion ("int", "S, C, A, L or U")
    CharacterEngine since = CharacterEngine::WinMugen;
};

struct StateController {
    std::string_view name; // as the engine's documentation writes it ("ChangeAnim2")
    // Each group must be present; a group is met by any one of its names
    // (VarSet needs one of "v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)").
    std::vector<std::vector<std::string_view>> required;
    std::vector<ControllerParameter> parameters; // every parameter it takes, required ones included
    int helpTopic = 0;                           // its topic in the help file
    CharacterEngine since = CharacterEngine::WinMugen;
};

struct Trigger {
    std::string_view name;    // as documented ("AnimElemTime")
    std::string_view form;    // how it is written ("AnimElemTime(elem)"; "Pos X | Pos Y" for alternatives)
    int helpTopic = 0;        // WinKO and the like share the topic of Win
    bool redirection = false; // Parent, Root, Helper(ID), ...: written before a trigger and a comma
    CharacterEngine since = CharacterEngine::WinMugen;
};

// Whether a character made for `engine` may use the entry (a controller,
// parameter or trigger): the engines are ordered, each reading what the
// ones before it read.
template <typename Entry> bool availableIn(const Entry& entry, CharacterEngine engine)
{
    return entry.since <= engine;
}

// Every state controller of the engines (WinMUGEN to IKEMEN GO), in alphabetical order.
const std::vector<StateController>& stateControllers();

// Every trigger of the engines, in alphabetical order.
const std::vector<Trigger>& triggers();

// Looks a controller or trigger up without regard to letter case, whichever
// engine has it (see availableIn); null when no engine knows the name.
// findTrigger also knows the projectile triggers with their ProjID glued on ("ProjHit1000").
const StateController* findStateController(std::string_view name);
const Trigger* findTrigger(std::string_view name);

// The controller's own parameter of that name, any letter case; "var(3)"
// finds "var(*)". Null when the controller does not take it in `engine`.
const ControllerParameter* findParameter(const StateController& controller, std::string_view name,
                                         CharacterEngine engine = CharacterEngine::Ikemen);

// Parameters every controller takes besides its own: trigger1.., triggerall,
// type, persistent, ignorehitpause (any letter case); in IKEMEN GO also
// redirectid, which runs the controller on the player of that ID.
bool isCommonControllerParameter(std::string_view name, CharacterEngine engine = CharacterEngine::Ikemen);

} // namespace vantrel
