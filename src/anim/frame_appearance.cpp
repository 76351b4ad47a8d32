#include "anim/frame_appearance.h"

#include "anim/frame_drawing.h"
#include "formats/air_frame_fields.h"

#include <QTransform>

#include <cmath>

namespace vantrel {

namespace {

BlendLook blendLook(const FrameBlend& blend)
{
    switch (blend.kind) {
    case FrameBlendKind::None: return {};
    case FrameBlendKind::Add: return {BlendMode::Add, 256, 256};
    case FrameBlendKind::AddHalf: return {BlendMode::AddHalf, 128, 256};
    case FrameBlendKind::Subtract: return {BlendMode::Subtract, 256, 256};
    case FrameBlendKind::AddCustom: return {BlendMode::AddCustom, blend.source, blend.dest};
    }
    return {};
}

} // namespace

FrameLook frameLook(const AirDocument& air, const AirFrame& frame)
{
    const AirFrameFields fields = readFrameFields(air.lineText(static_cast<std::size_t>(frame.line))).fields;
    FrameLook look;
    look.offsetX = fields.x;
    look.offsetY = fields.y;
    look.flipH = fields.flip == FrameFlip::Horizontal || fields.flip == FrameFlip::Both;
    look.flipV = fields.flip == FrameFlip::Vertical || fields.flip == FrameFlip::Both;
    look.blend = blendLook(fields.blend);
    look.scaleX = fields.scaleX;
    look.scaleY = fields.scaleY;
    look.angle = fields.angle;
    return look;
}

bool isPlainLook(const FrameLook& look)
{
    return look.blend.mode == BlendMode::None && look.scaleX == 1 && look.scaleY == 1 && look.angle == 0;
}

LookDrawing drawThroughLook(const QImage& sprite, QPoint axis, const FrameLook& look, QColor stage)
{
    const QRect area =
        frameBounds(sprite.size(), axis, look).toAlignedRect().intersected(QRect(-4096, -4096, 8192, 8192));
    if (sprite.isNull() || area.isEmpty())
        return {};
    QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(look.blend.mode == BlendMode::None ? QColor(Qt::transparent) : stage);
    drawFrame(picture, sprite, axis, QPointF(-area.topLeft()), look);
    return {picture, area.topLeft()};
}

QRectF frameBounds(QSize size, QPoint axis, const FrameLook& look)
{
    const bool drawable = std::isfinite(look.scaleX) && std::isfinite(look.scaleY) && std::isfinite(look.angle)
        && std::isfinite(look.offsetX) && std::isfinite(look.offsetY) && look.scaleX != 0 && look.scaleY != 0;
    if (!drawable || size.isEmpty())
        return {};
    // The angle turns counter-clockwise as seen on screen, where y grows downwards.
    QTransform placed;
    placed.translate(look.offsetX, look.offsetY);
    placed.rotate(-look.angle);
    placed.scale(look.scaleX * (look.flipH ? -1 : 1), look.scaleY * (look.flipV ? -1 : 1));
    placed.translate(-axis.x(), -axis.y());
    return placed.mapRect(QRectF(QPointF(0, 0), QSizeF(size)));
}

} // namespace vantrel
