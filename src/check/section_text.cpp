#include "section_text.h"

namespace vantrel {

std::string_view trimBlanksAndTabs(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string lowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

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

namespace {

std::string_view withoutComment(std::string_view line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ';' && !quoted)
            return line.substr(0, i);
    }
    return line;
}

} // namespace

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

        const std::string_view line = trimBlanksAndTabs(withoutComment(raw));
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
        entry.key = lowerCase(trimBlanksAndTabs(line.substr(0, equals)));
        entry.value = trimBlanksAndTabs(line.substr(equals + 1));
        out.sections.back().entries.push_back(std::move(entry));
    }
    out.lineCount = lineNo;
    return out;
}

} // namespace vantrel
