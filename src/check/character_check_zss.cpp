// The checker's look at state scripts (.zss): what reading them found, and
// the names in what they compute. Their controllers are checked as those of
// the section files are, through zssSections().

#include "check/character_checker.h"
#include "check/state_library.h"
#include "check/trigger_expression.h"
#include "common/text.h"

#include <algorithm>
#include <array>

namespace vantrel::checker {

namespace {

constexpr std::string_view kStateHeader = "State";
constexpr std::string_view kAlwaysTrue = "1";

// Longer expressions are no one's writing; their names are not looked up
// one by one.
constexpr std::size_t kLongestCheckedExpression = 64 * 1024;

} // namespace

SectionedText zssSections(const ZssScript& script)
{
    SectionedText text;
    text.lineCount = script.lineCount;
    std::size_t nextState = 0;
    auto addStatesUpTo = [&](std::size_t last) {
        for (; nextState <= last && nextState < script.states.size(); ++nextState) {
            const ZssState& state = script.states[nextState];
            if (!state.function && !state.number)
                continue;
            TextSection section{state.line, state.header, {}};
            for (const ZssHeaderParameter& p : state.parameters)
                section.entries.push_back({state.line, p.key, p.value});
            text.sections.push_back(std::move(section));
        }
    };
    for (const ZssController& c : script.controllers) {
        if (c.state < 0)
            continue;
        const ZssState& state = script.states[static_cast<std::size_t>(c.state)];
        if (!state.function && !state.number)
            continue;
        addStatesUpTo(static_cast<std::size_t>(c.state));
        TextSection section{c.line, kStateHeader, {}};
        section.entries.push_back({c.line, "type", c.name});
        section.entries.push_back({c.line, "trigger1", kAlwaysTrue});
        for (const ZssParameter& p : c.parameters)
            section.entries.push_back({p.line, p.name, p.value});
        text.sections.push_back(std::move(section));
    }
    addStatesUpTo(script.states.size());
    return text;
}

void CharacterChecker::checkScript(const StateFile& file)
{
    const ZssScript& script = *file.script;
    for (const ZssProblem& p : script.problems)
        add(file.name, p.line, Severity::Error, p.message);
    // Controllers' parameters are read as sections, variables included.
    for (const ZssExpression& e : script.conditions) {
        checkScriptExpression(file, e.line, e.text, QT_TRANSLATE_NOOP("Messages", "the condition of if"));
        checkVariables(file, e.line, e.text);
    }
    for (const ZssExpression& e : script.expressions) {
        checkScriptExpression(file, e.line, e.text, std::string(e.what));
        checkVariables(file, e.line, e.text);
    }
    for (const ZssController& c : script.controllers) {
        const StateController* controller = findStateController(c.name);
        if (!controller)
            continue;
        for (const ZssParameter& p : c.parameters) {
            if (takesNumbers(*controller, p.name))
                checkScriptExpression(
                    file, p.line, p.value,
                    {QT_TRANSLATE_NOOP("Messages", "%1 of %2"), {p.name, std::string(controller->name)}});
        }
    }
}

// Brackets and strings are the reading's to report; here the names.
void CharacterChecker::checkScriptExpression(const StateFile& file, std::int32_t line, std::string_view text,
                                             const Message& which)
{
    if (text.size() > kLongestCheckedExpression) {
        add(file.name, line, Severity::Warning,
            {QT_TRANSLATE_NOOP("Messages", "the expression in %1 is too long to check its names"), {which}});
        return;
    }
    const ExpressionReport r = checkExpression(text);
    for (const std::string& name : r.unknownNames)
        add(file.name, line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "unknown trigger %1 in %2"), {inQuotes(name), which}});
    if (!m_commandText)
        return;
    for (const std::string& name : r.commandNames) {
        if (!m_commands.count(name))
            add(file.name, line, Severity::Error,
                {QT_TRANSLATE_NOOP("Messages", "command %1 is not defined in %2"),
                 {inQuotes(name), m_commandText->name}});
    }
}

} // namespace vantrel::checker
