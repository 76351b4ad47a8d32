#pragma once
// The sprite window's view: one record's picture drawn zoomed and panned under
// the axis marker, optionally with another record laid over it (the onion
// skin). Dragging with the left button moves the shown record's axis.

#include "image/pcx.h"
#include "sprites/sprite_document.h"
#include "sprites/sprite_view.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace vantrel {

struct App;

// Everything the view draws, so that a drawing can be made (and checked)
// without a window.
struct SpriteScene {
    QSize size;
    QColor background = Qt::black;
    QImage sprite;
    std::int64_t axisX = 0, axisY = 0;
    QImage onion; // null: no onion skin
    std::int64_t onionAxisX = 0, onionAxisY = 0;
    ViewPoint origin;
    float zoom = 1.0f;
};

// The drawing: the sprite copied stretched (a 32-bit sprite drawn with its
// alpha over the background), the onion skin ORed over it, the axis marker
// ANDed then XORed, on an RGB32 picture of the scene's size.
QImage renderSpriteScene(const SpriteScene& scene);
// The same drawing into `out`, whose memory is used again when it already
// has the scene's size.
void renderSpriteScene(const SpriteScene& scene, QImage& out);

// A group and image number naming a sprite.
struct SpriteNumbers {
    std::int64_t group = 0;
    std::int64_t image = 0;
};

class SpriteCanvas : public QWidget {
    Q_OBJECT
public:
    explicit SpriteCanvas(App& app, QWidget* parent = nullptr);

    // The sprites shown (null: none).
    void setDocument(SpriteDocument* document);

    // Colour 0 hidden and the background colour; used from the next showRecord.
    void setViewOptions(const SpriteViewOptions& options);
    // The sprite laid over the shown one, by its numbers; nothing: none. Used
    // from the next showRecord or updateOnionSkin.
    void setOnionSkin(std::optional<SpriteNumbers> numbers);

    // Decodes record `index` of the workspace (0: none) and the onion skin
    // afresh. A picture that cannot be decoded shows nothing.
    void showRecord(int index);
    // Decodes the onion skin again when it now names another picture.
    void updateOnionSkin();
    // Repaints, with the axes as the records now have them.
    void refresh();

    // The pan, as the values of the picture scroll bars (kPanCentre: none).
    void setPan(int horizontal, int vertical);
    // The point of the view where the axis is drawn.
    ViewPoint origin() const { return origin_; }
    // The size of the shown record's picture (empty: none).
    QSize pictureSize() const { return sprite_.size(); }

    // The drawing as it is now.
    QImage render() const;

signals:
    // The left button went down on the view, before a drag starts.
    void pressed();
    // A drag moves the shown record's axis to here (the record keeps its
    // axis until the drag ends).
    void axisDragged(std::int64_t x, std::int64_t y);
    // The drag ended with the axis here: the record's new axis.
    void axisDropped(std::int64_t x, std::int64_t y);
    // The mouse position in sprite pixels from the axis, as the label shows it.
    void mouseMoved(const QString& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const SpriteRecord* shownRecord() const;
    std::optional<int> onionRow() const;
    // The shown record's axis, or where a drag has it now.
    std::pair<std::int64_t, std::int64_t> shownAxis() const;
    void updateOrigin();
    SpriteScene scene() const;

    App& app_;
    QPointer<SpriteDocument> document_;
    int index_ = 0;
    QImage sprite_;
    QImage spriteDrawn_; // sprite_ as the view copies it: 32-bit, laid on the background
    SpriteViewOptions options_;
    std::optional<SpriteNumbers> onionNumbers_;
    QImage onion_;
    QImage onionDrawn_; // onion_ as the view ORs it
    QImage frame_;      // the last drawing, its memory kept for the next
    QString onionPath_;
    std::int64_t onionAxisX_ = 0, onionAxisY_ = 0;
    int panX_ = kPanCentre, panY_ = kPanCentre;
    ViewPoint origin_;
    ViewPoint dragStart_;
    std::int64_t dragAxisX_ = 0, dragAxisY_ = 0;
    std::optional<std::pair<std::int64_t, std::int64_t>> dragged_;
};

} // namespace vantrel
