#include "sprites/sprite_canvas.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "image/picture.h"
#include "sprites/sprite_list.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vantrel {

namespace {

QImage markerImage(bool (*isWhite)(int, int))
{
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_RGB32);
    for (int y = 0; y < kMarkerSize; ++y) {
        for (int x = 0; x < kMarkerSize; ++x)
            image.setPixel(x, y, isWhite(x, y) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    return image;
}

QRect toQRect(const ViewRect& r)
{
    return {r.x, r.y, r.width, r.height};
}

// A picture without transparency: a 32-bit sprite laid over `under` (the
// view's background for the shown sprite, black for the onion skin, so that
// it can be ORed as an 8-bit one is). Nearest-pixel stretching commutes with
// this, so it can be done once, before the zoom.
QImage flattened(const QImage& image, const QColor& under)
{
    if (image.isNull() || !image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(under);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// A 32-bit picture placed in the view at a whole zoom, copied or ORed.
struct Layer {
    const QImage& image;
    ViewRect rect;
    bool ored;

    // The picture row that view row y shows, or -1.
    int sourceRow(int y, int zoom) const
    {
        const std::int64_t dy = std::int64_t(y) - rect.y;
        return image.isNull() || dy < 0 || dy >= rect.height ? -1 : static_cast<int>(dy / zoom);
    }
};

// The stretch at a whole zoom, done by hand: each view row is made once per
// picture row and copied to the rows below it that show the same ones, so a
// redraw at zoom 8 costs about one copy of the view. It gives what the
// painter's nearest-pixel stretch gives.
void drawZoomedLayers(QImage& out, QRgb background, const Layer (&layers)[2], int zoom)
{
    const int width = out.width();
    int shown[2] = {-2, -2}; // the picture rows on the row above
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const int rows[2] = {layers[0].sourceRow(y, zoom), layers[1].sourceRow(y, zoom)};
        if (rows[0] == shown[0] && rows[1] == shown[1]) {
            std::memcpy(row, out.constScanLine(y - 1), std::size_t(width) * sizeof(QRgb));
            continue;
        }
        shown[0] = rows[0];
        shown[1] = rows[1];
        std::fill(row, row + width, background);
        for (int k = 0; k < 2; ++k) {
            if (rows[k] < 0)
                continue;
            const Layer& layer = layers[k];
            const auto* source = reinterpret_cast<const QRgb*>(layer.image.constScanLine(rows[k]));
            const std::int64_t left = layer.rect.x;
            const int from = static_cast<int>(std::max<std::int64_t>(0, left));
            const int to = static_cast<int>(std::min<std::int64_t>(width, left + layer.rect.width));
            for (int x = from; x < to;) {
                const auto column = static_cast<int>((x - left) / zoom);
                const int end = static_cast<int>(std::min<std::int64_t>(to, left + std::int64_t(column + 1) * zoom));
                const QRgb pixel = source[column];
                if (layer.ored) {
                    for (; x < end; ++x)
                        row[x] |= pixel;
                } else {
                    std::fill(row + x, row + end, pixel);
                    x = end;
                }
            }
        }
    }
}

bool wholeZoom(float zoom)
{
    return zoom >= 1.0f && zoom <= 64.0f && zoom == std::floor(zoom);
}

} // namespace

QImage renderSpriteScene(const SpriteScene& scene)
{
    QImage out;
    renderSpriteScene(scene, out);
    return out;
}

void renderSpriteScene(const SpriteScene& scene, QImage& out)
{
    const QSize size = scene.size.expandedTo(QSize(1, 1));
    if (out.size() != size || out.format() != QImage::Format_RGB32)
        out = QImage(size, QImage::Format_RGB32);
    // A 32-bit sprite is drawn with its alpha over the background.
    const QImage sprite = flattened(scene.sprite, scene.background);
    const QImage onion = flattened(scene.onion, Qt::black);
    const ViewRect spriteRect =
        spritePlacement(scene.origin, scene.axisX, scene.axisY, sprite.width(), sprite.height(), scene.zoom);
    const ViewRect onionRect =
        spritePlacement(scene.origin, scene.onionAxisX, scene.onionAxisY, onion.width(), onion.height(), scene.zoom);
    if (wholeZoom(scene.zoom)) {
        const Layer layers[2] = {{sprite, spriteRect, false}, {onion, onionRect, true}};
        drawZoomedLayers(out, scene.background.rgb(), layers, static_cast<int>(scene.zoom));
    } else {
        out.fill(scene.background);
        QPainter painter(&out);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        if (!sprite.isNull())
            painter.drawImage(toQRect(spriteRect), sprite);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        if (!onion.isNull())
            painter.drawImage(toQRect(onionRect), onion);
    }
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    static const QImage mask = markerImage(&markerMaskIsWhite);
    static const QImage pattern = markerImage(&markerPatternIsWhite);
    const QRect marker = toQRect(markerPlacement(scene.origin, scene.zoom));
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(marker, mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(marker, pattern);
}

SpriteCanvas::SpriteCanvas(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setCursor(Qt::OpenHandCursor);
    setMouseTracking(true);
    setMinimumSize(64, 64);
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateOrigin();
}

void SpriteCanvas::setViewOptions(const SpriteViewOptions& options)
{
    options_ = options;
}

void SpriteCanvas::setOnionSkin(std::optional<SpriteNumbers> numbers)
{
    onionNumbers_ = numbers;
}

void SpriteCanvas::setDocument(SpriteDocument* document)
{
    document_ = document;
    dragged_.reset();
    showRecord(0);
}

const SpriteRecord* SpriteCanvas::shownRecord() const
{
    if (!document_)
        return nullptr;
    const SpriteWorkspace& ws = document_->workspace();
    return index_ >= 1 && index_ <= ws.count() ? &ws.record(index_) : nullptr;
}

std::optional<int> SpriteCanvas::onionRow() const
{
    if (!onionNumbers_ || !document_)
        return std::nullopt;
    return findRecordByNumbers(document_->workspace(), onionNumbers_->group, onionNumbers_->image);
}

std::pair<std::int64_t, std::int64_t> SpriteCanvas::shownAxis() const
{
    if (dragged_)
        return *dragged_;
    const SpriteRecord* record = shownRecord();
    return record ? std::pair{record->axisX(), record->axisY()} : std::pair<std::int64_t, std::int64_t>{0, 0};
}

void SpriteCanvas::showRecord(int index)
{
    index_ = index;
    dragged_.reset();
    sprite_ = QImage();
    if (const SpriteRecord* record = shownRecord())
        sprite_ = loadPcx(document_->decoder(), app_.dialogs, this, qstr(document_->workspace().imagePath(*record)),
                          kPaletteFromFile, 0, &options_);
    spriteDrawn_ = flattened(sprite_, options_.whiteBackground ? Qt::white : Qt::black);
    onionPath_.clear(); // a reload decodes the onion skin afresh too
    updateOnionSkin();
    refresh();
}

void SpriteCanvas::updateOnionSkin()
{
    const auto row = onionRow();
    if (!row) {
        onion_ = QImage();
        onionDrawn_ = QImage();
        onionPath_.clear();
        return;
    }
    const SpriteRecord& record = document_->workspace().record(*row);
    onionAxisX_ = record.axisX();
    onionAxisY_ = record.axisY();
    const QString path = qstr(document_->workspace().imagePath(record));
    if (path == onionPath_)
        return;
    // Remembered even when the decode fails, so a broken file is reported
    // once and not on every mouse move.
    onionPath_ = path;
    onion_ = loadPcx(document_->decoder(), app_.dialogs, this, path, kPaletteOnionSkin, 0, &options_);
    onionDrawn_ = flattened(onion_, Qt::black);
}

void SpriteCanvas::refresh()
{
    if (!onionPath_.isEmpty()) {
        // The onion sprite may be the one being moved.
        if (const auto row = onionRow()) {
            onionAxisX_ = document_->workspace().record(*row).axisX();
            onionAxisY_ = document_->workspace().record(*row).axisY();
            // The onion sprite may be the one being dragged.
            if (*row == index_ && dragged_)
                std::tie(onionAxisX_, onionAxisY_) = *dragged_;
        }
    }
    update();
}

void SpriteCanvas::setPan(int horizontal, int vertical)
{
    panX_ = horizontal;
    panY_ = vertical;
    updateOrigin();
    refresh();
}

void SpriteCanvas::updateOrigin()
{
    origin_ = viewOrigin(width(), height(), panX_, panY_);
}

SpriteScene SpriteCanvas::scene() const
{
    // The pictures are handed over as they are drawn, so that a redraw
    // converts nothing.
    SpriteScene scene;
    scene.size = size();
    scene.background = options_.whiteBackground ? Qt::white : Qt::black;
    scene.sprite = spriteDrawn_;
    std::tie(scene.axisX, scene.axisY) = shownAxis();
    if (onionNumbers_) {
        scene.onion = onionDrawn_;
        scene.onionAxisX = onionAxisX_;
        scene.onionAxisY = onionAxisY_;
    }
    scene.origin = origin_;
    scene.zoom = app_.zoomFactor;
    return scene;
}

QImage SpriteCanvas::render() const
{
    return renderSpriteScene(scene());
}

void SpriteCanvas::paintEvent(QPaintEvent*)
{
    renderSpriteScene(scene(), frame_);
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void SpriteCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The axis stays in the middle of the view, moved by the pan.
    updateOrigin();
    refresh();
}

void SpriteCanvas::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    const QPoint pos = event->position().toPoint();
    dragStart_ = {pos.x() - origin_.x, pos.y() - origin_.y};
    std::tie(dragAxisX_, dragAxisY_) = shownAxis();
    setCursor(Qt::ClosedHandCursor);
}

void SpriteCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseMoved(qstr(mouseLabelText(pos.x(), pos.y(), origin_, app_.zoomFactor)));
    if (event->buttons() != Qt::LeftButton)
        return;
    if (!shownRecord())
        return;
    // The record keeps its axis until the button goes up: the whole drag is one step.
    dragged_ = {clampAxis(draggedAxis(dragStart_.x, dragAxisX_, pos.x() - origin_.x, app_.zoomFactor)),
                clampAxis(draggedAxis(dragStart_.y, dragAxisY_, pos.y() - origin_.y, app_.zoomFactor))};
    emit axisDragged(dragged_->first, dragged_->second);
    refresh();
}

void SpriteCanvas::mouseReleaseEvent(QMouseEvent*)
{
    setCursor(Qt::OpenHandCursor);
    const std::optional<std::pair<std::int64_t, std::int64_t>> dropped = std::exchange(dragged_, std::nullopt);
    if (dropped && shownRecord())
        emit axisDropped(dropped->first, dropped->second);
    refresh();
}

} // namespace vantrel
