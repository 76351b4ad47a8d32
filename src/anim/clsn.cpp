#include "clsn.h"

#include "anim/air.h"
#include "common/text.h"

#include <limits>

namespace vantrel {

std::optional<std::int16_t> shortInteger(std::string_view text)
{
    text = trimBlanks(text);
    std::size_t digits = text.size();
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        --digits;
    if (digits == 0 || digits > 6)
        return std::nullopt;
    for (std::size_t i = text.size() - digits; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    }
    const std::int64_t value = numericValue(text);
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

ActionNumbers actionNumbersOf(const AirDocument& air)
{
    ActionNumbers result;
    if (!air.ok()) {
        result.why = "the file could not be read";
        return result;
    }
    for (const AirAction& action : air.actions()) {
        std::optional<std::int16_t> number;
        if (const auto text = actionNumberText(air.lineText(static_cast<std::size_t>(action.headerLine))))
            number = shortInteger(*text);
        else if (action.numberReadable)
            number = shortInteger(std::to_string(action.number));
        if (!number) {
            const std::string header(air.lineText(static_cast<std::size_t>(action.headerLine)));
            return {false,
                    {},
                    "line " + std::to_string(action.headerLine + 1) + ", \"" + header
                        + "\": the action number is not a whole number from -32768 to 32767"};
        }
        result.numbers.push_back(*number);
    }
    result.ok = true;
    return result;
}

ActionNumbers actionNumbersIn(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return actionNumbersOf(AirDocument::parse(std::move(text)));
}

ActionNumbers readActionNumbers(const std::string& airPath)
{
    auto bytes = readFileBytes(airPath);
    return bytes ? actionNumbersOf(AirDocument::parse(std::move(*bytes))) : ActionNumbers{};
}

} // namespace vantrel
