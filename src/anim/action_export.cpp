#include "anim/action_export.h"

#include "anim/frame_appearance.h"
#include "anim/frame_drawing.h"
#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "formats/air_document.h"
#include "formats/character_definition.h"
#include "formats/sff.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <gif_lib.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <unordered_map>

namespace vantrel {

namespace {

// The drawn rectangles and the pictures of one action, before the canvas is known.
struct PlacedFrame {
    const AirFrame* frame = nullptr;
    int picture = -1; // index into the decoded pictures; -1 draws nothing
    QPoint axis;
    FrameLook look;
    QRectF bounds; // in stage coordinates
};

QImage imageOf(const sfflib::Picture& picture)
{
    if (const auto* indexed = std::get_if<sfflib::IndexedImage>(&picture)) {
        QImage image(indexed->pixels.data(), indexed->width, indexed->height, indexed->width, QImage::Format_Indexed8);
        QList<QRgb> colours(256);
        for (int i = 0; i < 256; ++i)
            colours[i] = qRgb(indexed->palette[i * 3], indexed->palette[i * 3 + 1], indexed->palette[i * 3 + 2]);
        colours[0] = qRgba(0, 0, 0, 0); // colour 0 is never drawn
        image.setColorTable(colours);
        return image.copy(); // the pixels above belong to the picture
    }
    const auto& rgba = std::get<sfflib::TrueColourImage>(picture);
    QImage image(rgba.rgba.data(), rgba.width, rgba.height, rgba.width * 4, QImage::Format_RGBA8888);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QRect boxRect(const AirBox& box)
{
    return QRect(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
}

// The sprites of an archive by group and number, pictures decoded once.
class SpriteSource {
public:
    static Result<SpriteSource> open(const std::string& path)
    {
        sfflib::Result<sfflib::SffReader> reader = sfflib::SffReader::openFile(path);
        if (!reader)
            return Result<SpriteSource>::failure(reader.error());
        return SpriteSource(std::move(*reader));
    }

    const sfflib::Sprite* find(int group, int number) const
    {
        const auto it = index_.find(key(group, number));
        return it == index_.end() ? nullptr : &reader_.sprites()[it->second];
    }

    Result<int> picture(const sfflib::Sprite& sprite)
    {
        const auto known = decoded_.find(sprite.image);
        if (known != decoded_.end())
            return known->second;
        sfflib::Result<sfflib::Picture> picture = reader_.decode(sprite.image);
        if (!picture)
            return Result<int>::failure(picture.error());
        images_.push_back(imageOf(*picture));
        const int index = static_cast<int>(images_.size()) - 1;
        decoded_.emplace(sprite.image, index);
        return index;
    }

    const QImage& image(int index) const { return images_[static_cast<std::size_t>(index)]; }

private:
    explicit SpriteSource(sfflib::SffReader reader) : reader_(std::move(reader))
    {
        const auto& sprites = reader_.sprites();
        for (std::size_t i = 0; i < sprites.size(); ++i)
            index_.try_emplace(key(sprites[i].group, sprites[i].imageNo), i); // the first of a pair counts
    }
    static std::int64_t key(int group, int number) { return (std::int64_t{group} << 32) | std::uint32_t(number); }

    sfflib::SffReader reader_;
    std::unordered_map<std::int64_t, std::size_t> index_;
    std::map<std::size_t, int> decoded_;
    std::vector<QImage> images_;
};

std::string withoutExtension(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path;
}

Result<void> failed(std::string message)
{
    return Result<void>::failure(std::move(message));
}

} // namespace

Result<ExportedAction> renderAction(const std::string& defPath, int action, const ExportOptions& options)
{
    using R = Result<ExportedAction>;
    CharacterFiles files;
    if (const Result<void> read = readDefinition(defPath, files); !read)
        return R::failure(read.failure().withPlace());
    if (files.animationFile.empty())
        return R::failure(fileNameOf(defPath) + " names no animation file.");
    const std::optional<std::string> text = readFileBytes(files.animationFile);
    if (!text)
        return R::failure(fileNameOf(files.animationFile) + " cannot be read.");
    return renderAction(AirDocument::parse(*text), fileNameOf(files.animationFile), files.spriteFile, action, options);
}

Result<ExportedAction> renderAction(const AirDocument& air, const std::string& airName, const std::string& spriteFile,
                                    int action, const ExportOptions& options)
{
    using R = Result<ExportedAction>;
    const int actionIndex = air.findAction(action);
    if (actionIndex < 0)
        return R::failure("Action " + std::to_string(action) + " is not in " + airName + ".");
    Result<SpriteSource> sprites = SpriteSource::open(spriteFile);
    if (!sprites)
        return R::failure(sprites.error());

    const AirAction& found = air.actions()[static_cast<std::size_t>(actionIndex)];
    std::vector<PlacedFrame> placed;
    QRectF canvas;
    int number = 0;
    for (const AirFrame& frame : air.frames(found)) {
        PlacedFrame p{&frame, -1, {}, frameLook(air, frame), {}};
        if (frame.group >= 0) {
            const sfflib::Sprite* sprite = sprites->find(frame.group, frame.image);
            if (!sprite)
                return R::failure("Sprite " + std::to_string(frame.group) + "," + std::to_string(frame.image)
                                  + " (action " + std::to_string(action) + ", frame " + std::to_string(number)
                                  + ") is not in " + fileNameOf(spriteFile) + ".");
            const Result<int> picture = sprites->picture(*sprite);
            if (!picture)
                return R::failure(picture.error());
            p.picture = *picture;
            p.axis = QPoint(sprite->axisX, sprite->axisY);
            p.bounds = frameBounds(sprites->image(p.picture).size(), p.axis, p.look);
            canvas |= p.bounds;
        }
        if (options.boxes)
            for (BoxKind kind : {BoxKind::Clsn1, BoxKind::Clsn2})
                for (const AirBoxLine& box : air.boxesOf(frame, kind))
                    canvas |= QRectF(boxRect(box.box)).adjusted(0, 0, 1, 1);
        placed.push_back(p);
        ++number;
    }
    if (placed.empty())
        return R::failure("Action " + std::to_string(action) + " has no frames.");

    const QRect area = canvas.isEmpty() ? QRect(0, 0, 1, 1) : canvas.toAlignedRect();
    const int scale = std::clamp(options.scale, 1, 16);
    if (std::int64_t{area.width()} * area.height() * scale * scale > 8192LL * 8192LL)
        return R::failure("Action " + std::to_string(action) + " is too large to export ("
                          + std::to_string(area.width() * scale) + " x " + std::to_string(area.height() * scale)
                          + " pixels).");

    ExportedAction exported;
    exported.action = action;
    exported.loopStart = std::max(0, found.loopStart);
    exported.origin = -area.topLeft() * scale;
    for (const PlacedFrame& p : placed) {
        QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QPointF stage = QPointF(-area.topLeft());
        if (p.picture >= 0)
            drawFrame(image, sprites->image(p.picture), p.axis, stage, p.look);
        if (options.boxes) {
            QPainter painter(&image);
            for (BoxKind kind : {BoxKind::Clsn2, BoxKind::Clsn1}) {
                painter.setPen(kind == BoxKind::Clsn1 ? QColor(255, 0, 0) : QColor(0, 0, 255));
                for (const AirBoxLine& box : air.boxesOf(*p.frame, kind))
                    painter.drawRect(boxRect(box.box).translated(-area.topLeft()));
            }
        }
        if (scale > 1)
            image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        exported.frames.push_back({std::move(image), p.frame->time, p.frame->group, p.frame->image});
    }
    return exported;
}

std::vector<int> gifDelays(const std::vector<int>& times)
{
    std::vector<int> delays;
    std::int64_t ticks = 0;
    std::int64_t shown = 0; // hundredths of a second given out so far
    for (int time : times) {
        if (time < 0) {
            delays.push_back(100);
            break;
        }
        ticks += time;
        const std::int64_t end = (ticks * 100 + 30) / 60;
        delays.push_back(static_cast<int>(std::min<std::int64_t>(end - shown, 65535)));
        shown = end;
    }
    return delays;
}

namespace {

// A frame reduced to at most 255 colours and a transparent index 0: its own
// colours when they are few enough, else a 6 x 7 x 6 colour cube.
struct GifFrame {
    std::vector<GifColorType> colours;
    std::vector<GifByteType> pixels;
};

GifFrame reduceColours(const QImage& frame)
{
    const QImage image = frame.convertToFormat(QImage::Format_ARGB32);
    GifFrame out;
    out.colours.push_back({0, 0, 0});
    out.pixels.resize(static_cast<std::size_t>(image.width()) * image.height());
    std::unordered_map<QRgb, GifByteType> exact;
    bool fits = true;
    for (int y = 0; y < image.height() && fits; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) < 128)
                continue;
            const QRgb colour = row[x] | 0xff000000u;
            if (exact.count(colour))
                continue;
            if (exact.size() == 255) {
                fits = false;
                break;
            }
            exact.emplace(colour, static_cast<GifByteType>(exact.size() + 1));
            out.colours.push_back({static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
                                   static_cast<GifByteType>(qBlue(colour))});
        }
    }
    if (!fits) {
        out.colours.resize(1);
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 7; ++g)
                for (int b = 0; b < 6; ++b)
                    out.colours.push_back({static_cast<GifByteType>(r * 51), static_cast<GifByteType>(g * 255 / 6),
                                           static_cast<GifByteType>(b * 51)});
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        GifByteType* target = out.pixels.data() + static_cast<std::size_t>(y) * image.width();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x];
            if (qAlpha(c) < 128)
                target[x] = 0;
            else if (fits)
                target[x] = exact.at(c | 0xff000000u);
            else
                target[x] = static_cast<GifByteType>(1 + ((qRed(c) + 25) / 51) * 42 + ((qGreen(c) * 6 + 127) / 255) * 6
                                                     + (qBlue(c) + 25) / 51);
        }
    }
    out.colours.resize(256, GifColorType{0, 0, 0}); // a colour map's size is a power of two
    return out;
}

