#pragma once
// A reading of one trigger expression, deep enough to find what the engine
// would refuse: brackets that do not pair up, strings left open, and names
// that are neither triggers nor words the language allows in their place.
// Values that are not names of triggers are left alone where the language
// puts them: the parameter of Const(...) and GetHitVar(...), the letters after
// StateType or MoveType, the attributes after HitDefAttr, component letters
// (Pos X), redirections (root, helper(2), enemynear(0), ...), and a state
// script's locals ($name).

#include "formats/character_definition.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct Trigger;

enum class TokenKind { Name, Number, String, Operator, Open, Close, Comma, Other };

struct Token {
    TokenKind kind;
    std::string_view text; // for a string, without its quotes
};

// Splits an expression into tokens. A string without its closing quote runs
// to the end and sets `unterminated`.
std::vector<Token> tokenizeExpression(std::string_view text, bool* unterminated = nullptr);

struct ExpressionReport {
    bool bracketsBalanced = true;
    bool stringClosed = true;
    std::vector<std::string> unknownNames;     // as written, each once
    std::vector<const Trigger*> newerTriggers; // known, but not to the engine the expression is read for; each once
    std::vector<std::string> commandNames;     // the strings compared with Command, each once
};

// Reads `text` as a character for `engine` would have it read.
ExpressionReport checkExpression(std::string_view text, CharacterEngine engine = CharacterEngine::Ikemen);

} // namespace vantrel
