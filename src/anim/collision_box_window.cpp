#include "collision_box_window.h"

#include "anim/air.h"
#include "anim/player.h"
#include "image/picture.h"
#include "shell/main_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace vantrel {

namespace {

const QColor kStageColour(0x9c, 0xa4, 0xac);
const QColor kClsn1Colour(Qt::red);
const QColor kClsn2Colour(Qt::blue);

QString boxText(int kind, int index, const CollisionBox& box)
{
    QString text = QStringLiteral("Clsn%1[%2] = %3, %4, %5, %6")
                       .arg(kind)
                       .arg(index)
                       .arg(box.x1)
                       .arg(box.y1)
                       .arg(box.x2)
                       .arg(box.y2);
    if (box.fromDefault)
        text += QStringLiteral(" (default)");
    return text;
}

void drawBoxes(QPainter& painter, const std::vector<CollisionBox>& boxes, const QColor& colour)
{
    QColor fill = colour;
    fill.setAlpha(48);
    painter.setPen(colour);
    painter.setBrush(fill);
    for (const auto& box : boxes) {
        // A one-pixel outline of this rectangle runs through both corners of the box.
        painter.drawRect(QRect(kOriginX + std::min(box.x1, box.x2), kOriginY + std::min(box.y1, box.y2),
                               std::abs(box.x2 - box.x1), std::abs(box.y2 - box.y1)));
    }
}

QGroupBox* boxListGroup(const QString& title, QListWidget*& list, QPushButton*& remove, QPushButton*& removeAll)
{
    auto* group = new QGroupBox(title);
    list = new QListWidget;
    remove = new QPushButton(QStringLiteral("Delete"));
    removeAll = new QPushButton(QStringLiteral("Del All"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(removeAll);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    layout->addLayout(buttons);
    return group;
}

} // namespace

CollisionBoxWindow* CollisionBoxWindow::open(App& app, QWidget* parent)
{
    ActionNumbers numbers = readActionNumbers(app.files.animationFile);
    if (!numbers.ok) {
        app.dialogs.message(parent ? parent : app.main, QString::fromLatin1(kAirProblem));
        return nullptr;
    }
    return new CollisionBoxWindow(app, std::move(numbers.numbers), parent);
}

CollisionBoxWindow::CollisionBoxWindow(App& app, std::vector<std::int16_t> actions, QWidget* parent)
    : QWidget(parent), app_(app), actions_(std::move(actions))
{
    setWindowTitle(QStringLiteral("CLSN Editor"));

    Frame2 = new QGroupBox(QStringLiteral("Selected frame"));
    Label1 = new QLabel(QStringLiteral("Action #"));
    lblActionNo = new QLabel(QStringLiteral("0"));
    hscAction = new QScrollBar(Qt::Horizontal);
    Label2 = new QLabel(QStringLiteral("Frame #"));
    lblFrameNo = new QLabel(QStringLiteral("0"));
    hscValue = new QScrollBar(Qt::Horizontal);
    hscValue->setRange(0, 0);
    auto* selected = new QGridLayout(Frame2);
    selected->addWidget(Label1, 0, 0);
    selected->addWidget(lblActionNo, 0, 1);
    selected->addWidget(hscAction, 1, 0, 1, 2);
    selected->addWidget(Label2, 2, 0);
    selected->addWidget(lblFrameNo, 2, 1);
    selected->addWidget(hscValue, 3, 0, 1, 2);

    Frame3 = boxListGroup(QStringLiteral("CLSN1"), lstCLSN[0], cmdDelClsn[0], Command1[0]);
    Frame4 = boxListGroup(QStringLiteral("CLSN2b"), lstCLSN[1], cmdDelClsn[1], Command1[1]);

    Frame1 = new QGroupBox(QStringLiteral("Collision box draw style"));
    optClsn[0] = new QRadioButton(QStringLiteral("CLSN1 (Attack area definition)"));
    optClsn[1] = new QRadioButton(QStringLiteral("CLSN2 (Hittable area definition)"));
    optClsn[0]->setChecked(true);
    chkDefault = new QCheckBox(QStringLiteral("Default for future frames"));
    auto* style = new QVBoxLayout(Frame1);
    style->addWidget(optClsn[0]);
    style->addWidget(optClsn[1]);
    style->addWidget(chkDefault);

    picMain = new QLabel;
    picMain->setFixedSize(kStageWidth, kStageHeight);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame3);
    left->addWidget(Frame4);
    left->addWidget(Frame1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(picMain, 0, Qt::AlignTop);

    // An empty file gives the range 1 to 0, which a scroll bar holds as 1 to 1.
    hscAction->setRange(1, std::max<int>(static_cast<int>(actions_.size()), 1));
    connect(hscAction, &QScrollBar::valueChanged, this, [this](int value) { hscAction_Change(value); });
    connect(hscValue, &QScrollBar::valueChanged, this, [this](int value) { hscValue_Change(value); });
    hscAction_Change(hscAction->value());
}

void CollisionBoxWindow::hscAction_Change(int value)
{
    const bool exists = value >= 1 && value <= static_cast<int>(actions_.size());
    lblActionNo->setText(exists ? QString::number(actions_[static_cast<std::size_t>(value - 1)]) : QStringLiteral("0"));
    // Read afresh, so an edit saved in the AIR editor shows at once.
    frames_ = exists ? readBoxFrames(app_.files.animationFile, value) : std::vector<BoxFrame>{};
    const QSignalBlocker blocker(hscValue);
    hscValue->setRange(0, std::max(static_cast<int>(frames_.size()) - 1, 0));
    hscValue->setValue(0);
    hscValue_Change(0);
}

void CollisionBoxWindow::hscValue_Change(int value)
{
    lblFrameNo->setText(QString::number(value));
    for (QListWidget* list : lstCLSN)
        list->clear();
    const BoxFrame* frame = value >= 0 && value < static_cast<int>(frames_.size())
                                ? &frames_[static_cast<std::size_t>(value)]
                                : nullptr;
    if (frame) {
        for (std::size_t i = 0; i < frame->clsn1.size(); ++i)
            lstCLSN[0]->addItem(boxText(1, static_cast<int>(i), frame->clsn1[i]));
        for (std::size_t i = 0; i < frame->clsn2.size(); ++i)
            lstCLSN[1]->addItem(boxText(2, static_cast<int>(i), frame->clsn2[i]));
    }
    drawFrame(frame);
}

void CollisionBoxWindow::drawFrame(const BoxFrame* frame)
{
    QImage sprite;
    AnimFrame placed;
    if (frame) {
        if (const auto record = findFrameSprite(app_.sprites, frame->group, frame->image)) {
            const SpriteRecord& r = app_.sprites.record(*record);
            QPointer<CollisionBoxWindow> alive(this);
            sprite = loadPcx(app_, this, qstr(app_.sprites.imagePath(r)), 0, frame->flip);
            if (!alive)
                return;
            placed.drawX = static_cast<double>(r.axisX()) - frame->offsetX;
            placed.drawY = static_cast<double>(r.axisY()) - frame->offsetY;
            placed.flip = frame->flip;
        }
    }

    QPixmap canvas(kStageWidth, kStageHeight);
    canvas.fill(kStageColour);
    QPainter painter(&canvas);
    if (!sprite.isNull()) {
        const StagePosition where = placeSprite(placed, sprite.width(), sprite.height());
        painter.drawImage(QPoint(static_cast<int>(std::lround(where.left)), static_cast<int>(std::lround(where.top))),
                          sprite);
    }
    painter.setPen(Qt::black);
    painter.drawLine(0, kOriginY, kStageWidth - 1, kOriginY);
    painter.setPen(Qt::white);
    painter.drawLine(kOriginX, kOriginY - 16, kOriginX, kOriginY + 16);
    if (frame) {
        drawBoxes(painter, frame->clsn2, kClsn2Colour);
        drawBoxes(painter, frame->clsn1, kClsn1Colour);
    }
    painter.end();
    picMain->setPixmap(canvas);
}

} // namespace vantrel
