#include "figure.h"

#include <algorithm>
#include <cmath>

namespace sample {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTorso = 30, kUpperArm = 15, kForearm = 14, kThigh = 20, kShin = 21, kHeadRadius = 9;

Point along(Point from, double angleDeg, double length)
{
    const double a = angleDeg * kPi / 180.0;
    return {from.x + std::sin(a) * length, from.y + std::cos(a) * length};
}

// Paints pixels onto a canvas measured from the axis.
class Canvas {
public:
    Canvas(int width, int height, int axisX, int axisY)
            : width_(width), height_(height), axisX_(axisX), axisY_(axisY),
              pixels_(static_cast<std::size_t>(width * height), Clear)
    { }

    void disc(Point c, double r, std::uint8_t colour) { capsule(c, c, r, colour); }

    // Every pixel within r of the segment a-b.
    void capsule(Point a, Point b, double r, std::uint8_t colour)
    {
        const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - r)) + axisX_;
        const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + r)) + axisX_;
        const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - r)) + axisY_;
        const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + r)) + axisY_;
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len2 = dx * dx + dy * dy;
        for (int y = std::max(0, y0); y <= std::min(height_ - 1, y1); ++y) {
            for (int x = std::max(0, x0); x <= std::min(width_ - 1, x1); ++x) {
                const double px = x - axisX_ + 0.5, py = y - axisY_ + 0.5;
                double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
                t = std::clamp(t, 0.0, 1.0);
                const double ex = a.x + t * dx - px, ey = a.y + t * dy - py;
                if (ex * ex + ey * ey <= r * r)
                    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
            }
        }
    }

    // An outlined limb: the outline colour one pixel wider, then the fill.
    void limb(Point a, Point b, double r, std::uint8_t colour)
    {
        capsule(a, b, r + 1.2, Outline);
        capsule(a, b, r, colour);
    }

    sfflib::IndexedImage image(const sfflib::Palette& palette) const
    {
        sfflib::IndexedImage out;
        out.width = width_;
        out.height = height_;
        out.pixels = pixels_;
        out.palette = palette;
        return out;
    }

private:
    int width_, height_, axisX_, axisY_;
    std::vector<std::uint8_t> pixels_;
};

void drawHead(Canvas& c, Point head, double tilt, double scale)
{
    const double r = kHeadRadius * scale;
    c.disc(head, r + 1.2 * scale, Outline);
    c.disc(head, r, Skin);
    // Hair over the top and back of the head.
    c.capsule(along(head, 180 - tilt - 25, r * 0.72), along(head, 180 - tilt + 75, r * 0.68), r * 0.42, Hair);
    // The eye looks the way the figure faces.
    const Point eye = along(along(head, 90 + tilt, r * 0.45), 180, r * 0.15);
    c.disc(eye, 2.0 * scale, EyeWhite);
    c.disc(along(eye, 90, 0.8 * scale), 1.1 * scale, Pupil);
}

} // namespace

Joints jointsOf(const Pose& p)
{
    Joints j;
    j.hip = {p.hipX, p.hipY};
    j.neck = along(j.hip, 180 - p.lean, kTorso);
    j.head = along(j.neck, 180 - p.lean - p.headTilt, kHeadRadius + 3);
    const Point frontElbow = along(j.neck, p.frontArm, kUpperArm);
    const Point backElbow = along(j.neck, p.backArm, kUpperArm);
    j.frontHand = along(frontElbow, p.frontFore, kForearm);
    j.backHand = along(backElbow, p.backFore, kForearm);
    j.frontKnee = along(j.hip, p.frontThigh, kThigh);
    j.backKnee = along(j.hip, p.backThigh, kThigh);
    j.frontFoot = along(j.frontKnee, p.frontShin, kShin);
    j.backFoot = along(j.backKnee, p.backShin, kShin);
    return j;
}

sfflib::IndexedImage draw(const Pose& p, const sfflib::Palette& palette)
{
    Canvas c(kCanvasWidth, kCanvasHeight, kAxisX, kAxisY);
    const Joints j = jointsOf(p);
    const Point frontElbow = along(j.neck, p.frontArm, kUpperArm);
    const Point backElbow = along(j.neck, p.backArm, kUpperArm);

    // Back to front: far arm, far leg, body, near leg, near arm, head.
    c.limb(j.neck, backElbow, 3.2, ShirtShade);
    c.limb(backElbow, j.backHand, 2.6, SkinShade);
    c.disc(j.backHand, 3.6, Gloves);
    c.limb(j.hip, j.backKnee, 4.2, PantsShade);
    c.limb(j.backKnee, j.backFoot, 3.6, PantsShade);
    c.limb(j.backFoot, {j.backFoot.x + 5, j.backFoot.y}, 2.4, Shoes);

    c.limb(j.hip, j.neck, 7.5, Shirt);
    // The belt: a band across the hips, square to the body.
    const Point waist = along(j.hip, 180 - p.lean, 3);
    c.capsule(along(waist, 90 - p.lean, 6.5), along(waist, 270 - p.lean, 6.5), 2.0, Belt);

    c.limb(j.hip, j.frontKnee, 4.4, Pants);
    c.limb(j.frontKnee, j.frontFoot, 3.8, Pants);
    c.limb(j.frontFoot, {j.frontFoot.x + 5, j.frontFoot.y}, 2.5, Shoes);

    c.limb(j.neck, frontElbow, 3.4, Shirt);
    c.limb(frontElbow, j.frontHand, 2.8, Skin);
    c.disc(j.frontHand, 4.6, Outline);
    c.disc(j.frontHand, 3.8, Gloves);

    drawHead(c, j.head, p.headTilt + p.lean, 1.0);
    return c.image(palette);
}

