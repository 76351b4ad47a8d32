#pragma once
// JASC PAL palette files: a text file of three header lines ("JASC-PAL",
// "0100", "256") and 256 lines "red green blue", palette index 0 first.

#include "common/message.h"
#include "common/translatable.h"
#include "formats/palette.h"

#include <optional>
#include <string>

namespace vantrel {

inline constexpr const char* kPalRejected =
    QT_TRANSLATE_NOOP("Messages", "This is not a valid 256-colour Jasc PAL file.  Please choose another.");

// The palette of a PAL file's bytes, or nothing when the file is not a
// 256-colour JASC PAL file with 256 colour lines of three numbers 0 to 255;
// then `why`, when given, says which line is wrong and how.
std::optional<Palette> paletteFromPal(const std::string& bytes, Message* why = nullptr);

// The text of a PAL file, CR LF line ends.
std::string palText(const Palette& palette);

} // namespace vantrel
