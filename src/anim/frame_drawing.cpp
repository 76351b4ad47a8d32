#include "frame_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#define VANTREL_WIDE_BLENDS 1
#endif

namespace vantrel {

namespace {

// x / 255 rounded to nearest, exact for 0..255 * 255.
constexpr unsigned div255(unsigned x)
{
    x += 128;
    return (x + (x >> 8)) >> 8;
}

constexpr unsigned channel(std::uint32_t pixel, int shift)
{
    return (pixel >> shift) & 0xFF;
}

constexpr std::uint32_t premultiplied(std::uint32_t straight)
{
    const unsigned a = channel(straight, 24);
    if (a == 255)
        return straight;
    std::uint32_t out = a << 24;
    for (int shift = 0; shift < 24; shift += 8)
        out |= div255(channel(straight, shift) * a) << shift;
    return out;
}

// What an onion skin does to each source pixel (premultiplied in, premultiplied out).
struct SourceFilter {
    unsigned opacity = 255;
    bool tinted = false;
    QRgb tint = 0;

    std::uint32_t apply(std::uint32_t pixel) const
    {
        const unsigned a = channel(pixel, 24);
        std::uint32_t out = div255(a * opacity) << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            unsigned c = channel(pixel, shift);
            if (tinted)
                c = (c + div255(channel(tint, shift) * a) + 1) >> 1;
            out |= div255(c * opacity) << shift;
        }
        return out;
    }
};

// Where the sprite lands: the target pixels to visit and, for the centre of
// each, the sprite position under it relative to the axis,
// u = u0 + uPerX * i + uPerY * j (and v likewise), with i and j counted from
// (x0, y0). Positions stay relative to the axis so that the sign of a tiny
// one survives a huge scale.
struct Placement {
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    double u0 = 0, v0 = 0;
    double uPerX = 0, uPerY = 0, vPerX = 0, vPerY = 0;
    QPoint axis;
};

// Cosine and sine of an angle in degrees, exact at the quarter turns so a
// turned sprite keeps its pixels whole.
std::pair<double, double> turn(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a < 0)
        a += 360.0;
    if (a == 0)
        return {1, 0};
    if (a == 90)
        return {0, 1};
    if (a == 180)
        return {-1, 0};
    if (a == 270)
        return {0, -1};
    const double radians = a * (3.14159265358979323846 / 180.0);
    return {std::cos(radians), std::sin(radians)};
}

// A target range [lo, hi) clamped to [0, size], from doubles of any size.
std::optional<std::pair<int, int>> clampedSpan(double lo, double hi, int size)
{
    if (std::isnan(lo) || std::isnan(hi))
        return std::nullopt;
    lo = std::clamp(std::floor(lo), 0.0, static_cast<double>(size));
    hi = std::clamp(std::ceil(hi), 0.0, static_cast<double>(size));
    if (lo >= hi)
        return std::nullopt;
    return std::pair{static_cast<int>(lo), static_cast<int>(hi)};
}

