#include "image/picture.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "ui/dialogs.h"
#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vantrel {

namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

// Column i takes column L - i and column 0 is left empty, vertically the rows
// swap: the same mirroring as an indexed picture's.
QImage mirrored(const QImage& image, int flip)
{
    QImage out = image;
    if (flip == 1 || flip == 3)
        out = out.mirrored(false, true);
    if (flip == 2 || flip == 3) {
        const int width = out.width();
        for (int y = 0; y < out.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
            std::reverse(row + 1, row + width);
            if (width > 0)
                row[0] = 0;
        }
    }
    return out;
}

LoadedPicture loadPng(DecoderState& state, const std::string& bytes, int paletteMode, int flip,
                      const SpriteViewOptions* view, const Palette* working)
{
    LoadedPicture loaded;
    loaded.png = true;
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG")) {
        loaded.refusal =
            QCoreApplication::translate("Pictures", "the file starts as a PNG, but its picture cannot be decoded");
        return loaded;
    }
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_Indexed8);
    QList<QRgb> colours = image.colorTable();
    if (image.format() == QImage::Format_Grayscale8) {
        // A grey PNG counts as indices over the grey ramp, as the build reads it.
        image.reinterpretAsFormat(QImage::Format_Indexed8);
        colours.clear();
        for (int i = 0; i < 256; ++i)
            colours.append(qRgb(i, i, i));
    }
    loaded.status = PcxStatus::Ok;
    if (image.format() != QImage::Format_Indexed8) {
        loaded.image = mirrored(image.convertToFormat(QImage::Format_ARGB32), flip);
        return loaded;
    }

    DecodedImage decoded;
    decoded.width = decoded.rowLength = image.width();
    decoded.height = image.height();
    decoded.stride = (decoded.rowLength + 3) & ~3;
    decoded.pixels.assign(static_cast<std::size_t>(decoded.stride) * static_cast<std::size_t>(decoded.height), 0);
    for (int y = 0; y < decoded.height; ++y)
        std::memcpy(decoded.pixels.data() + static_cast<std::size_t>(y) * decoded.stride, image.constScanLine(y),
                    static_cast<std::size_t>(decoded.width));
    Palette own{};
    for (int i = 0; i < colours.size() && i < 256; ++i)
        own[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(qRed(colours[i])),
                                            static_cast<std::uint8_t>(qGreen(colours[i])),
                                            static_cast<std::uint8_t>(qBlue(colours[i]))};
    finishIndexedPicture(state, std::move(decoded), &own, paletteMode, flip, working, view);
    loaded.image = pictureOf(state.decodedPixels);
    return loaded;
}

} // namespace

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

LoadedPicture loadPicture(DecoderState& state, const QString& path, int paletteMode, int flip,
                          const SpriteViewOptions* view, const Palette* working)
{
    const auto bytes = readFileBytes(sstr(path));
    if (bytes && std::string_view(*bytes).substr(0, kPngSignature.size()) == kPngSignature)
        return loadPng(state, *bytes, paletteMode, flip, view, working);
    LoadedPicture loaded;
    if (!bytes) {
        state.refusal = {};
        loaded.refusal = QFileInfo::exists(path) ? QCoreApplication::translate("Pictures", "the file cannot be read")
                                                 : QCoreApplication::translate("Pictures", "the file does not exist");
        return loaded;
    }
    loaded.status = decodePcx(state, *bytes, paletteMode, flip, working, view);
    if (loaded.status == PcxStatus::Ok)
        loaded.image = pictureOf(state.decodedPixels);
    else
        loaded.refusal = translated(state.refusal);
    return loaded;
}

QImage loadPcx(DecoderState& state, Dialogs& dialogs, QWidget* owner, const QString& path, int paletteMode, int flip,
               const SpriteViewOptions* view, const Palette* working)
{
    const LoadedPicture loaded = loadPicture(state, path, paletteMode, flip, view, working);
    if (loaded.status == PcxStatus::Refused)
        dialogs.message(
            owner, translatedMessage(loaded.png ? kPngRefused : kPcxRefused), QStringLiteral("Vantrel"), Buttons::Ok,
            Icon::None,
            QCoreApplication::translate("Pictures", "%1: %2").arg(QDir::toNativeSeparators(path), loaded.refusal));
    return loaded.image;
}

} // namespace vantrel
