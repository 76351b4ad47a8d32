#pragma once
// Turns decoded PCX pictures into QImages for the windows.

#include "image/pcx.h"

#include <QImage>
#include <QString>

class QWidget;

namespace vantrel {

struct App;

// An 8-bit indexed picture L pixels wide with the 256-entry colour table.
QImage pictureOf(const DecodedImage& image);

// loadPcx for windows: decodes with the program's decoder state (and its
// working palette in mode 1), shows "Sorry, can't load that pcx file!" when
// the file is refused, and returns a null image when there is no picture.
QImage loadPcx(App& app, QWidget* owner, const QString& path, int paletteMode, int flip,
               const SpriteViewOptions* view = nullptr);

} // namespace vantrel
