#include "state_completion.h"

#include "check/state_library.h"
#include "common/text.h"
#include "formats/zss.h"

#include <algorithm>
#include <optional>

namespace vantrel {

namespace {

// The help file's topic on state controllers in general: the home of the
// parameters every controller takes when the controller is not known.
constexpr int kControllersTopic = 199;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_';
}

// Parameter names also hold dots and brackets ("ground.velocity", "var(3)").
bool isParameterChar(char c)
{
    return isWordChar(c) || c == '.' || c == '(' || c == ')';
}

std::string_view trimmedLeft(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view strippedOfBlanks(std::string_view text)
{
    text = trimmedLeft(text);
    const auto last = text.find_last_not_of(" \t\r\n");
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

bool isHeader(std::string_view line)
{
    return trimmedLeft(line).starts_with('[');
}

// The key of a "key = value" line in lower case; nothing for other lines.
std::optional<std::string> keyOf(std::string_view line)
{
    line = beforeComment(line);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return toLowerAscii(strippedOfBlanks(line.substr(0, equals)));
}

// trigger1, trigger12, triggerall: the keys whose value is a trigger expression.
bool isTriggerKey(std::string_view key)
{
    constexpr std::string_view kTrigger = "trigger";
    if (!key.starts_with(kTrigger))
        return false;
    const std::string_view rest = key.substr(kTrigger.size());
    return rest == "all" || (!rest.empty() && std::all_of(rest.begin(), rest.end(), isDigit));
}

enum class Block { Other, Statedef, State, Command, Remap, Defaults };

struct BlockSpan {
    Block kind = Block::Other;
    std::size_t first = 0; // the first line after the header
    std::size_t end = 0;   // the next header, or the end of the lines
};

BlockSpan blockAround(const std::vector<std::string_view>& lines, std::size_t line)
{
    BlockSpan span;
    std::size_t header = line;
    while (header > 0 && !isHeader(lines[header]))
        --header;
    if (!isHeader(lines[header]))
        return span; // before the first header
    const std::string name = toLowerAscii(trimmedLeft(trimmedLeft(lines[header]).substr(1)));
    span.kind = name.starts_with("statedef") ? Block::Statedef
        : name.starts_with("state")          ? Block::State
        : name.starts_with("command")        ? Block::Command
        : name.starts_with("remap")          ? Block::Remap
        : name.starts_with("defaults")       ? Block::Defaults
                                             : Block::Other;
    span.first = header + 1;
    span.end = line + 1;
    while (span.end < lines.size() && !isHeader(lines[span.end]))
        ++span.end;
    return span;
}

// The keys the block's lines other than the caret's have, and its controller.
void readBlock(const std::vector<std::string_view>& lines, const BlockSpan& block, std::size_t line,
               CompletionContext& context)
{
    for (std::size_t i = block.first; i < block.end; ++i) {
        if (i == line)
            continue;
        if (auto key = keyOf(lines[i])) {
            if (*key == "type") {
                const std::string_view value = beforeComment(lines[i]);
                context.controller = std::string(strippedOfBlanks(value.substr(value.find('=') + 1)));
            }
            context.written.push_back(std::move(*key));
        }
    }
}

// Whether an operand of an expression starts after `text`: at its start, or
// after an operator, '(', '[' or ','. Not after a number, a name or ')'.
bool operandStarts(std::string_view text)
{
    const auto last = text.find_last_not_of(" \t");
    if (last == std::string_view::npos)
        return true;
    return std::string_view("=!<>&|+-*/%^~(,[:").find(text[last]) != std::string_view::npos;
}

// Whether a parameter's value is an expression, told by what the library says
// it takes: "0 or 1" and "x, y" are; "S, C, A or L", a string, a name or a
// hit attribute ("arg1, arg2": "S, NA") are not.
bool takesExpression(std::string_view values)
{
    if (values == "arg1, arg2" || values.starts_with('"') || values.starts_with("as ")
        || values.find("string") != std::string_view::npos || values.find("name") != std::string_view::npos
        || values.find("letters") != std::string_view::npos)
        return false;
    if (values.find(" or ") == std::string_view::npos)
        return true;
    // Alternatives: any that is a word makes the value a keyword.
    std::size_t start = 0;
    while (start < values.size()) {
        const std::string_view rest = trimmedLeft(values.substr(start));
        if (!rest.empty() && ((rest[0] >= 'a' && rest[0] <= 'z') || (rest[0] >= 'A' && rest[0] <= 'Z'))
            && !rest.starts_with("or "))
            return false;
        const auto next = values.find_first_of(", ", start);
        if (next == std::string_view::npos)
            break;
        start = next + 1;
    }
    return true;
}

bool valueIsExpression(const CompletionContext& context, const std::string& key)
{
    if (key == "persistent" || key == "ignorehitpause" || key == "redirectid")
        return true;
    const StateController* controller = findStateController(strippedOfBlanks(context.controller));
    const ControllerParameter* parameter = controller ? findParameter(*controller, key) : nullptr;
    return parameter && takesExpression(parameter->values);
}

// Whether the text before the caret ends inside a comment or an open string.
bool inCommentOrString(std::string_view beforeCaret)
{
    bool quoted = false;
    for (const char c : beforeCaret) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted)
            return true;
    }
    return quoted;
}

// Where the string the caret is in opens, when it is the name after
// "command =" or "command !=": the quote's offset; npos otherwise.
std::size_t commandNameStart(std::string_view beforeCaret)
{
    const auto quote = beforeCaret.rfind('"');
    if (quote == std::string_view::npos || inCommentOrString(beforeCaret.substr(0, quote)))
        return std::string_view::npos;
    std::string_view before = strippedOfBlanks(beforeCaret.substr(0, quote));
    if (!before.ends_with('='))
        return std::string_view::npos;
    before.remove_suffix(1);
    if (before.ends_with('!'))
        before.remove_suffix(1);
    before = strippedOfBlanks(before);
    const std::string lower = toLowerAscii(before);
    constexpr std::string_view kCommand = "command";
    if (!lower.ends_with(kCommand)
        || (lower.size() > kCommand.size() && isWordChar(lower[lower.size() - kCommand.size() - 1])))
        return std::string_view::npos;
    return quote;
}

void addIfMatching(std::vector<CompletionItem>& items, const std::string& prefix, CompletionItem item)
{
    if (toLowerAscii(item.text).starts_with(prefix))
        items.push_back(std::move(item));
}

std::vector<CompletionItem> parameterItems(const CompletionContext& context, const std::string& prefix)
{
    std::vector<CompletionItem> items;
    const StateController* controller = findStateController(strippedOfBlanks(context.controller));
    const int topic = controller ? controller->helpTopic : kControllersTopic;
    const auto has = [&](std::string_view key) {
        return std::find(context.written.begin(), context.written.end(), key) != context.written.end();
    };

    if (controller) {
        for (const ControllerParameter& parameter : controller->parameters) {
            if (!availableIn(parameter, context.engine))
                continue;
            const bool written =
                std::any_of(context.written.begin(), context.written.end(), [&](const std::string& key) {
                    return findParameter(*controller, key, context.engine) == &parameter;
                });
            if (written)
                continue;
            std::string text(parameter.name);
            std::string insert = text;
            if (text.ends_with("(*)")) {
                // var(*) stands for var(0), var(1), ...: the number is the user's to type.
                text.replace(text.size() - 2, 1, "n");
                insert = std::string(parameter.name.substr(0, parameter.name.size() - 2));
            }
            addIfMatching(items, prefix, {text, insert, std::string(parameter.values), topic});
        }
    }

    if (context.script)
        return items; // a script has no type, triggers or prefixes among the parameters

    int lastTrigger = 0;
    for (const std::string& key : context.written) {
        if (isTriggerKey(key) && key != "triggerall")
            lastTrigger = std::max(lastTrigger, std::stoi(key.substr(7, 6)));
    }
    const std::string nextTrigger = "trigger" + std::to_string(lastTrigger + 1);
    std::vector<std::pair<std::string, std::string>> common = {
        {"type", "controller name"},  {"triggerall", "expression every trigger number needs"},
        {nextTrigger, "expression"},  {"persistent", "0, 1 or n"},
        {"ignorehitpause", "0 or 1"},
    };
    if (isCommonControllerParameter("redirectid", context.engine))
        common.emplace_back("redirectid", "player ID");
    for (const auto& [name, detail] : common) {
        const bool once = name != "triggerall" && name != nextTrigger;
        if (!(once && has(name)))
            addIfMatching(items, prefix, {name, name, detail, topic});
    }
    return items;
}

// The keys of a command file's blocks, with the engine that first reads each.
struct CommandFileKey {
    std::string_view name;
    std::string_view detail;
    CharacterEngine since = CharacterEngine::WinMugen;
};

const std::vector<CommandFileKey>& commandFileKeys(std::string_view section)
{
    using E = CharacterEngine;
    static const std::vector<CommandFileKey> command = {
        {"name", "the command's name, in quotes"},
        {"command", "the motions and buttons: ~D, DF, F, x"},
        {"time", "ticks to enter it all"},
        {"buffer.time", "ticks it stays true"},
        {"steptime", "ticks allowed between two steps", E::Ikemen},
        {"buffer.hitpause", "0 or 1: the buffer waits out a hit pause", E::Ikemen},
        {"buffer.pauseend", "0 or 1: the buffer waits out a Pause", E::Ikemen},
    };
    static const std::vector<CommandFileKey> remap = {
        {"x", "button"},
        {"y", "button"},
        {"z", "button"},
        {"a", "button"},
        {"b", "button"},
        {"c", "button"},
        {"s", "button"},
        {"d", "button", E::Ikemen},
        {"w", "button", E::Ikemen},
        {"m", "button", E::Ikemen},
    };
    static const std::vector<CommandFileKey> defaults = {
        {"command.time", "ticks, for commands without a time"},
        {"command.buffer.time", "ticks, for commands without a buffer.time"},
        {"command.steptime", "ticks, for commands without a steptime", E::Ikemen},
        {"command.buffer.hitpause", "0 or 1", E::Ikemen},
        {"command.buffer.pauseend", "0 or 1", E::Ikemen},
    };
    return section == "command" ? command : section == "remap" ? remap : defaults;
}

} // namespace

