#include "sprite_window.h"

#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "image/picture.h"
#include "shell/main_window.h"
#include "shell/spawn_runner.h"
#include "shell/spawn_script.h"
#include "sprites/pcx_browser.h"
#include "sprites/build_options_dialog.h"
#include "sprites/sff_build.h"
#include "sprites/sprite_list.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace vantrel {

// The view: draws what SpriteWindow renders and hands the mouse to it.
class SpriteCanvas : public QWidget {
public:
    explicit SpriteCanvas(SpriteWindow& owner) : QWidget(&owner), owner_(owner)
    {
        setObjectName(QStringLiteral("picMain"));
        setCursor(Qt::OpenHandCursor);
        setMouseTracking(true);
        setMinimumSize(64, 64);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, owner_.renderView());
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        owner_.picMain_Resize();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        owner_.picMain_MouseDown(event->position().toPoint(), event->buttons());
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        owner_.picMain_MouseMove(event->position().toPoint(), event->buttons());
    }
    void mouseReleaseEvent(QMouseEvent*) override { owner_.picMain_MouseUp(); }

private:
    SpriteWindow& owner_;
};

namespace {

const QString kPcxFilter = QStringLiteral("ZSoft PCX (*.pcx)|*.pcx");

// The dialog that picks a picture to add or to put in a record's place.
FileDialogOptions pcxPictureDialog(const App& app)
{
    FileDialogOptions options;
    options.title = QStringLiteral("Add a PCX picture");
    options.directory = qstr(app.files.characterDir);
    options.filter = kPcxFilter;
    options.mustExist = true;
    return options;
}
const QString kSffFilter = QStringLiteral("Character Spritesheet (*.sff)|*.sff");
const char* const kGuardProperty = "vantrel.spriteChangesGuard";

struct ToolButton {
    const char* key;
    const char* toolTip;
    QStyle::StandardPixmap icon;
};

// The toolbar, in its order.
const ToolButton kToolbar[] = {
    {"Save", "Save SFF file", QStyle::SP_DialogSaveButton},
    {"Sort", "Sort images", QStyle::SP_ArrowDown},
    {"Add", "Add a PCX after this image", QStyle::SP_FileDialogNewFolder},
    {"Delete", "Delete this image", QStyle::SP_TrashIcon},
    {"Clone", "Clone image to end", QStyle::SP_FileLinkIcon},
    {"Change", "Change this image", QStyle::SP_BrowserReload},
    {"Browser", "Browse for PCX's with thumbnails", QStyle::SP_DirOpenIcon},
    {"ZoomIn", "Zoom In", QStyle::SP_ArrowUp},
    {"ZoomOut", "Zoom Out", QStyle::SP_ArrowDown},
    {"ShellEdit", "Send to shell with \"Edit\" command", QStyle::SP_FileDialogDetailedView},
    {"SaveOne", "Save this PCX as...", QStyle::SP_DriveFDIcon},
    {"SaveAll", "Save all PCX's...", QStyle::SP_DriveHDIcon},
    {"Undo", "", QStyle::SP_ArrowBack},
};

QImage markerImage(bool (*isWhite)(int, int))
{
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_RGB32);
    for (int y = 0; y < kMarkerSize; ++y) {
        for (int x = 0; x < kMarkerSize; ++x)
            image.setPixel(x, y, isWhite(x, y) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    return image;
}

QRect toQRect(const ViewRect& r)
{
    return {r.x, r.y, r.width, r.height};
}

// A field takes a number; a change of value (not merely of its writing) is
// an edit that the next build has to carry.
void storeNumber(SpriteWorkspace& ws, std::string& field, std::int64_t value)
{
    if (numericValue(field) != value)
        ws.setModified(true);
    field = fieldText(value);
}

// Which characters a box lets the user type.
const QString kDigits = QStringLiteral("1234567890");
const QString kSignedDigits = QStringLiteral("-1234567890");

} // namespace

QImage renderSpriteScene(const SpriteScene& scene)
{
    QImage out(scene.size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    out.fill(scene.background);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!scene.sprite.isNull()) {
        const ViewRect r = spritePlacement(scene.origin, scene.axisX, scene.axisY, scene.sprite.width(),
                                           scene.sprite.height(), scene.zoom);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(toQRect(r), scene.sprite.convertToFormat(QImage::Format_RGB32));
    }
    if (!scene.onion.isNull()) {
        const ViewRect r = spritePlacement(scene.origin, scene.onionAxisX, scene.onionAxisY, scene.onion.width(),
                                           scene.onion.height(), scene.zoom);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(toQRect(r), scene.onion.convertToFormat(QImage::Format_RGB32));
    }
    static const QImage mask = markerImage(&markerMaskIsWhite);
    static const QImage pattern = markerImage(&markerPatternIsWhite);
    const QRect marker = toQRect(markerPlacement(scene.origin, scene.zoom));
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(marker, mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(marker, pattern);
    return out;
}

SpriteWindow::SpriteWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setObjectName(QStringLiteral("SpriteWindow"));
    setWindowTitle(QStringLiteral("SFF Editor"));
    buildUi();
    if (app_.main && !app_.main->property(kGuardProperty).toBool()) {
        // The table outlives this window, so the question is the main
        // window's, asked whether or not the sprite window is open.
        app_.main->setProperty(kGuardProperty, true);
        App* program = &app_;
        app_.main->addDiscardGuard([program] { return confirmSpriteChanges(*program); });
    }
    Form_Load();
}

SpriteWindow::~SpriteWindow()
{
    if (build_) {
        build_->disconnect(this);
        build_->waitForFinished(-1);
    }
}

void SpriteWindow::buildUi()
{
    Toolbar1 = new QToolBar(QStringLiteral("Toolbar1"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolButton& b : kToolbar) {
        const QString key = QString::fromLatin1(b.key);
        QAction* action = Toolbar1->addAction(style()->standardIcon(b.icon), key);
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setToolTip(QString::fromLatin1(b.toolTip));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }

    // Image Data
    auto* imageData = new QGroupBox(QStringLiteral("Image Data"), this);
    txtX = new QLineEdit(imageData);
    txtY = new QLineEdit(imageData);
    txtGroup = new QLineEdit(imageData);
    txtImageNo = new QLineEdit(imageData);
    auto* cmdXMinus = new QPushButton(QStringLiteral("-"), imageData);
    auto* cmdXPlus = new QPushButton(QStringLiteral("+"), imageData);
    auto* cmdYMinus = new QPushButton(QStringLiteral("-"), imageData);
    auto* cmdYPlus = new QPushButton(QStringLiteral("+"), imageData);
    lblMouseXY = new QLabel(QStringLiteral("0,0"), imageData);
    for (QPushButton* b : {cmdXMinus, cmdXPlus, cmdYMinus, cmdYPlus})
        b->setFixedWidth(28);
    cmdXMinus->setObjectName(QStringLiteral("cmdXMinus"));
    cmdXPlus->setObjectName(QStringLiteral("cmdXPlus"));
    cmdYMinus->setObjectName(QStringLiteral("cmdYMinus"));
    cmdYPlus->setObjectName(QStringLiteral("cmdYPlus"));
    auto* dataGrid = new QGridLayout(imageData);
    dataGrid->addWidget(new QLabel(QStringLiteral("X:"), imageData), 0, 0);
    dataGrid->addWidget(txtX, 0, 1);
    dataGrid->addWidget(cmdXMinus, 0, 2);
    dataGrid->addWidget(cmdXPlus, 0, 3);
    dataGrid->addWidget(new QLabel(QStringLiteral("Y:"), imageData), 1, 0);
    dataGrid->addWidget(txtY, 1, 1);
    dataGrid->addWidget(cmdYMinus, 1, 2);
    dataGrid->addWidget(cmdYPlus, 1, 3);
    dataGrid->addWidget(new QLabel(QStringLiteral("Group"), imageData), 2, 0);
    dataGrid->addWidget(txtGroup, 2, 1, 1, 3);
    dataGrid->addWidget(new QLabel(QStringLiteral("Image"), imageData), 3, 0);
    dataGrid->addWidget(txtImageNo, 3, 1, 1, 3);
    dataGrid->addWidget(new QLabel(QStringLiteral("Mouse X, Y:"), imageData), 4, 0, 1, 2);
    dataGrid->addWidget(lblMouseXY, 4, 2, 1, 2);

    // Alignment tools
    auto* alignment = new QGroupBox(QStringLiteral("Alignment tools"), this);
    chkOnionskin = new QCheckBox(QStringLiteral("Onionskin group and image:"), alignment);
    txtJumpGroup = new QLineEdit(alignment);
    txtJumpImage = new QLineEdit(alignment);
    cmdJump = new QPushButton(QStringLiteral("Jump to"), alignment);
    auto* alignGrid = new QGridLayout(alignment);
    alignGrid->addWidget(chkOnionskin, 0, 0, 1, 2);
    alignGrid->addWidget(txtJumpGroup, 1, 0);
    alignGrid->addWidget(txtJumpImage, 1, 1);
    alignGrid->addWidget(cmdJump, 2, 0, 1, 2);

    chkTransparent = new QCheckBox(QStringLiteral("Hide transparent sections"), this);
    chkWhiteBG = new QCheckBox(QStringLiteral("White background"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(imageData);
    left->addWidget(alignment);
    left->addWidget(chkTransparent);
    left->addWidget(chkWhiteBG);
    left->addStretch();

    // Current image
    auto* currentImage = new QGroupBox(QStringLiteral("Current image"), this);
    picMain = new SpriteCanvas(*this);
    picMain->setParent(currentImage);
    scrPictureX = new QScrollBar(Qt::Horizontal, currentImage);
    scrPictureY = new QScrollBar(Qt::Vertical, currentImage);
    for (QScrollBar* bar : {scrPictureX, scrPictureY}) {
        bar->setRange(0, kPanMaximum);
        bar->setSingleStep(1);
        bar->setPageStep(100);
        bar->setValue(kPanCentre);
    }
    auto* cmdCenter = new QPushButton(QStringLiteral("center"), currentImage);
    cmdCenter->setObjectName(QStringLiteral("cmdCenter"));
    lblCurrentPic = new QLabel(currentImage);
    hscIndex = new QScrollBar(Qt::Horizontal, currentImage);
    hscIndex->setSingleStep(1);
    hscIndex->setPageStep(10);
    auto* viewGrid = new QGridLayout(currentImage);
    viewGrid->addWidget(picMain, 0, 0);
    viewGrid->addWidget(scrPictureY, 0, 1);
    viewGrid->addWidget(scrPictureX, 1, 0);
    viewGrid->addWidget(cmdCenter, 2, 0, 1, 2, Qt::AlignRight);
    viewGrid->addWidget(lblCurrentPic, 3, 0, 1, 2);
    viewGrid->addWidget(hscIndex, 4, 0, 1, 2);
    viewGrid->setRowStretch(0, 1);
    viewGrid->setColumnStretch(0, 1);

    auto* panels = new QHBoxLayout;
    panels->addLayout(left);
    panels->addWidget(currentImage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(Toolbar1);
    layout->addLayout(panels, 1);

    // Names of the controls, for finding them by name.
    txtX->setObjectName(QStringLiteral("txtX"));
    txtY->setObjectName(QStringLiteral("txtY"));
    txtGroup->setObjectName(QStringLiteral("txtGroup"));
    txtImageNo->setObjectName(QStringLiteral("txtImageNo"));
    txtJumpGroup->setObjectName(QStringLiteral("txtJumpGroup"));
    txtJumpImage->setObjectName(QStringLiteral("txtJumpImage"));
    cmdJump->setObjectName(QStringLiteral("cmdJump"));
    chkOnionskin->setObjectName(QStringLiteral("chkOnionskin"));
    chkTransparent->setObjectName(QStringLiteral("chkTransparent"));
    chkWhiteBG->setObjectName(QStringLiteral("chkWhiteBG"));
    lblMouseXY->setObjectName(QStringLiteral("lblMouseXY"));
    lblCurrentPic->setObjectName(QStringLiteral("lblCurrentPic"));
    hscIndex->setObjectName(QStringLiteral("hscIndex"));
    scrPictureX->setObjectName(QStringLiteral("scrPictureX"));
    scrPictureY->setObjectName(QStringLiteral("scrPictureY"));

    txtX->setProperty("allowed", kSignedDigits);
    txtY->setProperty("allowed", kSignedDigits);
    for (QLineEdit* box : {txtGroup, txtImageNo, txtJumpGroup, txtJumpImage})
        box->setProperty("allowed", kDigits);

    connect(hscIndex, &QScrollBar::valueChanged, this, &SpriteWindow::hscIndex_Change);
    connect(txtGroup, &QLineEdit::textChanged, this, &SpriteWindow::txtGroup_Change);
    connect(txtImageNo, &QLineEdit::textChanged, this, &SpriteWindow::txtImageNo_Change);
    connect(txtX, &QLineEdit::textChanged, this, &SpriteWindow::txtX_Change);
    connect(txtY, &QLineEdit::textChanged, this, &SpriteWindow::txtY_Change);
    connect(cmdJump, &QPushButton::clicked, this, &SpriteWindow::cmdJump_Click);
    connect(cmdCenter, &QPushButton::clicked, this, &SpriteWindow::cmdCenter_Click);
    connect(cmdXMinus, &QPushButton::clicked, this, &SpriteWindow::cmdXMinus_Click);
    connect(cmdXPlus, &QPushButton::clicked, this, &SpriteWindow::cmdXPlus_Click);
    connect(cmdYMinus, &QPushButton::clicked, this, &SpriteWindow::cmdYMinus_Click);
    connect(cmdYPlus, &QPushButton::clicked, this, &SpriteWindow::cmdYPlus_Click);
    connect(chkOnionskin, &QCheckBox::clicked, this, &SpriteWindow::chkOnionskin_Click);
    connect(chkTransparent, &QCheckBox::clicked, this, &SpriteWindow::chkTransparent_Click);
    connect(chkWhiteBG, &QCheckBox::clicked, this, &SpriteWindow::chkWhiteBG_Click);
    for (QScrollBar* bar : {scrPictureX, scrPictureY}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            updateOrigin();
            refreshPicture();
        });
    }
    // The onion skin follows the jump boxes, which name its sprite.
    for (QLineEdit* box : {txtJumpGroup, txtJumpImage}) {
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (chkOnionskin->isChecked()) {
                updateOnionSkin();
                refreshPicture();
            }
        });
    }

    // Keys pressed anywhere in the window reach the window first.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    resize(8000 / 15, 6000 / 15);
    setMinimumSize(6000 / 15, 4800 / 15);
}

void SpriteWindow::Form_Load()
{
    generation_ = app_.sprites.generation();
    const int count = app_.sprites.count();
    setStatus(QStringLiteral("Status: OK"));
    setIndexRange(count, count > 0 ? 1 : 0);
    updateOrigin();
    updateZoomButtons();

    setStatus(QStringLiteral("Status: Finding Palette"));
    // Sprites without a palette of their own are shown in the first palette
    // met, so decode in archive order until one supplies it.
    for (int counter = 1; counter <= count && !app_.decoder.spritePaletteCaptured; ++counter)
        loadImage(counter);
    showRecord(currentIndex());
    if (count > 0)
        lblCurrentPic->setText(QStringLiteral("1 of") + qstr(formatNumber(count)));
    setStatus(QStringLiteral("Status: OK"));
}

void SpriteWindow::setStatus(const QString& text)
{
    if (app_.main)
        app_.main->setStatus(text);
}

QAction* SpriteWindow::toolbarAction(const QString& key) const
{
    return Toolbar1->findChild<QAction*>(QStringLiteral("Toolbar1_") + key);
}

int SpriteWindow::currentIndex() const
{
    const int count = app_.sprites.count();
    if (count == 0)
        return 0;
    return std::clamp(hscIndex->value(), 1, count);
}

SpriteRecord* SpriteWindow::current()
{
    const int index = currentIndex();
    return index >= 1 && index <= app_.sprites.count() ? &app_.sprites.record(index) : nullptr;
}

void SpriteWindow::setIndexRange(int count, int value)
{
    const QSignalBlocker blocker(hscIndex);
    hscIndex->setRange(count > 0 ? 1 : 0, count);
    hscIndex->setValue(value);
    hscIndex->setEnabled(count > 0);
}

void SpriteWindow::syncWithWorkspace()
{
    if (generation_ == app_.sprites.generation())
        return;
    // A character was opened or re-read: the table under the window is new.
    generation_ = app_.sprites.generation();
    const int count = app_.sprites.count();
    setIndexRange(count, count > 0 ? 1 : 0);
    onionPath_.clear();
    showRecord(currentIndex());
}

void SpriteWindow::refreshPositionLabel()
{
    lblCurrentPic->setText(qstr(positionText(currentIndex(), app_.sprites.count())));
}

void SpriteWindow::showGroupAndImage()
{
    const SpriteRecord* rec = current();
    txtGroup->setText(rec ? qstr(rec->Group) : QString());
    txtImageNo->setText(rec ? qstr(rec->ImageNo) : QString());
}

void SpriteWindow::showAxisInBoxes(bool always)
{
    const SpriteRecord* rec = current();
    if (!rec) {
        txtX->clear();
        txtY->clear();
        return;
    }
    // After an edit a box whose value already agrees keeps its text, so that
    // typing "-" on the way to a negative number is not overwritten.
    const auto show = [always](QLineEdit* box, std::int64_t value) {
        if (always || numericValue(sstr(box->text())) != value)
            box->setText(qstr(formatNumber(clampAxis(value))));
    };
    show(txtX, rec->axisX());
    show(txtY, rec->axisY());
}

void SpriteWindow::showRecord(int index)
{
    refreshPositionLabel();
    showGroupAndImage();
    loadImage(index);
}

SpriteViewOptions SpriteWindow::viewOptions() const
{
    return {chkTransparent->isChecked(), chkWhiteBG->isChecked()};
}

void SpriteWindow::loadImage(int index)
{
    picInlay_ = QImage();
    if (index >= 1 && index <= app_.sprites.count()) {
        const SpriteViewOptions options = viewOptions();
        const QString path = qstr(app_.sprites.imagePath(app_.sprites.record(index)));
        picInlay_ = vantrel::loadPcx(app_, this, path, kPaletteFromFile, 0, &options);
    }
    onionPath_.clear(); // a reload decodes the onion skin afresh too
    updateOnionSkin();
    showAxisInBoxes(true);
    refreshPicture();
}

void SpriteWindow::updateOnionSkin()
{
    const SpriteWorkspace& ws = app_.sprites;
    const auto row = chkOnionskin->isChecked()
                         ? findRecordByNumbers(ws, numericValue(sstr(txtJumpGroup->text())),
                                               numericValue(sstr(txtJumpImage->text())))
                         : std::nullopt;
    if (!row) {
        picOnionskin_ = QImage();
        onionPath_.clear();
        return;
    }
    const SpriteRecord& rec = ws.record(*row);
    onionAxisX_ = rec.axisX();
    onionAxisY_ = rec.axisY();
    const QString path = qstr(ws.imagePath(rec));
    if (path == onionPath_)
        return;
    // Remembered even when the decode fails, so a broken file is reported
    // once and not on every mouse move.
    onionPath_ = path;
    const SpriteViewOptions options = viewOptions();
    picOnionskin_ = vantrel::loadPcx(app_, this, path, kPaletteOnionSkin, 0, &options);
}

void SpriteWindow::refreshPicture()
{
    showAxisInBoxes(false);
    if (chkOnionskin->isChecked() && !onionPath_.isEmpty()) {
        // The onion sprite may be the one being moved.
        if (const auto row = findRecordByNumbers(app_.sprites, numericValue(sstr(txtJumpGroup->text())),
                                                 numericValue(sstr(txtJumpImage->text())))) {
            onionAxisX_ = app_.sprites.record(*row).axisX();
            onionAxisY_ = app_.sprites.record(*row).axisY();
        }
    }
    picMain->update();
}

QImage SpriteWindow::renderView() const
{
    SpriteScene scene;
    scene.size = picMain->size();
    scene.background = chkWhiteBG->isChecked() ? Qt::white : Qt::black;
    scene.sprite = picInlay_;
    const int index = currentIndex();
    if (index >= 1) {
        scene.axisX = app_.sprites.record(index).axisX();
        scene.axisY = app_.sprites.record(index).axisY();
    }
    if (chkOnionskin->isChecked()) {
        scene.onion = picOnionskin_;
        scene.onionAxisX = onionAxisX_;
        scene.onionAxisY = onionAxisY_;
    }
    scene.origin = origin_;
    scene.zoom = app_.zoomFactor;
    return renderSpriteScene(scene);
}

void SpriteWindow::picMain_Resize()
{
    // The axis stays in the middle of the view, moved by the scroll bars.
    updateOrigin();
    refreshPicture();
}

void SpriteWindow::updateOrigin()
{
    origin_ = viewOrigin(picMain->width(), picMain->height(), scrPictureX->value(), scrPictureY->value());
}

// --- navigation and editing ------------------------------------------------

void SpriteWindow::hscIndex_Change(int value)
{
    showRecord(value);
}

void SpriteWindow::txtGroup_Change()
{
    if (SpriteRecord* rec = current())
        storeNumber(app_.sprites, rec->Group, numericValue(sstr(txtGroup->text())));
}

void SpriteWindow::txtImageNo_Change()
{
    if (SpriteRecord* rec = current())
        storeNumber(app_.sprites, rec->ImageNo, numericValue(sstr(txtImageNo->text())));
}

void SpriteWindow::storeAxisBox(QLineEdit* box, bool horizontal)
{
    SpriteRecord* rec = current();
    if (!rec)
        return;
    const std::int64_t value = numericValue(sstr(box->text()));
    const std::int64_t clamped = clampAxis(value);
    if (clamped != value) {
        box->setText(qstr(fieldText(clamped))); // stores through the next change
        return;
    }
    storeNumber(app_.sprites, horizontal ? rec->AxisX : rec->AxisY, value);
    refreshPicture();
}

void SpriteWindow::txtX_Change()
{
    storeAxisBox(txtX, true);
}

void SpriteWindow::txtY_Change()
{
    storeAxisBox(txtY, false);
}

void SpriteWindow::cmdJump_Click()
{
    syncWithWorkspace();
    const SpriteRecord* rec = current();
    const std::int64_t shownGroup = rec ? rec->group() : 0;
    const std::int64_t shownImage = rec ? rec->imageNo() : 0;
    const std::int64_t group = numericValue(sstr(txtJumpGroup->text()));
    const std::int64_t image = numericValue(sstr(txtJumpImage->text()));
    const auto row = findRecordByNumbers(app_.sprites, group, image);
    if (!row) {
        app_.dialogs.message(this, qstr(noMatchMessage(group, image)));
        return;
    }
    if (hscIndex->value() == *row)
        showRecord(*row);
    else
        hscIndex->setValue(*row);
    // A second click jumps back.
    txtJumpGroup->setText(qstr(fieldText(shownGroup)));
    txtJumpImage->setText(qstr(fieldText(shownImage)));
}

bool SpriteWindow::insertPicture(const QString& path)
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    if (!canGrowTable(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return false;
    }
    const CopyResult copied = copyIntoWorkspace(ws, sstr(path));
    if (!copied.ok) {
        app_.dialogs.message(this, qstr(copied.error));
        return false;
    }
    const int row = insertRecordAfter(ws, currentIndex(), copied.pcxFile);
    setIndexRange(ws.count(), row);
    showRecord(row);
    return true;
}

void SpriteWindow::addImage()
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    if (!canAddImages(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    const FileDialogOptions options = pcxPictureDialog(app_);
    const QStringList files = app_.dialogs.openFiles(this, options);
    if (files.isEmpty())
        return;
    if (!canAddImages(ws, static_cast<int>(files.size()))) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    int row = currentIndex();
    for (const QString& file : files) {
        const CopyResult copied = copyIntoWorkspace(ws, sstr(file));
        if (!copied.ok) {
            app_.dialogs.message(this, qstr(copied.error));
            break;
        }
        row = insertRecordAfter(ws, row, copied.pcxFile);
    }
    setIndexRange(ws.count(), row);
    showRecord(row);
}

void SpriteWindow::deleteImage()
{
    syncWithWorkspace();
    const int index = currentIndex();
    if (index < 1)
        return;
    if (app_.dialogs.message(this, QStringLiteral("Are you sure?"), QStringLiteral("Delete current image"),
                             Buttons::YesNo, Icon::Question) != Answer::Yes)
        return;
    SpriteWorkspace& ws = app_.sprites;
    deleteRecord(ws, index);
    const int next = std::min(index, ws.count());
    setIndexRange(ws.count(), next);
    showRecord(next);
}

void SpriteWindow::cloneImage()
{
    syncWithWorkspace();
    SpriteWorkspace& ws = app_.sprites;
    const int index = currentIndex();
    if (index < 1)
        return;
    if (!canGrowTable(ws, 1)) {
        app_.dialogs.message(this, QString::fromLatin1(kTooManyImages));
        return;
    }
    cloneRecord(ws, index);
    setIndexRange(ws.count(), index);
    refreshPositionLabel();
}

void SpriteWindow::changeImage()
{
    syncWithWorkspace();
    SpriteRecord* rec = current();
    if (!rec)
        return;
    const FileDialogOptions options = pcxPictureDialog(app_);
    const QString file = app_.dialogs.openFile(this, options);
    if (file.isEmpty())
        return;
    const CopyResult copied = copyIntoWorkspace(app_.sprites, sstr(file));
    if (!copied.ok) {
        app_.dialogs.message(this, qstr(copied.error));
        return;
    }
    if (rec->PcxFile != copied.pcxFile)
        app_.sprites.setModified(true);
    rec->PcxFile = copied.pcxFile;
    loadImage(currentIndex());
}

void SpriteWindow::exportOne()
{
    const SpriteRecord* rec = current();
    if (!rec)
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Save single frame");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kPcxFilter;
    options.mustExist = false;
    QWidget* owner = app_.main ? static_cast<QWidget*>(app_.main) : this;
    const QString target = app_.dialogs.saveFile(owner, options);
    if (target.isEmpty())
        return;
    const CopyResult copied = copyFile(app_.sprites.imagePath(*rec), sstr(target));
    if (!copied.ok)
        app_.dialogs.message(this, qstr(copied.error));
}

void SpriteWindow::exportAll()
{
    QWidget* owner = app_.main ? static_cast<QWidget*>(app_.main) : this;
    const QString folder =
        app_.dialogs.chooseFolder(owner, QStringLiteral("Save all files to:"), qstr(app_.files.characterDir));
    if (folder.isEmpty())
        return;
    const auto errors = exportAllPictures(app_.sprites, sstr(folder));
    if (!errors.empty()) {
        QString text = qstr(errors.front());
        if (errors.size() > 1)
            text += QStringLiteral("\n(%1 pictures were not saved.)").arg(errors.size());
        app_.dialogs.message(this, text);
    }
}

void SpriteWindow::shellEdit()
{
    if (const SpriteRecord* rec = current())
        app_.dialogs.shellEdit(qstr(app_.sprites.imagePath(*rec)));
}

void SpriteWindow::openBrowser()
{
    PcxBrowser browser(app_, *this, this);
    browser.exec();
}

void SpriteWindow::Toolbar1_ButtonClick(const QString& key)
{
    syncWithWorkspace();
    if (key == QLatin1String("Save"))
        saveSpriteArchive();
    else if (key == QLatin1String("Sort")) {
        sortSprites(app_.sprites);
        // The index now designates the record sorted into its row: show it.
        showRecord(currentIndex());
    } else if (key == QLatin1String("Add"))
        addImage();
    else if (key == QLatin1String("Delete"))
        deleteImage();
    else if (key == QLatin1String("Clone"))
        cloneImage();
    else if (key == QLatin1String("Change"))
        changeImage();
    else if (key == QLatin1String("Browser"))
        openBrowser();
    else if (key == QLatin1String("ZoomIn"))
        setZoom(zoomedIn(app_.zoomFactor));
    else if (key == QLatin1String("ZoomOut"))
        setZoom(zoomedOut(app_.zoomFactor));
    else if (key == QLatin1String("ShellEdit"))
        shellEdit();
    else if (key == QLatin1String("SaveOne"))
        exportOne();
    else if (key == QLatin1String("SaveAll"))
        exportAll();
    else if (key == QLatin1String("Undo"))
        PerformUndo();
}

// --- the view ----------------------------------------------------------------

void SpriteWindow::updateZoomButtons()
{
    toolbarAction(QStringLiteral("ZoomIn"))->setEnabled(zoomInEnabled(app_.zoomFactor));
    toolbarAction(QStringLiteral("ZoomOut"))->setEnabled(zoomOutEnabled(app_.zoomFactor));
}

void SpriteWindow::setZoom(float zoom)
{
    app_.zoomFactor = zoom;
    updateZoomButtons();
    refreshPicture();
}

void SpriteWindow::cmdCenter_Click()
{
    const bool moved = scrPictureX->value() != kPanCentre || scrPictureY->value() != kPanCentre;
    scrPictureX->setValue(kPanCentre);
    scrPictureY->setValue(kPanCentre);
    if (!moved) {
        updateOrigin();
        refreshPicture();
    }
}

void SpriteWindow::nudgeAxis(int dx, int dy)
{
    if (SpriteRecord* rec = current()) {
        if (dx)
            storeNumber(app_.sprites, rec->AxisX, rec->axisX() + dx);
        if (dy)
            storeNumber(app_.sprites, rec->AxisY, rec->axisY() + dy);
        refreshPicture();
    }
}

void SpriteWindow::cmdXMinus_Click() { nudgeAxis(-1, 0); }
void SpriteWindow::cmdXPlus_Click() { nudgeAxis(1, 0); }
void SpriteWindow::cmdYMinus_Click() { nudgeAxis(0, -1); }
void SpriteWindow::cmdYPlus_Click() { nudgeAxis(0, 1); }

void SpriteWindow::chkOnionskin_Click()
{
    if (chkWhiteBG->isChecked())
        chkWhiteBG->setChecked(false);
    loadImage(currentIndex());
}

void SpriteWindow::chkTransparent_Click()
{
    loadImage(currentIndex());
}

void SpriteWindow::chkWhiteBG_Click()
{
    if (chkOnionskin->isChecked())
        chkOnionskin->setChecked(false);
    loadImage(currentIndex());
}

void SpriteWindow::picMain_MouseDown(QPoint pos, Qt::MouseButtons)
{
    syncWithWorkspace();
    dragStart_ = {pos.x() - origin_.x, pos.y() - origin_.y};
    const SpriteRecord* rec = current();
    dragAxisX_ = rec ? rec->axisX() : 0;
    dragAxisY_ = rec ? rec->axisY() : 0;
    picMain->setCursor(Qt::ClosedHandCursor);
}

void SpriteWindow::picMain_MouseMove(QPoint pos, Qt::MouseButtons buttons)
{
    lblMouseXY->setText(qstr(mouseLabelText(pos.x(), pos.y(), origin_, app_.zoomFactor)));
    if (buttons != Qt::LeftButton)
        return;
    SpriteRecord* rec = current();
    if (!rec)
        return;
    storeNumber(app_.sprites, rec->AxisX,
                draggedAxis(dragStart_.x, dragAxisX_, pos.x() - origin_.x, app_.zoomFactor));
    storeNumber(app_.sprites, rec->AxisY,
                draggedAxis(dragStart_.y, dragAxisY_, pos.y() - origin_.y, app_.zoomFactor));
    refreshPicture();
}

void SpriteWindow::picMain_MouseUp()
{
    picMain->setCursor(Qt::OpenHandCursor);
}

// --- keys --------------------------------------------------------------------

bool SpriteWindow::Form_KeyDown(int key, QWidget* focus)
{
    // Text boxes keep the keys that edit text.
    const bool inTextBox = qobject_cast<QLineEdit*>(focus) != nullptr;
    const int index = currentIndex();
    switch (key) {
    case Qt::Key_Left:
        if (focus == hscIndex || inTextBox)
            return false;
        if (index > 1)
            hscIndex->setValue(index - 1);
        return true;
    case Qt::Key_Right:
        if (focus == hscIndex || inTextBox)
            return false;
        if (index >= 1 && index < hscIndex->maximum())
            hscIndex->setValue(index + 1);
        return true;
    case Qt::Key_Insert:
        addImage();
        return true;
    case Qt::Key_J:
        cmdJump_Click();
        return true;
    case Qt::Key_Delete:
        if (inTextBox)
            return false;
        deleteImage();
        return true;
    default:
        return false;
    }
}

bool SpriteWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        syncWithWorkspace();
        if (Form_KeyDown(key->key(), widget))
            return true;
        // Number boxes take only their characters (and editing keys).
        const QString allowed = watched->property("allowed").toString();
        const QString text = key->text();
        if (!allowed.isEmpty() && text.size() == 1 && text.at(0).isPrint() && !allowed.contains(text.at(0)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SpriteWindow::keyPressEvent(QKeyEvent* event)
{
    syncWithWorkspace();
    if (!Form_KeyDown(event->key(), this))
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

// --- the build ---------------------------------------------------------------

bool SpriteWindow::building() const
{
    return build_ != nullptr;
}

bool SpriteWindow::waitForBuild()
{
    if (build_) {
        QEventLoop loop;
        connect(this, &SpriteWindow::buildFinished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return lastBuildOk_;
}

void SpriteWindow::saveSpriteArchive()
{
    if (building()) {
        app_.dialogs.message(this, QStringLiteral("The SFF file is still being built."));
        return;
    }
    FileDialogOptions options;
    options.title = QStringLiteral("Save SFF file");
    options.directory = qstr(app_.files.characterDir);
    options.filter = kSffFilter;
    options.mustExist = false;
    const QString target = app_.dialogs.saveFile(this, options);
    if (target.isEmpty())
        return;
    lastBuildOk_ = false;

    SpriteWorkspace& ws = app_.sprites;
    const WriteResult written = writeFileAtomic(ws.indexPath(), buildIndexText(sstr(target), ws));
    if (!written) {
        app_.dialogs.message(this, qstr(written.error));
        return;
    }

    BuildFlags& flags = ws.buildFlags;
    {
        BuildOptionsDialog params(flags, this);
        params.setObjectName(QStringLiteral("BuildOptionsDialog"));
        params.exec();
    }
    if (flags.cancelled)
        return;
    startBuild(target);
}

void SpriteWindow::startBuild(const QString& sffPath)
{
    const std::string appDir = sstr(app_.appDir);
    if (!writeSpawnScript(appDir, {buildCommandLine(appDir, app_.sprites.buildFlags)})) {
        app_.dialogs.message(this, QStringLiteral("The spawn script cannot be written in %1.").arg(app_.appDir));
        return;
    }
    buildTarget_ = sffPath;
    buildRecords_ = app_.sprites.count();
    // Edits made while the tool runs are not in this build.
    wasModified_ = app_.sprites.modified();
    app_.sprites.setModified(false);

    build_ = new QProcess(this);
    build_->setWorkingDirectory(app_.appDir);
    build_->setProcessChannelMode(QProcess::SeparateChannels);
    connect(build_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        onBuildFinished(exitCode, status == QProcess::CrashExit, false);
    });
    connect(build_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onBuildFinished(-1, false, true);
    });
    toolbarAction(QStringLiteral("Save"))->setEnabled(false);
    setStatus(QStringLiteral("Status: Building SFF file"));
    build_->start(QStringLiteral("/bin/sh"), {QStringLiteral("spawn.sh")});
}

void SpriteWindow::onBuildFinished(int exitCode, bool crashed, bool failedToStart)
{
    if (!build_)
        return;
    QProcess* process = build_;
    build_ = nullptr;
    const QString errorLine = failedToStart ? process->errorString() : lastLine(process->readAllStandardError());
    process->deleteLater();

    const bool ok = !failedToStart && !crashed && exitCode == 0 && QFileInfo(buildTarget_).isFile();
    QString message;
    if (ok) {
        message = QStringLiteral("The SFF file %1 was written with %2 sprites.").arg(buildTarget_).arg(buildRecords_);
    } else {
        if (wasModified_)
            app_.sprites.setModified(true);
        message = QStringLiteral("The SFF file was not written: %1")
                      .arg(errorLine.isEmpty() ? QStringLiteral("sprmaker ended with code %1.").arg(exitCode)
                                               : errorLine);
    }
    lastBuildOk_ = ok;
    toolbarAction(QStringLiteral("Save"))->setEnabled(true);
    setStatus(QStringLiteral("Status: OK"));
    app_.dialogs.message(this, message, QStringLiteral("Vantrel"), Buttons::Ok,
                         ok ? Icon::Information : Icon::Warning);
    emit buildFinished(ok, message);
}

bool confirmSpriteChanges(App& app)
{
    auto* window = app.main ? qobject_cast<SpriteWindow*>(app.main->window(QStringLiteral("SpriteWindow"))) : nullptr;
    if (window && window->building())
        window->waitForBuild();
    if (!app.sprites.modified())
        return true;
    const Answer answer =
        app.dialogs.message(app.main, QStringLiteral("The sprites have changes that are not in an SFF file yet. Save them first?"),
                            QStringLiteral("Vantrel"), Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::No)
        return true;
    if (answer != Answer::Yes)
        return false;
    if (!window && app.main)
        window = qobject_cast<SpriteWindow*>(app.main->openWindow(QStringLiteral("SpriteWindow")));
    if (!window)
        return false;
    window->saveSpriteArchive();
    if (!window->building())
        return false; // the save was cancelled or could not start
    return window->waitForBuild();
}

} // namespace vantrel