std::optional<Placement> place(QSize targetSize, QSize spriteSize, QPoint axis, QPointF stagePosition,
                               const FrameLook& look)
{
    const double sx = look.scaleX, sy = look.scaleY;
    const double px = stagePosition.x() + look.offsetX;
    const double py = stagePosition.y() + look.offsetY;
    if (!std::isfinite(sx) || !std::isfinite(sy) || !std::isfinite(look.angle) || !std::isfinite(px)
        || !std::isfinite(py) || sx == 0 || sy == 0)
        return std::nullopt;

    const auto [c, s] = turn(look.angle);
    const double fh = look.flipH ? -1 : 1;
    const double fv = look.flipV ? -1 : 1;

    // Sprite to stage: mirror, scale, then turn (counter-clockwise on a screen
    // whose y grows downwards), all about the axis.
    const double f00 = c * sx * fh, f01 = s * sy * fv;
    const double f10 = -s * sx * fh, f11 = c * sy * fv;
    // And back: the inverse of the above.
    Placement p;
    const double i00 = fh * c / sx, i01 = -fh * s / sx;
    const double i10 = fv * s / sy, i11 = fv * c / sy;
    if (!std::isfinite(i00) || !std::isfinite(i01) || !std::isfinite(i10) || !std::isfinite(i11))
        return std::nullopt; // a scale so small that the sprite vanishes

    double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
    const int w = spriteSize.width(), h = spriteSize.height();
    const std::array<std::pair<int, int>, 4> corners{{{0, 0}, {w, 0}, {0, h}, {w, h}}};
    for (const auto& [cx, cy] : corners) {
        const double qx = static_cast<double>(cx) - axis.x(), qy = static_cast<double>(cy) - axis.y();
        const double x = px + f00 * qx + f01 * qy, y = py + f10 * qx + f11 * qy;
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    // A corner past the range of doubles (inf - inf) leaves the whole target to
    // visit; the row spans below still keep to the sprite.
    if (std::isnan(minX) || std::isnan(maxX))
        minX = 0, maxX = targetSize.width();
    if (std::isnan(minY) || std::isnan(maxY))
        minY = 0, maxY = targetSize.height();
    const auto xs = clampedSpan(minX, maxX, targetSize.width());
    const auto ys = clampedSpan(minY, maxY, targetSize.height());
    if (!xs || !ys)
        return std::nullopt;
    std::tie(p.x0, p.x1) = *xs;
    std::tie(p.y0, p.y1) = *ys;

    const double dx = p.x0 + 0.5 - px, dy = p.y0 + 0.5 - py;
    p.u0 = i00 * dx + i01 * dy;
    p.v0 = i10 * dx + i11 * dy;
    p.axis = axis;
    p.uPerX = i00, p.uPerY = i01, p.vPerX = i10, p.vPerY = i11;
    return p;
}

// The steps i in [0, count) where start + step * i may lie in [low, high),
// with a pixel to spare on either side; each pixel is checked again.
std::pair<int, int> stepsInside(double start, double step, double low, double high, int count)
{
    if (step == 0)
        return start >= low && start < high ? std::pair{0, count} : std::pair{0, 0};
    double lo = (low - start) / step, hi = (high - start) / step;
    if (step < 0)
        std::swap(lo, hi);
    lo = std::clamp(std::floor(lo) - 1, 0.0, static_cast<double>(count));
    hi = std::clamp(std::ceil(hi) + 1, 0.0, static_cast<double>(count));
    return {static_cast<int>(lo), static_cast<int>(hi)};
}

struct IndexedSource {
    const uchar* bits;
    qsizetype bytesPerLine;
    const std::uint32_t* colours; // 256 premultiplied entries, colour 0 transparent

    qsizetype origin = 0; // where the axis falls in `bits` (see startingAt)
    QPoint axis{};
    bool narrow = false; // columns, rows and bytesPerLine all under 32768

    std::uint32_t operator()(int u, int v) const { return colours[bits[v * bytesPerLine + u]]; }
    // The same source, read at fixed-point positions relative to `axis`.
    IndexedSource startingAt(QPoint spriteAxis) const
    {
        IndexedSource moved = *this;
        moved.origin = spriteAxis.y() * bytesPerLine + spriteAxis.x();
        moved.axis = spriteAxis;
        return moved;
    }
    std::uint32_t at(std::int64_t u, std::int64_t v) const
    {
        return colours[bits[origin + (v >> 32) * bytesPerLine + (u >> 32)]];
    }
};

template <bool Straight> struct RgbSource {
    const uchar* bits;
    qsizetype bytesPerLine;
    std::uint32_t alwaysOpaque; // 0xFF000000 for RGB32, whose alpha byte means nothing
    const SourceFilter* filter;

    std::uint32_t operator()(int u, int v) const
    {
        std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(bits + v * bytesPerLine)[u] | alwaysOpaque;
        if constexpr (Straight)
            pixel = premultiplied(pixel);
        return filter ? filter->apply(pixel) : pixel;
    }
    qsizetype origin = 0;
    RgbSource startingAt(QPoint axis) const
    {
        RgbSource moved = *this;
        moved.origin = axis.y() * bytesPerLine + axis.x() * 4;
        return moved;
    }
    std::uint32_t at(std::int64_t u, std::int64_t v) const
    {
        std::uint32_t pixel;
        std::memcpy(&pixel, bits + origin + (v >> 32) * bytesPerLine + (u >> 32) * 4, sizeof pixel);
        pixel |= alwaysOpaque;
        if constexpr (Straight)
            pixel = premultiplied(pixel);
        return filter ? filter->apply(pixel) : pixel;
    }
};

// Every channel of `pixel` times `amount` / 255, rounded as div255 does; two
// channels at a time, each in 16 bits of its own.
inline std::uint32_t scaled(std::uint32_t pixel, unsigned amount)
{
    std::uint32_t even = (pixel & 0x00FF00FF) * amount + 0x00800080;
    even = ((even + ((even >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    std::uint32_t odd = ((pixel >> 8) & 0x00FF00FF) * amount + 0x00800080;
    odd = (odd + ((odd >> 8) & 0x00FF00FF)) & 0xFF00FF00;
    return even | odd;
}

// The blends, on a premultiplied source pixel that is not fully transparent.
struct Over {
    std::uint32_t operator()(std::uint32_t s, std::uint32_t d) const
    {
        const unsigned keep = 255 - channel(s, 24);
        return keep == 0 ? s : s + scaled(d, keep);
    }
#ifdef VANTREL_WIDE_BLENDS
    // Four pixels at once, exactly as above; any alpha on either side. The
    // rounding of scaled() is (t + (t >> 8)) >> 8 with t = d * keep + 128,
    // which is (t * 257) >> 16: one high-half multiply.
    bool wide(__m128i s, __m128i d, __m128i& out) const
    {
        const __m128i zero = _mm_setzero_si128();
        const __m128i full = _mm_set1_epi16(255);
        const __m128i half = _mm_set1_epi16(128);
        const __m128i by257 = _mm_set1_epi16(257);
        const auto part = [&](__m128i source, __m128i target) {
            // Each pixel's alpha in all four of its channels.
            const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(source, 0xFF), 0xFF);
            const __m128i t = _mm_add_epi16(_mm_mullo_epi16(target, _mm_sub_epi16(full, alpha)), half);
            return _mm_mulhi_epu16(t, by257);
        };
        const __m128i lo = part(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i hi = part(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
        out = _mm_add_epi8(s, _mm_packus_epi16(lo, hi));
        return true;
    }
#endif
};

#ifdef VANTREL_WIDE_BLENDS
inline bool allOpaque(__m128i pixels)
{
    const __m128i alpha = _mm_srli_epi32(pixels, 24);
    return _mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_set1_epi32(255))) == 0xFFFF;
}

inline bool opaqueOrClear(__m128i pixels)
{
    const __m128i alpha = _mm_srli_epi32(pixels, 24);
    const __m128i either =
        _mm_or_si128(_mm_cmpeq_epi32(alpha, _mm_set1_epi32(255)), _mm_cmpeq_epi32(alpha, _mm_setzero_si128()));
    return _mm_movemask_epi8(either) == 0xFFFF;
}
#endif

// The alpha of a blended pixel: the union of both. Colours of a premultiplied
// pixel may not pass it.
inline unsigned unionAlpha(unsigned sa, unsigned da)
{
    return da + div255(sa * (255 - da));
}

struct Additive {
    unsigned source, dest; // 0..256

    std::uint32_t operator()(std::uint32_t s, std::uint32_t d) const
    {
        const unsigned sa = channel(s, 24), da = channel(d, 24);
        // Only the covered share of the destination is scaled by `dest`.
        const unsigned keep = sa == 255 ? dest : (dest * sa + 256 * (255 - sa) + 127) / 255;
        const unsigned a = unionAlpha(sa, da);
        std::uint32_t out = a << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            const unsigned c = (channel(s, shift) * source + channel(d, shift) * keep) >> 8;
            out |= std::min(c, a) << shift;
        }
        return out;
    }
#ifdef VANTREL_WIDE_BLENDS
    // Four pixels at once over an opaque target, the source opaque (or clear,
    // which the caller leaves out): each channel's source and target side by
    // side, multiplied by their amounts and summed in 32 bits in one step.
    bool wide(__m128i s, __m128i d, __m128i& out) const
    {
        if (!allOpaque(d) || !opaqueOrClear(s))
            return false;
        const __m128i zero = _mm_setzero_si128();
        const __m128i amounts = _mm_set1_epi32(static_cast<int>(source | (dest << 16)));
        const __m128i sLo = _mm_unpacklo_epi8(s, zero), sHi = _mm_unpackhi_epi8(s, zero);
        const __m128i dLo = _mm_unpacklo_epi8(d, zero), dHi = _mm_unpackhi_epi8(d, zero);
        const auto sum = [&](__m128i sides) { return _mm_srli_epi32(_mm_madd_epi16(sides, amounts), 8); };
        const __m128i lo = _mm_packs_epi32(sum(_mm_unpacklo_epi16(sLo, dLo)), sum(_mm_unpackhi_epi16(sLo, dLo)));
        const __m128i hi = _mm_packs_epi32(sum(_mm_unpacklo_epi16(sHi, dHi)), sum(_mm_unpackhi_epi16(sHi, dHi)));
        out = _mm_or_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(static_cast<int>(0xFF000000u)));
        return true;
    }
#endif
};

struct Subtractive {
    std::uint32_t operator()(std::uint32_t s, std::uint32_t d) const
    {
        std::uint32_t out = unionAlpha(channel(s, 24), channel(d, 24)) << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            const unsigned sc = channel(s, shift), dc = channel(d, shift);
            out |= (dc > sc ? dc - sc : 0) << shift;
        }
        return out;
    }
#ifdef VANTREL_WIDE_BLENDS
    // Four pixels at once over an opaque target.
    bool wide(__m128i s, __m128i d, __m128i& out) const
    {
        if (!allOpaque(d))
            return false;
        out = _mm_or_si128(_mm_subs_epu8(d, s), _mm_set1_epi32(static_cast<int>(0xFF000000u)));
        return true;
    }
#endif
};

// The sprite column (or row) of a position relative to the axis, known to lie on the sprite.
inline int pixelAt(double relative, int axis)
{
    auto whole = static_cast<std::int64_t>(relative);
    if (relative < static_cast<double>(whole))
        --whole; // rounds towards minus infinity
    return static_cast<int>(axis + whole);
}

// Positions in 32.32 fixed point: stepping along a row by whole-number adds
// is several times as fast as converting a double per pixel. Used when every
// position of the sprite and every step fit with room to spare, so a row's
// few thousand steps stray by less than a millionth of a pixel.
constexpr double kFixedOne = 4294967296.0;

bool fixedPointFits(const Placement& p, QSize spriteSize)
{
    const auto fits = [](double step) { return step == 0 || (std::fabs(step) > 0x1p-20 && std::fabs(step) < 0x1p20); };
    const auto small = [](std::int64_t v) { return v > -(std::int64_t{1} << 29) && v < (std::int64_t{1} << 29); };
    return fits(p.uPerX) && fits(p.vPerX) && small(p.axis.x()) && small(p.axis.y())
        && small(static_cast<std::int64_t>(spriteSize.width()) - p.axis.x())
        && small(static_cast<std::int64_t>(spriteSize.height()) - p.axis.y());
}

// Blends the target pixels [i, end) of a row, the sprite position of the
// first at (u, v) in fixed point relative to the axis, every one of them on
// the sprite. Kept apart, with everything in locals, so the loop lives in
// registers.
template <class Source, class Blend>
void blendRun(std::uint32_t* row, int i, int end, std::int64_t u, std::int64_t v, std::int64_t uStep,
              std::int64_t vStep, const Source source, const Blend blend, std::uint32_t targetOpaque)
{
#ifdef VANTREL_WIDE_BLENDS
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(targetOpaque));
    // For a paletted sprite with rows and columns that fit in 15 bits, the
    // four sprite offsets are worked out side by side: the positions of the
    // four pixels stay in two 64-bit lanes each, made absolute so that their
    // whole parts are their high halves, and row * bytesPerLine + column is
    // one multiply-add of 16-bit pairs.
    [[maybe_unused]] __m128i uA{}, uB{}, vA{}, vB{}, uAdvance{}, vAdvance{}, rowAndColumn{};
    bool sideBySide = false;
    if constexpr (std::is_same_v<Source, IndexedSource>) {
        sideBySide = source.narrow;
        const std::int64_t uAbsolute = u + (static_cast<std::int64_t>(source.axis.x()) << 32);
        const std::int64_t vAbsolute = v + (static_cast<std::int64_t>(source.axis.y()) << 32);
        uA = _mm_set_epi64x(uAbsolute + uStep, uAbsolute);
        uB = _mm_set_epi64x(uAbsolute + 3 * uStep, uAbsolute + 2 * uStep);
        vA = _mm_set_epi64x(vAbsolute + vStep, vAbsolute);
        vB = _mm_set_epi64x(vAbsolute + 3 * vStep, vAbsolute + 2 * vStep);
        uAdvance = _mm_set1_epi64x(4 * uStep);
        vAdvance = _mm_set1_epi64x(4 * vStep);
        rowAndColumn = _mm_set1_epi32(static_cast<int>(1 | (source.bytesPerLine << 16)));
    }
    for (; i + 4 <= end; i += 4) {
        std::uint32_t s0, s1, s2, s3;
        if constexpr (std::is_same_v<Source, IndexedSource>) {
            if (sideBySide) {
                const auto wholes = [](__m128i a, __m128i b) {
                    return _mm_unpacklo_epi64(_mm_shuffle_epi32(a, _MM_SHUFFLE(3, 1, 3, 1)),
                                              _mm_shuffle_epi32(b, _MM_SHUFFLE(3, 1, 3, 1)));
                };
                const __m128i offsets =
                    _mm_madd_epi16(_mm_or_si128(wholes(uA, uB), _mm_slli_epi32(wholes(vA, vB), 16)), rowAndColumn);
                uA = _mm_add_epi64(uA, uAdvance), uB = _mm_add_epi64(uB, uAdvance);
                vA = _mm_add_epi64(vA, vAdvance), vB = _mm_add_epi64(vB, vAdvance);
                s0 = source.colours[source.bits[_mm_cvtsi128_si32(offsets)]];
                s1 = source.colours[source.bits[_mm_cvtsi128_si32(_mm_shuffle_epi32(offsets, 1))]];
                s2 = source.colours[source.bits[_mm_cvtsi128_si32(_mm_shuffle_epi32(offsets, 2))]];
                s3 = source.colours[source.bits[_mm_cvtsi128_si32(_mm_shuffle_epi32(offsets, 3))]];
                u += 4 * uStep, v += 4 * vStep;
            }
        }
        if (!sideBySide) {
            s0 = source.at(u, v);
            s1 = source.at(u + uStep, v + vStep);
            s2 = source.at(u + 2 * uStep, v + 2 * vStep);
            s3 = source.at(u + 3 * uStep, v + 3 * vStep);
            u += 4 * uStep, v += 4 * vStep;
        }
        const __m128i s =
            _mm_set_epi32(static_cast<int>(s3), static_cast<int>(s2), static_cast<int>(s1), static_cast<int>(s0));
        const __m128i clear = _mm_cmpeq_epi32(_mm_srli_epi32(s, 24), _mm_setzero_si128());
        if (_mm_movemask_epi8(clear) == 0xFFFF)
            continue;
        auto* at = reinterpret_cast<__m128i*>(row + i);
        const __m128i d = _mm_loadu_si128(at);
        __m128i out;
        if (blend.wide(s, _mm_or_si128(d, opaque), out)) {
            // Clear source pixels leave the target as it was.
            _mm_storeu_si128(at, _mm_or_si128(_mm_and_si128(clear, d), _mm_andnot_si128(clear, out)));
            continue;
        }
        const std::uint32_t lanes[4] = {s0, s1, s2, s3};
        for (int k = 0; k < 4; ++k)
            if ((lanes[k] >> 24) != 0)
                row[i + k] = blend(lanes[k], row[i + k] | targetOpaque);
    }
#endif
    for (; i < end; ++i, u += uStep, v += vStep) {
        const std::uint32_t pixel = source.at(u, v);
        if ((pixel >> 24) != 0)
            row[i] = blend(pixel, row[i] | targetOpaque);
    }
}