CompletionContext completionContext(const std::vector<std::string_view>& lines, std::size_t line, std::size_t column)
{
    CompletionContext context;
    if (line >= lines.size())
        return context;
    const std::string_view text = lines[line];
    const std::string_view beforeCaret = text.substr(0, std::min(column, text.size()));
    if (isHeader(text))
        return context;
    const BlockSpan block = blockAround(lines, line);
    if (block.kind == Block::State) {
        if (const std::size_t quote = commandNameStart(beforeCaret); quote != std::string_view::npos) {
            context.kind = CompletionKind::CommandName;
            context.prefix = std::string(beforeCaret.substr(quote + 1));
            return context;
        }
    }
    if (inCommentOrString(beforeCaret))
        return context;
    const auto equals = beforeCaret.find('=');
    const std::string_view word = trimmedLeft(beforeCaret);

    if (block.kind == Block::Command || block.kind == Block::Remap || block.kind == Block::Defaults) {
        if (equals != std::string_view::npos || !std::all_of(word.begin(), word.end(), isParameterChar))
            return context;
        context.kind = CompletionKind::CommandKey;
        context.section = block.kind == Block::Command ? "command" : block.kind == Block::Remap ? "remap" : "defaults";
        context.prefix = std::string(word);
        readBlock(lines, block, line, context);
        return context;
    }
    if (block.kind != Block::State)
        return context;

    readBlock(lines, block, line, context);
    if (equals == std::string_view::npos) {
        // A parameter's name at the start of the line.
        if (!std::all_of(word.begin(), word.end(), isParameterChar))
            return context;
        context.kind = CompletionKind::Parameter;
        context.prefix = std::string(word);
        return context;
    }

    const std::string key = toLowerAscii(strippedOfBlanks(beforeCaret.substr(0, equals)));
    const std::string_view value = beforeCaret.substr(equals + 1);
    if (key == "type") {
        const std::string_view name = trimmedLeft(value);
        if (std::all_of(name.begin(), name.end(), isWordChar)) {
            context.kind = CompletionKind::Controller;
            context.prefix = std::string(name);
            context.opensOnTyping = true;
        }
        return context;
    }
    if (isTriggerKey(key) || valueIsExpression(context, key)) {
        std::size_t start = value.size();
        while (start > 0 && isWordChar(value[start - 1]))
            --start;
        const std::string_view prefix = value.substr(start);
        if (prefix.empty() || !isDigit(prefix.front())) {
            context.kind = CompletionKind::Trigger;
            context.prefix = std::string(prefix);
            context.opensOnTyping = operandStarts(value.substr(0, start));
        }
    }
    return context;
}

