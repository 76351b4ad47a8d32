#pragma once
// Reading AIR files for the collision box window: the numbers of the actions
// a file holds, and the collision boxes of each frame of one action.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The window keeps the action numbers in a table of this many slots.
inline constexpr int kMaxBoxActions = 256;

struct ActionNumbers {
    bool ok = false;                  // false: "Problem with associated AIR file."
    std::vector<std::int16_t> numbers; // one per header, in file order
};

// The action number of every header as a 16-bit integer. Fails when the file
// cannot be read, a header's number text is not a whole number from -32768 to
// 32767 (blanks around it allowed), or the file has more than 256 headers.
ActionNumbers readActionNumbers(const std::string& airPath);
ActionNumbers actionNumbersIn(const std::vector<std::string>& lines);

// The whole number a text holds, blanks around it allowed; nothing when the
// text holds anything else or the number does not fit 16 bits.
std::optional<std::int16_t> shortInteger(std::string_view text);

struct CollisionBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // relative to the character's axis
    bool fromDefault = false;           // carried over from a "Default" block
};

// One frame line of an action with the boxes that apply to it: its own
// "Clsn1:"/"Clsn2:" blocks, or else the action's "Clsn1Default:"/
// "Clsn2Default:" boxes in force at that line.
struct BoxFrame {
    std::string group; // the group and image fields, blanks removed
    std::string image;
    double offsetX = 0;
    double offsetY = 0;
    double duration = 0;
    int flip = 0;
    std::vector<CollisionBox> clsn1; // attack boxes
    std::vector<CollisionBox> clsn2; // hittable boxes
};

// The frames of the action under the `ordinal`-th header (1-based), every
// frame line counted whether or not its sprite exists. Nothing when there is
// no such header or the file cannot be read. Box blocks span as many lines as
// their count says, like the preview's reader, so both number frames alike.
std::vector<BoxFrame> readBoxFrames(const std::string& airPath, int ordinal);
std::vector<BoxFrame> boxFramesIn(const std::vector<std::string>& lines, int ordinal);

// A box line "Clsn2[0] = -13, 0, 16, -79" (comment already removed).
std::optional<CollisionBox> parseBoxLine(std::string_view line);

} // namespace vantrel
