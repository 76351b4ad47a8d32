#include "collision_box_window.h"
#include "ui/app.h"
#include "ui/scrolling_column.h"

#include "anim/action_export.h"
#include "anim/action_panel.h"
#include "anim/air_text_link.h"
#include "anim/box_canvas.h"
#include "anim/frame_appearance.h"
#include "anim/frame_drawing.h"
#include "anim/frame_panel.h"
#include "anim/qt_frame_timer.h"
#include "common/paths.h"
#include "common/qt_text.h"
#include "documents/document_manager.h"
#include "formats/air_edit.h"
#include "formats/air_frame_fields.h"
#include "formats/air_line_syntax.h"
#include "image/picture.h"
#include "sprites/sprite_document.h"
#include "sprites/sprite_window.h"
#include "text/text_document.h"
#include "ui/appearance.h"
#include "ui/document_views.h"
#include "ui/history_actions.h"
#include "ui/shortcuts.h"
#include "ui/translations.h"
#include "ui/workbench.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrel {

namespace {

QGroupBox* boxListGroup(const QString& title, QListWidget*& list, QPushButton*& remove, QPushButton*& removeAll)
{
    auto* group = new QGroupBox(title);
    list = new QListWidget;
    list->setMinimumHeight(70);
    remove = new QPushButton(CollisionBoxWindow::tr("Delete"));
    removeAll = new QPushButton(CollisionBoxWindow::tr("Del All"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(removeAll);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    layout->addLayout(buttons);
    return group;
}

// The numbers the window lists when the text no longer gives 16-bit numbers
// for every action (while it is being typed, say): what the model read.
std::vector<std::int16_t> numbersOrModel(const AirDocument& air)
{
    ActionNumbers numbers = actionNumbersOf(air);
    if (numbers.ok)
        return std::move(numbers.numbers);
    std::vector<std::int16_t> fallback;
    for (const AirAction& a : air.actions())
        fallback.push_back(static_cast<std::int16_t>(a.numberReadable ? std::clamp(a.number, -32768, 32767) : 0));
    return fallback;
}

} // namespace

CollisionBoxWindow* CollisionBoxWindow::open(App& app, QWidget* parent)
{
    auto link = std::make_unique<AirTextLink>(app);
    auto text = link->text();
    AirDocument air = AirDocument::parse(text ? std::move(*text) : std::string());
    ActionNumbers numbers = actionNumbersOf(air);
    if (!text || !numbers.ok) {
        const QString detail = !text
            ? link->refusal()
            : tr("%1: %2").arg(QDir::toNativeSeparators(qstr(app.documents->character().animationFile)),
                               qstr(numbers.why));
        app.dialogs.message(parent              ? parent
                                : app.workbench ? app.workbench->frame()
                                                : nullptr,
                            translatedMessage(kAirProblem), QStringLiteral("Vantrel"), Buttons::Ok, Icon::None, detail);
        return nullptr;
    }
    return new CollisionBoxWindow(app, std::move(link), std::move(air), std::move(numbers.numbers), parent);
}

CollisionBoxWindow::CollisionBoxWindow(App& app, std::unique_ptr<AirTextLink> link, AirDocument air,
                                       std::vector<std::int16_t> actions, QWidget* parent)
        : QWidget(parent), app_(app), link_(std::move(link)), timer_(std::make_unique<QtFrameTimer>(this)),
          air_(std::move(air)), actions_(std::move(actions))
{
    title_ = new DocumentTitle(this, tr("Animation"));
    title_->setDocument(link_->document());
    buildControls();

    // The AIR document's Undo, Redo and Save: box edits are steps of its history.
    QMenu* edit = addEditMenuBar(this);
    history_ = new HistoryActions(this, edit, QStringLiteral("undoAction"), QStringLiteral("redoAction"),
                                  link_->document()->undoStack());
    edit->addSeparator();
    QAction* save = edit->addAction(tr("&Save"));
    save->setObjectName(QStringLiteral("saveAction"));
    bindKeys(this, save, QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] {
        if (TextDocument* air = link_->document())
            saveDocument(app_, *air, this);
    });
    QAction* exportAction = edit->addAction(tr("&Export Action..."));
    exportAction->setObjectName(QStringLiteral("exportAction"));
    connect(exportAction, &QAction::triggered, this, &CollisionBoxWindow::exportShownAction);
    // The action under the AIR text's caret is the one shown here.
    connect(link_.get(), &AirTextLink::lineFocused, this, &CollisionBoxWindow::followLine);

    // Typing in the AIR window is read once it pauses.
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(200);
    connect(refreshTimer_, &QTimer::timeout, this, &CollisionBoxWindow::refresh);
    connect(link_.get(), &AirTextLink::changed, refreshTimer_, qOverload<>(&QTimer::start));

    // The game's clock: 60 ticks a second at the chosen speed, caught up on each timer shot.
    connect(timer_->qtimer(), &QTimer::timeout, this, [this] {
        const std::int64_t due = ticksAt(static_cast<double>(clock_.elapsed()), speed());
        advanceTicks(static_cast<int>(std::min<std::int64_t>(due - ticksPlayed_, 600)));
        ticksPlayed_ = due;
        if (timeline_)
            timer_->start(kTickMilliseconds);
    });

    thumbnailTimer_ = new QTimer(this);
    thumbnailTimer_->setInterval(0);
    connect(thumbnailTimer_, &QTimer::timeout, this, &CollisionBoxWindow::addThumbnails);
    fillActionList();
    showAction(actionScrollBar->value());
}

Document* CollisionBoxWindow::viewedDocument() const
{
    return link_->document();
}

CollisionBoxWindow::~CollisionBoxWindow()
{
    timeline_.reset();
    timer_->stop();
}

void CollisionBoxWindow::buildControls()
{
    selectionBox = new QGroupBox(tr("Selected frame"));
    actionLabel = new QLabel(tr("Action #"));
    actionNumberLabel = new QLabel(QStringLiteral("0"));
    actionScrollBar = new QScrollBar(Qt::Horizontal);
    actionList = new QListWidget;
    actionList->setMaximumHeight(160);
    actionList->setIconSize(QSize(kThumbnailSize, kThumbnailSize));
    actionList->setUniformItemSizes(true);
    frameLabel = new QLabel(tr("Frame #"));
    frameNumberLabel = new QLabel(QStringLiteral("0"));
    frameScrollBar = new QScrollBar(Qt::Horizontal);
    frameScrollBar->setRange(0, 0);
    previousFrameButton = new QPushButton(QStringLiteral("<"));
    nextFrameButton = new QPushButton(QStringLiteral(">"));
    playButton = new QPushButton(tr("Play"));
    auto* stepping = new QHBoxLayout;
    stepping->addWidget(previousFrameButton);
    stepping->addWidget(nextFrameButton);
    stepping->addWidget(playButton);
    speedCombo = new QComboBox;
    speedCombo->setObjectName(QStringLiteral("speedCombo"));
    speedCombo->addItems({QStringLiteral("¼×"), QStringLiteral("½×"), QStringLiteral("1×"), QStringLiteral("2×")});
    speedCombo->setCurrentIndex(2);
    speedCombo->setToolTip(tr("Speed"));
    loopBox = new QCheckBox(tr("Loop"));
    loopBox->setObjectName(QStringLiteral("loopBox"));
    loopBox->setChecked(true);
    stepping->addWidget(speedCombo);
    stepping->addWidget(loopBox);
    auto* selected = new QGridLayout(selectionBox);
    selected->addWidget(actionLabel, 0, 0);
    selected->addWidget(actionNumberLabel, 0, 1);
    selected->addWidget(actionScrollBar, 1, 0, 1, 2);
    selected->addWidget(actionList, 2, 0, 1, 2);
    selected->addWidget(frameLabel, 3, 0);
    selected->addWidget(frameNumberLabel, 3, 1);
    selected->addWidget(frameScrollBar, 4, 0, 1, 2);
    selected->addLayout(stepping, 5, 0, 1, 2);
    actionPanel = new ActionPanel(app_.dialogs, this);
    actionPanel->catchUp = [this] { catchUp(); };
    actionPanel->proposedSprites = [this] { return spritesShownInTheSpriteWindow(); };
    selected->addWidget(actionPanel, 6, 0, 1, 2);
    framePanel = new FramePanel(this);
    framePanel->catchUp = [this] { catchUp(); };

    attackBoxGroup = boxListGroup(QStringLiteral("CLSN1"), boxLists[0], deleteBoxButtons[0], deleteAllButtons[0]);
    hittableBoxGroup = boxListGroup(QStringLiteral("CLSN2b"), boxLists[1], deleteBoxButtons[1], deleteAllButtons[1]);

    drawStyleBox = new QGroupBox(tr("Collision box draw style"));
    boxKindButtons[0] = new QRadioButton(tr("CLSN1 (Attack area definition)"));
    boxKindButtons[1] = new QRadioButton(tr("CLSN2 (Hittable area definition)"));
    boxKindButtons[0]->setChecked(true);
    defaultForFutureBox = new QCheckBox(tr("Default for future frames"));
    auto* style = new QVBoxLayout(drawStyleBox);
    style->addWidget(boxKindButtons[0]);
    style->addWidget(boxKindButtons[1]);
    style->addWidget(defaultForFutureBox);

    copyPreviousButton = new QPushButton(tr("Copy boxes of previous frame"));
    onionSkinBox = new QCheckBox(tr("Onion skin"));
    zoomLabel = new QLabel(tr("Zoom: 1x"));
    auto* viewRow = new QHBoxLayout;
    viewRow->addWidget(onionSkinBox);
    viewRow->addStretch();
    viewRow->addWidget(zoomLabel);

    canvas = new BoxCanvas;
    canvas->setEditable(true);
    canvas->setZoom(2);
    zoomLabel->setText(tr("Zoom: 2x"));
    warningLabel = new QLabel;
    warningLabel->setWordWrap(true);
    showAsWarning(warningLabel);

    auto* left = new QVBoxLayout;
    left->addWidget(selectionBox);
    left->addWidget(attackBoxGroup);
    left->addWidget(hittableBoxGroup);
    left->addWidget(drawStyleBox);
    left->addWidget(copyPreviousButton);
    left->addLayout(viewRow);
    auto* right = new QVBoxLayout;
    right->addWidget(canvas, 1);
    right->addWidget(warningLabel);
    right->addWidget(framePanel);
    // The controls scroll rather than squeeze when the window is short.
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scrollingColumn(left));
    layout->addLayout(right, 1);

