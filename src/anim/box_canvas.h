#pragma once
// The stage both animation windows draw a frame on: the sprite with colour 0
// transparent (or a crossed stand-in when its sprite is missing), the previous
// frame faintly on request, the ground line and axis mark, and the collision
// boxes, Clsn1 red and Clsn2 blue, default boxes dashed. It zooms from 1x to
// 8x (wheel, + and -) and pans (right or middle button drag).
//
// Editable, it also selects a box on a click, draws a new box on a drag over
// empty space, moves a box dragged by its inside, resizes it by a corner or
// an edge, nudges the selected box with the arrow keys (Shift: 10 pixels) and
// asks for its deletion with Delete. It changes no text itself: it reports
// what the user did and waits for the boxes to come back through setBoxes().
//
// Coordinates: "box" coordinates are the AIR file's, pixels from the
// character's axis; the widget shows the axis at origin() and each box pixel
// as zoom() x zoom() widget pixels.

#include "anim/air.h"
#include "anim/box_editing.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace vantrel {

class BoxCanvas : public QWidget {
    Q_OBJECT
public:
    struct Box {
        AirBox box;
        BoxKind kind = BoxKind::Clsn2;
        int index = 0; // its place in its kind's list
        bool fromDefault = false;
    };

    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;

    explicit BoxCanvas(QWidget* parent = nullptr);

    // A picture with colour 0 made transparent, for setSprite().
    static QImage withTransparentZero(const QImage& picture);
    // The colour of the stage behind the sprite.
    static QColor stageColour();

    // The boxes of a frame that can be drawn (those whose lines read).
    static std::vector<Box> drawableBoxes(const FrameBoxes& boxes);
    // Where a frame's picture goes: its top-left corner in box coordinates.
    static QPoint spriteTopLeft(const AnimFrame& frame, const QImage& picture);

    // A frame's picture in its place; without a picture, the stand-in when
    // its sprite is missing or its line does not read, else nothing.
    void setFrame(const AnimFrame& frame, const QImage& picture);
    // The sprite with its top-left corner at `topLeft` (box coordinates).
    void setSprite(const QImage& picture, QPoint topLeft);
    // The stand-in for a frame whose sprite is missing, standing at `foot`.
    void setMissingSprite(const QString& caption, QPoint foot);
    void clearSprite();
    // The previous frame, drawn faintly under the sprite; a null picture: none.
    void setOnionSkin(const QImage& picture, QPoint topLeft);
    void setBoxes(std::vector<Box> boxes);
    void setBoxesShown(bool shown);
    void setLinesShown(bool shown);
    bool linesShown() const { return linesShown_; }
    void setEditable(bool editable);
    // The kind a new box is drawn as.
    void setDrawKind(BoxKind kind);
    // The selected box (index -1: none). Nothing is reported.
    void setSelection(BoxKind kind, int index);
    int selectedIndex() const { return selected_; }
    BoxKind selectedKind() const { return selectedKind_; }

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    // The axis on the widget; the pan moves it from its home near the bottom middle.
    QPoint origin() const;
    void setPan(QPoint pan);
    QPoint toWidget(QPoint boxPoint) const;
    QPointF toBox(QPointF widgetPoint) const;
    // Where the sprite (or its stand-in) is drawn, in widget pixels; empty without one.
    QRect spriteRect() const;
    // A box's rectangle on the widget (its outline runs through both corners).
    QRect widgetRect(const AirBox& box) const;

    QSize sizeHint() const override;

signals:
    void selectionChanged(int kind, int index); // kind -1: nothing selected
    void boxChanged(int kind, int index, vantrel::AirBox box);
    void boxDrawn(vantrel::AirBox box);
    void deleteRequested();
    // The sprite dragged with Ctrl held, or nudged with the arrow keys while
    // no box is selected (Shift: 10 pixels): the frame's offset moves by this.
    void spriteMoved(QPoint by);
    void zoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Drag { None, Grip, NewBox, Pan, Sprite };

    const Box* selectedBox() const;
    // The box and part under a widget point: the selected box first, then
    // Clsn1 over Clsn2, a frame's own boxes over the defaults.
    std::pair<const Box*, int> boxAt(QPointF widgetPoint) const;
    QPoint boxPixel(QPointF widgetPoint) const;
    // How far a Ctrl+drag has moved the sprite, in stage pixels.
    QPoint spriteDragDistance(QPointF widgetPoint) const;
    void zoomAround(int zoom, QPointF widgetPoint);
    // The box as drawn: the selected one follows a drag.
    AirBox shownShape(const Box& box) const;
    void paintBoxFills(class QPainter& painter) const;
    void paintBoxOutlines(class QPainter& painter) const;
    void select(const Box* box);

    QImage sprite_;
    QPoint spriteAt_;
    bool missing_ = false;
    QString missingCaption_;
    QImage onion_;
    QPoint onionAt_;
    std::vector<Box> boxes_;
    bool boxesShown_ = true;
    bool linesShown_ = true;
    bool editable_ = false;
    BoxKind drawKind_ = BoxKind::Clsn1;
    BoxKind selectedKind_ = BoxKind::Clsn1;
    int selected_ = -1;
    int zoom_ = 1;
    QPoint pan_;

    Drag drag_ = Drag::None;
    int grip_ = 0;     // a BoxGrip while dragging a box
    QPoint dragStart_; // box pixel (widget pixel while panning) where the drag began
    AirBox dragged_;   // the box as it was when the drag began
    AirBox dragShape_; // the box or new box as the drag has it now
    QPoint panStart_;
    QPoint spriteStart_; // where the sprite was when a Ctrl+drag of it began
};

} // namespace vantrel
