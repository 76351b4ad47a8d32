#pragma once
// ACT palette files: 768 bytes, 256 entries of red, green, blue, stored in
// reverse order (the file's first entry is palette index 255).

#include "common/result.h"
#include "formats/palette.h"

#include <optional>
#include <string>

namespace vantrel {

inline constexpr std::size_t kActFileSize = 768;

// The palette of an ACT file's bytes; nothing when they are fewer than 768.
// Bytes after the first 768 (some programs append a colour count) are ignored.
std::optional<Palette> paletteFromAct(const std::string& bytes);

// The 768 bytes of an ACT file for a palette.
std::string actBytes(const Palette& palette);

// Reads an ACT file; never creates or changes it.
Result<Palette> readActFile(const std::string& path);

} // namespace vantrel