    connect(actionScrollBar, &QScrollBar::valueChanged, this, &CollisionBoxWindow::showAction);
    connect(actionList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            actionScrollBar->setValue(row + 1);
    });
    connect(frameScrollBar, &QScrollBar::valueChanged, this, &CollisionBoxWindow::showFrame);
    connect(previousFrameButton, &QPushButton::clicked, this, [this] { stepFrame(-1); });
    connect(nextFrameButton, &QPushButton::clicked, this, [this] { stepFrame(1); });
    connect(playButton, &QPushButton::clicked, this, &CollisionBoxWindow::togglePlay);
    for (int k = 0; k < 2; ++k) {
        connect(boxLists[static_cast<std::size_t>(k)], &QListWidget::itemChanged, this,
                [this, k](QListWidgetItem* item) {
                    // Taken once the list is done with the item: the edit fills the list anew.
                    QMetaObject::invokeMethod(
                        this,
                        [this, k, row = boxLists[static_cast<std::size_t>(k)]->row(item), text = item->text()] {
                            takeTypedBox(k, row, text);
                        },
                        Qt::QueuedConnection);
                });
        connect(boxLists[static_cast<std::size_t>(k)], &QListWidget::currentRowChanged, this,
                [this, k](int row) { selectBox(row >= 0 ? k : -1, row); });
        connect(deleteBoxButtons[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { deleteBoxOfList(k); });
        connect(deleteAllButtons[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                [this, k] { deleteAllBoxes(k); });
        connect(boxKindButtons[static_cast<std::size_t>(k)], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                canvas->setDrawKind(static_cast<BoxKind>(k));
        });
    }
    connect(copyPreviousButton, &QPushButton::clicked, this, &CollisionBoxWindow::copyPreviousFrame);
    connect(onionSkinBox, &QCheckBox::toggled, this, &CollisionBoxWindow::drawFrame);
    connect(canvas, &BoxCanvas::selectionChanged, this, &CollisionBoxWindow::selectBox);
    connect(canvas, &BoxCanvas::boxChanged, this, &CollisionBoxWindow::changeBox);
    connect(canvas, &BoxCanvas::boxDrawn, this, &CollisionBoxWindow::addDrawnBox);
    connect(canvas, &BoxCanvas::deleteRequested, this, &CollisionBoxWindow::deleteSelectedBox);
    connect(canvas, &BoxCanvas::spriteMoved, this, &CollisionBoxWindow::moveSprite);
    connect(framePanel, &FramePanel::edited, this, &CollisionBoxWindow::applyFrameEdit);
    connect(framePanel, &FramePanel::refused, this, [this](const QString& why) { showWarnings(why); });
    connect(framePanel, &FramePanel::frameChosen, frameScrollBar, &QScrollBar::setValue);
    connect(actionPanel, &ActionPanel::edited, this, &CollisionBoxWindow::applyActionEdit);
    connect(actionPanel, &ActionPanel::refused, this, [this](const QString& why) { showWarnings(why); });
    connect(canvas, &BoxCanvas::zoomChanged, this, [this](int zoom) { zoomLabel->setText(tr("Zoom: %1x").arg(zoom)); });
}

