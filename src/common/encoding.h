#pragma once
// Text as bytes on disk and as UTF-16 on screen. Files are byte strings: bytes
// that are valid UTF-8 are read as UTF-8, any others one character per byte.

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

} // namespace vantrel