sfflib::IndexedImage drawPortrait(int size, const sfflib::Palette& palette)
{
    const double scale = size / 24.0;
    Canvas c(size, size, size / 2, size);
    const Point head{0, -size * 0.55};
    c.limb({-size * 0.2, -1}, {size * 0.2, -1}, size * 0.22, Shirt);
    drawHead(c, head, 0, scale);
    return c.image(palette);
}

Box bodyBox(const Pose& p)
{
    const Joints j = jointsOf(p);
    const double top = j.head.y - kHeadRadius;
    const double bottom = std::max(j.frontFoot.y, j.backFoot.y) + 2;
    const double left = std::min({j.hip.x, j.neck.x, j.backKnee.x}) - 10;
    const double right = std::max({j.hip.x, j.neck.x, j.frontKnee.x}) + 10;
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
}

Box strikeBox(const Point& at, int radius)
{
    return {static_cast<int>(at.x) - radius, static_cast<int>(at.y) - radius, static_cast<int>(at.x) + radius,
            static_cast<int>(at.y) + radius};
}

sfflib::Palette palette(int n)
{
    struct Scheme {
        std::array<std::uint8_t, 3> shirt, pants, hair, gloves, belt;
    };
    static const Scheme schemes[12] = {
        {{200, 40, 40}, {40, 60, 160}, {60, 40, 20}, {240, 240, 240}, {230, 200, 40}},
        {{40, 120, 210}, {30, 30, 40}, {20, 20, 20}, {220, 60, 60}, {240, 240, 240}},
        {{40, 160, 70}, {120, 90, 50}, {200, 160, 60}, {250, 230, 120}, {90, 50, 20}},
        {{250, 250, 250}, {250, 250, 250}, {30, 30, 30}, {30, 30, 30}, {30, 30, 30}},
        {{30, 30, 30}, {30, 30, 30}, {230, 230, 230}, {200, 30, 30}, {200, 30, 30}},
        {{240, 140, 20}, {60, 60, 60}, {180, 40, 10}, {60, 60, 60}, {240, 240, 240}},
        {{150, 60, 190}, {60, 20, 90}, {240, 200, 230}, {250, 250, 120}, {250, 250, 120}},
        {{240, 220, 60}, {40, 40, 120}, {120, 60, 20}, {40, 40, 120}, {200, 30, 30}},
        {{90, 200, 210}, {220, 220, 220}, {20, 60, 90}, {255, 255, 255}, {20, 60, 90}},
        {{120, 20, 30}, {50, 10, 15}, {10, 10, 10}, {200, 170, 60}, {200, 170, 60}},
        {{130, 130, 140}, {70, 70, 80}, {200, 200, 210}, {40, 200, 90}, {40, 200, 90}},
        {{250, 130, 170}, {250, 250, 250}, {250, 190, 60}, {250, 130, 170}, {120, 200, 250}},
    };
    const Scheme& s = schemes[(n - 1) % 12];
    sfflib::Palette pal{};
    auto set = [&pal](int index, std::array<std::uint8_t, 3> rgb) {
        for (int k = 0; k < 3; ++k)
            pal[static_cast<std::size_t>(index * 3 + k)] = rgb[static_cast<std::size_t>(k)];
    };
    auto shade = [](std::array<std::uint8_t, 3> rgb) {
        for (auto& v : rgb)
            v = static_cast<std::uint8_t>(v * 3 / 4);
        return rgb;
    };
    set(Clear, {0, 0, 0});
    set(Outline, {24, 20, 30});
    set(Skin, {240, 192, 150});
    set(SkinShade, {205, 155, 118});
    set(Shirt, s.shirt);
    set(ShirtShade, shade(s.shirt));
    set(Pants, s.pants);
    set(PantsShade, shade(s.pants));
    set(Hair, s.hair);
    set(Gloves, s.gloves);
    set(Shoes, {52, 48, 48});
    set(Belt, s.belt);
    set(EyeWhite, {255, 255, 255});
    set(Pupil, {20, 20, 40});
    return pal;
}

} // namespace sample
