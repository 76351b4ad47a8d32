#include "text/references.h"

#include "check/parameter_references.h"
#include "common/text.h"
#include "text/outline.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

namespace {

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

// Where `text` starts after blanks and tabs from `at`.
std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    return at;
}

// The number a header names after its word: "[Statedef 200, Punch]".
std::optional<ReferenceSpan> headerNumber(std::string_view line, std::size_t after, const std::string& key)
{
    const std::size_t from = skipBlanks(line, after);
    std::size_t to = from;
    while (to < line.size() && (std::isdigit(static_cast<unsigned char>(line[to])) || line[to] == '-'))
        ++to;
    if (line.substr(from, to - from) != key)
        return std::nullopt;
    return ReferenceSpan{0, from, to - from, true};
}

// Triggers comparing what the player is in with a number: "stateno = 0",
// "prevstateno != 200", "anim = 5". Each such comparison naming `key`.
void findComparisons(std::string_view text, std::size_t offset, const std::vector<std::string_view>& words,
                     const std::string& key, std::vector<ReferenceSpan>& found)
{
    const std::string lower = toLowerAscii(text);
    for (std::string_view word : words) {
        for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            if ((at > 0 && isNameCharacter(lower[at - 1]))
                || (at + word.size() < lower.size() && isNameCharacter(lower[at + word.size()])))
                continue;
            std::size_t k = skipBlanks(lower, at + word.size());
            if (k < lower.size() && lower[k] == '!')
                ++k;
            if (k >= lower.size() || lower[k] != '=')
                continue;
            const std::size_t from = skipBlanks(lower, k + 1);
            std::size_t to = from + (from < lower.size() && lower[from] == '-' ? 1 : 0);
            while (to < lower.size() && std::isdigit(static_cast<unsigned char>(lower[to])))
                ++to;
            if (to > from && lower.substr(from, to - from) == key
                && (to == lower.size() || !isNameCharacter(lower[to])))
                found.push_back({0, offset + from, to - from, false});
        }
    }
}

// Each "command" trigger's name in quotes equal to `key` (letter case counts).
void findCommandNames(std::string_view text, std::size_t offset, const std::string& key,
                      std::vector<ReferenceSpan>& found)
{
    for (std::size_t open = text.find('"'); open != std::string_view::npos;) {
        const std::size_t close = text.find('"', open + 1);
        if (close == std::string_view::npos)
            return;
        std::string_view before = trimBlanksAndTabs(text.substr(0, open));
        if (before.ends_with('=')) {
            before = trimBlanksAndTabs(before.substr(0, before.size() - 1));
            if (before.ends_with('!'))
                before.remove_suffix(1);
            if (toLowerAscii(before).ends_with("command") && text.substr(open + 1, close - open - 1) == key)
                found.push_back({0, offset + open + 1, close - open - 1, false});
        }
        open = text.find('"', close + 1);
    }
}

} // namespace

std::vector<ReferenceSpan> referencesTo(const std::vector<std::string_view>& lines, const DefinitionName& name)
{
    std::vector<ReferenceSpan> found;
    // Each block's controller, known before its lines are read: "type =" may
    // come after the line that names the state.
    std::vector<std::string> types(lines.size());
    std::size_t blockStart = 0;
    for (std::size_t k = 0; k <= lines.size(); ++k) {
        if (k == lines.size() || trimmedView(lines[k]).starts_with('[')) {
            const std::string type = k == 0 ? std::string() : blockTypeAt(lines, k - 1);
            for (std::size_t j = blockStart; j < k; ++j)
                types[j] = type;
            blockStart = k;
        }
    }
    bool inCommand = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::string_view raw = lines[k];
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        const std::string_view text = beforeComment(raw);
        const std::size_t lead = std::min(text.find_first_not_of(" \t"), text.size());
        const std::string_view line = trimBlanksAndTabs(text);
        const std::size_t before = found.size();
        if (line.starts_with('[')) {
            const std::string header = toLowerAscii(line.substr(0, 13));
            inCommand = header.starts_with("[command]");
            std::optional<ReferenceSpan> defined;
            if (name.kind == DefinitionKind::State && header.starts_with("[statedef"))
                defined = headerNumber(line, 9, name.key);
            if (name.kind == DefinitionKind::Action && header == "[begin action")
                defined = headerNumber(line, 13, name.key);
            if (defined) {
                defined->column += lead;
                found.push_back(*defined);
            }
        } else if (const auto equals = text.find('='); equals != std::string_view::npos) {
            const std::string key = toLowerAscii(trimBlanksAndTabs(text.substr(0, equals)));
            const std::string_view value = text.substr(equals + 1);
            const std::size_t valueAt = equals + 1;
            const bool trigger = key.starts_with("trigger");
            if (name.kind == DefinitionKind::Command) {
                if (inCommand && key == "name" && commandNameOf(raw) == name.key) {
                    found.push_back({0, text.find(name.key, equals), name.key.size(), true});
                } else if (trigger) {
                    findCommandNames(value, valueAt, name.key, found);
                }
            } else if (trigger) {
                if (name.kind == DefinitionKind::State)
                    findComparisons(value, valueAt, {"stateno", "prevstateno"}, name.key, found);
                else if (name.kind == DefinitionKind::Action)
                    findComparisons(value, valueAt, {"anim"}, name.key, found);
            } else if (const auto reference = parameterReference(types[k], key)) {
                const bool kindMatches = (reference->kind == ReferenceKind::State && name.kind == DefinitionKind::State)
                    || (reference->kind == ReferenceKind::Action && name.kind == DefinitionKind::Action);
                if (kindMatches && ownReferenceKey(value, *reference) == name.key) {
                    const std::size_t from = skipBlanks(text, valueAt);
                    found.push_back({0, from, trimBlanksAndTabs(value).size(), false});
                }
            }
        }
        for (std::size_t j = before; j < found.size(); ++j)
            found[j].line = k;
    }
    return found;
}

} // namespace vantrel
