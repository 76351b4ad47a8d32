#pragma once
// The arithmetic of the sprite view: where the axis sits in the view, where
// a sprite goes at a zoom, the zoom steps, dragging the axis with the mouse,
// the mouse label, and the 13 x 13 axis marker.

#include <array>
#include <cstdint>
#include <string>

namespace vantrel {

inline constexpr int kPanCentre = 16383; // the picture scroll bars' value with the axis mid-view

inline constexpr float kZoomInLimit = 4.0f;   // above it Zoom In is disabled
inline constexpr float kZoomOutLimit = 0.25f; // below it Zoom Out is disabled

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value);

struct ViewPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ViewPoint&) const = default;
};

struct ViewRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ViewRect&) const = default;
};

// The point of the view where the axis is drawn: the middle of the view,
// moved against the picture scroll bars.
ViewPoint viewOrigin(int viewWidth, int viewHeight, int scrollX, int scrollY);

// Where a picture of this size lands so that its axis pixel is on the origin.
ViewRect spritePlacement(ViewPoint origin, std::int64_t axisX, std::int64_t axisY, int width, int height, float zoom);

// The values a picture scroll bar takes along one direction of a view
// `viewExtent` pixels long: from the one that puts the picture's first
// column (row) on the view's near edge to the one that puts its last on the
// far edge, with no background beyond; a picture smaller than the view moves
// anywhere inside it. The range always holds the centre, where Centre puts
// the bar, and `current`, so that setting it never moves the view.
struct PanRange {
    int minimum = kPanCentre;
    int maximum = kPanCentre;
    bool operator==(const PanRange&) const = default;
};
PanRange panRange(int viewExtent, std::int64_t axis, int pictureExtent, float zoom, int current);
// No picture: the bar stays where it is, or at the centre.
PanRange panRangeWithoutPicture(int current);

// Where the axis marker is drawn: 13 x zoom square, centred on the origin.
ViewRect markerPlacement(ViewPoint origin, float zoom);

float zoomedIn(float zoom);
float zoomedOut(float zoom);
bool zoomInEnabled(float zoom);
bool zoomOutEnabled(float zoom);

// The mouse label: "x, y" in sprite pixels from the axis, floored, each
// number with a leading blank when not negative.
std::string mouseLabelText(int mouseX, int mouseY, ViewPoint origin, float zoom);

// The axis while dragging: the picture follows the mouse, so moving right
// lowers the axis. `start` is the mouse position relative to the origin when
// the button went down, `startAxis` the axis then, `now` the position now.
std::int64_t draggedAxis(int start, std::int64_t startAxis, int now, float zoom);

// The axis marker, top row first: 'B' black, 'W' white, '.' view unchanged.
const std::array<const char*, 13>& axisMarkerRows();
inline constexpr int kMarkerSize = 13;
// The mask (drawn with AND) is white where the view stays, black on the marker.
bool markerMaskIsWhite(int x, int y);
// The pattern (drawn with XOR) is white on the marker's white cells only.
bool markerPatternIsWhite(int x, int y);

} // namespace vantrel