CompletionContext scriptCompletionContext(const std::vector<std::string_view>& lines, std::size_t line,
                                          std::size_t column)
{
    CompletionContext context;
    context.script = true;
    if (line >= lines.size())
        return context;
    const std::string_view beforeCaret = lines[line].substr(0, std::min(column, lines[line].size()));
    std::size_t prefixStart = beforeCaret.size();
    while (prefixStart > 0 && (isWordChar(beforeCaret[prefixStart - 1]) || beforeCaret[prefixStart - 1] == '.'))
        --prefixStart;
    const std::string_view prefix = beforeCaret.substr(prefixStart);
    if (!prefix.empty() && isDigit(prefix.front()))
        return context;
    if (prefixStart > 0 && beforeCaret[prefixStart - 1] == '$')
        return context; // a local

    struct Frame {
        bool controller = false;
        std::string name;
        std::vector<std::string> written;
    };
    std::vector<Frame> frames;
    bool start = true;      // at the start of a statement, or of a parameter inside a controller's braces
    bool startWord = false; // the last token was a word at a statement's start: a '{' makes it a controller
    std::string statement;  // the first word of the statement the caret is in, lower case
    std::string parameter;  // inside a controller: the name being written before its ':'
    int brackets = 0;       // ( and [ open
    int persistentAt = -1;  // the bracket depth persistent( opened at; its ')' starts the statement again
    const ZssToken* previous = nullptr;
    std::string_view previousText;
    std::size_t previousLine = 0;

    for (std::size_t n = 0; n <= line; ++n) {
        const std::string_view text = n == line ? beforeCaret.substr(0, prefixStart) : lines[n];
        const std::vector<ZssToken> tokens = tokenizeZssLine(text);
        if (n == line && !tokens.empty()) {
            const ZssToken& last = tokens.back();
            if (last.kind == ZssTokenKind::Comment || last.kind == ZssTokenKind::Header
                || (last.kind == ZssTokenKind::String && last.unterminated))
                return context;
        }
        // A line break ends what has no reason to go on.
        const auto newLine = [&] {
            if (previous && previousLine != n && brackets == 0 && previous->kind != ZssTokenKind::Operator
                && previousText != ",") {
                start = true;
                startWord = false;
                if (frames.empty() || !frames.back().controller)
                    statement.clear();
            }
        };
        for (const ZssToken& t : tokens) {
            if (t.kind == ZssTokenKind::Comment)
                break;
            newLine();
            const std::string_view tokenText = text.substr(t.start, t.length);
            const bool inController = !frames.empty() && frames.back().controller;
            const bool wasStartWord = startWord;
            startWord = false;
            if (t.kind == ZssTokenKind::Header) {
                frames.clear();
                start = true;
                statement.clear();
            } else if (tokenText == "{") {
                frames.push_back({wasStartWord, std::string(previousText), {}});
                start = true;
                brackets = 0;
                statement.clear();
            } else if (tokenText == "}") {
                if (!frames.empty())
                    frames.pop_back();
                start = true;
                brackets = 0;
                statement.clear();
            } else if (tokenText == ";") {
                start = true;
                statement.clear();
            } else if (tokenText == "(" || tokenText == "[") {
                ++brackets;
                start = false;
            } else if (tokenText == ")" || tokenText == "]") {
                brackets = std::max(0, brackets - 1);
                if (brackets == persistentAt) {
                    persistentAt = -1;
                    start = true;
                    statement.clear();
                }
            } else if (tokenText == ":" && brackets == 0) {
                if (inController && !parameter.empty()) {
                    frames.back().written.push_back(parameter);
                    parameter.clear();
                } else if (statement == "case" || statement == "default") {
                    start = true;
                    statement.clear();
                }
            } else if (start
                       && (t.kind == ZssTokenKind::Name || t.kind == ZssTokenKind::Keyword
                           || t.kind == ZssTokenKind::Controller || t.kind == ZssTokenKind::Parameter)) {
                const std::string word = toLowerAscii(tokenText);
                start = false;
                if (inController) {
                    parameter = word;
                } else if (word == "ignorehitpause") {
                    start = true;
                } else if (word == "persistent") {
                    persistentAt = brackets;
                } else {
                    statement = word;
                    startWord = !isZssKeyword(word);
                }
            } else {
                start = false;
            }
            previous = &t;
            previousText = tokenText;
            previousLine = n;
        }
        if (n == line)
            newLine();
        if (previous && previousLine == n && n != line) {
            // The token's text lives in this line's vector; keep only what the next line needs.
            static const ZssToken kOperator{ZssTokenKind::Operator, 0, 0, false};
            static const ZssToken kOther{ZssTokenKind::Other, 0, 0, false};
            previous = previous->kind == ZssTokenKind::Operator ? &kOperator : &kOther;
        }
    }

    const bool inController = !frames.empty() && frames.back().controller;
    context.prefix = std::string(prefix);
    if (inController) {
        if (!start)
            return context;
        context.kind = CompletionKind::Parameter;
        context.controller = frames.back().name;
        context.written = frames.back().written;
        return context;
    }
    if (start) {
        context.kind = CompletionKind::Controller;
        context.opensOnTyping = true;
        return context;
    }
    static const std::vector<std::string_view> kExpressions = {"if",   "else", "while", "switch",
                                                               "case", "let",  "for",   "call"};
    const auto isExpressionKeyword = [](std::string_view word) {
        return std::find(kExpressions.begin(), kExpressions.end(), toLowerAscii(word)) != kExpressions.end();
    };
    if (persistentAt >= 0 || isExpressionKeyword(statement)) {
        context.kind = CompletionKind::Trigger;
        // An operand starts after an operator, or right after the keyword that opens the expression.
        const std::string_view before = strippedOfBlanks(beforeCaret.substr(0, prefixStart));
        std::size_t word = before.size();
        while (word > 0 && isWordChar(before[word - 1]))
            --word;
        context.opensOnTyping = operandStarts(before) || isExpressionKeyword(before.substr(word));
    }
    return context;
}

