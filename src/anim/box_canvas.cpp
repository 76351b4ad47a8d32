#include "box_canvas.h"

#include "anim/player.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

const QColor kStageColour(0x9c, 0xa4, 0xac);
const QColor kClsn1Colour(Qt::red);
const QColor kClsn2Colour(Qt::blue);
// The fill's opacity over the sprite: a frame's own boxes, the action's defaults.
constexpr int kBoxFillAlpha = 40;
constexpr int kDefaultBoxFillAlpha = 20;
// How near an edge, in widget pixels, a press grabs it.
constexpr double kGripSlack = 3.0;
// The stand-in for a missing sprite, in box pixels.
constexpr int kStandInWidth = 40;
constexpr int kStandInHeight = 60;

QColor colourOf(BoxKind kind)
{
    return kind == BoxKind::Clsn1 ? kClsn1Colour : kClsn2Colour;
}

Qt::CursorShape cursorFor(BoxGrip grip)
{
    switch (grip) {
    case BoxGrip::Left:
    case BoxGrip::Right: return Qt::SizeHorCursor;
    case BoxGrip::Top:
    case BoxGrip::Bottom: return Qt::SizeVerCursor;
    case BoxGrip::TopLeft:
    case BoxGrip::BottomRight: return Qt::SizeFDiagCursor;
    case BoxGrip::TopRight:
    case BoxGrip::BottomLeft: return Qt::SizeBDiagCursor;
    case BoxGrip::Inside: return Qt::SizeAllCursor;
    case BoxGrip::None: break;
    }
    return Qt::CrossCursor;
}

} // namespace

BoxCanvas::BoxCanvas(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 160);
}

QImage BoxCanvas::withTransparentZero(const QImage& picture)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() == 0)
        return picture;
    QImage copy = picture;
    QList<QRgb> colours = copy.colorTable();
    colours[0] = qRgba(qRed(colours[0]), qGreen(colours[0]), qBlue(colours[0]), 0);
    copy.setColorTable(colours);
    return copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QSize BoxCanvas::sizeHint() const
{
    return {420, 380};
}

std::vector<BoxCanvas::Box> BoxCanvas::drawableBoxes(const FrameBoxes& boxes)
{
    std::vector<Box> drawn;
    for (int k = 0; k < 2; ++k) {
        const auto& shown = boxes.boxes[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i].readable)
                drawn.push_back({shown[i].box, static_cast<BoxKind>(k), static_cast<int>(i), shown[i].fromDefault});
        }
    }
    return drawn;
}

QPoint BoxCanvas::spriteTopLeft(const AnimFrame& frame, const QImage& picture)
{
    const StagePosition where = placeSprite(frame, picture.width(), picture.height());
    return {static_cast<int>(std::lround(where.left)) - kOriginX, static_cast<int>(std::lround(where.top)) - kOriginY};
}

void BoxCanvas::setFrame(const AnimFrame& frame, const QImage& picture)
{
    if (!picture.isNull()) {
        setSprite(picture, spriteTopLeft(frame, picture));
        return;
    }
    const QPoint foot(static_cast<int>(std::lround(frame.offsetX)), static_cast<int>(std::lround(frame.offsetY)));
    if (!frame.readable)
        setMissingSprite(tr("frame line not understood"), foot);
    else if (frame.spriteMissing)
        setMissingSprite(tr("sprite %1,%2 missing").arg(frame.group).arg(frame.image), foot);
    else
        clearSprite();
}

void BoxCanvas::setSprite(const QImage& picture, QPoint topLeft)
{
    sprite_ = picture;
    spriteAt_ = topLeft;
    missing_ = false;
    update();
}

void BoxCanvas::setMissingSprite(const QString& caption, QPoint foot)
{
    sprite_ = QImage();
    missing_ = true;
    missingCaption_ = caption;
    spriteAt_ = foot;
    update();
}

void BoxCanvas::clearSprite()
{
    sprite_ = QImage();
    missing_ = false;
    update();
}

void BoxCanvas::setOnionSkin(const QImage& picture, QPoint topLeft)
{
    onion_ = picture;
    onionAt_ = topLeft;
    update();
}

