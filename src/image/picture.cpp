#include "image/picture.h"

#include "shell/app.h"

#include <cstring>

namespace vantrel {

QImage pictureOf(const DecodedImage& image)
{
    if (image.rowLength <= 0 || image.height <= 0)
        return {};
    QImage picture(image.rowLength, image.height, QImage::Format_Indexed8);
    if (picture.isNull())
        return {};
    QList<QRgb> colours;
    colours.reserve(256);
    for (const Rgb& c : image.palette)
        colours.append(qRgb(c.r, c.g, c.b));
    picture.setColorTable(colours);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(picture.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.stride,
                    static_cast<std::size_t>(image.rowLength));
    return picture;
}

QImage loadPcx(App& app, QWidget* owner, const QString& path, int paletteMode, int flip, const SpriteViewOptions* view)
{
    const PcxStatus status = loadPcx(app.decoder, sstr(path), paletteMode, flip, &app.workingPalette, view);
    if (status == PcxStatus::Refused)
        app.dialogs.message(owner, QString::fromLatin1(kPcxRefused));
    if (status != PcxStatus::Ok)
        return {};
    return pictureOf(app.decoder.decodedPixels);
}

} // namespace vantrel