template <class Source, class Blend>
void rasterise(QImage& target, QSize spriteSize, const Placement& p, const Source& source, const Blend& blend)
{
    const std::uint32_t targetOpaque = target.format() == QImage::Format_RGB32 ? 0xFF000000u : 0;
    // The sprite's pixels relative to the axis.
    const double left = -static_cast<double>(p.axis.x()), right = left + spriteSize.width();
    const double top = -static_cast<double>(p.axis.y()), bottom = top + spriteSize.height();
    const int count = p.x1 - p.x0;
    uchar* bits = target.bits();
    const qsizetype bytesPerLine = target.bytesPerLine();
    const bool fixed = fixedPointFits(p, spriteSize);
    const auto uStep = static_cast<std::int64_t>(std::llround(p.uPerX * kFixedOne));
    const auto vStep = static_cast<std::int64_t>(std::llround(p.vPerX * kFixedOne));
    const std::int64_t uLow = -static_cast<std::int64_t>(p.axis.x()) * (std::int64_t{1} << 32);
    const std::int64_t uHigh = uLow + static_cast<std::int64_t>(spriteSize.width()) * (std::int64_t{1} << 32);
    const std::int64_t vLow = -static_cast<std::int64_t>(p.axis.y()) * (std::int64_t{1} << 32);
    const std::int64_t vHigh = vLow + static_cast<std::int64_t>(spriteSize.height()) * (std::int64_t{1} << 32);

    for (int y = p.y0; y < p.y1; ++y) {
        const int j = y - p.y0;
        const double uRow = p.u0 + p.uPerY * j, vRow = p.v0 + p.vPerY * j;
        const auto [uLo, uHi] = stepsInside(uRow, p.uPerX, left, right, count);
        const auto [vLo, vHi] = stepsInside(vRow, p.vPerX, top, bottom, count);
        int lo = std::max(uLo, vLo), hi = std::min(uHi, vHi);
        if (lo >= hi)
            continue;
        auto* row = reinterpret_cast<std::uint32_t*>(bits + y * bytesPerLine) + p.x0;
        const auto plot = [&](int i, int u, int v) {
            const std::uint32_t s = source(u, v);
            if ((s >> 24) != 0) // a fully transparent pixel changes nothing in any blend
                row[i] = blend(s, row[i] | targetOpaque);
        };

        if (fixed) {
            // Positions along the row are linear in whole numbers, so the
            // steps on the sprite form one run: trim the estimate to it.
            const int first = lo;
            const auto u0 = static_cast<std::int64_t>(std::floor((uRow + p.uPerX * first) * kFixedOne));
            const auto v0 = static_cast<std::int64_t>(std::floor((vRow + p.vPerX * first) * kFixedOne));
            const auto inside = [&](int i) {
                const std::int64_t u = u0 + uStep * (i - first), v = v0 + vStep * (i - first);
                return u >= uLow && u < uHigh && v >= vLow && v < vHigh;
            };
            while (lo < hi && !inside(lo))
                ++lo;
            while (hi > lo && !inside(hi - 1))
                --hi;
            blendRun(row, lo, hi, u0 + uStep * (lo - first), v0 + vStep * (lo - first), uStep, vStep,
                     source.startingAt(p.axis), blend, targetOpaque);
            continue;
        }
        for (int i = lo; i < hi; ++i) {
            const double u = uRow + p.uPerX * i, v = vRow + p.vPerX * i;
            if (u >= left && u < right && v >= top && v < bottom)
                plot(i, pixelAt(u, p.axis.x()), pixelAt(v, p.axis.y()));
        }
    }
}

