#include "formats/sprite_index.h"

#include "common/text.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace vantrel {

std::optional<std::pair<std::size_t, std::size_t>> firstNumberClash(const std::vector<SpriteRecord>& records)
{
    // Hashed: an index may hold tens of thousands of sprites.
    const auto hash = [](const std::pair<std::int64_t, std::int64_t>& n) {
        return std::hash<std::int64_t>()(n.first * 0x9E3779B97F4A7C15ll ^ n.second);
    };
    std::unordered_map<std::pair<std::int64_t, std::int64_t>, std::size_t, decltype(hash)> seen(records.size(), hash);
    for (std::size_t k = 0; k < records.size(); ++k) {
        const auto [at, added] = seen.emplace(std::pair(records[k].group(), records[k].imageNo()), k);
        if (!added)
            return std::pair(at->second, k);
    }
    return std::nullopt;
}

std::int64_t nextFreeImageNumber(const std::vector<SpriteRecord>& records, std::int64_t group, std::int64_t from)
{
    std::set<std::int64_t> taken;
    for (const SpriteRecord& record : records) {
        if (record.group() == group)
            taken.insert(record.imageNo());
    }
    std::int64_t number = std::max<std::int64_t>(from, 0);
    while (taken.contains(number))
        ++number;
    return number;
}

std::int64_t SpriteRecord::group() const
{
    return numericValue(groupText);
}

std::int64_t SpriteRecord::imageNo() const
{
    return numericValue(imageText);
}

std::int64_t SpriteRecord::axisX() const
{
    return numericValue(axisXText);
}

std::int64_t SpriteRecord::axisY() const
{
    return numericValue(axisYText);
}

namespace {

template <class Line> SpriteIndex parseLines(const std::vector<Line>& lines)
{
    SpriteIndex index;
    if (lines.empty())
        return index;
    index.header = lines[0];
    index.records.reserve((lines.size() + 3) / 5);
    for (std::size_t i = 1; i < lines.size(); i += 5) {
        SpriteRecord& r = index.records.emplace_back();
        std::string* fields[] = {&r.pcxFile, &r.groupText, &r.imageText, &r.axisXText, &r.axisYText};
        for (std::size_t k = 0; k < 5 && i + k < lines.size(); ++k)
            *fields[k] = lines[i + k];
    }
    return index;
}

} // namespace

SpriteIndex parseSpriteIndex(const std::vector<std::string>& lines)
{
    return parseLines(lines);
}

SpriteIndex parseSpriteIndex(std::string_view text)
{
    // The lines as views: an index of 20,000 sprites has 100,000 of them.
    return parseLines(splitLineViews(text));
}

std::string formatSpriteIndex(const std::string& header, const std::vector<SpriteRecord>& records)
{
    std::string text = header + "\r\n";
    for (const SpriteRecord& r : records) {
        for (const std::string* field : {&r.pcxFile, &r.groupText, &r.imageText, &r.axisXText, &r.axisYText}) {
            text += *field;
            text += "\r\n";
        }
    }
    return text;
}

} // namespace vantrel
