#include "animation_preview.h"

#include "common/text.h"
#include "image/picture.h"
#include "shell/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace vantrel {

// The player's one-shot timer on a QTimer owned by the window.
class AnimationPreview::Timer final : public FrameTimer {
public:
    explicit Timer(QObject* owner) : timer_(new QTimer(owner)) { timer_->setSingleShot(true); }
    QTimer* qtimer() const { return timer_; }
    void start(int milliseconds) override { timer_->start(milliseconds); }
    void stop() override { timer_->stop(); }

private:
    QTimer* timer_;
};

namespace {

QFrame* lineOnStage(QWidget* stage, const QRect& geometry, const QColor& colour)
{
    auto* line = new QFrame(stage);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

} // namespace

AnimationPreview::AnimationPreview(App& app, QWidget* parent)
    : QWidget(parent), app_(app), timer_(std::make_unique<Timer>(this)), player_(*timer_)
{
    setWindowTitle(QStringLiteral("Animation Preview"));
    tmrAnim = timer_->qtimer();

    auto* controls = new QGroupBox(QStringLiteral("Animation Controls"));
    cboAnim = new QComboBox;
    cboAnim->setEditable(false);
    cboAnim->setMinimumContentsLength(8);
    Command1 = new QPushButton(QStringLiteral("Play"));
    Command2 = new QPushButton(QStringLiteral("Stop"));
    Check1 = new QCheckBox(QStringLiteral("Loop"));
    Check2 = new QCheckBox(QStringLiteral("Hide lines"));
    auto* controlsLayout = new QHBoxLayout(controls);
    controlsLayout->addWidget(new QLabel(QStringLiteral("Action no:")));
    controlsLayout->addWidget(cboAnim);
    controlsLayout->addWidget(Command1);
    controlsLayout->addWidget(Command2);
    controlsLayout->addWidget(Check1);
    controlsLayout->addWidget(Check2);
    controlsLayout->addStretch();

    auto* view = new QGroupBox(QStringLiteral("Animation Window"));
    picStage = new QFrame;
    picStage->setFixedSize(kStageWidth, kStageHeight);
    picStage->setAutoFillBackground(true);
    QPalette stagePalette = picStage->palette();
    stagePalette.setColor(QPalette::Window, QColor(0x9c, 0xa4, 0xac));
    picStage->setPalette(stagePalette);
    picInlay = new QLabel(picStage);
    picInlay->hide();
    Line1 = lineOnStage(picStage, QRect(0, kOriginY, kStageWidth, 1), Qt::black);
    Line2 = lineOnStage(picStage, QRect(kOriginX, kOriginY - 16, 1, 33), Qt::white);
    hscFrame = new QScrollBar(Qt::Horizontal);
    hscFrame->setRange(0, 0);
    lblFrame = new QLabel;
    lblGroup = new QLabel;
    lblImage = new QLabel;
    lblDuration = new QLabel;
    auto* viewLayout = new QGridLayout(view);
    viewLayout->addWidget(picStage, 0, 0, 1, 4, Qt::AlignHCenter);
    viewLayout->addWidget(hscFrame, 1, 0, 1, 4);
    viewLayout->addWidget(lblFrame, 2, 0);
    viewLayout->addWidget(lblGroup, 2, 1);
    viewLayout->addWidget(lblImage, 2, 2);
    viewLayout->addWidget(lblDuration, 2, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(view);
    layout->addStretch();

    connect(cboAnim, &QComboBox::currentIndexChanged, this, [this] { cboAnim_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Check2, &QCheckBox::clicked, this, [this] { Check2_Click(); });
    connect(tmrAnim, &QTimer::timeout, this, [this] { tmrAnim_Timer(); });
    connect(hscFrame, &QScrollBar::valueChanged, this, [this](int value) { hscFrame_Change(value); });

    player_.showFrame = [this](int index) { showPlayerFrame(index); };
    player_.playingChanged = [this](bool playing) { setPlaying(playing); };
    player_.failed = [this](int error) {
        app_.dialogs.message(this, QStringLiteral("Something bad happened!  Err #") + qstr(formatNumber(error)));
    };

    // Idle until Play; the selector fills now and chooses once the window is up.
    setPlaying(false);
    clearFrame();
    const QSignalBlocker blocker(cboAnim);
    for (const auto& action : ListActions(app_.files.animationFile))
        cboAnim->addItem(qstr(action));
    cboAnim->setCurrentIndex(-1);
}

AnimationPreview::~AnimationPreview()
{
    // The player must not touch the widgets while they go.
    player_.showFrame = nullptr;
    player_.playingChanged = nullptr;
    player_.failed = nullptr;
    player_.Stop();
}

void AnimationPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_)
        QTimer::singleShot(0, this, [this] { Form_Load(); });
}

void AnimationPreview::closeEvent(QCloseEvent* event)
{
    player_.Stop();
    event->accept();
}

void AnimationPreview::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    QPointer<AnimationPreview> alive(this);
    if (app_.main)
        app_.main->setStatus(QStringLiteral("Status: Finding Palette"));
    QCoreApplication::processEvents();

