#include "sprites/sprite_window.h"
#include "ui/app.h"

#include "common/paths.h"
#include "common/text.h"
#include "documents/document_manager.h"
#include "sprites/sff_builder.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_table_model.h"
#include "ui/document_views.h"
#include "ui/dropped_files.h"
#include "ui/history_actions.h"
#include "ui/number_keys.h"
#include "ui/workbench.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <optional>
#include <tuple>
#include <utility>

namespace vantrel {

SpriteWindow::SpriteWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setObjectName(QStringLiteral("SpriteWindow"));
    title_ = new DocumentTitle(this, tr("SFF Editor"));
    builder_ = new SffBuilder(app_, this);
    connect(builder_, &SffBuilder::started, this, [this] {
        saveAction->setEnabled(false);
        saveAsAction->setEnabled(false);
    });
    connect(builder_, &SffBuilder::finished, this, [this](bool ok, const QString& message) {
        saveAction->setEnabled(true);
        saveAsAction->setEnabled(true);
        emit buildFinished(ok, message);
    });
    buildUi();
    showWorkspace();
}

SpriteWindow::~SpriteWindow()
{
    if (document_)
        document_->disconnect(this);
}

QUndoStack* SpriteWindow::undoStack() const
{
    return document_ ? document_->undoStack() : nullptr;
}

void SpriteWindow::setDocument(SpriteDocument* document)
{
    if (document_)
        document_->disconnect(this);
    document_ = document;
    view->setDocument(document);
    builder_->setDocument(document);
    showDocumentIn(document, *history_, *title_, *changedBar_);
    spriteModel->setDocument(document);
    if (!document)
        return;
    // The list and the grid take the change before the window shows its row.
    connect(document, &SpriteDocument::rowsChanged, spriteModel, &SpriteTableModel::tableChanged);
    // A step undone or done again shows the row it changed.
    connect(document, &SpriteDocument::rowsChanged, this, &SpriteWindow::showStep);
    // The document goes with its character: the window shows nothing until the next one.
    connect(document, &QObject::destroyed, this, [this] {
        document_ = nullptr;
        spriteModel->setDocument(nullptr);
        setIndexRange(0, 0);
        showRecord(0);
    });
}

bool SpriteWindow::showWorkspace()
{
    setDocument(characterSprites(app_.documents));
    const int count = document_ ? workspace().count() : 0;
    setStatus(tr("Status: OK"));
    setIndexRange(count, count > 0 ? 1 : 0);
    updateZoomButtons();

    setStatus(tr("Status: Finding Palette"));
    // Sprites without a palette of their own are shown in the first palette
    // met, so decode in archive order until one supplies it.
    for (int record = 1; record <= count && !document_->decoder().spritePaletteCaptured; ++record)
        loadImage(record);
    showRecord(currentIndex());
    if (count > 0)
        //: the sprite shown of how many, as "1 of 281"
        positionLabel->setText(tr("1 of%1").arg(qstr(formatNumber(count))));
    setStatus(tr("Status: OK"));
    return document_ != nullptr;
}

void SpriteWindow::setStatus(const QString& text)
{
    if (app_.workbench)
        app_.workbench->setStatus(text);
}

int SpriteWindow::currentIndex() const
{
    const int count = document_ ? document_->workspace().count() : 0;
    if (count == 0)
        return 0;
    return std::clamp(indexScrollBar->value(), 1, count);
}

SpriteRecord* SpriteWindow::current()
{
    const int index = currentIndex();
    return index >= 1 ? &workspace().record(index) : nullptr;
}

void SpriteWindow::setIndexRange(int count, int value)
{
    const QSignalBlocker blocker(indexScrollBar);
    indexScrollBar->setRange(count > 0 ? 1 : 0, count);
    indexScrollBar->setValue(value);
    indexScrollBar->setEnabled(count > 0);
}

void SpriteWindow::refreshPositionLabel()
{
    //: the sprite shown of how many, as " 3 of 281 "
    positionLabel->setText(
        tr("%1 of%2 ")
            .arg(qstr(formatNumber(currentIndex())), qstr(formatNumber(document_ ? workspace().count() : 0))));
}

void SpriteWindow::showGroupAndImage(bool always)
{
    const SpriteRecord* record = current();
    // A box whose number already agrees keeps its text ("012" being typed).
    const auto show = [always](QLineEdit* box, const std::string* text, std::int64_t value) {
        if (!text)
            box->clear();
        else if (always || numericValue(sstr(box->text())) != value)
            box->setText(qstr(*text));
    };
    show(groupEdit, record ? &record->groupText : nullptr, record ? record->group() : 0);
    show(imageEdit, record ? &record->imageText : nullptr, record ? record->imageNo() : 0);
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
    followRecord(index);
    refreshPositionLabel();
    showGroupAndImage(true);
    loadImage(index);
}

void SpriteWindow::loadImage(int index, bool always)
{
    view->setViewOptions({hideTransparentBox->isChecked(), whiteBackgroundBox->isChecked()});
    view->setOnionSkin(onionSkinBox->isChecked() ? std::optional(jumpNumbers()) : std::nullopt);
    view->showRecord(index);
    showAxisInBoxes(always);
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
        const PanRange range = record && pictureExtent > 0 && document_
            ? panRange(viewExtent, axis, pictureExtent, app_.zoomFactor, bar->value())
            : panRangeWithoutPicture(bar->value());
        bar->setRange(range.minimum, range.maximum);
    }
}

