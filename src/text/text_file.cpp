#include "text_file.h"

#include "common/encoding.h"
#include "common/text.h"
#include "common/translatable.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <unordered_map>

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

// The bytes of each line, split at CR LF, LF and lone CR, and the end after each but the last.
void splitLineBytes(std::string_view bytes, std::vector<std::string>& lines, std::vector<LineEnd>& ends)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        LineEnd end = c == '\r' ? LineEnd::Cr : LineEnd::Lf;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            end = LineEnd::CrLf;
            ++i;
        }
        ends.push_back(end);
        start = i + 1;
    }
    lines.emplace_back(bytes.substr(start));
}

bool decodesCleanly(const std::vector<std::string>& lines, Charset charset)
{
    for (const std::string& line : lines) {
        const auto text = decodeStrict(line, charset);
        if (!text || holdsLayoutCharacters(*text))
            return false;
    }
    return true;
}

JoinedText decodeLines(std::string_view bytes, std::optional<Charset> chosen)
{
    JoinedText joined;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        joined.encoding.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    splitLineBytes(bytes, joined.lineBytes, joined.ends);
    // Most character files are plain ASCII, which reads the same in every
    // charset offered: such text is widened as it stands, with no line
    // decoded twice nor copied on the way.
    const bool ascii = std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    Charset charset = Charset::Latin1;
    if (chosen) {
        charset = *chosen;
    } else if (ascii) {
        charset = Charset::Utf8;
    } else {
        for (Charset c : kCharsets) {
            if (decodesCleanly(joined.lineBytes, c)) {
                charset = c;
                break;
            }
        }
    }
    joined.encoding.charset = charset;

    std::u16string& text = joined.text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < joined.lineBytes.size(); ++i) {
        if (i > 0)
            text += u'\n';
        if (ascii) {
            text.append(joined.lineBytes[i].begin(), joined.lineBytes[i].end());
            continue;
        }
        std::u16string line = decodeLenient(joined.lineBytes[i], charset);
        // A paragraph break inside a line would split it in the text box.
        for (char16_t& c : line) {
            if (holdsLayoutCharacters(std::u16string_view(&c, 1)))
                c = u'\uFFFD';
        }
        text += line;
    }

    // Ties go to CR LF, the engine's own convention.
    std::array<std::size_t, 4> counts{};
    for (LineEnd end : joined.ends)
        ++counts[static_cast<std::size_t>(end)];
    LineEnd usual = LineEnd::CrLf;
    for (LineEnd e : {LineEnd::Lf, LineEnd::Cr}) {
        if (counts[static_cast<std::size_t>(e)] > counts[static_cast<std::size_t>(usual)])
            usual = e;
    }
    joined.encoding.usualEnd = usual;
    return joined;
}

ShownText shownFromJoined(JoinedText joined)
{
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
    shown.lineBytes = std::move(joined.lineBytes);
    return shown;
}

} // namespace

Charset detectCharset(std::string_view bytes)
{
    return decodeLines(bytes, std::nullopt).encoding.charset;
}

JoinedText decodeJoined(std::string_view bytes)
{
    return decodeLines(bytes, std::nullopt);
}

JoinedText decodeJoined(std::string_view bytes, Charset charset)
{
    return decodeLines(bytes, charset);
}

ShownText decodeText(std::string_view bytes)
{
    return shownFromJoined(decodeLines(bytes, std::nullopt));
}

ShownText decodeText(std::string_view bytes, Charset charset)
{
    return shownFromJoined(decodeLines(bytes, charset));
}

EncodedText encodeFile(const std::vector<TextLine>& lines, const TextEncoding& encoding, const FileLines& original)
{
    EncodedText result;
    std::string& out = result.bytes;
    if (encoding.byteOrderMark)
        out += kByteOrderMark;
    const bool haveOriginal = !original.lines.empty() && original.lines.size() == original.bytes.size();
    LineChange change{0, 0, lines.size()};
    if (haveOriginal)
        change = changedLines(original.lines, lines, encoding.usualEnd);
    // A line in the changed stretch that reads as one the file had there
    // (moved, or typed again) takes that line's bytes too.
    std::unordered_map<std::u16string, const std::string*> replaced;
    for (std::size_t i = change.first; haveOriginal && i < change.first + change.removed; ++i)
        replaced.emplace(original.lines[i].text, &original.bytes[i]);

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string& text = lines[i].text;
        if (haveOriginal && i < change.first) {
            out += original.bytes[i];
        } else if (haveOriginal && i >= change.first + change.added) {
            out += original.bytes[i - change.added + change.removed];
        } else if (const auto kept = replaced.find(text); kept != replaced.end()) {
            out += *kept->second;
        } else {
            const std::size_t bad = appendIn(out, text, encoding.charset);
            if (bad != std::u16string::npos && !result.unwritable)
                result.unwritable = Unwritable{i, bad, characterAt(text, bad)};
        }
        if (i + 1 < lines.size()) {
            const LineEnd end = lines[i].end == LineEnd::None ? encoding.usualEnd : lines[i].end;
            out += lineEndBytes(end == LineEnd::None ? LineEnd::CrLf : end);
        }
    }
    const bool endsWithBreak = lines.size() > 1 && lines.back().text.empty();
    if (!endsWithBreak)
        out += "\r\n";
    return result;
}

std::string encodeText(const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    return encodeFile(lines, encoding, {}).bytes;
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
        appendIn(out, lines[i].text, encoding.charset);
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

namespace {

const char* const kNoFileName = QT_TRANSLATE_NOOP("Messages", "Could not write the file: it has no name yet.");

} // namespace

Result<JoinedText> loadTextFile(const std::string& path, std::optional<Charset> charset)
{
    errno = 0;
    auto bytes = readFileBytes(path);
    if (!bytes)
        return Result<JoinedText>::failure("Could not read " + path + ": "
                                           + std::strerror(readErrorNumber(path, errno)));
    return decodeLines(*bytes, charset);
}

Result<void> saveTextFile(const std::string& path, const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    if (path.empty())
        return Result<void>::failure(kNoFileName);
    return saveTextBytes(path, encodeText(lines, encoding));
}

Result<void> saveTextBytes(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        return Result<void>::failure(kNoFileName);
    return writeFileAtomic(path, bytes);
}

} // namespace vantrel
