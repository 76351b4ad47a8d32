#pragma once
// How one frame of an action looks on the stage, apart from its sprite: where
// it sits, how it is mirrored, blended, scaled and turned. The frame drawing
// takes one of these, and an action's interpolation produces one between two
// frames.

namespace vantrel {

enum class BlendMode {
    None,      // drawn over the stage
    Add,       // source + destination
    AddHalf,   // source / 2 + destination
    Subtract,  // destination - source
    AddCustom, // source x source/256 + destination x dest/256
};

struct BlendLook {
    BlendMode mode = BlendMode::None;
    // The amounts of AddCustom, each 0..256 (out of 256; drawing clamps others
    // into that range); other modes ignore them.
    int source = 256;
    int dest = 256;

    bool operator==(const BlendLook&) const = default;
};

struct FrameLook {
    double offsetX = 0; // stage pixels from the character's position to the sprite's axis
    double offsetY = 0;
    bool flipH = false; // mirrored left to right about the axis
    bool flipV = false; // mirrored top to bottom about the axis
    BlendLook blend{};
    double scaleX = 1; // about the axis; negative mirrors
    double scaleY = 1;
    double angle = 0; // degrees about the axis, counter-clockwise as seen on screen

    bool operator==(const FrameLook&) const = default;
};

// Which values an "Interpolate" line before a frame names.
struct InterpolatedValues {
    bool offset = false;
    bool blend = false;
    bool scale = false;
    bool angle = false;
};

// The look of frame `from` when `fraction` (0..1) of its time has passed and
// the next frame, `to`, asks for the values in `which` to be interpolated:
// those go in a straight line from `from`'s value to `to`'s; everything else
// is `from`'s. The blend is interpolated only between two additive blends
// (Add counts as 256/256, AddHalf as 128/256, AddCustom as written): the
// result is AddCustom with the amounts rounded to the nearest whole number;
// between any other two blends `from`'s blend stays. The angle goes the way
// the numbers go (350 to 10 turns back through 180). A fraction outside 0..1
// is clamped, and one that is not a number counts as 0.
FrameLook interpolate(const FrameLook& from, const FrameLook& to, double fraction, InterpolatedValues which);

} // namespace vantrel
