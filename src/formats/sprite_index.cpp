#include "formats/sprite_index.h"

#include "common/text.h"

namespace vantrel {

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

SpriteIndex parseSpriteIndex(const std::vector<std::string>& lines)
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

SpriteIndex parseSpriteIndex(std::string_view text)
{
    return parseSpriteIndex(splitLines(text));
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