void CollisionBoxWindow::fillActionList()
{
    const QSignalBlocker blockList(actionList);
    const QSignalBlocker blockBar(actionScrollBar);
    actionList->clear();
    const auto& actions = air_.actions();
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const int frames = i < actions.size() ? actions[i].frameCount : 0;
        auto* item = new QListWidgetItem(QStringLiteral("%1   (%2)").arg(actions_[i]).arg(frames), actionList);
        item->setData(kActionNumberRole, static_cast<int>(actions_[i]));
        item->setSizeHint(QSize(0, kThumbnailSize + 2)); // the same before and after its picture comes
        item->setToolTip(frames == 1 ? tr("1 frame") : tr("%1 frames").arg(frames));
    }
    // The first frames' pictures come in from the event loop, a few at a time.
    thumbnailsDone_ = 0;
    if (!actions_.empty())
        thumbnailTimer_->start();
    // An empty file gives the range 1 to 0, which a scroll bar holds as 1 to 1.
    actionScrollBar->setRange(1, std::max<int>(static_cast<int>(actions_.size()), 1));
}

QString CollisionBoxWindow::spritesShownInTheSpriteWindow() const
{
    // From the sprite the sprite window shows on through the sprites of its
    // group that follow it with the next image numbers.
    const auto* window =
        app_.workbench ? qobject_cast<const SpriteWindow*>(app_.workbench->loadedWindow(WindowKind::Sprites)) : nullptr;
    const SpriteDocument* sprites = characterSprites(app_.documents);
    if (!window || !sprites)
        return {};
    const SpriteWorkspace& table = sprites->workspace();
    const int first = window->currentIndex();
    if (first < 1 || first > table.count())
        return {};
    const SpriteRecord& shown = table.record(first);
    int last = first;
    while (last < table.count() && table.record(last + 1).group() == shown.group()
           && table.record(last + 1).imageNo() == table.record(last).imageNo() + 1)
        ++last;
    return QStringLiteral("%1,%2-%3").arg(shown.group()).arg(shown.imageNo()).arg(table.record(last).imageNo());
}

