#include "text/outline.h"

#include "common/text.h"

#include <algorithm>

namespace vantrel {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && toLowerAscii(std::string(text.substr(0, prefix.size()))) == prefix;
}

// The words of a comment line ("; --- Stand light punch ---" gives "Stand
// light punch"); empty for a line that is no comment or only decoration.
std::string commentText(std::string_view line)
{
    line = trimmedView(line);
    if (line.empty() || (line.front() != ';' && line.front() != '#'))
        return {};
    const auto first = line.find_first_not_of(";#-=*~_ \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = line.find_last_not_of(";#-=*~_ \t");
    return std::string(line.substr(first, last - first + 1));
}

// The comment that names what follows: the first words of the block of
// comment lines just above line `at` ("; Light punch" over its description
// and its decoration lines).
std::string commentAbove(const std::vector<std::string_view>& lines, std::size_t at)
{
    constexpr std::size_t kLongestBlock = 200;
    std::size_t top = at;
    while (top > 0 && at - top < kLongestBlock) {
        const std::string_view line = trimmedView(lines[top - 1]);
        if (line.empty() || (line.front() != ';' && line.front() != '#'))
            break;
        --top;
    }
    for (std::size_t k = top; k < at; ++k) {
        if (std::string text = commentText(lines[k]); !text.empty())
            return text;
    }
    return {};
}

// "[Statedef 200, Light punch]" from after "statedef": the number, and the
// text after it up to the bracket ("Light punch").
std::pair<std::string, std::string> numberAndName(std::string_view rest)
{
    rest = trimmedView(rest);
    std::size_t digits = rest.starts_with('-') ? 1 : 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
        ++digits;
    std::string number(rest.substr(0, digits));
    std::string_view name = rest.substr(digits);
    name = name.substr(0, name.find(']'));
    if (!name.empty() && (name.front() == ',' || name.front() == ';'))
        name.remove_prefix(1);
    // A script header goes on with its keys ("type: S; ..."): no name there.
    if (name.find(':') != std::string_view::npos)
        name = {};
    return {std::move(number), std::string(trimmedView(name))};
}

std::string labelOf(const std::string& number, const std::string& comment, const std::string& own)
{
    const std::string& name = comment.empty() ? own : comment;
    return name.empty() ? number : number + " " + name;
}

} // namespace

std::string_view trimmedView(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return trimBlanksAndTabs(line);
}

std::string commandNameOf(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || toLowerAscii(trimBlanksAndTabs(line.substr(0, equals))) != "name")
        return {};
    std::string_view value = line.substr(equals + 1);
    value = trimBlanksAndTabs(value.substr(0, value.find(';')));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::vector<OutlineEntry> outlineOf(OutlineKind kind, const std::vector<std::string_view>& lines)
{
    std::vector<OutlineEntry> entries;
    bool commandNamed = true; // the last [Command] has its name
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view line = trimmedView(lines[k]);
        const int at = static_cast<int>(k);
        if (!line.starts_with('[')) {
            if (!commandNamed) {
                if (std::string name = commandNameOf(line); !name.empty()) {
                    entries.back().label = std::move(name);
                    commandNamed = true;
                }
            }
            continue;
        }
        commandNamed = true;
        if (kind == OutlineKind::States && startsWithIgnoringCase(line, "[statedef")) {
            const auto [number, own] = numberAndName(line.substr(9));
            entries.push_back({at, labelOf(number, commentAbove(lines, k), own)});
        } else if (kind == OutlineKind::States && startsWithIgnoringCase(line, "[function")) {
            std::string_view name = trimmedView(line.substr(9));
            name = name.substr(0, std::min(name.find('('), name.find(']')));
            entries.push_back({at, "Function " + std::string(trimmedView(name))});
        } else if (kind == OutlineKind::Actions && startsWithIgnoringCase(line, "[begin action")) {
            const auto [number, own] = numberAndName(line.substr(13));
            entries.push_back({at, labelOf(number, commentAbove(lines, k), own)});
        } else if (kind == OutlineKind::Commands && startsWithIgnoringCase(line, "[command]")) {
            entries.push_back({at, "[Command]"});
            commandNamed = false;
        }
    }
    return entries;
}

int outlineEntryAt(const std::vector<OutlineEntry>& entries, int line)
{
    const auto after = std::upper_bound(entries.begin(), entries.end(), line,
                                        [](int wanted, const OutlineEntry& entry) { return wanted < entry.line; });
    return static_cast<int>(after - entries.begin()) - 1;
}

} // namespace vantrel
