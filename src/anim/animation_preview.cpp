#include "animation_preview.h"
#include "ui/app.h"

#include "anim/air_text_link.h"
#include "anim/box_canvas.h"
#include "anim/frame_appearance.h"
#include "anim/qt_frame_timer.h"
#include "common/qt_text.h"
#include "common/text.h"
#include "common/translation.h"
#include "image/picture.h"
#include "sprites/sprite_document.h"
#include "text/text_document.h"
#include "ui/workbench.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <span>

namespace vantrel {

AnimationPreview::AnimationPreview(App& app, QWidget* parent)
        : QWidget(parent), app_(app), link_(std::make_unique<AirTextLink>(app)),
          timer_(std::make_unique<QtFrameTimer>(this)), player_(*timer_)
{
    setWindowTitle(tr("Animation Preview"));
    frameTimer = timer_->qtimer();

    auto* controls = new QGroupBox(tr("Animation Controls"));
    actionCombo = new QComboBox;
    actionCombo->setEditable(false);
    actionCombo->setMinimumContentsLength(8);
    playButton = new QPushButton(tr("Play"));
    stopButton = new QPushButton(tr("Stop"));
    loopBox = new QCheckBox(tr("Loop"));
    hideLinesBox = new QCheckBox(tr("Hide lines"));
    showBoxesBox = new QCheckBox(tr("Show boxes"));
    auto* controlsLayout = new QGridLayout(controls);
    controlsLayout->addWidget(new QLabel(tr("Action no:")), 0, 0);
    controlsLayout->addWidget(actionCombo, 0, 1);
    controlsLayout->addWidget(playButton, 0, 2);
    controlsLayout->addWidget(stopButton, 0, 3);
    controlsLayout->addWidget(loopBox, 1, 0);
    controlsLayout->addWidget(hideLinesBox, 1, 1);
    controlsLayout->addWidget(showBoxesBox, 1, 2, 1, 2);

    auto* view = new QGroupBox(tr("Animation Window"));
    stage = new BoxCanvas;
    stage->setFixedSize(kStageWidth, kStageHeight);
    stage->setBoxesShown(false);
    frameScrollBar = new QScrollBar(Qt::Horizontal);
    frameScrollBar->setRange(0, 0);
    previousFrameButton = new QPushButton(QStringLiteral("<"));
    nextFrameButton = new QPushButton(QStringLiteral(">"));
    zoomLabel = new QLabel(tr("Zoom: 1x"));
    frameLabel = new QLabel;
    groupLabel = new QLabel;
    imageLabel = new QLabel;
    durationLabel = new QLabel;
    // Room for the widest text each label shows, so that a frame shown in a
    // window at its smallest never cuts one off.
    const FrameLabels widest = frameLabels(99999, AnimFrame{.duration = -32768, .group = -32768, .image = -32768});
    for (const auto& [label, text] : {std::pair{frameLabel, widest.frame}, std::pair{groupLabel, widest.group},
                                      std::pair{imageLabel, widest.image}, std::pair{durationLabel, widest.duration}})
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(translated(text)));
    auto* stepping = new QHBoxLayout;
    stepping->addWidget(previousFrameButton);
    stepping->addWidget(frameScrollBar, 1);
    stepping->addWidget(nextFrameButton);
    auto* viewLayout = new QGridLayout(view);
    viewLayout->addWidget(stage, 0, 0, 1, 4, Qt::AlignHCenter);
    viewLayout->addLayout(stepping, 1, 0, 1, 4);
    viewLayout->addWidget(frameLabel, 2, 0);
    viewLayout->addWidget(groupLabel, 2, 1);
    viewLayout->addWidget(imageLabel, 2, 2);
    viewLayout->addWidget(durationLabel, 2, 3);
    viewLayout->addWidget(zoomLabel, 3, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(view);
    layout->addStretch();

    connect(actionCombo, &QComboBox::currentIndexChanged, this, &AnimationPreview::loadAnimation);
    // Choosing the action on display again reads it again.
    connect(actionCombo, &QComboBox::activated, this, [this](int index) {
        if (index == action_)
            loadAnimation();
    });
    connect(playButton, &QPushButton::clicked, this, &AnimationPreview::play);
    connect(stopButton, &QPushButton::clicked, this, &AnimationPreview::stop);
    connect(hideLinesBox, &QCheckBox::clicked, this, &AnimationPreview::setLinesHidden);
    connect(showBoxesBox, &QCheckBox::toggled, this, &AnimationPreview::setBoxesShown);
    connect(previousFrameButton, &QPushButton::clicked, this, [this] { stepFrame(-1); });
    connect(nextFrameButton, &QPushButton::clicked, this, [this] { stepFrame(1); });
    connect(frameTimer, &QTimer::timeout, this, &AnimationPreview::advanceFrame);
    connect(frameScrollBar, &QScrollBar::valueChanged, this, &AnimationPreview::showFrame);
    connect(stage, &BoxCanvas::zoomChanged, this, [this](int zoom) { zoomLabel->setText(tr("Zoom: %1x").arg(zoom)); });

    player_.showFrame = [this](int index) { followPlayer(index); };
    player_.playingChanged = [this](bool playing) { setPlaying(playing); };
    player_.failed = [this](int error) {
        app_.dialogs.message(this, tr("Something bad happened!  Err #%1").arg(qstr(formatNumber(error))));
    };

    // Idle until Play; the selector fills now and chooses once the window is up.
    setPlaying(false);
    clearFrame();
    air_ = AirDocument::parse(link_->text().value_or(std::string()));
    fillActions();
    const QSignalBlocker blocker(actionCombo);
    actionCombo->setCurrentIndex(-1);
}

Document* AnimationPreview::viewedDocument() const
{
    return link_->document();
}

AnimationPreview::~AnimationPreview()
{
    // The player must not touch the widgets while they go.
    player_.showFrame = nullptr;
    player_.playingChanged = nullptr;
    player_.failed = nullptr;
    player_.stop();
}

void AnimationPreview::fillActions()
{
    const QSignalBlocker blocker(actionCombo);
    const int index = actionCombo->currentIndex();
    actionCombo->clear();
    for (const auto& title : actionTitles(air_))
        actionCombo->addItem(qstr(title));
    actionCombo->setCurrentIndex(std::min(index, actionCombo->count() - 1));
}

void AnimationPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_)
        QTimer::singleShot(0, this, &AnimationPreview::finishOpening);
}

