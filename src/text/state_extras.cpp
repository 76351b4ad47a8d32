#include "state_extras.h"

#include "common/text.h"
#include "text/text_file.h"

#include <algorithm>

namespace vantrel {

namespace {

constexpr std::u16string_view kStatedef = u"[statedef ";
// A state script's function is in no state.
constexpr std::u16string_view kFunction = u"[function ";
// The characters after "[statedef " its number is read from.
constexpr std::size_t kNumberWindow = 12;

// Characters beyond ASCII cannot be part of a number; they stop the reading.
std::string asciiOnly(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '\x7f';
    return out;
}

char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Where the last `marker` (any letter case) that ends by `limit` starts.
std::optional<std::size_t> lastMarker(std::u16string_view line, std::size_t limit, std::u16string_view marker)
{
    limit = std::min(limit, line.size());
    for (std::size_t at = limit; at >= marker.size(); --at) {
        const std::size_t start = at - marker.size();
        bool same = true;
        for (std::size_t i = 0; same && i < marker.size(); ++i)
            same = lowerAscii(line[start + i]) == marker[i];
        if (same)
            return start;
    }
    return std::nullopt;
}

} // namespace

std::int64_t stateAtLine(const std::function<std::u16string(long)>& line, long lineCount, long endLine, long endColumn)
{
    for (long n = std::min(endLine, lineCount - 1); n >= 0; --n) {
        const std::u16string text = line(n);
        const std::size_t limit = n == endLine ? static_cast<std::size_t>(std::max(endColumn, 0L)) : text.size();
        const auto at = lastMarker(text, limit, kStatedef);
        const auto function = lastMarker(text, limit, kFunction);
        if (function && (!at || *function > *at))
            return kNotInAState;
        if (!at)
            continue;
        // The number's window runs on over line breaks (CR LF) into the lines below.
        std::u16string following = text.substr(*at + kStatedef.size());
        for (long next = n + 1; following.size() < kNumberWindow && next < lineCount; ++next)
            following += u"\r\n" + line(next);
        // Of the twelve characters (fewer at the end of the text) the last two never count.
        following.resize(std::min(following.size(), kNumberWindow));
        following.resize(following.size() >= 2 ? following.size() - 2 : 0);
        return numericValue(asciiOnly(following));
    }
    return kNotInAState;
}

std::optional<std::int64_t> stateAtSelection(std::u16string_view text, long selStart, long selLength)
{
    if (selStart <= 0)
        return std::nullopt;
    const auto size = static_cast<long>(text.size());
    const auto end = static_cast<std::size_t>(std::clamp<long>(selStart + std::max<long>(selLength, 0), 0, size));
    std::vector<std::u16string_view> lines;
    long endLine = 0, endColumn = 0;
    for (std::size_t start = 0;;) {
        const std::size_t breakAt = text.find(u"\r\n", start);
        const std::size_t stop = breakAt == std::u16string_view::npos ? text.size() : breakAt;
        if (end >= start && end <= stop + 1) {
            endLine = static_cast<long>(lines.size());
            endColumn = static_cast<long>(end - start);
        }
        lines.push_back(text.substr(start, stop - start));
        if (breakAt == std::u16string_view::npos)
            break;
        start = breakAt + 2;
    }
    return stateAtLine([&lines](long n) { return std::u16string(lines[static_cast<std::size_t>(n)]); },
                       static_cast<long>(lines.size()), endLine, endColumn);
}

const TextClip* TextClipLibrary::clipAt(int listPosition) const
{
    const std::size_t index = static_cast<std::size_t>(listPosition) + 1;
    if (listPosition < 0 || index >= clips.size())
        return nullptr;
    return &clips[index];
}

TextClipLibrary readTextClips(const std::vector<std::string>& lines)
{
    TextClipLibrary library;
    std::size_t clip = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line == "-") {
            if (++clip == kMaxTextClips + 1) {
                library.truncated = true;
                break;
            }
        } else if (line.size() >= 2 && line.front() == '<' && line.back() == '>') {
            TextClip& current = library.clips[clip];
            current.name = utf16FromUtf8(std::string_view(line).substr(1, line.size() - 2));
            library.listNames.push_back(current.name);
            // The next line is the help number, whatever it holds.
            current.helpNumber = ++i < lines.size() ? numericValue(trimmed(lines[i])) : 0;
        } else if (!startsWith(line, "<")) {
            library.clips[clip].body += utf16FromUtf8(line) + u"\r\n";
        }
    }
    return library;
}

TextClipLibrary readTextClipFile(const std::string& path)
{
    const auto lines = readLines(path);
    return lines ? readTextClips(*lines) : TextClipLibrary{};
}

