#include "frame_look.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace vantrel {

namespace {

double lerp(double a, double b, double t)
{
    // Exact at both ends, so a finished interpolation lands on the next value.
    return t >= 1 ? b : a + (b - a) * t;
}

// The source and destination amounts an additive blend stands for.
std::optional<std::pair<int, int>> additiveAmounts(const BlendLook& blend)
{
    switch (blend.mode) {
    case BlendMode::Add: return std::pair{256, 256};
    case BlendMode::AddHalf: return std::pair{128, 256};
    case BlendMode::AddCustom: return std::pair{std::clamp(blend.source, 0, 256), std::clamp(blend.dest, 0, 256)};
    case BlendMode::None:
    case BlendMode::Subtract: break;
    }
    return std::nullopt;
}

int lerpAmount(int a, int b, double t)
{
    return static_cast<int>(std::lround(std::clamp(lerp(a, b, t), 0.0, 256.0)));
}

} // namespace

FrameLook interpolate(const FrameLook& from, const FrameLook& to, double fraction, InterpolatedValues which)
{
    const double t = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    FrameLook look = from;
    if (which.offset) {
        look.offsetX = lerp(from.offsetX, to.offsetX, t);
        look.offsetY = lerp(from.offsetY, to.offsetY, t);
    }
    if (which.scale) {
        look.scaleX = lerp(from.scaleX, to.scaleX, t);
        look.scaleY = lerp(from.scaleY, to.scaleY, t);
    }
    if (which.angle)
        look.angle = lerp(from.angle, to.angle, t);
    if (which.blend) {
        const auto a = additiveAmounts(from.blend);
        const auto b = additiveAmounts(to.blend);
        if (a && b)
            look.blend = {BlendMode::AddCustom, lerpAmount(a->first, b->first, t), lerpAmount(a->second, b->second, t)};
    }
    return look;
}

} // namespace vantrel