// --- the record's boxes ------------------------------------------------------

void SpriteWindow::storeGroup()
{
    const std::int64_t value = numericValue(sstr(groupEdit->text()));
    editRecord(tr("Group Number"), SpriteEditKind::Group,
               [value](SpriteRecord& record) { storeNumber(record.groupText, value); });
}

void SpriteWindow::storeImageNumber()
{
    const std::int64_t value = numericValue(sstr(imageEdit->text()));
    editRecord(tr("Image Number"), SpriteEditKind::Image,
               [value](SpriteRecord& record) { storeNumber(record.imageText, value); });
}

void SpriteWindow::refuseTakenNumber(SpriteEditKind kind)
{
    const SpriteRecord* record = current();
    if (!record || refusingNumber_)
        return;
    const int row = currentIndex();
    const std::vector<SpriteRecord>& records = workspace().records();
    for (std::size_t k = 0; k < records.size(); ++k) {
        const SpriteRecord& other = records[k];
        if (static_cast<int>(k) + 1 == row || other.group() != record->group() || other.imageNo() != record->imageNo())
            continue;
        const QScopedValueRollback<bool> refusing(refusingNumber_, true);
        app_.dialogs.message(this,
                             tr("Sprite %1,%2 is taken: sprite %3 (%4) has that number.")
                                 .arg(record->group())
                                 .arg(record->imageNo())
                                 .arg(k + 1)
                                 .arg(qstr(fileNameOf(other.pcxFile))),
                             QStringLiteral("Vantrel"), Buttons::Ok, Icon::Warning);
        // The number typed is taken back: the renumbering was the last step.
        QUndoStack* history = document_->undoStack();
        const auto* last = history->index() > 0
            ? dynamic_cast<const EditRecordCommand*>(history->command(history->index() - 1))
            : nullptr;
        if (last && last->row() == row && last->kind() == kind)
            history->undo();
        return;
    }
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
    editRecord(field == &SpriteRecord::axisXText ? tr("Axis X") : tr("Axis Y"),
               field == &SpriteRecord::axisXText ? SpriteEditKind::AxisX : SpriteEditKind::AxisY,
               [field, value](SpriteRecord& edited) { storeNumber(edited.*field, value); });
    refreshPicture();
}

void SpriteWindow::nudgeAxis(int dx, int dy)
{
    if (current()) {
        editRecord(tr("Move Axis"), SpriteEditKind::None, [dx, dy](SpriteRecord& record) {
            if (dx)
                storeNumber(record.axisXText, record.axisX() + dx);
            if (dy)
                storeNumber(record.axisYText, record.axisY() + dy);
        });
        refreshPicture();
    }
}

SpriteNumbers SpriteWindow::jumpNumbers() const
{
    return {numericValue(sstr(jumpGroupEdit->text())), numericValue(sstr(jumpImageEdit->text()))};
}

bool SpriteWindow::showSprite(std::int64_t group, std::int64_t image)
{
    const auto row = document_ ? findRecordByNumbers(workspace(), group, image) : std::nullopt;
    if (!row)
        return false;
    if (indexScrollBar->value() == *row)
        showRecord(*row);
    else
        indexScrollBar->setValue(*row);
    return true;
}

void SpriteWindow::jumpToRecord()
{
    if (!document_)
        return;
    const SpriteRecord* record = current();
    const std::int64_t shownGroup = record ? record->group() : 0;
    const std::int64_t shownImage = record ? record->imageNo() : 0;
    const SpriteNumbers target = jumpNumbers();
    if (!showSprite(target.group, target.image)) {
        app_.dialogs.message(this,
                             tr("No match found for Group%1 image%2")
                                 .arg(qstr(formatNumber(target.group)), qstr(formatNumber(target.image))));
        return;
    }
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
    // The list and the grid move their own current item (the record follows
    // it) and extend their selection; Delete there deletes the selection.
    if (focus && (focus == spriteList || focus == spriteGrid)) {
        if (key != Qt::Key_Delete)
            return false;
        deleteSelection();
        return true;
    }
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
    case Qt::Key_PageUp:
        if (index > 1)
            indexScrollBar->setValue(index - 1);
        return true;
    case Qt::Key_PageDown:
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
    // Delete in the list or the grid is theirs (the selection), not the
    // toolbar's Delete of the record shown.
    if (event->type() == QEvent::ShortcutOverride && (watched == spriteList || watched == spriteGrid)
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        if (handleKey(static_cast<QKeyEvent*>(event)->key(), qobject_cast<QWidget*>(watched)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SpriteWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event->key(), this))
        QWidget::keyPressEvent(event);
}

void SpriteWindow::addImage()
{
    addPictures({});
}

void SpriteWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData(), {".pcx", ".png"}).isEmpty())
        event->acceptProposedAction();
}

void SpriteWindow::dropEvent(QDropEvent* event)
{
    const QStringList pictures = droppedFiles(event->mimeData(), {".pcx", ".png"});
    if (pictures.isEmpty())
        return;
    event->acceptProposedAction();
    // Added once the drop is over: the program the files came from is not
    // kept waiting through a question.
    QTimer::singleShot(0, this, [this, pictures] { addPictures(pictures); });
}

void SpriteWindow::closeEvent(QCloseEvent* event)
{
    // The build goes on without the window: the document runs it.
    event->accept();
}

} // namespace vantrel
