#pragma once
// The collision box editor's logic without windows: what boxes a frame shows
// and where they come from, the warnings of a frame, every box edit as a new
// AIR text, and the geometry of dragging a box by a corner, an edge or its
// inside.
//
// An edit changes the block the box comes from: a frame's own block, or the
// action's default block when the frame shows the defaults. New boxes go to
// the frame's own block (which then replaces the defaults of that kind for
// that frame, as the engine reads it) or, on request, to the default block.
// Only the lines of that block change (see replaceBoxes()).

#include "common/result.h"
#include "formats/air_document.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

// One box line as the editor lists and draws it.
struct ShownBox {
    AirBox box;                  // normalised; clamped to -32768..32767
    bool fromDefault = false;    // from the action's default block
    bool readable = true;        // false: listed as written, not drawn
    bool leftAfterRight = false; // the numbers as written: right before left
    bool topAfterBottom = false; // and bottom before top
    int line = 0;                // the line in the text, from 0
};

struct FrameBoxes {
    std::array<std::vector<ShownBox>, 2> boxes; // by BoxKind
    // The block each kind's boxes come from (index into blocks(); -1 none).
    std::array<int, 2> block{-1, -1};
    // What is odd about the frame's lines and blocks ("Line 12: ..."), in line order.
    std::vector<std::string> warnings;
};

// The boxes frame `frame` of action `action` is drawn with; nothing for a
// frame that does not exist.
FrameBoxes frameBoxes(const AirDocument& air, int action, int frame);

// A box as a list shows it, its numbers in the order they are written:
// "Clsn2[0] = -10, 0, 10, -60", " (default)" after a default box, the line as
// written for a box that does not read.
std::string boxListText(const AirDocument& air, BoxKind kind, int index, const ShownBox& box);

// Each edit returns the new AIR text, or why it cannot be made (with the
// line of the block at fault, when one is).
// Box `index` of a kind (as frameBoxes() numbers them) becomes `box`.
Result<std::string> setBox(const AirDocument& air, int action, int frame, BoxKind kind, int index, const AirBox& box);
// A new box after the others of its kind: in the frame's own block, or in the
// action's default block.
Result<std::string> addBox(const AirDocument& air, int action, int frame, BoxKind kind, const AirBox& box,
                           bool toDefault);
Result<std::string> deleteBox(const AirDocument& air, int action, int frame, BoxKind kind, int index);
// Every box of a kind the frame shows, from the block they come from.
Result<std::string> deleteAllBoxes(const AirDocument& air, int action, int frame, BoxKind kind);
// The frame gets its own copies of the boxes the previous frame shows, for
// each kind where the two differ.
Result<std::string> copyPreviousBoxes(const AirDocument& air, int action, int frame);

// The part of a box a point grabs.
enum class BoxGrip : std::uint8_t {
    None,
    Inside,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// The part of `box` at (x, y) in box coordinates: an edge or corner within
// `slack` of the point, else the inside, else None.
BoxGrip gripAt(const AirBox& box, double x, double y, double slack);
// The box after its grip moved by (dx, dy): Inside moves it whole, an edge or
// a corner moves only those sides. Normalised and kept within -32768..32767.
AirBox dragBox(const AirBox& box, BoxGrip grip, int dx, int dy);
// The box spanned by two corners, normalised and kept within range.
AirBox boxBetween(int x0, int y0, int x1, int y1);

} // namespace vantrel