void AnimationPreview::closeEvent(QCloseEvent* event)
{
    player_.stop();
    event->accept();
}

void AnimationPreview::finishOpening()
{
    if (loaded_)
        return;
    loaded_ = true;
    QPointer<AnimationPreview> alive(this);
    if (app_.workbench)
        app_.workbench->setStatus(tr("Status: Finding Palette"));
    QCoreApplication::processEvents();

    // Sprites without a palette of their own are drawn with the first one
    // found, so look for it before the first frame is shown.
    QPointer<SpriteDocument> sprites = characterSprites(app_.documents);
    for (int record = 1;
         alive && sprites && record <= sprites->workspace().count() && !sprites->decoder().spritePaletteCaptured;
         ++record) {
        QCoreApplication::processEvents();
        if (!alive || !sprites || record > sprites->workspace().count())
            break;
        loadPcx(sprites->decoder(), app_.dialogs, this,
                qstr(sprites->workspace().imagePath(sprites->workspace().record(record))), 0, 0);
    }
    if (!alive)
        return;
    if (app_.workbench)
        app_.workbench->setStatus(tr("Status: OK"));
    if (actionCombo->count() > 0)
        actionCombo->setCurrentIndex(0); // chooses the first action
}

void AnimationPreview::loadAnimation()
{
    // The text may have changed since the list was made: read it again.
    air_ = AirDocument::parse(link_->text().value_or(std::string()));
    const std::vector<std::string> titles = actionTitles(air_);
    bool sameList = static_cast<int>(titles.size()) == actionCombo->count();
    for (std::size_t i = 0; sameList && i < titles.size(); ++i)
        sameList = qstr(titles[i]) == actionCombo->itemText(static_cast<int>(i));
    if (!sameList)
        fillActions();
    action_ = actionCombo->currentIndex();
    static const SpriteWorkspace none;
    const SpriteDocument* sprites = characterSprites(app_.documents);
    player_.setAction(actionFrames(air_, action_, sprites ? sprites->workspace() : none));
    const QSignalBlocker blocker(frameScrollBar);
    frameScrollBar->setRange(0, std::max(player_.action().lastFrameIndex(), 0));
    frameScrollBar->setValue(0);
    showFrame(0);
}

