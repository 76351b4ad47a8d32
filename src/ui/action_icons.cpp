#include "ui/action_icons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <cmath>
#include <functional>

namespace vantrel {

namespace {

struct IconName {
    ActionIcon icon;
    const char* theme;
};

constexpr IconName kThemeNames[] = {
    {ActionIcon::New, "document-new"},
    {ActionIcon::Open, "document-open"},
    {ActionIcon::Save, "document-save"},
    {ActionIcon::SaveAs, "document-save-as"},
    {ActionIcon::Revert, "document-revert"},
    {ActionIcon::Reload, "view-refresh"},
    {ActionIcon::Cut, "edit-cut"},
    {ActionIcon::Copy, "edit-copy"},
    {ActionIcon::Paste, "edit-paste"},
    {ActionIcon::Delete, "edit-delete"},
    {ActionIcon::Find, "edit-find"},
    {ActionIcon::Undo, "edit-undo"},
    {ActionIcon::Redo, "edit-redo"},
    {ActionIcon::Help, "help-contents"},
    {ActionIcon::About, "help-about"},
    {ActionIcon::Settings, "preferences-system"},
    {ActionIcon::Run, "media-playback-start"},
    {ActionIcon::Stop, "media-playback-stop"},
    {ActionIcon::Add, "list-add"},
    {ActionIcon::Export, "document-export"},
    {ActionIcon::ExportAll, "folder-download"},
    {ActionIcon::ZoomIn, "zoom-in"},
    {ActionIcon::ZoomOut, "zoom-out"},
    {ActionIcon::Sort, "view-sort-ascending"},
    {ActionIcon::Link, "insert-link"},
    {ActionIcon::Folder, "folder-open"},
    {ActionIcon::Edit, "document-edit"},
    {ActionIcon::Calculator, "accessories-calculator"},
    {ActionIcon::Notepad, "accessories-text-editor"},
    {ActionIcon::Boxes, "object-select"},
    {ActionIcon::Animation, "video-x-generic"},
    {ActionIcon::Import, "document-import"},
    {ActionIcon::Duplicate, "edit-copy"},
    {ActionIcon::Replace, "document-swap"},
    {ActionIcon::Picture, "image-x-generic"},
    {ActionIcon::Thumbnails, "folder-pictures"},
};

// A page with a folded corner, in a 16 x 16 grid.
QPainterPath page(qreal left = 3, qreal top = 1.5, qreal width = 10, qreal height = 13)
{
    QPainterPath path;
    const qreal fold = 3;
    path.moveTo(left, top);
    path.lineTo(left + width - fold, top);
    path.lineTo(left + width, top + fold);
    path.lineTo(left + width, top + height);
    path.lineTo(left, top + height);
    path.closeSubpath();
    path.moveTo(left + width - fold, top);
    path.lineTo(left + width - fold, top + fold);
    path.lineTo(left + width, top + fold);
    return path;
}

QPainterPath arrowArc(bool clockwise)
{
    QPainterPath path;
    const QRectF circle(3, 3, 10, 10);
    if (clockwise) {
        path.arcMoveTo(circle, 150);
        path.arcTo(circle, 150, -260);
    } else {
        path.arcMoveTo(circle, 30);
        path.arcTo(circle, 30, 260);
    }
    const QPointF tip = path.currentPosition();
    const qreal side = clockwise ? 1 : -1;
    path.moveTo(tip + QPointF(-2.5 * side, -1));
    path.lineTo(tip);
    path.lineTo(tip + QPointF(-0.5 * side, 2.5));
    return path;
}

QPainterPath magnifier(int sign)
{
    QPainterPath path;
    path.addEllipse(QRectF(2, 2, 8.5, 8.5));
    path.moveTo(9.5, 9.5);
    path.lineTo(14, 14);
    if (sign != 0) {
        path.moveTo(4, 6.25);
        path.lineTo(8.5, 6.25);
    }
    if (sign > 0) {
        path.moveTo(6.25, 4);
        path.lineTo(6.25, 8.5);
    }
    return path;
}

// The outline of each drawing, stroked in the text colour; filled parts in `fill`.
void drawGlyph(QPainter& p, ActionIcon icon, const QColor& ink)
{
    QPen pen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (icon) {
    case ActionIcon::New:
        path = page();
        path.moveTo(8, 6.5), path.lineTo(8, 11.5), path.moveTo(5.5, 9), path.lineTo(10.5, 9);
        break;
    case ActionIcon::Notepad:
        path = page();
        for (qreal y : {6.0, 8.5, 11.0})
            path.moveTo(5, y), path.lineTo(11, y);
        break;
    case ActionIcon::Open:
    case ActionIcon::Folder:
        path.moveTo(1.5, 3.5), path.lineTo(6, 3.5), path.lineTo(7.5, 5), path.lineTo(13.5, 5), path.lineTo(13.5, 7);
        path.moveTo(1.5, 3.5), path.lineTo(1.5, 13), path.lineTo(12.5, 13), path.lineTo(14.5, 7), path.lineTo(4, 7);
        path.lineTo(1.5, 13);
        break;
    case ActionIcon::Save:
    case ActionIcon::SaveAs:
        path.addRoundedRect(QRectF(2, 2, 12, 12), 1.2, 1.2);
        path.addRect(QRectF(4.5, 2, 7, 4));
        path.addRect(QRectF(4.5, 9, 7, 5));
        if (icon == ActionIcon::SaveAs)
            path.moveTo(12, 15), path.lineTo(15, 12);
        break;
    case ActionIcon::Undo: path = arrowArc(false); break;
    case ActionIcon::Revert:
        // The page as it was saved, turned back to.
        path = page();
        path.moveTo(10, 10.5), path.arcTo(QRectF(6, 6.5, 4, 4), 270, 180 + 90);
        path.moveTo(6, 6.5), path.lineTo(6, 8.5), path.lineTo(8, 8.5);
        break;
    case ActionIcon::Reload:
    case ActionIcon::Redo: path = arrowArc(true); break;
    case ActionIcon::Cut:
        path.addEllipse(QRectF(2, 10, 4, 4));
        path.addEllipse(QRectF(10, 10, 4, 4));
        path.moveTo(5.2, 10.6), path.lineTo(11, 2);
        path.moveTo(10.8, 10.6), path.lineTo(5, 2);
        break;
    case ActionIcon::Copy:
        // Two pages, the front one hiding part of the other.
        p.setBrush(QApplication::palette().color(QPalette::Base));
        p.drawPath(page(2, 1.5, 8, 10));
        path = page(6, 4.5, 8, 10);
        break;
    case ActionIcon::Paste:
        path.addRoundedRect(QRectF(2.5, 3, 11, 11.5), 1, 1);
        path.addRoundedRect(QRectF(5.5, 1.5, 5, 3), 0.8, 0.8);
        for (qreal y : {8.0, 11.0})
            path.moveTo(5, y), path.lineTo(11, y);
        break;
    case ActionIcon::Delete:
        path.moveTo(3.5, 3.5), path.lineTo(12.5, 12.5), path.moveTo(12.5, 3.5), path.lineTo(3.5, 12.5);
        pen.setWidthF(2), p.setPen(pen);
        break;
    case ActionIcon::Find: path = magnifier(0); break;
    case ActionIcon::ZoomIn: path = magnifier(1); break;
    case ActionIcon::ZoomOut: path = magnifier(-1); break;
    case ActionIcon::Help:
    case ActionIcon::About: {
        path.addEllipse(QRectF(1.5, 1.5, 13, 13));
        p.drawPath(path);
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(10);
        p.setFont(font);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter,
                   icon == ActionIcon::Help ? QStringLiteral("?") : QStringLiteral("i"));
        return;
    }
    case ActionIcon::Settings:
        for (int k = 0; k < 8; ++k) {
            const qreal a = k * M_PI / 4;
            path.moveTo(8 + 4.5 * std::cos(a), 8 + 4.5 * std::sin(a));
            path.lineTo(8 + 6.5 * std::cos(a), 8 + 6.5 * std::sin(a));
        }
        path.addEllipse(QPointF(8, 8), 4.5, 4.5);
        path.addEllipse(QPointF(8, 8), 1.8, 1.8);
        break;
    case ActionIcon::Run:
        p.setBrush(ink);
        path.moveTo(4, 2.5), path.lineTo(13, 8), path.lineTo(4, 13.5), path.closeSubpath();
        break;
    case ActionIcon::Stop:
        p.setBrush(ink);
        path.addRect(QRectF(3.5, 3.5, 9, 9));
        break;
    case ActionIcon::Add:
        pen.setWidthF(2), p.setPen(pen);
        path.moveTo(8, 2.5), path.lineTo(8, 13.5), path.moveTo(2.5, 8), path.lineTo(13.5, 8);
        break;
    case ActionIcon::Export:
    case ActionIcon::ExportAll:
        // A page (or two) with an arrow leaving it.
        if (icon == ActionIcon::ExportAll)
            p.drawPath(page(1, 1, 9, 11));
        path = page(icon == ActionIcon::ExportAll ? 3 : 2, icon == ActionIcon::ExportAll ? 3 : 1.5, 9, 12);
        path.moveTo(8, 10), path.lineTo(15, 10), path.moveTo(12.5, 7.5), path.lineTo(15, 10), path.lineTo(12.5, 12.5);
        break;
    case ActionIcon::Sort:
        path.moveTo(5, 2), path.lineTo(5, 14), path.moveTo(2.5, 11.5), path.lineTo(5, 14), path.lineTo(7.5, 11.5);
        for (int k = 0; k < 3; ++k)
            path.moveTo(9, 4 + 4 * k), path.lineTo(10 + 2 * k, 4 + 4 * k);
        break;
    case ActionIcon::Link:
        path.addRoundedRect(QRectF(1.5, 5.5, 7.5, 5), 2.5, 2.5);
        path.addRoundedRect(QRectF(7, 5.5, 7.5, 5), 2.5, 2.5);
        break;
    case ActionIcon::Edit:
        path.moveTo(3, 13), path.lineTo(3.5, 10.5), path.lineTo(11, 3), path.lineTo(13, 5), path.lineTo(5.5, 12.5);
        path.closeSubpath();
        break;
    case ActionIcon::Calculator:
        path.addRoundedRect(QRectF(3, 1.5, 10, 13), 1.2, 1.2);
        path.addRect(QRectF(5, 3.5, 6, 3));
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 3; ++col)
                path.addRect(QRectF(5 + 2.3 * col, 8.5 + 2.6 * row, 1.2, 1.2));
        }
        break;
    case ActionIcon::Boxes:
        path.addRect(QRectF(2, 4, 7, 10));
        p.drawPath(path);
        pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        path = QPainterPath();
        path.addRect(QRectF(7, 2, 7, 7));
        break;
    case ActionIcon::Animation:
        path.addRect(QRectF(1.5, 3, 13, 10));
        for (qreal x : {4.5, 11.5})
            path.moveTo(x, 3), path.lineTo(x, 13);
        break;
    case ActionIcon::Import:
        // A page with an arrow coming into it.
        path = page(5, 1.5, 9, 12);
        path.moveTo(1, 10), path.lineTo(9, 10), path.moveTo(6.5, 7.5), path.lineTo(9, 10), path.lineTo(6.5, 12.5);
        break;
    case ActionIcon::Duplicate:
        // A picture and its copy behind it, with a plus.
        p.drawPath(page(1.5, 1.5, 8, 10));
        p.setBrush(QApplication::palette().color(QPalette::Base));
        path.addRect(QRectF(5.5, 5, 9, 9.5));
        p.drawPath(path);
        path = QPainterPath();
        path.moveTo(10, 7.5), path.lineTo(10, 12), path.moveTo(7.75, 9.75), path.lineTo(12.25, 9.75);
        break;
    case ActionIcon::Replace:
        // A picture with two arrows trading places.
        path.addRect(QRectF(4.5, 4.5, 7, 7));
        path.moveTo(1.5, 6), path.arcTo(QRectF(1.5, 1.5, 9, 9), 180, -90);
        path.moveTo(4.5, 0.5), path.lineTo(6, 1.5), path.lineTo(4.5, 2.5);
        path.moveTo(14.5, 10), path.arcTo(QRectF(5.5, 5.5, 9, 9), 0, -90);
        path.moveTo(11.5, 13.5), path.lineTo(10, 14.5), path.lineTo(11.5, 15.5);
        break;
    case ActionIcon::Picture:
        // A frame with a hill and the sun.
        path.addRect(QRectF(1.5, 2.5, 13, 11));
        path.moveTo(1.5, 12), path.lineTo(6, 7), path.lineTo(9.5, 10.5), path.lineTo(11, 9), path.lineTo(14.5, 12.5);
        path.addEllipse(QPointF(10.5, 5.75), 1.4, 1.4);
        break;
    case ActionIcon::Thumbnails:
        // Small pictures in a grid.
        for (qreal y : {2.0, 9.0}) {
            for (qreal x : {2.0, 9.0})
                path.addRoundedRect(QRectF(x, y, 5, 5), 0.8, 0.8);
        }
        break;
    }
    p.drawPath(path);
}

