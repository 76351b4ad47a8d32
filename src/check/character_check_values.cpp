// The checker's look at the letters and numbers the engine refuses when it
// loads a character: attributes, hit and guard flags, state types, position
// types, and variable numbers out of range. Only values written out are
// looked at; expressions are the engine's to work out as it runs.

#include "check/character_checker.h"
#include "check/trigger_expression.h"
#include "common/text.h"

#include <algorithm>
#include <array>

namespace vantrel::checker {

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first character of `value` (blanks aside) that is not among
// `allowed` (upper case), or 0.
char letterNotIn(std::string_view value, std::string_view allowed)
{
    for (const char c : value) {
        if (c != ' ' && c != '\t' && allowed.find(upper(c)) == std::string_view::npos)
            return c;
    }
    return 0;
}

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\t')
            out += upper(c);
    }
    return out;
}

// "SCA, NA, SP": state letters, then attack attributes of a class letter
// (N, S, H, A) and a kind letter (A, T, P). What is wrong with it, or nothing.
std::optional<Message> attributeFault(std::string_view value)
{
    std::size_t from = 0;
    bool first = true;
    while (from <= value.size()) {
        const std::size_t comma = std::min(value.find(',', from), value.size());
        const std::string item = withoutBlanks(value.substr(from, comma - from));
        from = comma + 1;
        if (first) {
            first = false;
            // May be empty (", NA, NP"): no state at all.
            if (letterNotIn(item, "SCA"))
                return Message(QT_TRANSLATE_NOOP("Messages", "%1 is not state letters (S, C, A)"), {inQuotes(item)});
            continue;
        }
        const bool attack = item.size() == 2 && std::string_view("NSHA").find(item[0]) != std::string_view::npos
            && std::string_view("ATP").find(item[1]) != std::string_view::npos;
        if (!item.empty() && !attack)
            return Message(
                QT_TRANSLATE_NOOP("Messages", "%1 is not an attack attribute (N, S, H or A, then A, T or P)"),
                {inQuotes(item)});
    }
    return std::nullopt;
}

struct VariableRange {
    std::string_view name;
    std::int64_t count;
};

constexpr std::array<VariableRange, 4> kVariables = {{{"var", 60}, {"fvar", 40}, {"sysvar", 5}, {"sysfvar", 5}}};

bool mayNameVariable(std::string_view text)
{
    for (std::size_t at = text.find('('); at != std::string_view::npos; at = text.find('(', at + 1)) {
        if (at >= 3 && (text[at - 1] == 'r' || text[at - 1] == 'R'))
            return true;
    }
    return false;
}

} // namespace

std::vector<Message> variablesOutOfRange(std::string_view text)
{
    std::vector<Message> out;
    std::vector<std::string> written; // each variable once
    if (!mayNameVariable(text))
        return out;
    const std::vector<Token> tokens = tokenizeExpression(text);
    for (std::size_t i = 0; i + 3 < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::Name || tokens[i + 1].text != "(")
            continue;
        const std::string lower = toLowerAscii(tokens[i].text);
        const auto range =
            std::find_if(kVariables.begin(), kVariables.end(), [&](const VariableRange& v) { return v.name == lower; });
        if (range == kVariables.end())
            continue;
        const bool negative = tokens[i + 2].text == "-" && i + 4 < tokens.size();
        const Token& number = tokens[i + (negative ? 3 : 2)];
        const Token& close = tokens[i + (negative ? 4 : 3)];
        const auto n = number.kind == TokenKind::Number ? plainNumber(number.text) : std::nullopt;
        if (!n || close.text != ")" || (!negative && *n < range->count))
            continue;
        std::string variable =
            std::string(tokens[i].text) + "(" + (negative ? "-" : "") + std::string(number.text) + ")";
        if (std::find(written.begin(), written.end(), variable) != written.end())
            continue;
        written.push_back(variable);
        out.push_back({QT_TRANSLATE_NOOP("Messages", "%1 is out of range: %2 goes from 0 to %3"),
                       {std::move(variable), lower, std::to_string(range->count - 1)}});
    }
    return out;
}

