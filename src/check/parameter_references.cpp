#include "check/parameter_references.h"

#include "check/state_library.h"
#include "common/text.h"

#include <cctype>

namespace vantrel {

namespace {

// A whole number, sign allowed, and nothing else.
std::optional<std::string> plainInteger(std::string_view text)
{
    text = trimBlanksAndTabs(text);
    std::size_t digits = text.starts_with('-') ? 1 : 0;
    if (digits == text.size())
        return std::nullopt;
    for (std::size_t k = digits; k < text.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(text[k])))
            return std::nullopt;
    }
    return std::string(text);
}

} // namespace

std::optional<ParameterReference> parameterReference(std::string_view controller, std::string_view parameter)
{
    const std::string type = toLowerAscii(controller);
    const std::string key = toLowerAscii(trimBlanksAndTabs(parameter));
    if (type == "statedef")
        return key == "anim" ? std::optional<ParameterReference>({ReferenceKind::Action, false}) : std::nullopt;
    const StateController* found = findStateController(type);
    if (!found)
        return std::nullopt;
    const ControllerParameter* described = findParameter(*found, key);
    if (!described)
        return std::nullopt;
    // Spark actions, hit sounds and the pause's animation and sound come from
    // the engine's files unless "S" says otherwise.
    const bool common =
        key == "sparkno" || key == "guard.sparkno" || key == "hitsound" || key == "guardsound" || type == "superpause";
    if (described->values == "state number")
        return ParameterReference{ReferenceKind::State, false};
    if (described->values == "action number")
        return ParameterReference{ReferenceKind::Action, common};
    const bool sound = key == "hitsound" || key == "guardsound" || key == "sound" || key == "snd"
        || (key == "value" && type == "playsnd");
    if (sound && described->values == "group, number")
        return ParameterReference{ReferenceKind::Sound, common};
    return std::nullopt;
}

std::optional<std::string> ownReferenceKey(std::string_view value, const ParameterReference& reference)
{
    value = trimBlanksAndTabs(beforeComment(value));
    const bool own = value.starts_with('S') || value.starts_with('s');
    if (own)
        value.remove_prefix(1);
    else if (reference.commonByDefault)
        return std::nullopt;
    if (reference.kind != ReferenceKind::Sound)
        return plainInteger(value);
    const auto comma = value.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto group = plainInteger(value.substr(0, comma));
    const auto number = plainInteger(value.substr(comma + 1));
    if (!group || !number)
        return std::nullopt;
    return *group + "," + *number;
}

} // namespace vantrel
