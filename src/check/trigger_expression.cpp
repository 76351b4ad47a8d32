#include "trigger_expression.h"

#include "check/state_library.h"
#include "common/text.h"
#include "formats/section_text.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <unordered_map>

namespace vantrel {

namespace {

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNamePart(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '.';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr std::array<std::string_view, 10> kTwoCharOperators = {"==", "!=", "<=", ">=", "&&",
                                                                "||", "^^", "**", ":=", "!~"};

// Triggers whose parentheses hold a parameter name rather than an expression
// (IKEMEN GO's Map(combo) and its ...Var(name) family among them).
constexpr std::array<std::string_view, 17> kNamedArgument = {
    "const",      "gethitvar",   "stagevar",   "map",        "animframe",      "bgmvar",
    "clsnvar",    "envshakevar", "explodvar",  "projvar",    "fightscreenvar", "gameoption",
    "movehitvar", "palfxvar",    "stageconst", "isasserted", "inputtime"};

// Triggers compared with words or strings, not with numbers.
constexpr std::array<std::string_view, 25> kComparedWithWords = {
    "statetype",  "p2statetype", "movetype",   "p2movetype", "hitdefattr",   "teammode",      "command",
    "authorname", "name",        "p1name",     "p2name",     "p3name",       "p4name",        "p5name",
    "p6name",     "p7name",      "p8name",     "physics",    "prevmovetype", "prevstatetype", "reversaldefattr",
    "gamemode",   "displayname", "helpername", "selfcommand"};

bool oneOf(std::string_view lower, std::span<const std::string_view> words)
{
    return std::find(words.begin(), words.end(), lower) != words.end();
}

// The component a trigger like Pos, Vel or P2Dist (or IKEMEN GO's Alpha) is followed by.
bool isComponent(std::string_view lower)
{
    return lower == "x" || lower == "y" || lower == "z" || lower == "source" || lower == "dest";
}

// The trigger of a lower-case name, or null. The table's names are hashed
// once: a state file names the same few triggers thousands of times.
const Trigger* triggerNamed(const std::string& lower)
{
    static const std::unordered_map<std::string, const Trigger*> names = [] {
        std::unordered_map<std::string, const Trigger*> map;
        for (const Trigger& t : triggers())
            map.emplace(toLowerAscii(t.name), &t);
        return map;
    }();
    const auto at = names.find(lower);
    if (at != names.end())
        return at->second;
    // Both engines read the undocumented StateTime as Time, and their sample
    // character writes it: the library does not offer it, but it is no fault.
    if (lower == "statetime")
        return names.at("time");
    return findTrigger(lower); // ProjHit1000 and the like
}

void addOnce(std::vector<std::string>& list, std::string_view name)
{
    if (std::find(list.begin(), list.end(), name) == list.end())
        list.emplace_back(name);
}

} // namespace

std::vector<Token> tokenizeExpression(std::string_view text, bool* unterminated)
{
    std::vector<Token> tokens;
    if (unterminated)
        *unterminated = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        if (c == '"') {
            const auto close = text.find('"', i + 1);
            if (close == std::string_view::npos) {
                if (unterminated)
                    *unterminated = true;
                tokens.push_back({TokenKind::String, text.substr(i + 1)});
                break;
            }
            tokens.push_back({TokenKind::String, text.substr(i + 1, close - i - 1)});
            i = close + 1;
        } else if (isDigit(c) || (c == '.' && i + 1 < text.size() && isDigit(text[i + 1]))) {
            while (i < text.size() && (isDigit(text[i]) || text[i] == '.'))
                ++i;
            tokens.push_back({TokenKind::Number, text.substr(start, i - start)});
        } else if (isNameStart(c) || (c == '$' && i + 1 < text.size() && isNameStart(text[i + 1]))) {
            // "$name": a state script's local, a name of its own.
            ++i;
            while (i < text.size() && isNamePart(text[i]))
                ++i;
            tokens.push_back({TokenKind::Name, text.substr(start, i - start)});
        } else if (c == '(' || c == '[') {
            tokens.push_back({TokenKind::Open, text.substr(i++, 1)});
        } else if (c == ')' || c == ']') {
            tokens.push_back({TokenKind::Close, text.substr(i++, 1)});
        } else if (c == ',') {
            tokens.push_back({TokenKind::Comma, text.substr(i++, 1)});
        } else if (std::string_view("=!<>&|^~+-*/%:").find(c) != std::string_view::npos) {
            const std::string_view two = text.substr(i, 2);
            const std::size_t length = oneOf(two, kTwoCharOperators) ? 2 : 1;
            tokens.push_back({TokenKind::Operator, text.substr(i, length)});
            i += length;
        } else {
            tokens.push_back({TokenKind::Other, text.substr(i++, 1)});
        }
    }
    return tokens;
}

ExpressionReport checkExpression(std::string_view text, CharacterEngine engine)
{
    ExpressionReport report;
    bool unterminated = false;
    const std::vector<Token> tokens = tokenizeExpression(text, &unterminated);
    report.stringClosed = !unterminated;

    // Brackets: an interval may open with one kind and close with the other
    // ("[0, 3)"), so only the count matters.
    int depth = 0;
    for (const Token& t : tokens) {
        if (t.kind == TokenKind::Open)
            ++depth;
        else if (t.kind == TokenKind::Close && --depth < 0)
            break;
    }
    report.bracketsBalanced = depth == 0;

    // Names. `wordsFromDepth` >= 0 while the tokens are the right-hand side of
    // a trigger compared with words: it ends at a logical operator or a
    // bracket that closes at its depth.
    depth = 0;
    int wordsFromDepth = -1;
    bool collectingCommands = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == TokenKind::Open) {
            ++depth;
            continue;
        }
        if (t.kind == TokenKind::Close) {
            --depth;
            if (wordsFromDepth > depth)
                wordsFromDepth = -1;
            continue;
        }
        if (t.kind == TokenKind::Operator && depth == wordsFromDepth
            && (t.text == "&&" || t.text == "||" || t.text == "^^")) {
            wordsFromDepth = -1;
            continue;
        }
        if (t.kind == TokenKind::String) {
            if (wordsFromDepth >= 0 && collectingCommands)
                addOnce(report.commandNames, t.text);
            continue;
        }
        if (t.kind != TokenKind::Name || wordsFromDepth >= 0 || t.text.front() == '$')
            continue;

        const std::string lower = toLowerAscii(t.text);
        const bool opensNext = i + 1 < tokens.size() && tokens[i + 1].kind == TokenKind::Open;
        const Trigger* trigger = triggerNamed(lower);
        if (!trigger && isComponent(lower))
            continue;
        if (!trigger) {
            addOnce(report.unknownNames, t.text);
            continue;
        }
        if (!availableIn(*trigger, engine)
            && std::find(report.newerTriggers.begin(), report.newerTriggers.end(), trigger)
                == report.newerTriggers.end())
            report.newerTriggers.push_back(trigger);
        if (opensNext && oneOf(lower, kNamedArgument)) {
            // Skip to the bracket that closes the argument.
            int inner = 0;
            for (++i; i < tokens.size(); ++i) {
                if (tokens[i].kind == TokenKind::Open)
                    ++inner;
                else if (tokens[i].kind == TokenKind::Close && --inner == 0)
                    break;
            }
            continue;
        }
        if (oneOf(lower, kComparedWithWords)) {
            wordsFromDepth = depth;
            collectingCommands = lower == "command" || lower == "selfcommand";
        }
    }
    return report;
}

} // namespace vantrel