int CollisionBoxWindow::actionRow(int number) const
{
    const auto found = std::find(actions_.begin(), actions_.end(), number);
    return found == actions_.end() ? -1 : static_cast<int>(found - actions_.begin());
}

void CollisionBoxWindow::addThumbnails()
{
    static const SpriteWorkspace none;
    const SpriteDocument* sprites = characterSprites(app_.documents);
    DecoderState& decoder = characterSprites(app_.documents) ? characterSprites(app_.documents)->decoder() : decoder_;
    const int count = std::min(actionList->count(), static_cast<int>(air_.actions().size()));
    const int end = std::min(count, thumbnailsDone_ + 24);
    for (; thumbnailsDone_ < end; ++thumbnailsDone_) {
        const AnimAction frames = actionFrames(air_, thumbnailsDone_, sprites ? sprites->workspace() : none);
        if (frames.frames.empty() || frames.frames.front().imagePath.empty())
            continue;
        const LoadedPicture picture = loadPicture(decoder, qstr(frames.frames.front().imagePath), 0, 0);
        if (picture.image.isNull())
            continue;
        const QImage small = BoxCanvas::withTransparentZero(picture.image)
                                 .scaled(kThumbnailSize, kThumbnailSize, Qt::KeepAspectRatio, Qt::FastTransformation);
        actionList->item(thumbnailsDone_)->setIcon(QIcon(QPixmap::fromImage(small)));
    }
    if (thumbnailsDone_ >= count)
        thumbnailTimer_->stop();
}

void CollisionBoxWindow::readFrames()
{
    static const SpriteWorkspace none;
    const SpriteDocument* sprites = characterSprites(app_.documents);
    frames_ = actionFrames(air_, action_, sprites ? sprites->workspace() : none);
    const QSignalBlocker blocker(frameScrollBar);
    frameScrollBar->setRange(0, std::max(frames_.lastFrameIndex(), 0));
}

void CollisionBoxWindow::showAction(int ordinal)
{
    stopPlaying();
    const bool exists = ordinal >= 1 && ordinal <= static_cast<int>(actions_.size());
    action_ = exists ? ordinal - 1 : -1;
    shownNumber_ = exists ? std::optional(actions_[static_cast<std::size_t>(action_)]) : std::nullopt;
    // The AIR text goes to the action shown here.
    if (exists && !following_ && action_ < static_cast<int>(air_.actions().size()))
        link_->focusLine(air_.actions()[static_cast<std::size_t>(action_)].headerLine);
    actionNumberLabel->setText(exists ? QString::number(actions_[static_cast<std::size_t>(action_)])
                                      : QStringLiteral("0"));
    {
        const QSignalBlocker blocker(actionList);
        actionList->setCurrentRow(action_);
        if (QListWidgetItem* shown = actionList->currentItem())
            actionList->scrollToItem(shown);
    }
    pictures_.clear();
    actionPanel->show(air_, action_);
    readFrames();
    const QSignalBlocker blocker(frameScrollBar);
    frameScrollBar->setValue(0);
    showFrame(0);
}

