// The sprite window's controls: the record's boxes, the alignment tools,
// the view with its scroll bars, and how each control is wired to the window.

#include "sprites/sprite_window.h"
#include "ui/app.h"

#include "common/qt_text.h"
#include "common/text.h"
#include "sprites/sprite_view.h"
#include "ui/document_views.h"
#include "ui/number_keys.h"
#include "ui/scrolling_column.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace vantrel {

namespace {

// A box, button or label, named for finding it by name.
template <class Widget, class... Args> Widget* named(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

void SpriteWindow::buildUi()
{
    createToolBar();

    // Image Data
    auto* imageData = new QGroupBox(tr("Image Data"), this);
    axisXEdit = named<QLineEdit>("axisXEdit", imageData);
    axisYEdit = named<QLineEdit>("axisYEdit", imageData);
    groupEdit = named<QLineEdit>("groupEdit", imageData);
    imageEdit = named<QLineEdit>("imageEdit", imageData);
    // Small buttons, as narrow as their signs at any type size.
    auto* axisXMinus = named<QToolButton>("axisXMinusButton", imageData);
    auto* axisXPlus = named<QToolButton>("axisXPlusButton", imageData);
    auto* axisYMinus = named<QToolButton>("axisYMinusButton", imageData);
    auto* axisYPlus = named<QToolButton>("axisYPlusButton", imageData);
    for (QToolButton* button : {axisXMinus, axisYMinus})
        button->setText(QStringLiteral("-"));
    for (QToolButton* button : {axisXPlus, axisYPlus})
        button->setText(QStringLiteral("+"));
    mousePositionLabel = named<QLabel>("mousePositionLabel", QStringLiteral("0,0"), imageData);
    auto* dataGrid = new QGridLayout(imageData);
    const std::tuple<const char*, QLineEdit*, QToolButton*, QToolButton*> axisRows[] = {
        {QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "X:"), axisXEdit, axisXMinus, axisXPlus},
        {QT_TRANSLATE_NOOP("vantrel::SpriteWindow", "Y:"), axisYEdit, axisYMinus, axisYPlus}};
    for (int row = 0; row < 2; ++row) {
        const auto& [label, box, minus, plus] = axisRows[row];
        dataGrid->addWidget(new QLabel(tr(label), imageData), row, 0);
        dataGrid->addWidget(box, row, 1);
        dataGrid->addWidget(minus, row, 2);
        dataGrid->addWidget(plus, row, 3);
    }
    dataGrid->addWidget(new QLabel(tr("Group"), imageData), 2, 0);
    dataGrid->addWidget(groupEdit, 2, 1, 1, 3);
    dataGrid->addWidget(new QLabel(tr("Image"), imageData), 3, 0);
    dataGrid->addWidget(imageEdit, 3, 1, 1, 3);
    dataGrid->addWidget(new QLabel(tr("Mouse X, Y:"), imageData), 4, 0, 1, 2);
    dataGrid->addWidget(mousePositionLabel, 4, 2, 1, 2);

    // Alignment tools
    auto* alignment = new QGroupBox(tr("Alignment tools"), this);
    onionSkinBox = named<QCheckBox>("onionSkinBox", tr("Onionskin group and image:"), alignment);
    jumpGroupEdit = named<QLineEdit>("jumpGroupEdit", alignment);
    jumpImageEdit = named<QLineEdit>("jumpImageEdit", alignment);
    jumpButton = named<QPushButton>("jumpButton", tr("Jump to"), alignment);
    auto* alignGrid = new QGridLayout(alignment);
    alignGrid->addWidget(onionSkinBox, 0, 0, 1, 2);
    alignGrid->addWidget(jumpGroupEdit, 1, 0);
    alignGrid->addWidget(jumpImageEdit, 1, 1);
    alignGrid->addWidget(jumpButton, 2, 0, 1, 2);

    hideTransparentBox = named<QCheckBox>("hideTransparentBox", tr("Hide transparent sections"), this);
    whiteBackgroundBox = named<QCheckBox>("whiteBackgroundBox", tr("White background"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(imageData);
    left->addWidget(alignment);
    left->addWidget(hideTransparentBox);
    left->addWidget(whiteBackgroundBox);
    left->addStretch();

    // Current image
    auto* currentImage = new QGroupBox(tr("Current image"), this);
    view = named<SpriteCanvas>("view", app_, currentImage);
    horizontalPanBar = named<QScrollBar>("horizontalPanBar", Qt::Horizontal, currentImage);
    verticalPanBar = named<QScrollBar>("verticalPanBar", Qt::Vertical, currentImage);
    for (QScrollBar* bar : {horizontalPanBar, verticalPanBar}) {
        bar->setRange(kPanCentre, kPanCentre); // fitted to the picture once it is shown
        bar->setValue(kPanCentre);
    }
    centreButton = named<QPushButton>("centreButton", tr("center"), currentImage);
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

    auto* sprites = new QSplitter(Qt::Horizontal, this);
    sprites->setChildrenCollapsible(false);
    sprites->addWidget(currentImage);
    sprites->addWidget(createSpriteViews());
    sprites->setStretchFactor(0, 3);
    sprites->setStretchFactor(1, 2);
    auto* panels = new QHBoxLayout;
    panels->addWidget(scrollingColumn(left));
    panels->addWidget(sprites, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(toolBar);
    changedBar_ = new ChangedOnDiskBar(app_, this);
    layout->addWidget(changedBar_);
    layout->addLayout(panels, 1);

    acceptSignedDigitsOnly(axisXEdit);
    acceptSignedDigitsOnly(axisYEdit);
    for (QLineEdit* box : {groupEdit, imageEdit, jumpGroupEdit, jumpImageEdit})
        acceptDigitsOnly(box);

    connect(indexScrollBar, &QScrollBar::valueChanged, this, &SpriteWindow::showRecord);
    connect(groupEdit, &QLineEdit::textChanged, this, &SpriteWindow::storeGroup);
    connect(imageEdit, &QLineEdit::textChanged, this, &SpriteWindow::storeImageNumber);
    connect(groupEdit, &QLineEdit::editingFinished, this, [this] { refuseTakenNumber(SpriteEditKind::Group); });
    connect(imageEdit, &QLineEdit::editingFinished, this, [this] { refuseTakenNumber(SpriteEditKind::Image); });
    connect(axisXEdit, &QLineEdit::textChanged, this, [this] { storeAxis(axisXEdit, &SpriteRecord::axisXText); });
    connect(axisYEdit, &QLineEdit::textChanged, this, [this] { storeAxis(axisYEdit, &SpriteRecord::axisYText); });
    connect(jumpButton, &QPushButton::clicked, this, &SpriteWindow::jumpToRecord);
    connect(centreButton, &QPushButton::clicked, this, &SpriteWindow::centreView);
    connect(axisXMinus, &QToolButton::clicked, this, [this] { nudgeAxis(-1, 0); });
    connect(axisXPlus, &QToolButton::clicked, this, [this] { nudgeAxis(1, 0); });
    connect(axisYMinus, &QToolButton::clicked, this, [this] { nudgeAxis(0, -1); });
    connect(axisYPlus, &QToolButton::clicked, this, [this] { nudgeAxis(0, 1); });
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
    // While a drag goes on, the boxes show where the axis is going; the step comes when it ends.
    connect(view, &SpriteCanvas::axisDragged, this, [this](std::int64_t x, std::int64_t y) {
        for (const auto& [box, value] : {std::pair{axisXEdit, x}, std::pair{axisYEdit, y}}) {
            const QSignalBlocker quiet(box);
            box->setText(qstr(formatNumber(value)));
        }
        updatePanBars();
    });
    connect(view, &SpriteCanvas::mouseMoved, mousePositionLabel, &QLabel::setText);

    createEditMenu();

    // Keys pressed anywhere in the window reach the window first (before the
    // number boxes' own filters, which were installed earlier).
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    resize(12000 / 15, 6000 / 15);
}

} // namespace vantrel
