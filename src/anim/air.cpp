#include "air.h"

#include "common/text.h"
#include "sprites/workspace.h"

#include <algorithm>

namespace vantrel {

namespace {

double fieldValue(std::string_view field)
{
    return static_cast<double>(numericValue(fieldText(field)));
}

std::optional<std::size_t> findHeader(const std::vector<std::string>& lines, const std::string& action)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto text = actionNumberText(lines[i]);
        if (text && *text == action)
            return i;
    }
    return std::nullopt;
}

} // namespace

// Real files pad the fields of frame lines with blanks or tabs.
std::string_view fieldText(std::string_view field)
{
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = field.find_last_not_of(" \t");
    return field.substr(first, last - first + 1);
}

std::optional<std::string> actionNumberText(std::string_view line)
{
    constexpr std::string_view header = "[begin action";
    if (line.size() < header.size() || toLowerAscii(line.substr(0, header.size())) != header)
        return std::nullopt;
    // The 14th character is not looked at; the number starts at the 15th.
    constexpr std::size_t numberStart = 14;
    const auto close = line.rfind(']');
    if (close == std::string_view::npos || close < numberStart)
        return std::nullopt;
    return std::string(line.substr(numberStart, close - numberStart));
}

std::vector<std::string> listActionsIn(const std::vector<std::string>& lines)
{
    std::vector<std::string> actions;
    for (const auto& line : lines) {
        if (auto text = actionNumberText(line))
            actions.push_back(std::move(*text));
    }
    return actions;
}

std::vector<std::string> ListActions(const std::string& airPath)
{
    const auto lines = readLines(airPath);
    return lines ? listActionsIn(*lines) : std::vector<std::string>{};
}

std::string cleanActionLine(std::string_view line)
{
    line = trimBlanks(line);
    const auto comment = line.find(';');
    if (comment != std::string_view::npos)
        line = trimBlanks(line.substr(0, comment));
    return std::string(line);
}

long long boxLineCount(std::string_view cleanedLine)
{
    const auto colon = cleanedLine.rfind(':');
    const auto count = numericValue(colon == std::string_view::npos ? cleanedLine : cleanedLine.substr(colon + 1));
    return std::max<long long>(count, 0);
}

std::vector<std::string> splitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

int flipCode(std::string_view field)
{
    const std::string flip = toLowerAscii(fieldText(field));
    if (flip == "v")
        return 1;
    if (flip == "h")
        return 2;
    if (flip == "vh" || flip == "hv")
        return 3;
    return 0;
}

std::optional<int> findFrameSprite(const SpriteWorkspace& sprites, std::string_view group, std::string_view image)
{
    return sprites.findSpriteRecord(std::string(fieldText(group)), std::string(fieldText(image)));
}

AnimAction readActionIn(const std::vector<std::string>& lines, const std::string& action,
                        const SpriteWorkspace& sprites)
{
    AnimAction result;
    const auto header = findHeader(lines, action);
    if (!header)
        return result;

    std::size_t next = *header + 1;
    while (next < lines.size()) {
        const std::string line = cleanActionLine(lines[next++]);
        if (startsWith(line, "["))
            break;
        const std::string lower = toLowerAscii(line);
        if (startsWith(lower, "clsn")) {
            // The box lines are skipped unread; a count past the end of the file ends the action.
            const auto remaining = static_cast<long long>(lines.size() - next);
            next += static_cast<std::size_t>(std::min(boxLineCount(line), remaining));
            continue;
        }
        if (startsWith(lower, "loopstart")) {
            result.loopStart = result.frameCount();
            continue;
        }
        if (line.empty())
            continue;

        // Anything else is a frame line when it has the five fields of one;
        // other text (an "Interpolate" line, a stray word) adds nothing.
        const auto fields = splitFields(line);
        if (fields.size() < kFrameFields)
            continue;
        const auto record = findFrameSprite(sprites, fields[0], fields[1]);
        if (!record)
            continue;
        const SpriteRecord& sprite = sprites.record(*record);
        AnimFrame frame;
        frame.imagePath = sprites.imagePath(sprite);
        frame.drawX = static_cast<double>(sprite.axisX()) - fieldValue(fields[2]);
        frame.drawY = static_cast<double>(sprite.axisY()) - fieldValue(fields[3]);
        frame.duration = fieldValue(fields[4]);
        frame.flip = fields.size() > 5 ? flipCode(fields[5]) : 0;
        frame.group = fieldValue(fields[0]);
        frame.image = fieldValue(fields[1]);
        result.frames.push_back(std::move(frame));
    }
    return result;
}

AnimAction ReadAction(const std::string& airPath, const std::string& action, const SpriteWorkspace& sprites)
{
    const auto lines = readLines(airPath);
    return lines ? readActionIn(*lines, action, sprites) : AnimAction{};
}

} // namespace vantrel
