#include "sprites/sprite_canvas.h"

#include "image/picture.h"
#include "shell/qt_text.h"
#include "sprites/sprite_list.h"

#include <QMouseEvent>
#include <QPainter>

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

// A picture without transparency: a 32-bit sprite laid over black, so that
// it can be ORed as the onion skin as an 8-bit one is.
QImage opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace

QImage renderSpriteScene(const SpriteScene& scene)
{
    QImage out(scene.size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    out.fill(scene.background);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!scene.sprite.isNull()) {
        const ViewRect r = spritePlacement(scene.origin, scene.axisX, scene.axisY, scene.sprite.width(),
                                           scene.sprite.height(), scene.zoom);
        if (scene.sprite.hasAlphaChannel()) {
            // A 32-bit sprite is drawn with its alpha over the background.
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.drawImage(toQRect(r), scene.sprite);
        } else {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(toQRect(r), scene.sprite.convertToFormat(QImage::Format_RGB32));
        }
    }
    if (!scene.onion.isNull()) {
        const ViewRect r = spritePlacement(scene.origin, scene.onionAxisX, scene.onionAxisY, scene.onion.width(),
                                           scene.onion.height(), scene.zoom);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(toQRect(r), opaque(scene.onion));
    }
    static const QImage mask = markerImage(&markerMaskIsWhite);
    static const QImage pattern = markerImage(&markerPatternIsWhite);
    const QRect marker = toQRect(markerPlacement(scene.origin, scene.zoom));
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(marker, mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(marker, pattern);
    return out;
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

SpriteRecord* SpriteCanvas::shownRecord()
{
    return index_ >= 1 && index_ <= app_.sprites.count() ? &app_.sprites.record(index_) : nullptr;
}

std::optional<int> SpriteCanvas::onionRow() const
{
    if (!onionNumbers_)
        return std::nullopt;
    return findRecordByNumbers(app_.sprites, onionNumbers_->group, onionNumbers_->image);
}

void SpriteCanvas::showRecord(int index)
{
    index_ = index;
    sprite_ = QImage();
    if (const SpriteRecord* record = shownRecord())
        sprite_ = loadPcx(app_, this, qstr(app_.sprites.imagePath(*record)), kPaletteFromFile, 0, &options_);
    onionPath_.clear(); // a reload decodes the onion skin afresh too
    updateOnionSkin();
    refresh();
}

void SpriteCanvas::updateOnionSkin()
{
    const auto row = onionRow();
    if (!row) {
        onion_ = QImage();
        onionPath_.clear();
        return;
    }
    const SpriteRecord& record = app_.sprites.record(*row);
    onionAxisX_ = record.axisX();
    onionAxisY_ = record.axisY();
    const QString path = qstr(app_.sprites.imagePath(record));
    if (path == onionPath_)
        return;
    // Remembered even when the decode fails, so a broken file is reported
    // once and not on every mouse move.
    onionPath_ = path;
    onion_ = loadPcx(app_, this, path, kPaletteOnionSkin, 0, &options_);
}

void SpriteCanvas::refresh()
{
    if (!onionPath_.isEmpty()) {
        // The onion sprite may be the one being moved.
        if (const auto row = onionRow()) {
            onionAxisX_ = app_.sprites.record(*row).axisX();
            onionAxisY_ = app_.sprites.record(*row).axisY();
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

QImage SpriteCanvas::render() const
{
    SpriteScene scene;
    scene.size = size();
    scene.background = options_.whiteBackground ? Qt::white : Qt::black;
    scene.sprite = sprite_;
    if (index_ >= 1 && index_ <= app_.sprites.count()) {
        scene.axisX = app_.sprites.record(index_).axisX();
        scene.axisY = app_.sprites.record(index_).axisY();
    }
    if (onionNumbers_) {
        scene.onion = onion_;
        scene.onionAxisX = onionAxisX_;
        scene.onionAxisY = onionAxisY_;
    }
    scene.origin = origin_;
    scene.zoom = app_.zoomFactor;
    return renderSpriteScene(scene);
}

void SpriteCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render());
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
    const SpriteRecord* record = shownRecord();
    dragAxisX_ = record ? record->axisX() : 0;
    dragAxisY_ = record ? record->axisY() : 0;
    setCursor(Qt::ClosedHandCursor);
}

void SpriteCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseMoved(qstr(mouseLabelText(pos.x(), pos.y(), origin_, app_.zoomFactor)));
    if (event->buttons() != Qt::LeftButton)
        return;
    SpriteRecord* record = shownRecord();
    if (!record)
        return;
    storeNumber(app_.sprites, record->axisXText,
                draggedAxis(dragStart_.x, dragAxisX_, pos.x() - origin_.x, app_.zoomFactor));
    storeNumber(app_.sprites, record->axisYText,
                draggedAxis(dragStart_.y, dragAxisY_, pos.y() - origin_.y, app_.zoomFactor));
    emit axisDragged();
    refresh();
}

void SpriteCanvas::mouseReleaseEvent(QMouseEvent*)
{
    setCursor(Qt::OpenHandCursor);
}

} // namespace vantrel