int writeToString(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

} // namespace

Result<void> writeGif(const ExportedAction& action, const std::string& path)
{
    if (action.frames.empty())
        return failed("There are no frames to write.");
    std::vector<int> times;
    for (const ExportedFrame& f : action.frames)
        times.push_back(f.time);
    const std::vector<int> delays = gifDelays(times);
    const int width = action.frames.front().image.width();
    const int height = action.frames.front().image.height();

    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, writeToString, &error);
    if (!gif)
        return failed("The GIF writer cannot start: " + std::string(GifErrorString(error)));
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_OK;
    // The GIF loops for ever.
    static const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loopCount[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
        && EGifPutExtensionBlock(gif, sizeof netscape, netscape) == GIF_OK
        && EGifPutExtensionBlock(gif, sizeof loopCount, loopCount) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
    for (std::size_t i = 0; ok && i < delays.size(); ++i) {
        GifFrame frame = reduceColours(action.frames[i].image);
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = delays[i];
        control.TransparentColor = 0;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        ColorMapObject* map = GifMakeMapObject(256, frame.colours.data());
        ok = map && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK
            && EGifPutImageDesc(gif, 0, 0, width, height, false, map) == GIF_OK;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif, frame.pixels.data() + static_cast<std::size_t>(y) * width, width) == GIF_OK;
        GifFreeMapObject(map);
    }
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    if (!ok || !closed)
        return failed("The GIF for " + fileNameOf(path) + " could not be made.");
    return writeFileAtomic(path, bytes);
}