void BoxCanvas::setBoxes(std::vector<Box> boxes)
{
    boxes_ = std::move(boxes);
    drag_ = drag_ == Drag::Pan ? Drag::Pan : Drag::None;
    if (!selectedBox())
        selected_ = -1;
    update();
}

void BoxCanvas::setBoxesShown(bool shown)
{
    boxesShown_ = shown;
    update();
}

void BoxCanvas::setLinesShown(bool shown)
{
    linesShown_ = shown;
    update();
}

void BoxCanvas::setEditable(bool editable)
{
    editable_ = editable;
    setCursor(editable ? Qt::CrossCursor : Qt::ArrowCursor);
}

void BoxCanvas::setDrawKind(BoxKind kind)
{
    drawKind_ = kind;
}

void BoxCanvas::setSelection(BoxKind kind, int index)
{
    selectedKind_ = kind;
    selected_ = index;
    if (!selectedBox())
        selected_ = -1;
    update();
}

const BoxCanvas::Box* BoxCanvas::selectedBox() const
{
    for (const Box& b : boxes_) {
        if (selected_ >= 0 && b.kind == selectedKind_ && b.index == selected_)
            return &b;
    }
    return nullptr;
}

void BoxCanvas::setZoom(int zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    update();
    emit zoomChanged(zoom_);
}

void BoxCanvas::zoomAround(int zoom, QPointF widgetPoint)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_)
        return;
    // The box point under the pointer stays under it.
    const QPointF at = toBox(widgetPoint);
    zoom_ = zoom;
    const QPointF moved = QPointF(origin()) + at * zoom_;
    pan_ += (widgetPoint - moved).toPoint();
    update();
    emit zoomChanged(zoom_);
}

QPoint BoxCanvas::origin() const
{
    // At the preview's stage size (297 x 281) this is (144, 224).
    return QPoint((width() - 9) / 2, height() - 57) + pan_;
}

void BoxCanvas::setPan(QPoint pan)
{
    pan_ = pan;
    update();
}

QPoint BoxCanvas::toWidget(QPoint boxPoint) const
{
    return origin() + boxPoint * zoom_;
}

QPointF BoxCanvas::toBox(QPointF widgetPoint) const
{
    return (widgetPoint - QPointF(origin())) / zoom_;
}

