#include "sprites/sprite_window.h"

#include "common/text.h"
#include "shell/main_window.h"
#include "shell/number_keys.h"
#include "sprites/sff_builder.h"
#include "sprites/sprite_list.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <optional>
#include <tuple>
#include <utility>

namespace vantrel {

namespace {

const char* const kGuardProperty = "vantrel.spriteChangesGuard";

// A box, button or label, named for finding it by name.
template <class Widget, class... Args> Widget* named(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

SpriteWindow::SpriteWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setObjectName(QStringLiteral("SpriteWindow"));
    setWindowTitle(QStringLiteral("SFF Editor"));
    builder_ = new SffBuilder(app_, this);
    connect(builder_, &SffBuilder::started, this, [this] { saveAction->setEnabled(false); });
    connect(builder_, &SffBuilder::finished, this, [this](bool ok, const QString& message) {
        saveAction->setEnabled(true);
        emit buildFinished(ok, message);
    });
    buildUi();
    if (app_.main && !app_.main->property(kGuardProperty).toBool()) {
        // The table outlives this window, so the question is the main
        // window's, asked whether or not the sprite window is open.
        app_.main->setProperty(kGuardProperty, true);
        App* program = &app_;
        app_.main->addDiscardGuard([program] { return confirmSpriteChanges(*program); });
    }
    showWorkspace();
}

void SpriteWindow::buildUi()
{
    createToolBar();

    // Image Data
    auto* imageData = new QGroupBox(QStringLiteral("Image Data"), this);
    axisXEdit = named<QLineEdit>("axisXEdit", imageData);
    axisYEdit = named<QLineEdit>("axisYEdit", imageData);
    groupEdit = named<QLineEdit>("groupEdit", imageData);
    imageEdit = named<QLineEdit>("imageEdit", imageData);
    auto* axisXMinus = named<QPushButton>("axisXMinusButton", QStringLiteral("-"), imageData);
    auto* axisXPlus = named<QPushButton>("axisXPlusButton", QStringLiteral("+"), imageData);
    auto* axisYMinus = named<QPushButton>("axisYMinusButton", QStringLiteral("-"), imageData);
    auto* axisYPlus = named<QPushButton>("axisYPlusButton", QStringLiteral("+"), imageData);
    mousePositionLabel = named<QLabel>("mousePositionLabel", QStringLiteral("0,0"), imageData);
    auto* dataGrid = new QGridLayout(imageData);
    const std::tuple<const char*, QLineEdit*, QPushButton*, QPushButton*> axisRows[] = {
        {"X:", axisXEdit, axisXMinus, axisXPlus}, {"Y:", axisYEdit, axisYMinus, axisYPlus}};
    for (int row = 0; row < 2; ++row) {
        const auto& [label, box, minus, plus] = axisRows[row];
        minus->setFixedWidth(28);
        plus->setFixedWidth(28);
        dataGrid->addWidget(new QLabel(QString::fromLatin1(label), imageData), row, 0);
        dataGrid->addWidget(box, row, 1);
        dataGrid->addWidget(minus, row, 2);
        dataGrid->addWidget(plus, row, 3);
    }
    dataGrid->addWidget(new QLabel(QStringLiteral("Group"), imageData), 2, 0);
    dataGrid->addWidget(groupEdit, 2, 1, 1, 3);
    dataGrid->addWidget(new QLabel(QStringLiteral("Image"), imageData), 3, 0);
    dataGrid->addWidget(imageEdit, 3, 1, 1, 3);
    dataGrid->addWidget(new QLabel(QStringLiteral("Mouse X, Y:"), imageData), 4, 0, 1, 2);
    dataGrid->addWidget(mousePositionLabel, 4, 2, 1, 2);

    // Alignment tools
    auto* alignment = new QGroupBox(QStringLiteral("Alignment tools"), this);
    onionSkinBox = named<QCheckBox>("onionSkinBox", QStringLiteral("Onionskin group and image:"), alignment);
    jumpGroupEdit = named<QLineEdit>("jumpGroupEdit", alignment);
    jumpImageEdit = named<QLineEdit>("jumpImageEdit", alignment);
    jumpButton = named<QPushButton>("jumpButton", QStringLiteral("Jump to"), alignment);
    auto* alignGrid = new QGridLayout(alignment);
    alignGrid->addWidget(onionSkinBox, 0, 0, 1, 2);
    alignGrid->addWidget(jumpGroupEdit, 1, 0);
    alignGrid->addWidget(jumpImageEdit, 1, 1);
    alignGrid->addWidget(jumpButton, 2, 0, 1, 2);

    hideTransparentBox = named<QCheckBox>("hideTransparentBox", QStringLiteral("Hide transparent sections"), this);
    whiteBackgroundBox = named<QCheckBox>("whiteBackgroundBox", QStringLiteral("White background"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(imageData);
    left->addWidget(alignment);
    left->addWidget(hideTransparentBox);
    left->addWidget(whiteBackgroundBox);
    left->addStretch();

    // Current image
    auto* currentImage = new QGroupBox(QStringLiteral("Current image"), this);
    view = named<SpriteCanvas>("view", app_, currentImage);
    horizontalPanBar = named<QScrollBar>("horizontalPanBar", Qt::Horizontal, currentImage);
    verticalPanBar = named<QScrollBar>("verticalPanBar", Qt::Vertical, currentImage);
    for (QScrollBar* bar : {horizontalPanBar, verticalPanBar}) {
        bar->setRange(kPanCentre, kPanCentre); // fitted to the picture once it is shown
        bar->setValue(kPanCentre);
    }
    centreButton = named<QPushButton>("centreButton", QStringLiteral("center"), currentImage);
    positionLabel = named<QLabel>("positionLabel", currentImage);
    indexScrollBar = named<QScrollBar>("indexScrollBar", Qt::Horizontal, currentImage);
    indexScrollBar->setSingleStep(1);
    indexScrollBar->setPageStep(10);
    auto* viewGrid = new QGridLayout(currentImage);
    viewGrid->addWidget(view, 0, 0);
    viewGrid->addWidget(verticalPanBar, 0, 1);
    viewGrid->addWidget(horizontalPanBar, 1, 0);
    viewGrid->addWidget(centreButton, 2, 0, 1, 2, Qt::AlignRight);
    viewGrid->addWidget(positionLabel, 3, 0, 1, 2);
    viewGrid->addWidget(indexScrollBar, 4, 0, 1, 2);
    viewGrid->setRowStretch(0, 1);
    viewGrid->setColumnStretch(0, 1);

    auto* panels = new QHBoxLayout;
    panels->addLayout(left);
    panels->addWidget(currentImage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(toolBar);
    layout->addLayout(panels, 1);

    acceptSignedDigitsOnly(axisXEdit);
    acceptSignedDigitsOnly(axisYEdit);
    for (QLineEdit* box : {groupEdit, imageEdit, jumpGroupEdit, jumpImageEdit})
        acceptDigitsOnly(box);

    connect(indexScrollBar, &QScrollBar::valueChanged, this, &SpriteWindow::showRecord);
    connect(groupEdit, &QLineEdit::textChanged, this, &SpriteWindow::storeGroup);
    connect(imageEdit, &QLineEdit::textChanged, this, &SpriteWindow::storeImageNumber);
    connect(axisXEdit, &QLineEdit::textChanged, this, [this] { storeAxis(axisXEdit, &SpriteRecord::axisXText); });
    connect(axisYEdit, &QLineEdit::textChanged, this, [this] { storeAxis(axisYEdit, &SpriteRecord::axisYText); });
    connect(jumpButton, &QPushButton::clicked, this, &SpriteWindow::jumpToRecord);
    connect(centreButton, &QPushButton::clicked, this, &SpriteWindow::centreView);
    connect(axisXMinus, &QPushButton::clicked, this, [this] { nudgeAxis(-1, 0); });
    connect(axisXPlus, &QPushButton::clicked, this, [this] { nudgeAxis(1, 0); });
    connect(axisYMinus, &QPushButton::clicked, this, [this] { nudgeAxis(0, -1); });
    connect(axisYPlus, &QPushButton::clicked, this, [this] { nudgeAxis(0, 1); });
    connect(onionSkinBox, &QCheckBox::clicked, this, &SpriteWindow::applyOnionSkinChoice);
    connect(hideTransparentBox, &QCheckBox::clicked, this, &SpriteWindow::applyTransparencyChoice);
    connect(whiteBackgroundBox, &QCheckBox::clicked, this, &SpriteWindow::applyBackgroundChoice);
    for (QScrollBar* bar : {horizontalPanBar, verticalPanBar}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            view->setPan(horizontalPanBar->value(), verticalPanBar->value());
            refreshPicture();
        });
        // The range is not narrowed under a dragged slider.
        connect(bar, &QScrollBar::sliderReleased, this, &SpriteWindow::updatePanBars);
    }
    // The onion skin follows the jump boxes, which name its sprite.
    for (QLineEdit* box : {jumpGroupEdit, jumpImageEdit}) {
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (onionSkinBox->isChecked()) {
                view->setOnionSkin(jumpNumbers());
                view->updateOnionSkin();
                refreshPicture();
            }
        });
    }
    connect(view, &SpriteCanvas::pressed, this, &SpriteWindow::syncWithWorkspace);
    connect(view, &SpriteCanvas::axisDragged, this, &SpriteWindow::refreshPicture);
    connect(view, &SpriteCanvas::mouseMoved, mousePositionLabel, &QLabel::setText);

