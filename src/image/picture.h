#pragma once
// Turns decoded pictures into QImages for the windows: PCX files through the
// program's decoder, PNG files through Qt.

#include "common/translatable.h"
#include "image/pcx.h"

#include <QImage>
#include <QString>

class QWidget;

namespace vantrel {

class Dialogs;

// An 8-bit indexed picture L pixels wide with the 256-entry colour table.
QImage pictureOf(const DecodedImage& image);

inline constexpr const char* kPngRefused = QT_TRANSLATE_NOOP("Messages", "Sorry, can't load that png file!");

// A sprite's picture file as the windows read it: a PCX, or a PNG (told by
// its first bytes). A palette PNG (or a grey one) is treated exactly as a
// PCX: its indices and colour table go through the same palette modes,
// mirroring and view options. A true-colour PNG comes back as ARGB32,
// mirrored as an indexed picture would be; it has no palette, so the palette
// modes and view options leave it as it is. Nothing (a null image) when the
// file cannot be read.
struct LoadedPicture {
    PcxStatus status = PcxStatus::Refused;
    bool png = false;
    QImage image;
    QString refusal; // why a refused file was refused, for the user
};
// `state` is the decoder's run (the sprite palette of the character's
// sprites); `working` the palette of the kPaletteWorking mode.
LoadedPicture loadPicture(DecoderState& state, const QString& path, int paletteMode, int flip,
                          const SpriteViewOptions* view = nullptr, const Palette* working = nullptr);

// loadPicture for windows: shows "Sorry, can't load that pcx file!" (or
// "... png file!") when the file is refused, with the file and why as its
// detail, and returns a null image when there is no picture.
QImage loadPcx(DecoderState& state, Dialogs& dialogs, QWidget* owner, const QString& path, int paletteMode, int flip,
               const SpriteViewOptions* view = nullptr, const Palette* working = nullptr);

// True when the picture has colours of its own rather than palette indices.
inline bool isTrueColour(const QImage& image)
{
    return !image.isNull() && image.format() != QImage::Format_Indexed8;
}

} // namespace vantrel