QPoint BoxCanvas::boxPixel(QPointF widgetPoint) const
{
    const QPointF p = toBox(widgetPoint);
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

QRect BoxCanvas::widgetRect(const AirBox& box) const
{
    return {toWidget({box.left, box.top}), QSize((box.right - box.left) * zoom_, (box.bottom - box.top) * zoom_)};
}

QRect BoxCanvas::spriteRect() const
{
    if (missing_)
        return {toWidget(spriteAt_ - QPoint(kStandInWidth / 2, kStandInHeight)),
                QSize(kStandInWidth * zoom_, kStandInHeight * zoom_)};
    if (sprite_.isNull())
        return {};
    return {toWidget(spriteAt_), sprite_.size() * zoom_};
}

AirBox BoxCanvas::shownShape(const Box& box) const
{
    const bool moving = drag_ == Drag::Grip && box.kind == selectedKind_ && box.index == selected_;
    return moving ? dragShape_ : box.box;
}

void BoxCanvas::paintBoxFills(QPainter& painter) const
{
    // Laid on the stage under the sprite, so that the sprite keeps its own
    // colours; each kind's area once, however its boxes overlap. Clsn2 under
    // Clsn1, the defaults lighter than a frame's own boxes.
    for (BoxKind kind : {BoxKind::Clsn2, BoxKind::Clsn1}) {
        QRegion own, defaults;
        for (const Box& b : boxes_) {
            if (b.kind == kind)
                (b.fromDefault ? defaults : own) += widgetRect(shownShape(b));
        }
        QColor fill = colourOf(kind);
        fill.setAlpha(kBoxFillAlpha);
        for (const QRect& r : own)
            painter.fillRect(r, fill);
        fill.setAlpha(kDefaultBoxFillAlpha);
        for (const QRect& r : defaults - own)
            painter.fillRect(r, fill);
    }
}

void BoxCanvas::paintBoxOutlines(QPainter& painter) const
{
    // Over the sprite: a crisp one-pixel line on each box's edges, dashed for the defaults.
    painter.setBrush(Qt::NoBrush);
    for (BoxKind kind : {BoxKind::Clsn2, BoxKind::Clsn1}) {
        for (bool defaults : {true, false}) {
            for (const Box& b : boxes_) {
                if (b.kind != kind || b.fromDefault != defaults)
                    continue;
                QPen pen(colourOf(kind), 0);
                if (b.fromDefault)
                    pen.setDashPattern({3, 2});
                painter.setPen(pen);
                painter.drawRect(widgetRect(shownShape(b)));
            }
        }
    }
    // The selected box's grips over every line: corners and the middles of the edges.
    const Box* selected = selectedBox();
    if (!selected)
        return;
    const QRect r = widgetRect(shownShape(*selected));
    painter.setPen(QPen(colourOf(selected->kind), 0));
    painter.setBrush(Qt::white);
    const int xs[] = {r.left(), r.left() + r.width() / 2, r.left() + r.width()};
    const int ys[] = {r.top(), r.top() + r.height() / 2, r.top() + r.height()};
    for (int x : xs) {
        for (int y : ys) {
            if (x != xs[1] || y != ys[1])
                painter.drawRect(x - 2, y - 2, 4, 4);
        }
    }
}

void BoxCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kStageColour);
    if (boxesShown_)
        paintBoxFills(painter);
    if (!onion_.isNull()) {
        painter.setOpacity(0.3);
        painter.drawImage(QRect(toWidget(onionAt_), onion_.size() * zoom_), onion_);
        painter.setOpacity(1.0);
    }
    const QRect spriteArea = spriteRect();
    if (!sprite_.isNull()) {
        painter.drawImage(spriteArea, sprite_);
    } else if (missing_) {
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0));
        painter.setBrush(QColor(255, 255, 255, 60));
        painter.drawRect(spriteArea);
        painter.drawLine(spriteArea.topLeft(), spriteArea.topLeft() + QPoint(spriteArea.width(), spriteArea.height()));
        painter.drawLine(spriteArea.topLeft() + QPoint(spriteArea.width(), 0),
                         spriteArea.topLeft() + QPoint(0, spriteArea.height()));
        const QRect caption(spriteArea.center().x() - 100, spriteArea.top() - 20, 200, 18);
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignBottom, missingCaption_);
    }
    if (linesShown_) {
        const QPoint o = origin();
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(0, o.y(), width() - 1, o.y());
        painter.setPen(QPen(Qt::white, 0));
        painter.drawLine(o.x(), o.y() - 16, o.x(), o.y() + 16);
    }
    if (boxesShown_)
        paintBoxOutlines(painter);
    if (drag_ == Drag::NewBox) {
        QPen pen(colourOf(drawKind_), 0, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(widgetRect(dragShape_));
    }
}

std::pair<const BoxCanvas::Box*, int> BoxCanvas::boxAt(QPointF widgetPoint) const
{
    const QPointF p = toBox(widgetPoint);
    const double slack = kGripSlack / zoom_;
    const auto gripOf = [&](const Box& b) { return static_cast<int>(gripAt(b.box, p.x(), p.y(), slack)); };
    if (const Box* b = selectedBox(); b && gripOf(*b) != static_cast<int>(BoxGrip::None))
        return {b, gripOf(*b)};
    for (BoxKind kind : {BoxKind::Clsn1, BoxKind::Clsn2}) {
        for (bool defaults : {false, true}) {
            for (const Box& b : boxes_) {
                if (b.kind == kind && b.fromDefault == defaults && gripOf(b) != static_cast<int>(BoxGrip::None))
                    return {&b, gripOf(b)};
            }
        }
    }
    return {nullptr, 0};
}

void BoxCanvas::select(const Box* box)
{
    const int index = box ? box->index : -1;
    const BoxKind kind = box ? box->kind : selectedKind_;
    if (index == selected_ && kind == selectedKind_)
        return;
    selected_ = index;
    selectedKind_ = kind;
    update();
    emit selectionChanged(box ? static_cast<int>(kind) : -1, index);
}