    // Keys pressed anywhere in the window reach the window first (before the
    // number boxes' own filters, which were installed earlier).
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    resize(8000 / 15, 6000 / 15);
    setMinimumSize(6000 / 15, 4800 / 15);
}

void SpriteWindow::showWorkspace()
{
    generation_ = app_.sprites.generation();
    const int count = app_.sprites.count();
    setStatus(QStringLiteral("Status: OK"));
    setIndexRange(count, count > 0 ? 1 : 0);
    updateZoomButtons();

    setStatus(QStringLiteral("Status: Finding Palette"));
    // Sprites without a palette of their own are shown in the first palette
    // met, so decode in archive order until one supplies it.
    for (int record = 1; record <= count && !app_.decoder.spritePaletteCaptured; ++record)
        loadImage(record);
    showRecord(currentIndex());
    if (count > 0)
        positionLabel->setText(QStringLiteral("1 of") + qstr(formatNumber(count)));
    setStatus(QStringLiteral("Status: OK"));
}

void SpriteWindow::setStatus(const QString& text)
{
    if (app_.main)
        app_.main->setStatus(text);
}

int SpriteWindow::currentIndex() const
{
    const int count = app_.sprites.count();
    if (count == 0)
        return 0;
    return std::clamp(indexScrollBar->value(), 1, count);
}

SpriteRecord* SpriteWindow::current()
{
    const int index = currentIndex();
    return index >= 1 && index <= app_.sprites.count() ? &app_.sprites.record(index) : nullptr;
}

void SpriteWindow::setIndexRange(int count, int value)
{
    const QSignalBlocker blocker(indexScrollBar);
    indexScrollBar->setRange(count > 0 ? 1 : 0, count);
    indexScrollBar->setValue(value);
    indexScrollBar->setEnabled(count > 0);
}

void SpriteWindow::syncWithWorkspace()
{
    if (generation_ == app_.sprites.generation())
        return;
    // A character was opened or re-read: the table under the window is new.
    generation_ = app_.sprites.generation();
    const int count = app_.sprites.count();
    setIndexRange(count, count > 0 ? 1 : 0);
    showRecord(currentIndex());
}

void SpriteWindow::refreshPositionLabel()
{
    positionLabel->setText(qstr(positionText(currentIndex(), app_.sprites.count())));
}

void SpriteWindow::showGroupAndImage()
{
    const SpriteRecord* record = current();
    groupEdit->setText(record ? qstr(record->groupText) : QString());
    imageEdit->setText(record ? qstr(record->imageText) : QString());
}

void SpriteWindow::showAxisInBoxes(bool always)
{
    const SpriteRecord* record = current();
    if (!record) {
        axisXEdit->clear();
        axisYEdit->clear();
        return;
    }
    // After an edit a box whose value already agrees keeps its text, so that
    // typing "-" on the way to a negative number is not overwritten.
    const auto show = [always](QLineEdit* box, std::int64_t value) {
        if (always || numericValue(sstr(box->text())) != value)
            box->setText(qstr(formatNumber(clampAxis(value))));
    };
    show(axisXEdit, record->axisX());
    show(axisYEdit, record->axisY());
}

void SpriteWindow::showRecord(int index)
{
    refreshPositionLabel();
    showGroupAndImage();
    loadImage(index);
}

void SpriteWindow::loadImage(int index)
{
    view->setViewOptions({hideTransparentBox->isChecked(), whiteBackgroundBox->isChecked()});
    view->setOnionSkin(onionSkinBox->isChecked() ? std::optional(jumpNumbers()) : std::nullopt);
    view->showRecord(index);
    showAxisInBoxes(true);
    refreshPicture();
}

void SpriteWindow::refreshPicture()
{
    showAxisInBoxes(false);
    updatePanBars();
    view->refresh();
}

void SpriteWindow::updatePanBars()
{
    const SpriteRecord* record = current();
    const QSize picture = view->pictureSize();
    const std::tuple<QScrollBar*, int, std::int64_t, int> bars[] = {
        {horizontalPanBar, view->width(), record ? record->axisX() : 0, picture.width()},
        {verticalPanBar, view->height(), record ? record->axisY() : 0, picture.height()}};
    for (const auto& [bar, viewExtent, axis, pictureExtent] : bars) {
        bar->setSingleStep(std::max(1, viewExtent / 10));
        bar->setPageStep(std::max(1, viewExtent));
        if (bar->isSliderDown())
            continue;
        const PanRange range = record && pictureExtent > 0
            ? panRange(viewExtent, axis, pictureExtent, app_.zoomFactor, bar->value())
            : panRangeWithoutPicture(bar->value());
        bar->setRange(range.minimum, range.maximum);
    }
}

// --- the record's boxes ------------------------------------------------------

void SpriteWindow::storeGroup()
{
    if (SpriteRecord* record = current())
        storeNumber(app_.sprites, record->groupText, numericValue(sstr(groupEdit->text())));
}

void SpriteWindow::storeImageNumber()
{
    if (SpriteRecord* record = current())
        storeNumber(app_.sprites, record->imageText, numericValue(sstr(imageEdit->text())));
}

void SpriteWindow::storeAxis(QLineEdit* box, std::string SpriteRecord::*field)
{
    SpriteRecord* record = current();
    if (!record)
        return;
    const std::int64_t value = numericValue(sstr(box->text()));
    const std::int64_t clamped = clampAxis(value);
    if (clamped != value) {
        box->setText(qstr(fieldText(clamped))); // stores through the next change
        return;
    }
    storeNumber(app_.sprites, record->*field, value);
    refreshPicture();
}

void SpriteWindow::nudgeAxis(int dx, int dy)
{
    if (SpriteRecord* record = current()) {
        if (dx)
            storeNumber(app_.sprites, record->axisXText, record->axisX() + dx);
        if (dy)
            storeNumber(app_.sprites, record->axisYText, record->axisY() + dy);
        refreshPicture();
    }
}

SpriteNumbers SpriteWindow::jumpNumbers() const
{
    return {numericValue(sstr(jumpGroupEdit->text())), numericValue(sstr(jumpImageEdit->text()))};
}

void SpriteWindow::jumpToRecord()
{
    syncWithWorkspace();
    const SpriteRecord* record = current();
    const std::int64_t shownGroup = record ? record->group() : 0;
    const std::int64_t shownImage = record ? record->imageNo() : 0;
    const SpriteNumbers target = jumpNumbers();
    const auto row = findRecordByNumbers(app_.sprites, target.group, target.image);
    if (!row) {
        app_.dialogs.message(this, qstr(noMatchMessage(target.group, target.image)));
        return;
    }
    if (indexScrollBar->value() == *row)
        showRecord(*row);
    else
        indexScrollBar->setValue(*row);
    // A second click jumps back.
    jumpGroupEdit->setText(qstr(fieldText(shownGroup)));
    jumpImageEdit->setText(qstr(fieldText(shownImage)));
}

// --- the view ------------------------------------------------------------------

void SpriteWindow::updateZoomButtons()
{
    zoomInAction->setEnabled(zoomInEnabled(app_.zoomFactor));
    zoomOutAction->setEnabled(zoomOutEnabled(app_.zoomFactor));
}

void SpriteWindow::setZoom(float zoom)
{
    app_.zoomFactor = zoom;
    updateZoomButtons();
    refreshPicture();
}

void SpriteWindow::zoomIn()
{
    setZoom(zoomedIn(app_.zoomFactor));
}

void SpriteWindow::zoomOut()
{
    setZoom(zoomedOut(app_.zoomFactor));
}

void SpriteWindow::centreView()
{
    const bool moved = horizontalPanBar->value() != kPanCentre || verticalPanBar->value() != kPanCentre;
    horizontalPanBar->setValue(kPanCentre);
    verticalPanBar->setValue(kPanCentre);
    if (!moved) {
        view->setPan(kPanCentre, kPanCentre);
        refreshPicture();
    }
}

void SpriteWindow::applyOnionSkinChoice()
{
    if (whiteBackgroundBox->isChecked())
        whiteBackgroundBox->setChecked(false);
    loadImage(currentIndex());
}

void SpriteWindow::applyTransparencyChoice()
{
    loadImage(currentIndex());
}

void SpriteWindow::applyBackgroundChoice()
{
    if (onionSkinBox->isChecked())
        onionSkinBox->setChecked(false);
    loadImage(currentIndex());
}

// --- keys ----------------------------------------------------------------------

bool SpriteWindow::handleKey(int key, QWidget* focus)
{
    // Text boxes keep the keys that edit text.
    const bool inTextBox = qobject_cast<QLineEdit*>(focus) != nullptr;
    const int index = currentIndex();
    switch (key) {
    case Qt::Key_Left:
        if (focus == indexScrollBar || inTextBox)
            return false;
        if (index > 1)
            indexScrollBar->setValue(index - 1);
        return true;
    case Qt::Key_Right:
        if (focus == indexScrollBar || inTextBox)
            return false;
        if (index >= 1 && index < indexScrollBar->maximum())
            indexScrollBar->setValue(index + 1);
        return true;
    case Qt::Key_Insert: addImage(); return true;
    case Qt::Key_J: jumpToRecord(); return true;
    case Qt::Key_Delete:
        if (inTextBox)
            return false;
        deleteImage();
        return true;
    default: return false;
    }
}

bool SpriteWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view && event->type() == QEvent::Resize)
        updatePanBars();
    if (event->type() == QEvent::KeyPress) {
        syncWithWorkspace();
        if (handleKey(static_cast<QKeyEvent*>(event)->key(), qobject_cast<QWidget*>(watched)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SpriteWindow::keyPressEvent(QKeyEvent* event)
{
    syncWithWorkspace();
    if (!handleKey(event->key(), this))
        QWidget::keyPressEvent(event);
}

bool SpriteWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        syncWithWorkspace();
    return QWidget::event(event);
}

void SpriteWindow::closeEvent(QCloseEvent* event)
{
    // The tool reads the workspace, which the close-down deletes next.
    waitForBuild();
    event->accept();
}

} // namespace vantrel