void CollisionBoxWindow::showFrame(int index)
{
    if (!advancing_)
        pausedAt_.reset(); // a frame chosen by hand: Play starts from the beginning
    frame_ = index;
    frameNumberLabel->setText(QString::number(index));
    boxes_ = frameBoxes(air_, action_, frame_);
    for (int k = 0; k < 2; ++k) {
        QListWidget* list = boxLists[static_cast<std::size_t>(k)];
        const QSignalBlocker blocker(list);
        list->clear();
        const auto& shown = boxes_.boxes[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < shown.size(); ++i) {
            auto* item = new QListWidgetItem(
                qstr(boxListText(air_, static_cast<BoxKind>(k), static_cast<int>(i), shown[i])), list);
            QFont font = item->font();
            font.setItalic(shown[i].fromDefault);
            item->setFont(font);
            if (!shown[i].readable)
                item->setForeground(warningColour(list->palette()));
            item->setFlags(item->flags() | Qt::ItemIsEditable); // the four numbers can be typed
        }
    }
    canvas->setBoxes(BoxCanvas::drawableBoxes(boxes_));
    canvas->setSelection(BoxKind::Clsn1, -1);
    framePanel->show(air_, action_, frame_);
    drawFrame();
    showWarnings();
}

QImage CollisionBoxWindow::spriteImage(const AnimFrame& frame)
{
    const QString key = qstr(frame.imagePath) + QLatin1Char('|') + QString::number(frame.flip);
    if (const auto found = pictures_.constFind(key); found != pictures_.constEnd())
        return *found;
    QPointer<CollisionBoxWindow> alive(this);
    SpriteDocument* sprites = characterSprites(app_.documents);
    const QImage picture =
        loadPcx(sprites ? sprites->decoder() : decoder_, app_.dialogs, this, qstr(frame.imagePath), 0, frame.flip);
    if (!alive)
        return {};
    QImage clear = BoxCanvas::withTransparentZero(picture);
    pictures_.insert(key, clear);
    return clear;
}

bool CollisionBoxWindow::drawLikeTheGame(const AnimFrame& frame)
{
    if (frame.imagePath.empty() || action_ < 0 || frame_ < 0)
        return false;
    const auto lines = air_.frames(air_.actions()[static_cast<std::size_t>(action_)]);
    if (frame_ >= static_cast<int>(lines.size()))
        return false;
    FrameLook look = frameLook(air_, lines[static_cast<std::size_t>(frame_)]);
    // While playing, the values the next frame asks for move towards it.
    bool interpolating = false;
    if (timeline_ && fraction_ > 0) {
        const int next = timeline_->nextFrame(frame_);
        if (next >= 0 && next < static_cast<int>(lines.size())) {
            const FrameInterpolation between = interpolationOf(lines[static_cast<std::size_t>(next)]);
            interpolating = between.offset || between.blend || between.scale || between.angle;
            if (interpolating)
                look = interpolate(look, frameLook(air_, lines[static_cast<std::size_t>(next)]), fraction_,
                                   {between.offset, between.blend, between.scale, between.angle});
        }
    }
    if (!interpolating && isPlainLook(look))
        return false; // drawn as before, by the canvas
    AnimFrame plain = frame;
    plain.flip = 0;
    const QImage picture = spriteImage(plain);
    const QPoint axis(static_cast<int>(std::lround(frame.drawX + frame.offsetX)),
                      static_cast<int>(std::lround(frame.drawY + frame.offsetY)));
    const LookDrawing drawn = drawThroughLook(picture, axis, look, BoxCanvas::stageColour());
    if (drawn.picture.isNull())
        return false;
    canvas->setSprite(drawn.picture, drawn.topLeft);
    return true;
}

