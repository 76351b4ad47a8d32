#pragma once
// A frame of the AIR text as the drawing takes it: its line's fields (offset,
// flip, blend, scale, angle) as a look, and the stage rectangle its sprite
// covers when drawn so.

#include "anim/frame_look.h"
#include "formats/air_document.h"

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

} // namespace vantrel