template <class Source>
void blendWith(QImage& target, QSize spriteSize, const Placement& p, const Source& source, const BlendLook* blend)
{
    const BlendMode mode = blend ? blend->mode : BlendMode::None;
    switch (mode) {
    case BlendMode::None: rasterise(target, spriteSize, p, source, Over{}); return;
    case BlendMode::Add: rasterise(target, spriteSize, p, source, Additive{256, 256}); return;
    case BlendMode::AddHalf: rasterise(target, spriteSize, p, source, Additive{128, 256}); return;
    case BlendMode::Subtract: rasterise(target, spriteSize, p, source, Subtractive{}); return;
    case BlendMode::AddCustom:
        rasterise(target, spriteSize, p, source,
                  Additive{static_cast<unsigned>(std::clamp(blend->source, 0, 256)),
                           static_cast<unsigned>(std::clamp(blend->dest, 0, 256))});
        return;
    }
}

// `blend` null draws over the target; `filter` null leaves the sprite's colours alone.
void draw(QImage& target, const QImage& sprite, QPoint axis, QPointF stagePosition, const FrameLook& look,
          const BlendLook* blend, const SourceFilter* filter)
{
    if (target.format() != QImage::Format_ARGB32_Premultiplied && target.format() != QImage::Format_RGB32)
        return;
    if (target.isNull() || sprite.isNull())
        return;
    const auto placement = place(target.size(), sprite.size(), axis, stagePosition, look);
    if (!placement)
        return;
    const Placement& p = *placement;

    if (sprite.format() == QImage::Format_Indexed8) {
        std::array<std::uint32_t, 256> colours{};
        const QList<QRgb> table = sprite.colorTable();
        for (qsizetype k = 1; k < std::min<qsizetype>(table.size(), 256); ++k) {
            const std::uint32_t c = premultiplied(table[k]);
            colours[static_cast<std::size_t>(k)] = filter ? filter->apply(c) : c;
        }
        IndexedSource source{sprite.constBits(), sprite.bytesPerLine(), colours.data()};
        source.narrow = sprite.width() < 32768 && sprite.height() < 32768 && sprite.bytesPerLine() < 32768;
        blendWith(target, sprite.size(), p, source, blend);
        return;
    }

    QImage converted;
    const QImage* rgb = &sprite;
    const auto format = sprite.format();
    if (format != QImage::Format_ARGB32 && format != QImage::Format_ARGB32_Premultiplied
        && format != QImage::Format_RGB32) {
        converted = sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (converted.isNull())
            return;
        rgb = &converted;
    }
    const std::uint32_t opaque = rgb->format() == QImage::Format_RGB32 ? 0xFF000000u : 0;
    if (rgb->format() == QImage::Format_ARGB32)
        blendWith(target, sprite.size(), p, RgbSource<true>{rgb->constBits(), rgb->bytesPerLine(), 0, filter}, blend);
    else
        blendWith(target, sprite.size(), p, RgbSource<false>{rgb->constBits(), rgb->bytesPerLine(), opaque, filter},
                  blend);
}

} // namespace

void drawFrame(QImage& target, const QImage& sprite, QPoint spriteAxis, QPointF stagePosition, const FrameLook& look)
{
    draw(target, sprite, spriteAxis, stagePosition, look, &look.blend, nullptr);
}

void drawOnionSkin(QImage& target, const QImage& sprite, QPoint spriteAxis, QPointF stagePosition,
                   const FrameLook& look, const OnionSkin& skin)
{
    const double opacity = std::isnan(skin.opacity) ? 0.0 : std::clamp(skin.opacity, 0.0, 1.0);
    const SourceFilter filter{static_cast<unsigned>(std::lround(opacity * 255)), skin.tinted, skin.tint};
    if (filter.opacity == 0)
        return;
    draw(target, sprite, spriteAxis, stagePosition, look, nullptr, &filter);
}

} // namespace vantrel
