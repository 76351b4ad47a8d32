#pragma once
// The engine's state script (.zss): states written as code rather than as
// sections. "[StateDef 200; type: S; anim: 200;]" opens a state (and
// "[Function Name(args) results]" a function); below it come statements:
// "if ... { } else if ... { } else { }", controllers written
// "ChangeState{value: 0; ctrl: 1}", "let name = expr;", loops, switch, call,
// and the prefixes ignoreHitPause and persistent(n). '#' starts a comment.
//
// Two readers share one tokenizer: tokenizeZssLine() for colouring a single
// line (nothing of the language spans lines but braces and long expressions,
// so a line is coloured without the lines above it), and readZss() for the
// whole file, which the checker turns into its controllers. Neither recurses:
// nesting of any depth costs memory in proportion to the file.

#include "common/message.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class ZssTokenKind : std::uint8_t {
    Header,     // a whole "[StateDef ...]" or "[Function ...]" line part
    Comment,    // from '#' to the end of the line
    Keyword,    // if, else, let, for, while, switch, case, default, break, continue, call, ignoreHitPause, persistent
    Controller, // a name followed by '{' on its line
    Parameter,  // a name followed by ':' (not ":=")
    Local,      // $name
    Name,       // any other name: triggers, redirections, constants
    Number,
    String,    // with its quotes
    Operator,  // including ":=" and ':'
    Open,      // ( [ {
    Close,     // ) ] }
    Separator, // ; ,
    Other,
};

struct ZssToken {
    ZssTokenKind kind = ZssTokenKind::Other;
    std::size_t start = 0;
    std::size_t length = 0;
    bool unterminated = false; // a string or header whose closing quote or ']' the line lacks
};

// The tokens of one line (without its line break), in order, blanks left
// out. Works on UTF-8 and UTF-16 text alike: the language is ASCII, and a
// run of other characters is one Other token.
std::vector<ZssToken> tokenizeZssLine(std::string_view line);
std::vector<ZssToken> tokenizeZssLine(std::u16string_view line);

// Whether a word is one of the statement keywords, any letter case.
bool isZssKeyword(std::string_view word);

struct ZssProblem {
    std::int32_t line = 0;   // 1-based
    std::int32_t column = 0; // 1-based, in bytes
    Message message;
};

struct ZssHeaderParameter {
    std::string key;        // lower case
    std::string_view value; // as written, blanks around it removed
};

struct ZssState {
    bool function = false;
    std::optional<std::int64_t> number; // a StateDef's; nothing for a function or an unreadable one
    std::string_view name;              // a function's
    std::int32_t line = 0;
    std::string_view header;                    // up to its first ';' or ']': "StateDef 200", "Function Double(n) ret"
    std::vector<ZssHeaderParameter> parameters; // a StateDef's "key: value" parts, on its line
};

// An expression the code tests or computes outside a controller's
// parameters: an if's condition, a let's value, a loop's bounds, a switch's
// value and its cases, a call's arguments, persistent's count.
struct ZssExpression {
    std::string_view text;
    std::int32_t line = 0;
    std::int32_t column = 0;
    std::string_view what; // "if", "let", "for", "while", "switch", "case", "call", "persistent"
    int parent = -1;       // for an if: the condition it sits in (an index into conditions); else -1
};

struct ZssParameter {
    std::string name;       // lower case ("value", "var(3)")
    std::string_view value; // as written, blanks around it removed
    std::int32_t line = 0;
    std::int32_t column = 0;
};

struct ZssController {
    std::string_view name; // as written
    std::int32_t line = 0;
    std::int32_t column = 0;
    int state = -1;     // index into states; -1 before any header
    int condition = -1; // the innermost if around it (an index into conditions); -1 when none
    bool ignoreHitPause = false;
    std::vector<ZssParameter> parameters;
};

struct ZssScript {
    std::unique_ptr<const std::string> bytes; // every view points in here
    std::vector<ZssState> states;
    std::vector<ZssController> controllers;
    std::vector<ZssExpression> conditions;  // the if conditions, each pointing to the one around it
    std::vector<ZssExpression> expressions; // the others
    std::vector<ZssProblem> problems;       // in the order found; at most kMaxZssProblems and a last one saying so
    std::int32_t lineCount = 0;
};

inline constexpr std::size_t kMaxZssProblems = 100;

// Reads a whole file. Lines end at CR LF, CR or LF; a UTF-8 byte-order mark
// is skipped. Reports braces, parentheses and brackets that do not pair up,
// strings never closed, headers that are not a readable StateDef or
// Function, and statements that are none of the language's.
ZssScript readZss(std::string bytes);

// Whether a file name ends in ".zss", any letter case.
bool isZssFileName(std::string_view path);

} // namespace vantrel
