#include "clsn.h"

#include "air.h"
#include "common/text.h"

#include <algorithm>
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

ActionNumbers actionNumbersIn(const std::vector<std::string>& lines)
{
    ActionNumbers result;
    for (const auto& line : lines) {
        if (line.size() < 13 || toLowerAscii(line.substr(0, 13)) != "[begin action")
            continue;
        const auto text = actionNumberText(line);
        const auto number = text ? shortInteger(*text) : std::nullopt;
        if (!number || result.numbers.size() == static_cast<std::size_t>(kMaxBoxActions))
            return {};
        result.numbers.push_back(*number);
    }
    result.ok = true;
    return result;
}

ActionNumbers readActionNumbers(const std::string& airPath)
{
    const auto lines = readLines(airPath);
    return lines ? actionNumbersIn(*lines) : ActionNumbers{};
}

std::optional<CollisionBox> parseBoxLine(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const auto fields = splitFields(line.substr(equals + 1));
    if (fields.size() < 4)
        return std::nullopt;
    auto value = [&](int i) {
        const auto field = fieldText(fields[static_cast<std::size_t>(i)]);
        return static_cast<int>(std::clamp<std::int64_t>(numericValue(field), -1000000, 1000000));
    };
    return CollisionBox{value(0), value(1), value(2), value(3), false};
}

std::vector<BoxFrame> boxFramesIn(const std::vector<std::string>& lines, int ordinal)
{
    std::vector<BoxFrame> frames;
    std::size_t next = 0;
    for (int seen = 0; next < lines.size(); ++next) {
        if (actionNumberText(lines[next]) && ++seen == ordinal)
            break;
    }
    if (next >= lines.size())
        return frames;
    ++next;

    std::vector<CollisionBox> default1, default2, own1, own2;
    bool haveOwn1 = false, haveOwn2 = false;
    while (next < lines.size()) {
        const std::string line = cleanActionLine(lines[next++]);
        if (startsWith(line, "["))
            break;
        const std::string lower = toLowerAscii(line);
        if (startsWith(lower, "clsn")) {
            const auto remaining = static_cast<long long>(lines.size() - next);
            const auto count = static_cast<std::size_t>(std::min(boxLineCount(line), remaining));
            std::vector<CollisionBox> boxes;
            for (std::size_t i = 0; i < count; ++i) {
                if (auto box = parseBoxLine(cleanActionLine(lines[next + i])))
                    boxes.push_back(*box);
            }
            next += count;
            const bool isDefault = lower.find("default") != std::string::npos;
            for (auto& box : boxes)
                box.fromDefault = isDefault;
            if (startsWith(lower, "clsn1")) {
                if (isDefault)
                    default1 = std::move(boxes);
                else
                    own1 = std::move(boxes), haveOwn1 = true;
            } else if (startsWith(lower, "clsn2")) {
                if (isDefault)
                    default2 = std::move(boxes);
                else
                    own2 = std::move(boxes), haveOwn2 = true;
            }
            continue;
        }
        if (line.empty() || startsWith(lower, "loopstart"))
            continue;
        const auto fields = splitFields(line);
        if (fields.size() < kFrameFields)
            continue;

        BoxFrame frame;
        frame.group = std::string(fieldText(fields[0]));
        frame.image = std::string(fieldText(fields[1]));
        frame.offsetX = static_cast<double>(numericValue(fieldText(fields[2])));
        frame.offsetY = static_cast<double>(numericValue(fieldText(fields[3])));
        frame.duration = static_cast<double>(numericValue(fieldText(fields[4])));
        frame.flip = fields.size() > 5 ? flipCode(fields[5]) : 0;
        // A frame's own boxes are for that frame only; the defaults carry on.
        frame.clsn1 = haveOwn1 ? std::move(own1) : default1;
        frame.clsn2 = haveOwn2 ? std::move(own2) : default2;
        own1.clear();
        own2.clear();
        haveOwn1 = haveOwn2 = false;
        frames.push_back(std::move(frame));
    }
    return frames;
}

std::vector<BoxFrame> readBoxFrames(const std::string& airPath, int ordinal)
{
    const auto lines = readLines(airPath);
    return lines ? boxFramesIn(*lines, ordinal) : std::vector<BoxFrame>{};
}

} // namespace vantrel
