#pragma once
// Draws an animation frame's sprite onto a picture of the stage the way the
// game draws it: mirrored, scaled and turned about the sprite's axis, sampled
// nearest-neighbour, and blended with whole-number arithmetic per channel.
//
// Only the target pixels the transformed sprite covers are visited (clipped
// to the target), and nothing is allocated for the transformed sprite, so a
// scale of 1000 costs no more than filling the target once.

#include "anim/frame_look.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRgb>

namespace vantrel {

// Draws `sprite` on `target` with its axis (`spriteAxis`, in sprite pixels
// from its top left corner) at `stagePosition` plus the look's offset, in
// target pixels. Nothing is drawn when any of the look's numbers is not
// finite or a scale is 0.
//
// The target is Format_ARGB32_Premultiplied or Format_RGB32; any other
// target is left alone. The sprite is Format_Indexed8 (colour 0 is always
// transparent, as is an index past its colour table) or a 32-bit picture
// (ARGB32, premultiplied or not, or RGB32); other formats are converted first.
//
// A target pixel takes the sprite pixel under its centre. With s and d one
// channel of the source and of the target, on an opaque source pixel:
//   None       s
//   Add        min(255, s + d)
//   AddHalf    min(255, floor(s / 2) + d)
//   Subtract   max(0, d - s)
//   AddCustom  min(255, floor((s * source + d * dest) / 256))
// so Add and AddHalf are AddCustom at 256/256 and 128/256. A partly
// transparent source pixel counts in proportion to its alpha (its colour is
// premultiplied, and only the covered share of d is scaled by dest), and an
// ARGB target's alpha becomes the union of both alphas.
void drawFrame(QImage& target, const QImage& sprite, QPoint spriteAxis, QPointF stagePosition, const FrameLook& look);

// How a neighbouring frame is shown behind the current one.
struct OnionSkin {
    double opacity = 0.35; // 0..1
    bool tinted = false;
    QRgb tint = qRgb(255, 64, 64); // mixed half and half into every pixel's colour when tinted
};

// Draws a neighbouring frame as drawFrame does, with the look's flip, offset,
// scale and angle, but always over the target (its blend is ignored) at the
// skin's opacity.
void drawOnionSkin(QImage& target, const QImage& sprite, QPoint spriteAxis, QPointF stagePosition,
                   const FrameLook& look, const OnionSkin& skin = {});

} // namespace vantrel
