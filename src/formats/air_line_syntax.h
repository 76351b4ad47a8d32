#pragma once
// How one line of an AIR file reads: what kind of line it is, and the fields
// of frame, box, count and header lines. The document reads every line
// through these, and the box writer finds the places it rewrites with them.
// Standard C++ only.

#include "formats/air_document.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vantrel::air_syntax {

// The range of a box number.
inline constexpr int kBoxMin = -32768;
inline constexpr int kBoxMax = 32767;

// The line up to its comment (';' to the end).
std::string_view withoutComment(std::string_view line);

// A whole number, perhaps with a fraction that is dropped ("10", "-3",
// "4.5"), and nothing else but blanks around it. Saturates far outside any
// range the callers accept.
std::optional<std::int64_t> readNumber(std::string_view field, bool allowFraction);

std::int32_t clampToInt32(std::int64_t v);

// The fields between commas; as many as there are commas, plus one.
std::vector<std::string_view> splitCommas(std::string_view s);

// "clsn1", "clsn2", optionally "default", at the start of a line's content.
struct BoxKey {
    BoxKind kind = BoxKind::Clsn2;
    bool isDefault = false;
    std::size_t length = 0; // characters of the key
};

std::optional<BoxKey> readBoxKey(std::string_view content);

struct BoxLineFields {
    BoxKind kind = BoxKind::Clsn2;
    std::optional<std::int64_t> index;
    std::string_view numbers; // after '='
    bool shaped = false;      // "ClsnN[...] = ..." at all
};

BoxLineFields readBoxLineFields(std::string_view content, const BoxKey& key);

AirLineKind classify(std::string_view line);

// The kInterpolate bit an "Interpolate Offset|Blend|Scale|Angle" line names (any case); 0 for another word.
std::uint8_t interpolationOf(std::string_view content);

// "[Begin Action n]": the number, when the header has the usual words and a number.
std::optional<std::int64_t> headerNumber(std::string_view content);

} // namespace vantrel::air_syntax
