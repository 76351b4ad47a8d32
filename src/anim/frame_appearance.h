#pragma once
// A frame of the AIR text as the drawing takes it: its line's fields (offset,
// flip, blend, scale, angle) as a look, and the stage rectangle its sprite
// covers when drawn so.

#include "anim/frame_look.h"
#include "formats/air_document.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QSize>

namespace vantrel {

FrameLook frameLook(const AirDocument& air, const AirFrame& frame);

// The rectangle, in stage pixels from the character's position, that a
// sprite of `size` with its axis at `axis` covers when drawn with `look`
// (mirrored, scaled and turned about the axis). Empty for a look that draws
// nothing.
QRectF frameBounds(QSize size, QPoint axis, const FrameLook& look);

// No blend, scale or angle: a look the plain sprite drawing shows as it is.
bool isPlainLook(const FrameLook& look);

// A sprite drawn through its look onto a picture of just the part of the
// stage it covers (at most 4096 pixels either way from the position), and
// that picture's top-left corner in stage pixels. A blended sprite is
// drawn over `stage`, as the game blends it over what is behind; the others
// over transparency. A null picture when nothing shows.
struct LookDrawing {
    QImage picture;
    QPoint topLeft;
};
LookDrawing drawThroughLook(const QImage& sprite, QPoint axis, const FrameLook& look, QColor stage);

} // namespace vantrel