bool apngSupported()
{
#ifdef PNG_APNG_SUPPORTED
    return true;
#else
    return false;
#endif
}

Result<void> writeApng(const ExportedAction& action, const std::string& path)
{
    (void)action;
    (void)path;
    // The PNG library this program is built with decides; most systems' lack
    // the animation chunks.
    return failed(
        "This system's PNG library cannot write animated PNG (APNG); export a GIF or a sprite sheet instead.");
}

std::string sheetJsonPath(const std::string& pngPath)
{
    return withoutExtension(pngPath) + ".json";
}

Result<void> writeSheet(const ExportedAction& action, const std::string& path)
{
    if (action.frames.empty())
        return failed("There are no frames to write.");
    const QSize cell = action.frames.front().image.size();
    const int count = static_cast<int>(action.frames.size());
    const int columns = std::max(1, std::min(count, static_cast<int>(std::ceil(std::sqrt(double(count))))));
    const int rows = (count + columns - 1) / columns;
    if (std::int64_t{cell.width()} * columns * cell.height() * rows > 16384LL * 16384LL)
        return failed("The sheet for " + fileNameOf(path) + " would be too large.");
    QImage sheet(cell.width() * columns, cell.height() * rows, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QJsonArray frames;
    {
        QPainter painter(&sheet);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (int i = 0; i < count; ++i) {
            const QPoint at((i % columns) * cell.width(), (i / columns) * cell.height());
            painter.drawImage(at, action.frames[static_cast<std::size_t>(i)].image);
            const ExportedFrame& f = action.frames[static_cast<std::size_t>(i)];
            frames.append(QJsonObject{{"x", at.x()},
                                      {"y", at.y()},
                                      {"width", cell.width()},
                                      {"height", cell.height()},
                                      {"axisX", action.origin.x()},
                                      {"axisY", action.origin.y()},
                                      {"time", f.time},
                                      {"group", f.group},
                                      {"image", f.number}});
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!sheet.save(&buffer, "PNG"))
        return failed("The sheet for " + fileNameOf(path) + " could not be made.");
    const QJsonObject description{{"action", action.action},
                                  {"image", QString::fromStdString(fileNameOf(path))},
                                  {"loopStart", action.loopStart},
                                  {"frames", frames}};
    const QByteArray json = QJsonDocument(description).toJson(QJsonDocument::Indented);
    if (Result<void> written = writeFileAtomic(path, std::string_view(png.constData(), png.size())); !written)
        return written;
    return writeFileAtomic(sheetJsonPath(path), std::string_view(json.constData(), json.size()));
}

} // namespace vantrel
