#include "air.h"

#include "common/text.h"
#include "sprites/workspace.h"

namespace vantrel {

namespace {

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

int findTitle(const AirDocument& air, const std::string& title)
{
    for (std::size_t i = 0; i < air.actions().size(); ++i) {
        if (actionTitle(air, static_cast<int>(i)) == title)
            return static_cast<int>(i);
    }
    return -1;
}

// The sprite a frame names: by the group and image fields as written, else by
// their numbers ("0200" finds sprite 200).
std::optional<int> findFrameSprite(const SpriteWorkspace& sprites, const std::vector<std::string>& fields,
                                   const AirFrame& frame)
{
    if (fields.size() >= 2) {
        if (auto record = sprites.findSpriteRecord(std::string(trimBlanksAndTabs(fields[0])),
                                                   std::string(trimBlanksAndTabs(fields[1]))))
            return record;
    }
    return sprites.findSpriteRecord(std::to_string(frame.group), std::to_string(frame.image));
}

} // namespace

std::vector<std::string> splitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        fields.emplace_back(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

int flipCode(std::string_view field)
{
    const std::string flip = toLowerAscii(trimBlanksAndTabs(field));
    if (flip == "v")
        return 1;
    if (flip == "h")
        return 2;
    if (flip == "vh" || flip == "hv")
        return 3;
    return 0;
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

std::string actionTitle(const AirDocument& air, int action)
{
    if (action < 0 || static_cast<std::size_t>(action) >= air.actions().size())
        return {};
    const AirAction& a = air.actions()[static_cast<std::size_t>(action)];
    if (a.numberReadable)
        return std::to_string(a.number);
    return std::string(trimBlanksAndTabs(air.lineText(static_cast<std::size_t>(a.headerLine))));
}

std::vector<std::string> actionTitles(const AirDocument& air)
{
    std::vector<std::string> titles;
    titles.reserve(air.actions().size());
    for (std::size_t i = 0; i < air.actions().size(); ++i)
        titles.push_back(actionTitle(air, static_cast<int>(i)));
    return titles;
}

AnimAction actionFrames(const AirDocument& air, int action, const SpriteWorkspace& sprites)
{
    AnimAction result;
    if (action < 0 || static_cast<std::size_t>(action) >= air.actions().size())
        return result;
    const AirAction& a = air.actions()[static_cast<std::size_t>(action)];
    result.loopStart = a.loopStart < 0 ? 0 : a.loopStart;
    for (const AirFrame& f : air.frames(a)) {
        std::string_view line = air.lineText(static_cast<std::size_t>(f.line));
        line = line.substr(0, line.find(';'));
        const auto fields = splitFields(line);
        AnimFrame frame;
        frame.duration = f.time;
        frame.flip = fields.size() > 5 ? flipCode(fields[5]) : 0;
        frame.group = f.group;
        frame.image = f.image;
        frame.offsetX = f.x;
        frame.offsetY = f.y;
        frame.readable = f.readable;
        if (f.readable && f.group >= 0) {
            if (const auto record = findFrameSprite(sprites, fields, f)) {
                const SpriteRecord& sprite = sprites.record(*record);
                frame.imagePath = sprites.imagePath(sprite);
                frame.drawX = static_cast<double>(sprite.axisX()) - f.x;
                frame.drawY = static_cast<double>(sprite.axisY()) - f.y;
            } else {
                frame.spriteMissing = true;
            }
        }
        result.frames.push_back(std::move(frame));
    }
    return result;
}

std::vector<std::string> listActionsIn(const std::vector<std::string>& lines)
{
    return actionTitles(AirDocument::parse(joinedLines(lines)));
}

std::vector<std::string> listActions(const std::string& airPath)
{
    auto bytes = readFileBytes(airPath);
    return bytes ? actionTitles(AirDocument::parse(std::move(*bytes))) : std::vector<std::string>{};
}

AnimAction readActionIn(const std::vector<std::string>& lines, const std::string& title, const SpriteWorkspace& sprites)
{
    const AirDocument air = AirDocument::parse(joinedLines(lines));
    return actionFrames(air, findTitle(air, title), sprites);
}

AnimAction readAction(const std::string& airPath, const std::string& title, const SpriteWorkspace& sprites)
{
    auto bytes = readFileBytes(airPath);
    if (!bytes)
        return {};
    const AirDocument air = AirDocument::parse(std::move(*bytes));
    return actionFrames(air, findTitle(air, title), sprites);
}

} // namespace vantrel
