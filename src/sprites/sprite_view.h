#pragma once
// The arithmetic of the sprite view: where the axis sits in the view, where
// a sprite goes at a zoom, the zoom steps, dragging the axis with the mouse,
// the mouse label, and the 13 x 13 axis marker.

#include <array>
#include <cstdint>
#include <string>

namespace vantrel {

inline constexpr int kPanCentre = 16383; // the picture scroll bars' middle
inline constexpr int kPanMaximum = 32767;

inline constexpr float kZoomInLimit = 4.0f;    // above it Zoom In is disabled
inline constexpr float kZoomOutLimit = 0.25f;  // below it Zoom Out is disabled

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
