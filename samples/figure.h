#pragma once
// The sample character's figure, drawn by code: a jointed body posed by
// angles, painted into an 8-bit picture whose palette indices name body parts
// (so that each ACT palette recolours the figure).

#include "formats/sff_image.h"

#include <array>
#include <string>
#include <vector>

namespace sample {

// Palette indices the figure is painted with.
enum Colour : std::uint8_t {
    Clear = 0,
    Outline = 1,
    Skin = 2,
    SkinShade = 3,
    Shirt = 4,
    ShirtShade = 5,
    Pants = 6,
    PantsShade = 7,
    Hair = 8,
    Gloves = 9,
    Shoes = 10,
    Belt = 11,
    EyeWhite = 12,
    Pupil = 13,
};

// Angles in degrees: 0 points straight down, positive turns toward the way
// the figure faces (right). Lengths in pixels; y grows downwards and the
// feet stand on y = 0 at x = 0 (the axis).
struct Pose {
    double hipX = 0, hipY = -43;
    double lean = 0; // torso, positive leans forward
    double headTilt = 0;
    double frontArm = 25, frontFore = 120;
    double backArm = 10, backFore = 100;
    double frontThigh = 12, frontShin = 0;
    double backThigh = -12, backShin = -4;
};

struct Point {
    double x = 0, y = 0;
};

// A collision box in the engine's layout: left, top, right, bottom relative to the axis.
struct Box {
    int x1, y1, x2, y2;
};

// Where the joints of a pose end up.
struct Joints {
    Point hip, neck, head, frontHand, backHand, frontFoot, backFoot, frontKnee, backKnee;
};

Joints jointsOf(const Pose& pose);

inline constexpr int kCanvasWidth = 128;
inline constexpr int kCanvasHeight = 124;
inline constexpr int kAxisX = 48;  // where x = 0 lands on the canvas
inline constexpr int kAxisY = 118; // where y = 0 lands

// Paints the figure in a pose; the picture gets `palette`.
sfflib::IndexedImage draw(const Pose& pose, const sfflib::Palette& palette);

// A head-and-shoulders picture for the select screen.
sfflib::IndexedImage drawPortrait(int size, const sfflib::Palette& palette);

// The body's hurt box and, for attacks, the box around the striking hand or foot.
Box bodyBox(const Pose& pose);
Box strikeBox(const Point& at, int radius);

// Palette number n (1 to 12): each recolours shirt, trousers, hair, gloves and belt.
sfflib::Palette palette(int n);

} // namespace sample