void CollisionBoxWindow::drawFrame()
{
    const bool exists = frame_ >= 0 && frame_ < frames_.frameCount();
    const AnimFrame* frame = exists ? &frames_.frames[static_cast<std::size_t>(frame_)] : nullptr;
    if (frame && !drawLikeTheGame(*frame))
        canvas->setFrame(*frame, frame->imagePath.empty() ? QImage() : spriteImage(*frame));
    else if (!frame)
        canvas->clearSprite();

    // The onion skin: the frames before and after, faintly.
    QImage onion;
    QPoint onionAt;
    if (onionSkinBox->isChecked() && exists) {
        std::vector<std::pair<QImage, QPoint>> neighbours;
        for (int i : {frame_ - 1, frame_ + 1}) {
            if (i < 0 || i >= frames_.frameCount() || frames_.frames[static_cast<std::size_t>(i)].imagePath.empty())
                continue;
            const AnimFrame& near = frames_.frames[static_cast<std::size_t>(i)];
            QImage picture = spriteImage(near);
            if (!picture.isNull())
                neighbours.emplace_back(picture, BoxCanvas::spriteTopLeft(near, picture));
        }
        QRect area;
        for (const auto& [picture, at] : neighbours)
            area |= QRect(at, picture.size());
        if (!area.isEmpty()) {
            onion = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
            onion.fill(Qt::transparent);
            QPainter painter(&onion);
            for (const auto& [picture, at] : neighbours)
                painter.drawImage(at - area.topLeft(), picture);
            onionAt = area.topLeft();
        }
    }
    canvas->setOnionSkin(onion, onionAt);
}

void CollisionBoxWindow::exportShownAction()
{
    catchUp();
    if (action_ < 0)
        return;
    const AirAction& shown = air_.actions()[static_cast<std::size_t>(action_)];
    FileDialogOptions options;
    options.title = tr("Export Action");
    options.fileName = QStringLiteral("action%1.gif").arg(shown.number);
    options.filter =
        tr("Animated GIF (*.gif)") + QStringLiteral("|*.gif|") + tr("Sprite sheet (*.png)") + QStringLiteral("|*.png");
    options.mustExist = false;
    const QString chosen = app_.dialogs.saveFile(this, options);
    if (chosen.isEmpty())
        return;
    const CharacterFiles& files = app_.documents->character();
    ExportOptions look;
    look.boxes = canvas->linesShown();
    const Result<ExportedAction> drawn =
        renderAction(air_, fileNameOf(files.animationFile), files.spriteFile, shown.number, look);
    const bool sheet = chosen.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    const Result<void> written = !drawn ? Result<void>::failure(drawn.error())
        : sheet                         ? writeSheet(*drawn, sstr(chosen))
                                        : writeGif(*drawn, sstr(chosen));
    if (!written)
        app_.dialogs.message(this, qstr(written.error()), tr("Export Action"), Buttons::Ok, Icon::Warning);
}

void CollisionBoxWindow::moveSprite(QPoint by)
{
    catchUp();
    if (action_ < 0 || frame_ < 0)
        return;
    const auto lines = air_.frames(air_.actions()[static_cast<std::size_t>(action_)]);
    if (frame_ >= static_cast<int>(lines.size()))
        return;
    const AirFrameReading reading =
        readFrameFields(air_.lineText(static_cast<std::size_t>(lines[static_cast<std::size_t>(frame_)].line)));
    if (reading.isUnreadable(FrameField::X) || reading.isUnreadable(FrameField::Y)) {
        showWarnings(tr("the frame's offset does not read, so it is not moved."));
        return;
    }
    AirFrameFields fields = reading.fields;
    fields.x =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{fields.x} + by.x(), INT32_MIN, INT32_MAX));
    fields.y =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{fields.y} + by.y(), INT32_MIN, INT32_MAX));
    if (const auto text = setFrameFields(air_.text(), {action_, frame_}, fields))
        applyFrameEdit(*text, tr("Move Sprite"), frame_);
}

void CollisionBoxWindow::showWarnings(const QString& refusal)
{
    QStringList lines;
    if (!refusal.isEmpty())
        lines << tr("Not changed: %1").arg(refusal);
    for (const std::string& warning : boxes_.warnings)
        lines << tr("Warning: %1").arg(qstr(warning));
    warningLabel->setText(lines.join(QLatin1Char('\n')));
}

void CollisionBoxWindow::selectBox(int kind, int index)
{
    for (int k = 0; k < 2; ++k) {
        QListWidget* list = boxLists[static_cast<std::size_t>(k)];
        const QSignalBlocker blocker(list);
        list->setCurrentRow(k == kind ? index : -1);
    }
    canvas->setSelection(kind == 1 ? BoxKind::Clsn2 : BoxKind::Clsn1, kind < 0 ? -1 : index);
}

