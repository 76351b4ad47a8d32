#include "formats/air_line_syntax.h"

#include "common/text.h"

#include <algorithm>
#include <limits>

namespace vantrel::air_syntax {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

} // namespace

std::string_view withoutComment(std::string_view line)
{
    const auto semicolon = line.find(';');
    return semicolon == std::string_view::npos ? line : line.substr(0, semicolon);
}

std::optional<std::int64_t> readNumber(std::string_view field, bool allowFraction)
{
    field = trimBlanksAndTabs(field);
    std::size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        negative = field[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits)
        value = std::min<std::int64_t>(value * 10 + (field[i] - '0'), std::int64_t{1} << 40);
    if (allowFraction && i < field.size() && field[i] == '.') {
        ++i;
        for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
            ++digits;
    }
    if (digits == 0 || i != field.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::int32_t clampToInt32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::vector<std::string_view> splitCommas(std::string_view s)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = s.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(s.substr(start));
            return fields;
        }
        fields.push_back(s.substr(start, comma - start));
        start = comma + 1;
    }
}

std::optional<BoxKey> readBoxKey(std::string_view content)
{
    if (!startsWithNoCase(content, "clsn") || content.size() < 5 || (content[4] != '1' && content[4] != '2'))
        return std::nullopt;
    BoxKey key;
    key.kind = content[4] == '1' ? BoxKind::Clsn1 : BoxKind::Clsn2;
    key.length = 5;
    if (startsWithNoCase(content.substr(5), "default")) {
        key.isDefault = true;
        key.length += 7;
    }
    return key;
}

BoxLineFields readBoxLineFields(std::string_view content, const BoxKey& key)
{
    BoxLineFields f;
    f.kind = key.kind;
    std::string_view rest = trimBlanksAndTabs(content.substr(key.length));
    if (rest.empty() || rest.front() != '[')
        return f;
    const auto close = rest.find(']');
    const auto equals = rest.find('=');
    if (close == std::string_view::npos || equals == std::string_view::npos || equals < close)
        return f;
    if (!trimBlanksAndTabs(rest.substr(close + 1, equals - close - 1)).empty())
        return f;
    f.shaped = true;
    f.index = readNumber(rest.substr(1, close - 1), false);
    f.numbers = rest.substr(equals + 1);
    return f;
}

AirLineKind classify(std::string_view line)
{
    const std::string_view content = trimBlanksAndTabs(withoutComment(line));
    if (content.empty())
        return trimBlanksAndTabs(line).empty() ? AirLineKind::Blank : AirLineKind::Comment;
    if (content.front() == '[')
        return startsWithNoCase(trimBlanksAndTabs(content.substr(1)), "begin") ? AirLineKind::ActionHeader
                                                                               : AirLineKind::Unknown;
    if (const auto key = readBoxKey(content)) {
        const std::string_view rest = trimBlanksAndTabs(content.substr(key->length));
        if (!rest.empty() && rest.front() == ':')
            return AirLineKind::BoxCount;
        if (!rest.empty() && rest.front() == '[' && !key->isDefault)
            return AirLineKind::Box;
        return AirLineKind::Unknown;
    }
    if (startsWithNoCase(content, "loopstart") && trimBlanksAndTabs(content.substr(9)).empty())
        return AirLineKind::Loopstart;
    if (startsWithNoCase(content, "interpolate"))
        return AirLineKind::Interpolate;
    const char c = content.front();
    if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.')
        return AirLineKind::Frame;
    return AirLineKind::Unknown;
}

std::uint8_t interpolationOf(std::string_view content)
{
    content = trimBlanksAndTabs(content);
    if (!startsWithNoCase(content, "interpolate"))
        return 0;
    const std::string_view rest = trimBlanksAndTabs(content.substr(11));
    const std::pair<std::string_view, std::uint8_t> words[] = {{"offset", kInterpolateOffset},
                                                               {"blend", kInterpolateBlend},
                                                               {"scale", kInterpolateScale},
                                                               {"angle", kInterpolateAngle}};
    for (const auto& [word, bit] : words) {
        if (rest.size() == word.size() && startsWithNoCase(rest, word))
            return bit;
    }
    return 0;
}

std::optional<std::int64_t> headerNumber(std::string_view content)
{
    content = trimBlanksAndTabs(content);
    if (content.size() < 2 || content.front() != '[' || content.back() != ']')
        return std::nullopt;
    std::string_view inner = trimBlanksAndTabs(content.substr(1, content.size() - 2));
    if (!startsWithNoCase(inner, "begin"))
        return std::nullopt;
    inner = inner.substr(5);
    if (inner.empty() || !isSpace(inner.front()))
        return std::nullopt;
    inner = trimBlanksAndTabs(inner);
    if (!startsWithNoCase(inner, "action"))
        return std::nullopt;
    inner = inner.substr(6);
    if (inner.empty() || !isSpace(inner.front()))
        return std::nullopt;
    return readNumber(inner, false);
}

} // namespace vantrel::air_syntax
