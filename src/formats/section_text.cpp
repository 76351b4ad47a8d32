#include "formats/section_text.h"

#include "common/text.h"

namespace vantrel {

std::optional<std::int64_t> plainNumber(std::string_view text)
{
    text = trimBlanksAndTabs(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size() || text.size() - i > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9')
            return std::nullopt;
        value = value * 10 + (text[k] - '0');
    }
    return text[0] == '-' ? -value : value;
}

SectionedText readSections(std::string bytes)
{
    SectionedText out;
    out.bytes = std::make_unique<const std::string>(std::move(bytes));
    std::string_view text = *out.bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    std::int32_t lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const std::string_view raw = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size())
            pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
        ++lineNo;

        const std::string_view line = trimBlanksAndTabs(beforeComment(raw));
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const auto close = line.rfind(']');
            TextSection section;
            section.line = lineNo;
            section.header = trimBlanksAndTabs(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            out.sections.push_back(std::move(section));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || out.sections.empty())
            continue;
        SectionEntry entry;
        entry.line = lineNo;
        entry.key = toLowerAscii(trimBlanksAndTabs(line.substr(0, equals)));
        entry.value = trimBlanksAndTabs(line.substr(equals + 1));
        out.sections.back().entries.push_back(std::move(entry));
    }
    out.lineCount = lineNo;
    return out;
}

} // namespace vantrel