void CollisionBoxWindow::refresh()
{
    refreshTimer_->stop();
    auto text = link_->text();
    if (!text)
        return;
    air_ = AirDocument::parse(std::move(*text));
    std::vector<std::int16_t> numbers = numbersOrModel(air_);
    if (numbers != actions_) {
        actions_ = std::move(numbers);
        fillActionList();
    }
    // The action shown is followed by its number: text typed above it moves
    // its place in the file, not what is shown.
    int ordinal = std::clamp(action_ + 1, 1, std::max<int>(static_cast<int>(actions_.size()), 1));
    bool sameAction = false;
    if (shownNumber_) {
        const auto found = std::find(actions_.begin(), actions_.end(), *shownNumber_);
        sameAction = found != actions_.end();
        if (sameAction)
            ordinal = static_cast<int>(found - actions_.begin()) + 1;
    }
    if (ordinal != action_ + 1 || action_ < 0) {
        const int frameBefore = frame_;
        {
            // Moved in the file, not chosen: the text's caret stays where the user has it.
            const QScopedValueRollback following(following_, following_ || sameAction);
            const QSignalBlocker blocker(actionScrollBar);
            actionScrollBar->setValue(ordinal);
            showAction(ordinal);
        }
        if (sameAction && action_ >= 0) {
            const int frame = std::clamp(frameBefore, 0, std::max(frames_.lastFrameIndex(), 0));
            const QSignalBlocker blocker(frameScrollBar);
            frameScrollBar->setValue(frame);
            showFrame(frame);
        }
        return;
    }
    const int kind = canvas->selectedIndex() >= 0 ? static_cast<int>(canvas->selectedKind()) : -1;
    const int selected = canvas->selectedIndex();
    readFrames();
    const int frame = std::clamp(frame_, 0, std::max(frames_.lastFrameIndex(), 0));
    {
        const QSignalBlocker blocker(frameScrollBar);
        frameScrollBar->setValue(frame);
    }
    showFrame(frame);
    selectBox(kind, selected);
}

void CollisionBoxWindow::catchUp()
{
    stopPlaying();
    const auto text = link_->text();
    if (refreshTimer_->isActive() || (text && *text != air_.text()))
        refresh();
}

void CollisionBoxWindow::followLine(int line)
{
    catchUp();
    const auto& actions = air_.actions();
    for (std::size_t k = 0; k < actions.size(); ++k) {
        if (line < actions[k].headerLine || line > actions[k].lastLine)
            continue;
        if (static_cast<int>(k) != action_) {
            const QScopedValueRollback following(following_, true);
            actionScrollBar->setValue(static_cast<int>(k) + 1);
        }
        return;
    }
}

void CollisionBoxWindow::stepFrame(int delta)
{
    stopPlaying();
    const int count = frames_.frameCount();
    if (count > 0)
        frameScrollBar->setValue(((frame_ + delta) % count + count) % count);
}

double CollisionBoxWindow::speed() const
{
    static constexpr double kSpeeds[] = {0.25, 0.5, 1.0, 2.0};
    const int chosen = speedCombo->currentIndex();
    return chosen >= 0 && chosen < 4 ? kSpeeds[chosen] : 1.0;
}

void CollisionBoxWindow::togglePlay()
{
    if (timeline_) {
        stopPlaying();
        return;
    }
    if (frames_.frameCount() == 0)
        return;
    std::vector<int> times;
    for (const AnimFrame& f : frames_.frames)
        times.push_back(static_cast<int>(std::clamp(f.duration, -1.0, 1e9)));
    timeline_.emplace(times, frames_.loopStart, loopBox->isChecked());
    // From where it was paused, else from the action's first tick.
    tick_ = pausedAt_.value_or(0);
    pausedAt_.reset();
    ticksPlayed_ = 0;
    clock_.start();
    playButton->setText(tr("Stop"));
    advanceTicks(0);
    timer_->start(kTickMilliseconds);
}

void CollisionBoxWindow::stopPlaying()
{
    if (!timeline_)
        return;
    timeline_.reset();
    pausedAt_ = tick_;
    fraction_ = 0;
    timer_->stop();
    playButton->setText(tr("Play"));
    drawFrame();
}

void CollisionBoxWindow::advanceTicks(int ticks)
{
    if (!timeline_ || ticks < 0)
        return;
    tick_ += ticks;
    const ActionTimeline::Moment now = timeline_->at(tick_);
    if (now.frame < 0)
        return;
    fraction_ = now.fraction;
    if (now.frame != frame_) {
        const QSignalBlocker blocker(frameScrollBar);
        frameScrollBar->setValue(now.frame);
        const QScopedValueRollback advancing(advancing_, true);
        showFrame(now.frame);
    } else {
        drawFrame(); // an interpolation moves within the frame
    }
    // A finished action that does not loop stops on its last frame; a held frame stays.
    if (now.holding && timeline_->nextFrame(now.frame) < 0 && !loopBox->isChecked()) {
        stopPlaying();
        pausedAt_.reset(); // played to its end: Play starts it again
    }
}