void AnimationPreview::play()
{
    player_.play(loopBox->isChecked());
}

void AnimationPreview::stop()
{
    player_.stop();
}

void AnimationPreview::setLinesHidden(bool hidden)
{
    stage->setLinesShown(!hidden);
}

void AnimationPreview::setBoxesShown(bool shown)
{
    stage->setBoxesShown(shown);
}

void AnimationPreview::stepFrame(int delta)
{
    player_.stop();
    const int count = player_.action().frameCount();
    if (count > 0)
        frameScrollBar->setValue(((frameScrollBar->value() + delta) % count + count) % count);
}

void AnimationPreview::advanceFrame()
{
    player_.tick();
}

void AnimationPreview::followPlayer(int index)
{
    if (frameScrollBar->value() != index)
        frameScrollBar->setValue(index); // shows the frame through valueChanged
    else
        showFrame(index);
}

void AnimationPreview::setPlaying(bool playing)
{
    stopButton->setEnabled(playing);
    playButton->setEnabled(!playing);
    actionCombo->setEnabled(!playing);
    loopBox->setEnabled(!playing);
}

void AnimationPreview::clearFrame()
{
    for (QLabel* label : {frameLabel, groupLabel, imageLabel, durationLabel})
        label->clear();
    stage->clearSprite();
    stage->setBoxes({});
}

void AnimationPreview::showFrame(int index)
{
    const AnimAction& action = player_.action();
    if (index < 0 || index >= action.frameCount()) {
        clearFrame();
        return;
    }
    const AnimFrame& frame = action.frames[static_cast<std::size_t>(index)];
    const FrameLabels labels = frameLabels(index, frame);
    frameLabel->setText(translated(labels.frame));
    groupLabel->setText(translated(labels.group));
    imageLabel->setText(translated(labels.image));
    durationLabel->setText(translated(labels.duration));

    stage->setBoxes(BoxCanvas::drawableBoxes(frameBoxes(air_, action_, index)));
    // A frame that blends, scales or turns is drawn as the game draws it, as in the Animation window.
    const auto lines = action_ >= 0 && action_ < static_cast<int>(air_.actions().size())
        ? air_.frames(air_.actions()[static_cast<std::size_t>(action_)])
        : std::span<const AirFrame>();
    const FrameLook look =
        index < static_cast<int>(lines.size()) ? frameLook(air_, lines[static_cast<std::size_t>(index)]) : FrameLook{};
    const bool plain = isPlainLook(look);
    QPointer<AnimationPreview> alive(this);
    SpriteDocument* sprites = characterSprites(app_.documents);
    const QImage picture = frame.imagePath.empty() ? QImage()
                                                   : loadPcx(sprites ? sprites->decoder() : decoder_, app_.dialogs,
                                                             this, qstr(frame.imagePath), 0, plain ? frame.flip : 0);
    if (!alive)
        return;
    if (!plain && !picture.isNull()) {
        const QPoint axis(static_cast<int>(std::lround(frame.drawX + frame.offsetX)),
                          static_cast<int>(std::lround(frame.drawY + frame.offsetY)));
        const LookDrawing drawn =
            drawThroughLook(BoxCanvas::withTransparentZero(picture), axis, look, BoxCanvas::stageColour());
        if (!drawn.picture.isNull()) {
            stage->setSprite(drawn.picture, drawn.topLeft);
            return;
        }
    }
    stage->setFrame(frame, BoxCanvas::withTransparentZero(picture));
}

} // namespace vantrel
