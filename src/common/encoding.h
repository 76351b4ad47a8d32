#pragma once
// Text as bytes on disk and as UTF-16 on screen. Files are byte strings: bytes
// that are valid UTF-8 are read as UTF-8, any others one character per byte.
// Text files can also be read and written in Shift-JIS (Windows code page
// 932, whose 0x5C is a backslash) through the C library's iconv.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF);
// nothing when the bytes are not UTF-8.
std::optional<std::u16string> decodeUtf8(std::string_view bytes);

// One character per byte (U+0000 to U+00FF).
std::u16string decodeSingleBytes(std::string_view bytes);

// UTF-8 when the bytes are valid UTF-8, else byte for byte.
std::u16string utf16FromUtf8(std::string_view bytes);

std::string utf8FromUtf16(std::u16string_view text);

// Appends `text` as UTF-8 or, when !utf8, one byte per character up to
// U+00FF; a character beyond that is written as UTF-8 rather than lost.
void appendEncoded(std::string& out, std::u16string_view text, bool utf8);

// The encodings a text file can be shown in, in the order they are tried.
enum class Charset : std::uint8_t { Utf8, ShiftJis, Latin1 };
inline constexpr Charset kCharsets[] = {Charset::Utf8, Charset::ShiftJis, Charset::Latin1};

// Whether text[i] and text[i + 1] are a surrogate pair: one character
// beyond U+FFFF.
bool surrogatePairAt(std::u16string_view text, std::size_t i);

// The character at text[i], a surrogate pair read as one.
char32_t characterAt(std::u16string_view text, std::size_t i);

// "UTF-8", "Shift-JIS", "Latin-1".
const char* charsetName(Charset charset);

// The text when every byte decodes in `charset`; nothing otherwise. Shift-JIS
// text that uses the user-defined area (U+E000 to U+F8FF) does not count as
// decoded: such bytes are far more often another encoding's letters. Latin-1
// always decodes (one character per byte).
std::optional<std::u16string> decodeStrict(std::string_view bytes, Charset charset);

// Always a text: each byte that does not decode becomes U+FFFD.
std::u16string decodeLenient(std::string_view bytes, Charset charset);

// Appends `text` in `charset`. A character the encoding cannot write is
// written as '?'; the result is the index in `text` of the first one, or
// npos when everything was written. UTF-8 writes everything (a lone
// surrogate as U+FFFD).
std::size_t appendIn(std::string& out, std::u16string_view text, Charset charset);

} // namespace vantrel