void CollisionBoxWindow::apply(const Result<std::string>& edit, int kind, int select, const QString& stepText)
{
    if (!edit) {
        showWarnings(qstr(edit.failure().withPlace()));
        return;
    }
    if (!link_->write(*edit, stepText)) {
        showWarnings(tr("the AIR file could not be read."));
        return;
    }
    refresh();
    const int count = kind >= 0 ? static_cast<int>(boxes_.boxes[static_cast<std::size_t>(kind)].size()) : 0;
    selectBox(kind, select == -2 ? count - 1 : (select < count ? select : -1));
}

void CollisionBoxWindow::applyFrameEdit(const std::string& text, const QString& stepText, int frame)
{
    if (!link_->write(text, stepText)) {
        showWarnings(tr("the AIR file could not be read."));
        return;
    }
    refresh();
    const int shown = std::clamp(frame, 0, std::max(frames_.lastFrameIndex(), 0));
    frameScrollBar->setValue(shown);
    showFrame(shown);
}

void CollisionBoxWindow::applyActionEdit(const std::string& text, const QString& stepText, int number)
{
    if (!link_->write(text, stepText)) {
        showWarnings(tr("the AIR file could not be read."));
        return;
    }
    refresh();
    const auto found = std::find(actions_.begin(), actions_.end(), static_cast<std::int16_t>(number));
    if (found != actions_.end())
        actionScrollBar->setValue(static_cast<int>(found - actions_.begin()) + 1);
}

void CollisionBoxWindow::changeBox(int kind, int index, AirBox box)
{
    catchUp();
    apply(setBox(air_, action_, frame_, static_cast<BoxKind>(kind), index, box), kind, index, tr("Change Box"));
}

void CollisionBoxWindow::addDrawnBox(AirBox box)
{
    catchUp();
    const int kind = boxKindButtons[0]->isChecked() ? 0 : 1;
    const bool toDefault = defaultForFutureBox->isChecked();
    // A box added to the defaults does not show on a frame with boxes of its own.
    const bool shownHere = !toDefault || boxes_.block[static_cast<std::size_t>(kind)] < 0
        || air_.blocks()[static_cast<std::size_t>(boxes_.block[static_cast<std::size_t>(kind)])].isDefault;
    apply(addBox(air_, action_, frame_, static_cast<BoxKind>(kind), box, toDefault), kind, shownHere ? -2 : -1,
          tr("Add Box"));
}

void CollisionBoxWindow::takeTypedBox(int kind, int index, const QString& text)
{
    // "Clsn2[0] = left, top, right, bottom", or the four numbers alone.
    const QStringList numbers = text.section(QLatin1Char('='), -1).split(QLatin1Char(','));
    std::array<int, 4> values{};
    bool readable = numbers.size() == 4;
    for (int i = 0; readable && i < 4; ++i)
        values[static_cast<std::size_t>(i)] = numbers[i].trimmed().toInt(&readable);
    const bool inRange = readable && std::all_of(values.begin(), values.end(), [](int v) {
                             return v >= air_syntax::kBoxMin && v <= air_syntax::kBoxMax;
                         });
    if (!inRange) {
        showFrame(frame_); // the list shows the box as it is
        showWarnings(tr("a box is four whole numbers from -32768 to 32767: left, top, right, bottom."));
        return;
    }
    changeBox(kind, index, AirBox{values[0], values[1], values[2], values[3]});
}

void CollisionBoxWindow::deleteSelectedBox()
{
    if (canvas->selectedIndex() >= 0)
        deleteBoxOfList(static_cast<int>(canvas->selectedKind()));
}

void CollisionBoxWindow::deleteBoxOfList(int kind)
{
    const int row = boxLists[static_cast<std::size_t>(kind)]->currentRow();
    if (row < 0)
        return;
    catchUp();
    apply(deleteBox(air_, action_, frame_, static_cast<BoxKind>(kind), row), kind, -1, tr("Delete Box"));
}

void CollisionBoxWindow::deleteAllBoxes(int kind)
{
    catchUp();
    apply(vantrel::deleteAllBoxes(air_, action_, frame_, static_cast<BoxKind>(kind)), kind, -1, tr("Delete All Boxes"));
}

void CollisionBoxWindow::copyPreviousFrame()
{
    catchUp();
    apply(copyPreviousBoxes(air_, action_, frame_), -1, -1, tr("Copy Previous Boxes"));
}

} // namespace vantrel