    // Sprites without a palette of their own are drawn with the first one
    // found, so look for it before the first frame is shown.
    for (int record = 1; alive && record <= app_.sprites.count() && !app_.decoder.spritePaletteCaptured; ++record) {
        QCoreApplication::processEvents();
        if (!alive || record > app_.sprites.count())
            break;
        const QImage picture = loadPcx(app_, this, qstr(app_.sprites.imagePath(app_.sprites.record(record))), 0, 0);
        if (alive && !picture.isNull())
            picInlay->setPixmap(QPixmap::fromImage(picture));
    }
    if (!alive)
        return;
    if (app_.main)
        app_.main->setStatus(QStringLiteral("Status: OK"));
    if (cboAnim->count() > 0)
        cboAnim->setCurrentIndex(0); // chooses the first action
}

void AnimationPreview::cboAnim_Click()
{
    loadAnimation();
}

void AnimationPreview::loadAnimation()
{
    const int index = cboAnim->currentIndex();
    player_.setAction(index < 0 ? AnimAction{}
                                : ReadAction(app_.files.animationFile, sstr(cboAnim->itemText(index)), app_.sprites));
    const QSignalBlocker blocker(hscFrame);
    hscFrame->setRange(0, std::max(player_.action().lastFrameIndex(), 0));
    hscFrame->setValue(0);
    hscFrame_Change(0);
}

void AnimationPreview::Command1_Click()
{
    player_.Play(Check1->isChecked());
}

void AnimationPreview::Command2_Click()
{
    player_.Stop();
}

void AnimationPreview::Check2_Click()
{
    const bool hide = Check2->isChecked();
    Line1->setHidden(hide);
    Line2->setHidden(hide);
}

void AnimationPreview::tmrAnim_Timer()
{
    player_.Tick();
}

void AnimationPreview::showPlayerFrame(int index)
{
    if (hscFrame->value() != index)
        hscFrame->setValue(index); // shows the frame through hscFrame_Change
    else
        hscFrame_Change(index);
}

void AnimationPreview::setPlaying(bool playing)
{
    Command2->setEnabled(playing);
    Command1->setEnabled(!playing);
    cboAnim->setEnabled(!playing);
    Check1->setEnabled(!playing);
}

void AnimationPreview::clearFrame()
{
    for (QLabel* label : {lblFrame, lblGroup, lblImage, lblDuration})
        label->clear();
    picInlay->clear();
    picInlay->hide();
}

void AnimationPreview::hscFrame_Change(int value)
{
    const AnimAction& action = player_.action();
    if (value < 0 || value >= action.frameCount()) {
        clearFrame();
        return;
    }
    const AnimFrame& frame = action.frames[static_cast<std::size_t>(value)];
    const FrameLabels labels = frameLabels(value, frame);
    lblFrame->setText(qstr(labels.frame));
    lblGroup->setText(qstr(labels.group));
    lblImage->setText(qstr(labels.image));
    lblDuration->setText(qstr(labels.duration));

    QPointer<AnimationPreview> alive(this);
    const QImage picture = loadPcx(app_, this, qstr(frame.imagePath), 0, frame.flip);
    if (!alive)
        return;
    if (picture.isNull()) {
        picInlay->clear();
        picInlay->hide();
        return;
    }
    const StagePosition where = placeSprite(frame, picture.width(), picture.height());
    picInlay->setPixmap(QPixmap::fromImage(picture));
    picInlay->setGeometry(static_cast<int>(std::lround(where.left)), static_cast<int>(std::lround(where.top)),
                          picture.width(), picture.height());
    picInlay->show();
    Line1->raise();
    Line2->raise();
}

} // namespace vantrel
