#include "text_file.h"

#include "common/encoding.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>

namespace vantrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Characters the text widget would turn into paragraph or frame breaks; a
// file holding them is shown byte for byte so that nothing is rewritten.
bool holdsLayoutCharacters(std::u16string_view text)
{
    for (char16_t c : text) {
        if (c == 0x2029 || c == 0xFDD0 || c == 0xFDD1)
            return true;
    }
    return false;
}

std::string_view lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf: return "\r\n";
    case LineEnd::Lf: return "\n";
    case LineEnd::Cr: return "\r";
    case LineEnd::None: break;
    }
    return {};
}

} // namespace

JoinedText decodeJoined(std::string_view bytes)
{
    JoinedText joined;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        joined.encoding.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::u16string& text = joined.text;
    if (auto utf8 = decodeUtf8(bytes); utf8 && !holdsLayoutCharacters(*utf8)) {
        text = std::move(*utf8);
    } else {
        joined.encoding.utf8 = false;
        text = decodeSingleBytes(bytes);
    }

    // Every break becomes one LF, in place: the text only gets shorter.
    std::array<std::size_t, 4> counts{};
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n') {
            text[kept++] = c;
            continue;
        }
        LineEnd end = c == u'\r' ? LineEnd::Cr : LineEnd::Lf;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            end = LineEnd::CrLf;
            ++i;
        }
        ++counts[static_cast<std::size_t>(end)];
        joined.ends.push_back(end);
        text[kept++] = u'\n';
    }
    text.resize(kept);

    // Ties go to CR LF, the engine's own convention.
    LineEnd usual = LineEnd::CrLf;
    for (LineEnd e : {LineEnd::Lf, LineEnd::Cr}) {
        if (counts[static_cast<std::size_t>(e)] > counts[static_cast<std::size_t>(usual)])
            usual = e;
    }
    joined.encoding.usualEnd = usual;
    return joined;
}

ShownText decodeText(std::string_view bytes)
{
    const JoinedText joined = decodeJoined(bytes);
    ShownText shown;
    shown.encoding = joined.encoding;
    const std::u16string_view text = joined.text;
    std::size_t start = 0;
    for (const LineEnd end : joined.ends) {
        const std::size_t lf = text.find(u'\n', start);
        shown.lines.push_back({std::u16string(text.substr(start, lf - start)), end});
        start = lf + 1;
    }
    shown.lines.push_back({std::u16string(text.substr(start)), LineEnd::None});
    return shown;
}

std::string encodeText(const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    std::string out;
    if (encoding.byteOrderMark)
        out += kByteOrderMark;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        appendEncoded(out, lines[i].text, encoding.utf8);
        if (i + 1 < lines.size()) {
            const LineEnd end = lines[i].end == LineEnd::None ? encoding.usualEnd : lines[i].end;
            out += lineEndBytes(end == LineEnd::None ? LineEnd::CrLf : end);
        }
    }
    const bool endsWithBreak = lines.size() > 1 && lines.back().text.empty();
    if (!endsWithBreak)
        out += "\r\n";
    return out;
}

std::u16string joinedWithCrLf(const std::vector<TextLine>& lines)
{
    std::u16string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += u"\r\n";
        out += lines[i].text;
    }
    return out;
}

std::string shownBytes(const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        appendEncoded(out, lines[i].text, encoding.utf8);
        if (i + 1 < lines.size()) {
            const LineEnd end = lines[i].end == LineEnd::None ? encoding.usualEnd : lines[i].end;
            out += lineEndBytes(end == LineEnd::None ? LineEnd::CrLf : end);
        }
    }
    return out;
}

LineChange changedLines(const std::vector<TextLine>& before, const std::vector<TextLine>& after, LineEnd usualEnd)
{
    // The end after line i; the last line has none.
    const auto endAfter = [usualEnd](const std::vector<TextLine>& lines, std::size_t i) {
        if (i + 1 >= lines.size())
            return LineEnd::None;
        return lines[i].end == LineEnd::None ? usualEnd : lines[i].end;
    };
    const auto endBefore = [&](const std::vector<TextLine>& lines, std::size_t i) {
        return i == 0 ? LineEnd::None : endAfter(lines, i - 1);
    };
    LineChange change;
    const std::size_t shorter = std::min(before.size(), after.size());
    while (change.first < shorter && before[change.first].text == after[change.first].text
           && endAfter(before, change.first) == endAfter(after, change.first))
        ++change.first;
    std::size_t same = 0; // lines that agree at the end
    while (same < shorter - change.first) {
        const std::size_t b = before.size() - 1 - same;
        const std::size_t a = after.size() - 1 - same;
        if (before[b].text != after[a].text || endAfter(before, b) != endAfter(after, a)
            || endBefore(before, b) != endBefore(after, a))
            break;
        ++same;
    }
    change.removed = before.size() - change.first - same;
    change.added = after.size() - change.first - same;
    return change;
}

TextLoadResult loadTextFile(const std::string& path)
{
    TextLoadResult result;
    errno = 0;
    auto bytes = readFileBytes(path);
    if (!bytes) {
        std::error_code ec;
        if (errno != 0)
            result.errorNumber = errno;
        else if (std::filesystem::is_directory(path, ec))
            result.errorNumber = EISDIR;
        else if (!std::filesystem::exists(path, ec))
            result.errorNumber = ENOENT;
        else
            result.errorNumber = EIO;
        return result;
    }
    result.ok = true;
    result.text = decodeJoined(*bytes);
    return result;
}

WriteResult saveTextFile(const std::string& path, const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    if (path.empty())
        return {false, "Could not write the file: it has no name yet."};
    return writeFileAtomic(path, encodeText(lines, encoding));
}

} // namespace vantrel
