#pragma once
// What the state, constants and command editors offer to complete at the
// caret: a controller after "type =" in a [State] block, a parameter of the
// block's controller at the start of a line, a trigger in the value of
// "triggerN =" or "triggerall =" and in the values that are expressions, a
// command's name in the quotes after "command =", and the keys of a command
// file's [Command], [Remap] and [Defaults] blocks. Standard C++ only; the
// editors show it.

#include "formats/character_definition.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class CompletionKind { None, Controller, Parameter, Trigger, CommandKey, CommandName };

struct CompletionContext {
    CompletionKind kind = CompletionKind::None;
    std::string prefix;               // the part of the word before the caret, as typed
    std::string controller;           // Parameter: the block's "type =" value, as written (may be empty)
    std::vector<std::string> written; // Parameter, CommandKey: the keys the block's other lines have, lower case
    std::string section;              // CommandKey: "command", "remap" or "defaults"
    // CommandName: the names the file's [Command] blocks give; the caller fills them in.
    std::vector<std::string> commands;
    // A letter typed here opens the list by itself: a controller's name, and a
    // trigger where an operand starts (not after a number, a name or ')').
    bool opensOnTyping = false;
    // The engine of the character being edited: only what it reads is offered.
    // With no character open, everything (IKEMEN GO reads every engine's names).
    CharacterEngine engine = CharacterEngine::Ikemen;
    bool script = false; // in a state script: a parameter is written "name: value", alone
};

// `lines` are the file's lines, or any run of them that holds the caret's
// block with its header; the caret is at byte `column` of `lines[line]`.
// None inside a comment, a string (but a command's name) or a header, in a
// [Statedef] block's own lines and outside [State] and command file blocks.
CompletionContext completionContext(const std::vector<std::string_view>& lines, std::size_t line, std::size_t column);

struct CompletionItem {
    std::string text;   // shown in the list
    std::string insert; // replaces the prefix
    std::string detail; // how it is written, or what the parameter takes
    int helpTopic = 0;  // its topic in the help file
};

// The same in a state script (.zss): a controller at the start of a
// statement (a line's first word, or after '{', '}' or ';', and after
// ignoreHitPause or persistent(n)), a parameter at the start of a
// "name: value" inside a controller's braces, a trigger in the condition or
// value of if, while, switch, case, let, for and call. `lines` run from the
// state's header, or from far enough above the caret to hold its statement.
CompletionContext scriptCompletionContext(const std::vector<std::string_view>& lines, std::size_t line,
                                          std::size_t column);

// What the context offers for its engine, in the library's order, keeping those whose text
// starts with the prefix (any letter case). Every item inserts its name
// alone: the '=' (a script's ':') is the user's to type. Parameters the
// block has are left out (in a script only the controller's own are
// offered), and the trigger number offered is the one after the block's
// highest.
std::vector<CompletionItem> completionItems(const CompletionContext& context);

} // namespace vantrel
