#include "sprite_view.h"

#include "common/text.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

int roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    // Far-off values (a huge axis at a large zoom) are pinned rather than
    // overflowing; nothing that far away is visible anyway.
    constexpr double limit = 1 << 28;
    value = std::clamp(value, -limit, limit);
    const double whole = std::floor(value);
    const double fraction = value - whole;
    double result = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        result = whole + 1;
    return static_cast<int>(result);
}

ViewPoint viewOrigin(int viewWidth, int viewHeight, int scrollX, int scrollY)
{
    return {roundHalfEven(viewWidth / 2.0 - (scrollX - kPanCentre)),
            roundHalfEven(viewHeight / 2.0 - (scrollY - kPanCentre))};
}

ViewRect spritePlacement(ViewPoint origin, std::int64_t axisX, std::int64_t axisY, int width, int height, float zoom)
{
    return {origin.x - roundHalfEven(static_cast<double>(axisX) * zoom),
            origin.y - roundHalfEven(static_cast<double>(axisY) * zoom), roundHalfEven(width * double(zoom)),
            roundHalfEven(height * double(zoom))};
}

namespace {

// Where the picture's near edge lands with the bar at `value`; the other
// direction of the view plays no part.
int nearEdge(int viewExtent, std::int64_t axis, float zoom, int value)
{
    return spritePlacement(viewOrigin(viewExtent, 0, value, kPanCentre), axis, 0, 0, 0, zoom).x;
}

} // namespace

PanRange panRange(int viewExtent, std::int64_t axis, int pictureExtent, float zoom, int current)
{
    const int extent = roundHalfEven(pictureExtent * double(zoom));
    // The near edge runs from `low` (the far edge on the view's) to `high`
    // (the near edge on the view's); swapped when the picture is smaller.
    const int low = std::min(0, viewExtent - extent);
    const int high = std::max(0, viewExtent - extent);
    // A higher value moves the picture towards the near edge, one pixel per
    // step but for the rounding of half a pixel in an odd-sized view: start
    // from the estimate and settle on the exact value.
    const std::int64_t estimate = nearEdge(viewExtent, axis, zoom, kPanCentre) + std::int64_t(kPanCentre);
    constexpr std::int64_t limit = 1 << 29;
    int maximum = static_cast<int>(std::clamp<std::int64_t>(estimate - low + 2, -limit, limit));
    while (nearEdge(viewExtent, axis, zoom, maximum) < low && maximum > -limit)
        --maximum;
    int minimum = static_cast<int>(std::clamp<std::int64_t>(estimate - high - 2, -limit, limit));
    while (nearEdge(viewExtent, axis, zoom, minimum) > high && minimum < limit)
        ++minimum;
    return {std::min({minimum, current, kPanCentre}), std::max({maximum, current, kPanCentre})};
}

PanRange panRangeWithoutPicture(int current)
{
    return {std::min(current, kPanCentre), std::max(current, kPanCentre)};
}

ViewRect markerPlacement(ViewPoint origin, float zoom)
{
    const int half = roundHalfEven(6.0 * zoom);
    const int size = roundHalfEven(double(kMarkerSize) * zoom);
    return {origin.x - half, origin.y - half, size, size};
}

float zoomedIn(float zoom)
{
    return zoom * 2.0f;
}

float zoomedOut(float zoom)
{
    return zoom / 2.0f;
}

bool zoomInEnabled(float zoom)
{
    return !(zoom > kZoomInLimit);
}

bool zoomOutEnabled(float zoom)
{
    return !(zoom < kZoomOutLimit);
}

namespace {

std::int64_t floorDiv(double value, float zoom)
{
    const double q = std::floor(value / zoom);
    constexpr double limit = 1e15;
    return static_cast<std::int64_t>(std::clamp(q, -limit, limit));
}

} // namespace

std::string mouseLabelText(int mouseX, int mouseY, ViewPoint origin, float zoom)
{
    return formatNumber(floorDiv(mouseX - origin.x, zoom)) + ", " + formatNumber(floorDiv(mouseY - origin.y, zoom));
}

std::int64_t draggedAxis(int start, std::int64_t startAxis, int now, float zoom)
{
    const double moved = static_cast<double>(start - now) / zoom + static_cast<double>(startAxis);
    constexpr double limit = 1e15;
    return static_cast<std::int64_t>(std::floor(std::clamp(moved, -limit, limit)));
}

const std::array<const char*, 13>& axisMarkerRows()
{
    static const std::array<const char*, 13> rows = {
        "......B......", //
        ".....BWB.....", //
        ".....BWB.....", //
        ".....BWB.....", //
        "......B......", //
        ".BBB.....BBB.", //
        "BWWWB.W.BWWWB", //
        ".BBB.....BBB.", //
        "......B......", //
        ".....BWB.....", //
        ".....BWB.....", //
        ".....BWB.....", //
        "......B......", //
    };
    return rows;
}

bool markerMaskIsWhite(int x, int y)
{
    return axisMarkerRows()[static_cast<std::size_t>(y)][x] == '.';
}

bool markerPatternIsWhite(int x, int y)
{
    return axisMarkerRows()[static_cast<std::size_t>(y)][x] == 'W';
}

} // namespace vantrel