TextClip scriptClip(const TextClip& clip)
{
    std::vector<std::pair<std::u16string, std::u16string>> entries;
    std::u16string_view rest = clip.body;
    std::u16string header;
    while (!rest.empty()) {
        const auto end = std::min(rest.find(u"\r\n"), rest.size());
        const std::u16string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(rest.size(), end + 2));
        if (line.starts_with(u"[")) {
            header = std::u16string(line);
            continue;
        }
        const auto equals = line.find(u'=');
        if (equals == std::u16string_view::npos)
            continue;
        auto trim = [](std::u16string_view text) {
            while (!text.empty() && (text.front() == u' ' || text.front() == u'\t'))
                text.remove_prefix(1);
            while (!text.empty() && (text.back() == u' ' || text.back() == u'\t'))
                text.remove_suffix(1);
            return std::u16string(text);
        };
        entries.emplace_back(trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
    }
    const bool statedef = header.size() > 9 && (header.starts_with(u"[Statedef") || header.starts_with(u"[StateDef"));
    const bool controller = header.starts_with(u"[State ") && !entries.empty() && entries.front().first == u"type";
    if (!statedef && !controller)
        return clip;
    TextClip converted = clip;
    if (statedef) {
        // "[Statedef ]": the number is left to type, after "[StateDef ".
        std::u16string text = u"[StateDef ";
        for (const auto& [key, value] : entries)
            text.append(u"; ").append(key).append(u": ").append(value);
        converted.body = text + u";]";
        return converted;
    }
    std::u16string condition;
    std::u16string parameters;
    for (std::size_t k = 1; k < entries.size(); ++k) {
        const auto& [key, value] = entries[k];
        if (key == u"trigger1") {
            condition = value;
            continue;
        }
        parameters.append(parameters.empty() ? u"" : u"; ").append(key).append(u": ").append(value);
    }
    converted.body = u"if " + condition + u" {\r\n\t" + entries.front().second + u"{" + parameters + u"}\r\n}";
    return converted;
}

long clipInsertionPoint(std::u16string_view text, long caret)
{
    const auto from = static_cast<std::size_t>(std::clamp<long>(caret - 1, 0, static_cast<long>(text.size())));
    const auto blank = text.find(u"\r\n\r\n", from);
    return blank == std::u16string_view::npos ? static_cast<long>(text.size()) : static_cast<long>(blank) + 2;
}

ClipInsertion clipInsertion(long insertionPoint, const TextClip& clip, std::int64_t state)
{
    ClipInsertion result;
    result.insertionPoint = insertionPoint;
    std::u16string body = clip.body;
    const auto placeholder = body.find(kStatePlaceholder);
    const std::u16string number = utf16FromUtf8(formatNumber(state));
    if (placeholder != std::u16string::npos)
        body.replace(placeholder, kStatePlaceholder.size(), number);
    result.text = u"\r\n" + body;
    // "\r\n[State" + number + ", ": the name goes right after the comma and blank.
    if (clip.helpNumber > kLastPlainClipTopic && placeholder != std::u16string::npos) {
        const long at = insertionPoint + 10 + static_cast<long>(number.size());
        result.nameAt = std::min(at, insertionPoint + static_cast<long>(result.text.size()));
    }
    return result;
}

bool insertTextClip(TextBox& box, const TextClip& clip, std::int64_t& state, bool script)
{
    if (script) {
        // A script's clip has no name to put in, and no state number of its own.
        const TextClip converted = scriptClip(clip);
        if (box.selStart() == 0 && box.selLength() == 0)
            return false;
        const std::u16string text = box.text();
        const long point = clipInsertionPoint(text, box.selStart());
        box.setSelection(point, 0);
        box.replaceSelection(u"\r\n" + converted.body);
        return true;
    }
    if (box.selStart() == 0 && box.selLength() == 0)
        return false;
    const std::u16string text = box.text();
    const long point = clipInsertionPoint(text, box.selStart());
    box.setSelection(point, 0);
    if (const auto around = stateAtSelection(text, point, 0))
        state = *around;

    const ClipInsertion insertion = clipInsertion(point, clip, state);
    box.replaceSelection(insertion.text);
    if (insertion.nameAt) {
        box.setSelection(*insertion.nameAt, 0);
        box.replaceSelection(clip.name);
        box.setSelection(*insertion.nameAt, static_cast<long>(clip.name.size()));
    }
    return true;
}

std::string helpTopic(std::string_view html, std::int64_t contextNumber)
{
    const std::string marker = "id=\"topic-" + std::to_string(contextNumber) + "\"";
    const auto at = html.find(marker);
    if (at == std::string_view::npos)
        return {};
    const auto open = html.rfind('<', at);
    constexpr std::string_view kEnd = "<!-- /topic -->";
    const auto end = html.find(kEnd, at);
    if (open == std::string_view::npos || end == std::string_view::npos)
        return {};
    return std::string(html.substr(open, end + kEnd.size() - open));
}

} // namespace vantrel