std::vector<CompletionItem> completionItems(const CompletionContext& context)
{
    const std::string prefix = toLowerAscii(context.prefix);
    std::vector<CompletionItem> items;
    switch (context.kind) {
    case CompletionKind::Controller:
        for (const StateController& controller : stateControllers()) {
            if (!availableIn(controller, context.engine))
                continue;
            const std::string name(controller.name);
            addIfMatching(items, prefix, {name, name, {}, controller.helpTopic});
        }
        break;
    case CompletionKind::Parameter: items = parameterItems(context, prefix); break;
    case CompletionKind::Trigger:
        for (const Trigger& trigger : triggers()) {
            if (!availableIn(trigger, context.engine))
                continue;
            const std::string name(trigger.name);
            addIfMatching(items, prefix, {name, name, std::string(trigger.form), trigger.helpTopic});
        }
        break;
    case CompletionKind::CommandKey:
        for (const CommandFileKey& key : commandFileKeys(context.section)) {
            const bool written =
                std::find(context.written.begin(), context.written.end(), key.name) != context.written.end();
            if (key.since <= context.engine && !written)
                addIfMatching(items, prefix,
                              {std::string(key.name), std::string(key.name), std::string(key.detail), 0});
        }
        break;
    case CompletionKind::CommandName:
        // A command's name takes the topic of the trigger that tests it.
        for (const std::string& name : context.commands) {
            const bool again =
                std::any_of(items.begin(), items.end(), [&](const CompletionItem& i) { return i.text == name; });
            if (!again && !name.empty())
                addIfMatching(items, prefix, {name, name, "command", findTrigger("Command")->helpTopic});
        }
        break;
    case CompletionKind::None: break;
    }
    return items;
}

} // namespace vantrel
