#include "text/definitions.h"

#include "common/text.h"
#include "text/outline.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

namespace {

std::string_view withoutCr(std::string_view text)
{
    return text.ends_with('\r') ? text.substr(0, text.size() - 1) : text;
}

bool isNumberCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '-';
}

// The controller of the block around `line`: the value of the nearest "type ="
// above it, up to the block's header; "statedef" in a Statedef's own lines.
std::string blockType(const std::vector<std::string_view>& lines, std::size_t line)
{
    for (std::size_t k = line + 1; k-- > 0;) {
        const std::string_view text = trimmedView(lines[k]);
        if (text.starts_with('[')) {
            return toLowerAscii(std::string(text.substr(0, 9))) == "[statedef" ? "statedef" : std::string();
        }
        const std::string lower = toLowerAscii(std::string(text));
        if (lower.starts_with("type") && lower.find('=') != std::string::npos) {
            std::string_view value = trimBlanksAndTabs(text.substr(text.find('=') + 1));
            value = trimBlanksAndTabs(value.substr(0, value.find(';')));
            return toLowerAscii(std::string(value));
        }
    }
    return {};
}

// The line's key: "value" of "value = 200", lower case.
std::string keyOf(std::string_view text)
{
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return toLowerAscii(std::string(trimBlanksAndTabs(text.substr(0, equals))));
}

std::optional<DefinitionKind> kindOfValue(const std::string& key, const std::string& type)
{
    if (key == "p1stateno" || key == "p2stateno" || key == "stateno")
        return DefinitionKind::State;
    if (key == "anim" || key == "projanim" || key == "projhitanim" || key == "projremanim" || key == "projcancelanim")
        return DefinitionKind::Action;
    if (key == "value" && (type == "changestate" || type == "selfstate" || type == "targetstate"))
        return DefinitionKind::State;
    if (key == "value" && (type == "changeanim" || type == "changeanim2"))
        return DefinitionKind::Action;
    return std::nullopt;
}

} // namespace

std::optional<DefinitionName> definitionNameAt(const std::vector<std::string_view>& lines, std::size_t line,
                                               std::size_t column)
{
    if (line >= lines.size())
        return std::nullopt;
    const std::string_view text = withoutCr(lines[line]);
    column = std::min(column, text.size());
    const auto equals = text.find('=');
    // A command's name in quotes: command = "QCF_x".
    const auto open = text.rfind('"', column == 0 ? 0 : column - 1);
    const auto close = open == std::string_view::npos ? std::string_view::npos : text.find('"', open + 1);
    if (open != std::string_view::npos && close != std::string_view::npos && open < column && column <= close
        && toLowerAscii(std::string(text.substr(0, open))).find("command") != std::string::npos)
        return DefinitionName{DefinitionKind::Command, std::string(text.substr(open + 1, close - open - 1))};
    // A number after the '=' of a parameter that names a state or an action.
    if (equals == std::string_view::npos || column <= equals)
        return std::nullopt;
    std::size_t from = column;
    while (from > 0 && isNumberCharacter(text[from - 1]))
        --from;
    std::size_t to = column;
    while (to < text.size() && isNumberCharacter(text[to]))
        ++to;
    const std::string_view word = text.substr(from, to - from);
    if (word.empty() || word == "-" || (from > 0 && std::isalpha(static_cast<unsigned char>(text[from - 1]))))
        return std::nullopt;
    // Only a plain number is the whole value: "value = 200", not "value = 200 + var(1)".
    if (trimBlanksAndTabs(text.substr(equals + 1,
                                      text.find(';') == std::string_view::npos ? std::string_view::npos
                                                                               : text.find(';') - equals - 1))
        != word)
        return std::nullopt;
    const auto kind = kindOfValue(keyOf(text), blockType(lines, line));
    if (!kind)
        return std::nullopt;
    return DefinitionName{*kind, std::string(word)};
}

std::optional<std::size_t> definitionLine(const std::vector<std::string_view>& lines, const DefinitionName& name)
{
    bool inCommand = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view text = trimmedView(lines[k]);
        const std::string lower = toLowerAscii(std::string(text.substr(0, std::min<std::size_t>(text.size(), 64))));
        if (text.starts_with('['))
            inCommand = lower.starts_with("[command]");
        const auto numberAfter = [&](std::size_t at) {
            std::string_view rest = trimBlanksAndTabs(text.substr(std::min(at, text.size())));
            std::size_t end = 0;
            while (end < rest.size() && isNumberCharacter(rest[end]))
                ++end;
            return rest.substr(0, end);
        };
        switch (name.kind) {
        case DefinitionKind::State:
            if (lower.starts_with("[statedef") && numberAfter(9) == name.key)
                return k;
            break;
        case DefinitionKind::Action:
            if (lower.starts_with("[begin action") && numberAfter(13) == name.key)
                return k;
            break;
        case DefinitionKind::Command:
            // The engines tell commands apart by letter case.
            if (inCommand && keyOf(text) == "name" && commandNameOf(text) == name.key)
                return k;
            break;
        }
    }
    return std::nullopt;
}

} // namespace vantrel
