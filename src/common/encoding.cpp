#include "common/encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace vantrel {

namespace {

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

constexpr const char* kShiftJisName = "CP932";
constexpr const char* kUtf16Name = "UTF-16LE";

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) { }
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; `in` is left at the first byte it could not
    // convert (everything converted: empty). errno says why it stopped.
    int convert(std::string_view& in, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!in.empty()) {
            char* from = const_cast<char*>(in.data());
            std::size_t fromLeft = in.size();
            char* to = buffer;
            std::size_t toLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &from, &fromLeft, &to, &toLeft);
            const int error = r == static_cast<std::size_t>(-1) ? errno : 0;
            out.append(buffer, static_cast<std::size_t>(to - buffer));
            in.remove_prefix(in.size() - fromLeft);
            if (error != 0 && error != E2BIG)
                return error;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

Converter& shiftJisDecoder()
{
    thread_local Converter converter(kUtf16Name, kShiftJisName);
    return converter;
}

Converter& shiftJisEncoder()
{
    thread_local Converter converter(kShiftJisName, kUtf16Name);
    return converter;
}

void appendUtf16LeBytes(std::u16string& out, const std::string& bytes)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i])
                                     | (static_cast<unsigned char>(bytes[i + 1]) << 8));
}

// Shift-JIS to UTF-16: nothing when a byte does not decode, unless `lenient`,
// when it becomes U+FFFD.
std::optional<std::u16string> decodeShiftJis(std::string_view bytes, bool lenient)
{
    Converter& converter = shiftJisDecoder();
    std::u16string text;
    if (!converter.ok()) {
        if (!lenient)
            return std::nullopt;
        return decodeSingleBytes(bytes);
    }
    text.reserve(bytes.size());
    std::string utf16;
    while (true) {
        utf16.clear();
        const int error = converter.convert(bytes, utf16);
        appendUtf16LeBytes(text, utf16);
        if (error == 0)
            break;
        if (!lenient)
            return std::nullopt;
        text += u'\uFFFD';
        bytes.remove_prefix(1);
    }
    return text;
}

// Appends what iconv makes of `text`, with '?' for each character it cannot convert.
std::size_t appendConverted(std::string& out, std::u16string_view text)
{
    Converter& converter = shiftJisEncoder();
    std::string utf16;
    utf16.reserve(text.size() * 2);
    for (char16_t c : text) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    std::size_t firstBad = std::u16string_view::npos;
    std::string_view in = utf16;
    while (!in.empty()) {
        const int error = converter.ok() ? converter.convert(in, out) : EILSEQ;
        if (error == 0)
            break;
        const std::size_t at = (utf16.size() - in.size()) / 2;
        if (firstBad == std::u16string_view::npos)
            firstBad = at;
        out += '?';
        // A surrogate pair is one character.
        in.remove_prefix(std::min<std::size_t>(in.size(), surrogatePairAt(text, at) ? 4 : 2));
    }
    return firstBad;
}

// The table writes a few characters as others (the yen sign as a backslash):
// a character counts as written only when it reads back as itself.
std::size_t appendShiftJis(std::string& out, std::u16string_view text)
{
    std::string bytes;
    std::size_t firstBad = appendConverted(bytes, text);
    if (firstBad == std::u16string_view::npos && decodeShiftJis(bytes, false) == std::u16string(text)) {
        out += bytes;
        return firstBad;
    }
    firstBad = std::u16string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        const std::u16string_view character = text.substr(i, surrogatePairAt(text, i) ? 2 : 1);
        bytes.clear();
        if (appendConverted(bytes, character) == std::u16string_view::npos
            && decodeShiftJis(bytes, false) == std::u16string(character)) {
            out += bytes;
        } else {
            out += '?';
            if (firstBad == std::u16string_view::npos)
                firstBad = i;
        }
        i += character.size();
    }
    return firstBad;
}

} // namespace

bool surrogatePairAt(std::u16string_view text, std::size_t i)
{
    return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00
        && text[i + 1] <= 0xDFFF;
}

char32_t characterAt(std::u16string_view text, std::size_t i)
{
    if (surrogatePairAt(text, i))
        return 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
    return text[i];
}

const char* charsetName(Charset charset)
{
    switch (charset) {
    case Charset::Utf8: return "UTF-8";
    case Charset::ShiftJis: return "Shift-JIS";
    case Charset::Latin1: return "Latin-1";
    }
    return "";
}

std::optional<std::u16string> decodeStrict(std::string_view bytes, Charset charset)
{
    switch (charset) {
    case Charset::Utf8: return decodeUtf8(bytes);
    case Charset::ShiftJis: {
        auto text = decodeShiftJis(bytes, false);
        if (text) {
            for (char16_t c : *text) {
                if (c >= 0xE000 && c <= 0xF8FF)
                    return std::nullopt;
            }
        }
        return text;
    }
    case Charset::Latin1: break;
    }
    return decodeSingleBytes(bytes);
}

std::u16string decodeLenient(std::string_view bytes, Charset charset)
{
    switch (charset) {
    case Charset::Utf8: {
        if (auto text = decodeUtf8(bytes))
            return std::move(*text);
        // Decode the valid stretches; every byte in between stands for itself as U+FFFD.
        std::u16string text;
        std::size_t i = 0;
        while (i < bytes.size()) {
            std::size_t length = 1;
            if (static_cast<unsigned char>(bytes[i]) >= 0xC2) {
                const std::size_t want = static_cast<unsigned char>(bytes[i]) >= 0xF0 ? 4
                    : static_cast<unsigned char>(bytes[i]) >= 0xE0                    ? 3
                                                                                      : 2;
                length = want;
            }
            auto piece = i + length <= bytes.size() ? decodeUtf8(bytes.substr(i, length)) : std::nullopt;
            if (piece) {
                text += *piece;
                i += length;
            } else {
                text += u'\uFFFD';
                ++i;
            }
        }
        return text;
    }
    case Charset::ShiftJis: return *decodeShiftJis(bytes, true);
    case Charset::Latin1: break;
    }
    return decodeSingleBytes(bytes);
}

std::size_t appendIn(std::string& out, std::u16string_view text, Charset charset)
{
    switch (charset) {
    case Charset::Utf8: appendEncoded(out, text, true); return std::u16string_view::npos;
    case Charset::ShiftJis: return appendShiftJis(out, text);
    case Charset::Latin1: break;
    }
    std::size_t firstBad = std::u16string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] <= 0xFF) {
            out += static_cast<char>(text[i]);
            continue;
        }
        if (firstBad == std::u16string_view::npos)
            firstBad = i;
        out += '?';
        if (surrogatePairAt(text, i))
            ++i;
    }
    return firstBad;
}

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

std::u16string decodeSingleBytes(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out += static_cast<char16_t>(static_cast<unsigned char>(b));
    return out;
}

void appendEncoded(std::string& out, std::u16string_view text, bool utf8)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = characterAt(text, i);
        if (!utf8 && c <= 0xFF) {
            out += static_cast<char>(c);
            continue;
        }
        if (c > 0xFFFF) {
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
}

std::u16string utf16FromUtf8(std::string_view text)
{
    auto decoded = decodeUtf8(text);
    return decoded ? std::move(*decoded) : decodeSingleBytes(text);
}

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    appendEncoded(out, text, true);
    return out;
}

} // namespace vantrel