// Paints an icon at any size in the palette of the moment: the drawing
// scales with the device pixels and is never a blurred bitmap.
class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(std::function<void(QPainter&, const QColor&)> draw) : draw_(std::move(draw)) { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QColor ink = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                         mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::WindowText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        draw_(*painter, ink);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }
    QString key() const override { return QStringLiteral("vantrel-drawn"); }

private:
    std::function<void(QPainter&, const QColor&)> draw_;
};

QIcon drawnIcon(std::function<void(QPainter&, const QColor&)> draw)
{
    return QIcon(new DrawnIconEngine(std::move(draw)));
}

// A page with the file kind's name on it.
QIcon fileKindIcon(const QString& kind)
{
    return drawnIcon([kind](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(page(1.5, 1, 13, 14));
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(kind.size() > 2 ? 5 : 6);
        p.setFont(font);
        p.drawText(QRectF(1.5, 5, 13, 9), Qt::AlignCenter, kind);
    });
}

} // namespace

QString themeName(ActionIcon icon)
{
    for (const IconName& name : kThemeNames) {
        if (name.icon == icon)
            return QString::fromLatin1(name.theme);
    }
    return {};
}

QIcon actionIcon(ActionIcon icon)
{
    const QString name = themeName(icon);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return drawnIcon([icon](QPainter& p, const QColor& ink) { drawGlyph(p, icon, ink); });
}

QIcon actionIcon(const QString& key)
{
    static const QHash<QString, ActionIcon> actions = {
        {"New", ActionIcon::New},           {"Open", ActionIcon::Open},      {"Save", ActionIcon::Save},
        {"Revert", ActionIcon::Revert},     {"Recycle", ActionIcon::Reload}, {"Cut", ActionIcon::Cut},
        {"Copy", ActionIcon::Copy},         {"Paste", ActionIcon::Paste},    {"Find", ActionIcon::Find},
        {"Undo", ActionIcon::Undo},         {"Redo", ActionIcon::Redo},      {"Help", ActionIcon::Help},
        {"Settings", ActionIcon::Settings}, {"Run", ActionIcon::Run},        {"Calc", ActionIcon::Calculator},
        {"pad", ActionIcon::Notepad},       {"CLSN", ActionIcon::Boxes},     {"Anim", ActionIcon::Animation},
    };
    static const QStringList fileKinds = {"DEF", "SFF", "CNS", "CMD", "AIR", "SND", "ST", "ACT"};
    if (const auto found = actions.find(key); found != actions.end())
        return actionIcon(*found);
    if (fileKinds.contains(key))
        return fileKindIcon(key);
    return {};
}

} // namespace vantrel
