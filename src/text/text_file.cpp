#include "text_file.h"

#include "common/text.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>

namespace vantrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void appendUtf16(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF);
// nothing when the bytes are not UTF-8.
std::optional<std::u16string> decodeUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            out += static_cast<char16_t>(b0);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1, c = b0 & 0x1F, least = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2, c = b0 & 0x0F, least = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3, c = b0 & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size())
            return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if ((b & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        appendUtf16(out, c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::u16string decodeBytes(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out += static_cast<char16_t>(static_cast<unsigned char>(b));
    return out;
}

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

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// In a single-byte file every character up to U+00FF is one byte; anything
// the user typed beyond that is kept as UTF-8 rather than lost.
void encodeLine(std::string& out, std::u16string_view text, bool utf8)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (!utf8 && c <= 0xFF) {
            out += static_cast<char>(c);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
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

std::u16string utf16FromUtf8(std::string_view text)
{
    auto decoded = decodeUtf8(text);
    return decoded ? std::move(*decoded) : decodeBytes(text);
}

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    encodeLine(out, text, true);
    return out;
}

std::u16string shownFromBytes(std::string_view bytes)
{
    return utf16FromUtf8(bytes);
}

ShownText decodeText(std::string_view bytes)
{
    ShownText shown;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        shown.encoding.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::u16string text;
    if (auto utf8 = decodeUtf8(bytes); utf8 && !holdsLayoutCharacters(*utf8)) {
        text = std::move(*utf8);
    } else {
        shown.encoding.utf8 = false;
        text = decodeBytes(bytes);
    }

    std::array<std::size_t, 4> counts{};
    TextLine line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n') {
            line.text += c;
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            line.end = LineEnd::CrLf;
            ++i;
        } else {
            line.end = c == u'\r' ? LineEnd::Cr : LineEnd::Lf;
        }
        ++counts[static_cast<std::size_t>(line.end)];
        shown.lines.push_back(std::move(line));
        line = TextLine{};
    }
    shown.lines.push_back(std::move(line));

    // Ties go to CR LF, the engine's own convention.
    LineEnd usual = LineEnd::CrLf;
    for (LineEnd e : {LineEnd::Lf, LineEnd::Cr}) {
        if (counts[static_cast<std::size_t>(e)] > counts[static_cast<std::size_t>(usual)])
            usual = e;
    }
    shown.encoding.usualEnd = usual;
    return shown;
}

std::string encodeText(const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    std::string out;
    if (encoding.byteOrderMark)
        out += kByteOrderMark;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        encodeLine(out, lines[i].text, encoding.utf8);
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
    result.text = decodeText(*bytes);
    return result;
}

WriteResult saveTextFile(const std::string& path, const std::vector<TextLine>& lines, const TextEncoding& encoding)
{
    if (path.empty())
        return {false, "Could not write the file: it has no name yet."};
    return writeFileAtomic(path, encodeText(lines, encoding));
}

} // namespace vantrel
