#include "text/definitions.h"

#include "check/parameter_references.h"
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

// The line's key: "value" of "value = 200", lower case.
std::string keyOf(std::string_view text)
{
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return toLowerAscii(std::string(trimBlanksAndTabs(text.substr(0, equals))));
}

DefinitionKind definitionKindOf(ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::State: return DefinitionKind::State;
    case ReferenceKind::Action: return DefinitionKind::Action;
    case ReferenceKind::Sound: return DefinitionKind::Sound;
    }
    return DefinitionKind::State;
}

// The sprite of an AIR frame line ("200,1, 0,0, 5") when the caret is on its
// group or number.
std::optional<DefinitionName> frameSpriteAt(std::string_view text, std::size_t column)
{
    const std::string_view line = trimBlanksAndTabs(beforeComment(text));
    if (line.empty() || !isNumberCharacter(line.front()))
        return std::nullopt;
    const auto first = text.find(',');
    if (first == std::string_view::npos || column > text.find(',', first + 1))
        return std::nullopt;
    const std::string_view group = trimBlanksAndTabs(text.substr(0, first));
    const auto second = text.find(',', first + 1);
    const std::string_view number = trimBlanksAndTabs(
        text.substr(first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1));
    if (group.empty() || number.empty() || !std::all_of(group.begin(), group.end(), isNumberCharacter)
        || !std::all_of(number.begin(), number.end(), isNumberCharacter))
        return std::nullopt;
    return DefinitionName{DefinitionKind::Sprite, std::string(group) + "," + std::string(number)};
}

} // namespace

bool operator==(const DefinitionName& a, const DefinitionName& b)
{
    return a.kind == b.kind && a.key == b.key;
}

std::string blockTypeAt(const std::vector<std::string_view>& lines, std::size_t line)
{
    for (std::size_t k = std::min(line + 1, lines.size()); k-- > 0;) {
        const std::string_view text = trimmedView(lines[k]);
        if (text.starts_with('[')) {
            const std::string header = toLowerAscii(std::string(text.substr(0, 13)));
            if (header.starts_with("[statedef"))
                return "statedef";
            return header == "[begin action" ? "action" : std::string();
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
    const std::string type = blockTypeAt(lines, line);
    if (type == "action")
        return frameSpriteAt(text, column);
    // The value after the '=' of a parameter that names a state, an action or a sound.
    const std::string_view value = beforeComment(text.substr(std::min(equals + 1, text.size())));
    if (equals == std::string_view::npos || column <= equals || column > equals + 1 + value.size())
        return std::nullopt;
    const auto reference = parameterReference(type, keyOf(text));
    if (!reference)
        return std::nullopt;
    const auto key = ownReferenceKey(value, *reference);
    if (!key)
        return std::nullopt;
    return DefinitionName{definitionKindOf(reference->kind), *key};
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
        case DefinitionKind::Sound:
        case DefinitionKind::Sprite: return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace vantrel