void CharacterChecker::checkVariables(const StateFile& file, std::int32_t line, std::string_view text)
{
    for (Message& message : variablesOutOfRange(text))
        add(file.name, line, Severity::Error, std::move(message));
}

void CharacterChecker::checkLetter(const StateFile& file, const SectionEntry& entry, std::string_view allowed)
{
    const std::string_view value = trimBlanksAndTabs(entry.value);
    // The engine reads the first letter ("S" or "Stand").
    if (value.empty() || allowed.find(upper(value.front())) != std::string_view::npos)
        return;
    std::string letters;
    for (const char c : allowed)
        letters += std::string(letters.empty() ? "" : ", ") + c;
    add(file.name, entry.line, Severity::Error,
        {QT_TRANSLATE_NOOP("Messages", "%1 %2 is not one of %3"), {entry.key, inQuotes(value), letters}});
}

void CharacterChecker::checkStatedefValues(const StateFile& file, const TextSection& section)
{
    for (const SectionEntry& e : section.entries) {
        if (e.key == "type")
            checkLetter(file, e, "SCALU");
        else if (e.key == "movetype")
            checkLetter(file, e, "AIHU");
        else if (e.key == "physics")
            checkLetter(file, e, "SCANU");
    }
}

void CharacterChecker::checkControllerValues(const StateFile& file, const TextSection& section, const std::string& name,
                                             const std::string& who)
{
    const bool attributes = name == "hitdef" || name == "reversaldef" || name == "projectile" || name == "hitby"
        || name == "nothitby" || name == "hitoverride";
    const bool hits = name == "hitdef" || name == "reversaldef" || name == "projectile";
    for (const SectionEntry& e : section.entries) {
        if (e.key == "triggerall" || startsWith(e.key, "trigger"))
            continue; // read with the triggers
        checkVariables(file, e.line, e.key);
        checkVariables(file, e.line, e.value);
        const std::string_view value = trimBlanksAndTabs(e.value);
        const bool attributeKey = e.key == "attr" || e.key == "reversal.attr"
            || ((name == "hitby" || name == "nothitby") && (e.key == "value" || e.key == "value2"));
        if (attributes && attributeKey && !value.empty()) {
            if (const auto fault = attributeFault(value))
                add(file.name, e.line, Severity::Error,
                    {QT_TRANSLATE_NOOP("Messages", "%1 %2 %3: %4"), {who, e.key, inQuotes(value), *fault}});
        } else if (hits && (e.key == "hitflag" || e.key == "guardflag")) {
            const std::string_view allowed = e.key == "hitflag" ? "HLAMFDP+-" : "HLAM";
            if (const char c = letterNotIn(value, allowed))
                add(file.name, e.line, Severity::Error,
                    {QT_TRANSLATE_NOOP("Messages", "%1 %2 holds %3, which the engine does not take"),
                     {e.key, inQuotes(value), inQuotes(std::string_view(&c, 1))}});
        } else if (name == "statetypeset" && e.key == "statetype") {
            checkLetter(file, e, "SCAL");
        } else if (name == "statetypeset" && e.key == "movetype") {
            checkLetter(file, e, "AIH");
        } else if (name == "statetypeset" && e.key == "physics") {
            checkLetter(file, e, "SCAN");
        } else if (e.key == "postype" && !value.empty()) {
            static constexpr std::array<std::string_view, 7> kPositions = {"p1",   "p2",    "front", "back",
                                                                           "left", "right", "none"};
            const std::string lower = toLowerAscii(value);
            if (std::find(kPositions.begin(), kPositions.end(), lower) == kPositions.end())
                add(file.name, e.line, Severity::Error,
                    {QT_TRANSLATE_NOOP("Messages", "postype %1 is not one of p1, p2, front, back, left, right"),
                     {inQuotes(value)}});
        }
    }
}

} // namespace vantrel::checker