QColor BoxCanvas::stageColour()
{
    return kStageColour;
}

QPoint BoxCanvas::spriteDragDistance(QPointF widgetPoint) const
{
    const QPointF moved = (widgetPoint - QPointF(dragStart_)) / zoom_;
    return {static_cast<int>(std::lround(moved.x())), static_cast<int>(std::lround(moved.y()))};
}

void BoxCanvas::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPointF at = event->position();
    if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        drag_ = Drag::Pan;
        dragStart_ = at.toPoint();
        panStart_ = pan_;
        return;
    }
    if (event->button() == Qt::LeftButton && editable_ && (event->modifiers() & Qt::ControlModifier)
        && !sprite_.isNull()) {
        drag_ = Drag::Sprite;
        dragStart_ = at.toPoint();
        spriteStart_ = spriteAt_;
        return;
    }
    if (event->button() != Qt::LeftButton || !editable_ || !boxesShown_)
        return;
    const auto [box, grip] = boxAt(at);
    select(box);
    dragStart_ = at.toPoint();
    if (box) {
        drag_ = Drag::Grip;
        grip_ = grip;
        dragged_ = dragShape_ = box->box;
    } else {
        drag_ = Drag::NewBox;
        const QPoint p = boxPixel(at);
        dragShape_ = boxBetween(p.x(), p.y(), p.x(), p.y());
        dragged_ = dragShape_;
    }
    update();
}

void BoxCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    switch (drag_) {
    case Drag::Pan: setPan(panStart_ + (at.toPoint() - dragStart_)); return;
    case Drag::Sprite:
        spriteAt_ = spriteStart_ + spriteDragDistance(at);
        update();
        return;
    case Drag::Grip: {
        const QPointF moved = (at - QPointF(dragStart_)) / zoom_;
        dragShape_ = dragBox(dragged_, static_cast<BoxGrip>(grip_), static_cast<int>(std::lround(moved.x())),
                             static_cast<int>(std::lround(moved.y())));
        update();
        return;
    }
    case Drag::NewBox: {
        const QPoint p = boxPixel(at);
        dragShape_ = boxBetween(dragged_.left, dragged_.top, p.x(), p.y());
        update();
        return;
    }
    case Drag::None: break;
    }
    if (editable_ && boxesShown_)
        setCursor(cursorFor(static_cast<BoxGrip>(boxAt(at).second)));
}

void BoxCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
    const Drag finished = drag_;
    drag_ = Drag::None;
    update();
    if (finished == Drag::Sprite) {
        const QPoint by = spriteDragDistance(event->position());
        if (!by.isNull())
            emit spriteMoved(by);
    } else if (finished == Drag::Grip && !(dragShape_ == dragged_)) {
        if (const Box* b = selectedBox())
            emit boxChanged(static_cast<int>(b->kind), b->index, dragShape_);
    } else if (finished == Drag::NewBox && dragShape_.right > dragShape_.left && dragShape_.bottom > dragShape_.top) {
        emit boxDrawn(dragShape_);
    }
}

void BoxCanvas::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        zoomAround(zoom_ + steps, event->position());
    event->accept();
}

void BoxCanvas::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: setZoom(zoom_ + 1); return;
    case Qt::Key_Minus: setZoom(zoom_ - 1); return;
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (editable_ && selectedBox())
            emit deleteRequested();
        return;
    case Qt::Key_Escape:
        drag_ = Drag::None;
        update();
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    const Box* b = editable_ ? selectedBox() : nullptr;
    if (!b) {
        if (editable_ && (!sprite_.isNull() || missing_))
            emit spriteMoved(QPoint(dx, dy));
        else
            QWidget::keyPressEvent(event);
        return;
    }
    const AirBox moved = dragBox(b->box, BoxGrip::Inside, dx, dy);
    if (!(moved == b->box))
        emit boxChanged(static_cast<int>(b->kind), b->index, moved);
}

} // namespace vantrel
