#pragma once
// Every field of an AIR frame line, "group, image, x, y, time[, flip[, blend
// [, scale x, scale y[, angle]]]]", read into values and written back. The
// writer keeps a line's bytes wherever a field keeps its value, so an edit of
// one field shows as a change of that field alone. Standard C++ only.

#include "formats/air_document.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

enum class FrameFlip : std::uint8_t { None, Horizontal, Vertical, Both };

enum class FrameBlendKind : std::uint8_t {
    None,
    Add,       // "A"
    AddHalf,   // "A1": the sprite at full strength over half of what is behind
    Subtract,  // "S"
    AddCustom, // "AS<source>D<dest>"
};

struct FrameBlend {
    FrameBlendKind kind = FrameBlendKind::None;
    // The strengths of "AS<source>D<dest>", 0..256; the other kinds ignore them.
    int source = 256;
    int dest = 256;
    friend bool operator==(const FrameBlend&, const FrameBlend&) = default;
};

inline constexpr int kBlendStrengthMax = 256;

struct AirFrameFields {
    std::int32_t group = 0; // -1 draws no sprite
    std::int32_t image = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t time = 0; // ticks; -1 holds the frame for ever
    FrameFlip flip = FrameFlip::None;
    FrameBlend blend;
    double scaleX = 1.0;
    double scaleY = 1.0;
    double angle = 0.0; // degrees
    friend bool operator==(const AirFrameFields&, const AirFrameFields&) = default;
};

// The fields in the order a frame line writes them.
enum class FrameField : std::uint8_t { Group, Image, X, Y, Time, Flip, Blend, ScaleX, ScaleY, Angle };
inline constexpr int kFrameFieldCount = 10;
// The fields every frame line must have.
inline constexpr int kRequiredFrameFields = 5;

// Scale and angle beyond this are taken as this, with a warning.
inline constexpr double kFrameDecimalLimit = 1e6;

struct AirFrameReading {
    AirFrameFields fields;
    // How many comma-separated fields the line writes, empty ones included.
    int writtenCount = 0;

    // Fields whose text does not read (bits by FrameField); such a field
    // takes its default value.
    std::uint16_t unreadable = 0;
    // Fields that read but lay outside their range and were saturated: whole
    // numbers beyond 32 bits, blend strengths beyond 0..256, scale and angle
    // beyond kFrameDecimalLimit.
    std::uint16_t outOfRange = 0;

    bool isUnreadable(FrameField f) const { return (unreadable >> static_cast<int>(f)) & 1U; }
    bool isOutOfRange(FrameField f) const { return (outOfRange >> static_cast<int>(f)) & 1U; }
    // Nothing to warn about: every field reads, within its range, and the five
    // required ones are there.
    bool clean() const { return unreadable == 0 && outOfRange == 0 && writtenCount >= kRequiredFrameFields; }
};

// Reads a frame line (its comment, blanks and any field after the angle are
// ignored). A field that is missing takes its default without a warning,
// except the five required ones, which are marked unreadable.
AirFrameReading readFrameFields(std::string_view line);

// The Interpolate lines that stand before a frame: each blends that property
// from the previous frame to this one.
struct FrameInterpolation {
    bool offset = false;
    bool blend = false;
    bool scale = false;
    bool angle = false;
    friend bool operator==(const FrameInterpolation&, const FrameInterpolation&) = default;
};

FrameInterpolation interpolationOf(const AirFrame& frame);

// A frame line with new fields. A field whose value is what the line reads
// keeps its bytes (spacing, letter case, "VH" for both flips); a changed one
// has only its text replaced, with the blanks around it kept. Fields are
// added after the last written one only as far as a value other than the
// default needs them ("0,0, 0,0, 5" with scale 2 becomes
// "0,0, 0,0, 5, , , 2,2"); trailing fields that become default after an
// edit are dropped. The comment stays.
std::string formatFrameLine(std::string_view line, const AirFrameFields& fields);

// The text a field value is written as ("H", "AS128D64", "1.5").
std::string flipText(FrameFlip flip);
std::string blendText(const FrameBlend& blend);
std::string decimalText(double value);

} // namespace vantrel
