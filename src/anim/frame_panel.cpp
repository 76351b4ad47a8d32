#include "anim/frame_panel.h"

#include "anim/panel_button.h"
#include "formats/air_edit.h"
#include "formats/air_frame_fields.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

#include <array>

namespace vantrel {

namespace {

const std::array<const char*, kFrameFieldCount> kColumnNames = {
    QT_TRANSLATE_NOOP("FramePanel", "Group"),   QT_TRANSLATE_NOOP("FramePanel", "Image"),
    QT_TRANSLATE_NOOP("FramePanel", "X"),       QT_TRANSLATE_NOOP("FramePanel", "Y"),
    QT_TRANSLATE_NOOP("FramePanel", "Time"),    QT_TRANSLATE_NOOP("FramePanel", "Flip"),
    QT_TRANSLATE_NOOP("FramePanel", "Blend"),   QT_TRANSLATE_NOOP("FramePanel", "Scale X"),
    QT_TRANSLATE_NOOP("FramePanel", "Scale Y"), QT_TRANSLATE_NOOP("FramePanel", "Angle")};

// The column's caption in the user's language.
QString columnName(std::size_t column)
{
    return QCoreApplication::translate("FramePanel", kColumnNames[column]);
}

// The text of each field as a frame line writes it.
std::array<std::string, kFrameFieldCount> fieldTexts(const AirFrameFields& f)
{
    return {std::to_string(f.group), std::to_string(f.image), std::to_string(f.x), std::to_string(f.y),
            std::to_string(f.time),  flipText(f.flip),        blendText(f.blend),  decimalText(f.scaleX),
            decimalText(f.scaleY),   decimalText(f.angle)};
}

QString warningText(const AirFrameReading& reading)
{
    QStringList fields;
    for (int i = 0; i < kFrameFieldCount; ++i) {
        const auto field = static_cast<FrameField>(i);
        if (reading.isUnreadable(field))
            fields << QCoreApplication::translate("FramePanel", "%1 does not read")
                          .arg(columnName(static_cast<std::size_t>(i)));
        else if (reading.isOutOfRange(field))
            fields << QCoreApplication::translate("FramePanel", "%1 is out of range")
                          .arg(columnName(static_cast<std::size_t>(i)));
    }
    return fields.join(QStringLiteral("; "));
}

} // namespace

FramePanel::FramePanel(QWidget* parent) : QWidget(parent)
{
    table = new QTableWidget(0, kFrameFieldCount, this);
    table->setObjectName(QStringLiteral("frameTable"));
    QStringList headers;
    for (std::size_t column = 0; column < kColumnNames.size(); ++column)
        headers << columnName(column);
    table->setHorizontalHeaderLabels(headers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);

    insertButton = panelButton(tr("Insert"), "insertFrameButton", this);
    duplicateButton = panelButton(tr("Duplicate"), "duplicateFrameButton", this);
    deleteButton = panelButton(tr("Delete"), "deleteFrameButton", this);
    upButton = panelButton(tr("Up"), "frameUpButton", this);
    downButton = panelButton(tr("Down"), "frameDownButton", this);
    copyButton = panelButton(tr("Copy"), "copyFramesButton", this);
    pasteButton = panelButton(tr("Paste"), "pasteFramesButton", this);
    loopStartButton = panelButton(tr("Loop Start"), "loopStartButton", this);
    interpolationLabel = new QLabel(this);
    interpolationLabel->setObjectName(QStringLiteral("interpolationLabel"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {insertButton, duplicateButton, deleteButton, upButton, downButton, copyButton, pasteButton, loopStartButton})
        buttons->addWidget(b);
    buttons->addWidget(interpolationLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);

    connect(insertButton, &QPushButton::clicked, this, &FramePanel::insertFrame);
    connect(duplicateButton, &QPushButton::clicked, this, &FramePanel::duplicateFrame);
    connect(deleteButton, &QPushButton::clicked, this, &FramePanel::deleteFrame);
    connect(upButton, &QPushButton::clicked, this, [this] { moveFrame(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveFrame(1); });
    connect(copyButton, &QPushButton::clicked, this, &FramePanel::copyFrames);
    connect(pasteButton, &QPushButton::clicked, this, &FramePanel::pasteFrames);
    connect(loopStartButton, &QPushButton::clicked, this, &FramePanel::toggleLoopStart);
    connect(table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        // Taken once the table is done with the item: the edit fills the table anew.
        if (!filling_)
            QMetaObject::invokeMethod(
                this,
                [this, row = item->row(), column = item->column(), text = item->text()] {
                    takeCell(row, column, text);
                },
                Qt::QueuedConnection);
    });
    connect(table, &QTableWidget::currentCellChanged, this, [this](int row) {
        updateButtons();
        if (!filling_ && row >= 0)
            emit frameChosen(row);
    });
    updateButtons();
}

void FramePanel::show(const AirDocument& air, int action, int frame)
{
    // Another frame of the same text and action: only the current row moves.
    if (air_ == &air && action_ == action && air.text() == shownText_) {
        if (frame >= 0 && frame < table->rowCount() && frame != table->currentRow()) {
            const QScopedValueRollback filling(filling_, true);
            table->setCurrentCell(frame, std::max(table->currentColumn(), 0));
        }
        updateButtons();
        return;
    }
    air_ = &air;
    action_ = action;
    shownText_ = air.text();
    filling_ = true;
    const QSignalBlocker blocker(table);
    const bool known = action >= 0 && action < static_cast<int>(air.actions().size());
    const auto frames =
        known ? air.frames(air.actions()[static_cast<std::size_t>(action)]) : std::span<const AirFrame>();
    table->setRowCount(static_cast<int>(frames.size()));
    for (int row = 0; row < static_cast<int>(frames.size()); ++row)
        fillRow(row, frames[static_cast<std::size_t>(row)]);
    if (!frames.empty())
        table->setCurrentCell(std::clamp(frame, 0, static_cast<int>(frames.size()) - 1),
                              std::max(table->currentColumn(), 0));
    filling_ = false;
    updateButtons();
}

void FramePanel::fillRow(int row, const AirFrame& frame)
{
    const AirFrameReading reading = readFrameFields(air_->lineText(static_cast<std::size_t>(frame.line)));
    const auto texts = fieldTexts(reading.fields);
    const AirAction& action = air_->actions()[static_cast<std::size_t>(action_)];
    const QString warning = warningText(reading);
    for (int column = 0; column < kFrameFieldCount; ++column) {
        auto* item = new QTableWidgetItem(QString::fromStdString(texts[static_cast<std::size_t>(column)]));
        if (column >= reading.writtenCount && column >= kRequiredFrameFields)
            item->setForeground(palette().color(QPalette::PlaceholderText)); // not written: the default
        if (!warning.isEmpty()) {
            item->setToolTip(warning);
            if (column == 0)
                item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        }
        table->setItem(row, column, item);
    }
    const FrameInterpolation between = interpolationOf(frame);
    QString header = QString::number(row);
    if (row == action.loopStart)
        header = QStringLiteral("↻ ") + header; // the loop starts here
    if (between.offset || between.blend || between.scale || between.angle)
        header += QStringLiteral(" ~");
    table->setVerticalHeaderItem(row, new QTableWidgetItem(header));
}

int FramePanel::currentFrame() const
{
    return table->currentRow();
}

void FramePanel::updateButtons()
{
    const int row = table->currentRow();
    const int count = table->rowCount();
    const bool onFrame = row >= 0 && row < count;
    insertButton->setEnabled(action_ >= 0);
    pasteButton->setEnabled(action_ >= 0);
    for (QPushButton* b : {duplicateButton, deleteButton, copyButton, loopStartButton})
        b->setEnabled(onFrame);
    upButton->setEnabled(onFrame && row > 0);
    downButton->setEnabled(onFrame && row + 1 < count);

    QStringList between;
    if (onFrame && air_) {
        const AirAction& action = air_->actions()[static_cast<std::size_t>(action_)];
        const FrameInterpolation i = interpolationOf(air_->frames(action)[static_cast<std::size_t>(row)]);
        for (const auto& [on, name] : {std::pair{i.offset, "Offset"}, std::pair{i.blend, "Blend"},
                                       std::pair{i.scale, "Scale"}, std::pair{i.angle, "Angle"}})
            if (on)
                between << QLatin1String(name);
    }
    interpolationLabel->setText(between.isEmpty() ? QString()
                                                  : tr("Interpolate: %1").arg(between.join(QStringLiteral(", "))));
}

void FramePanel::emitEdit(const std::optional<std::string>& text, const QString& stepText, int frame)
{
    if (!text) {
        emit refused(tr("%1 cannot be done here: the lines around the frame belong to others.").arg(stepText));
        return;
    }
    emit edited(*text, stepText, frame);
}

void FramePanel::insertFrame()
{
    if (catchUp)
        catchUp();
    if (!air_ || action_ < 0)
        return;
    const int row = table->currentRow();
    const int position = row < 0 ? table->rowCount() : row + 1;
    AirFrameFields fields;
    if (row >= 0) { // the new frame starts as the one it follows, 5 ticks long
        fields = readFrameFields(air_->lineText(static_cast<std::size_t>(
                                     air_->frames(air_->actions()[static_cast<std::size_t>(action_)])[row].line)))
                     .fields;
    }
    fields.time = 5;
    emitEdit(vantrel::insertFrame(air_->text(), action_, position, fields), tr("Insert Frame"), position);
}

void FramePanel::duplicateFrame()
{
    if (catchUp)
        catchUp();
    const int row = table->currentRow();
    if (air_ && row >= 0)
        emitEdit(vantrel::duplicateFrame(air_->text(), {action_, row}), tr("Duplicate Frame"), row + 1);
}

void FramePanel::deleteFrame()
{
    if (catchUp)
        catchUp();
    const int row = table->currentRow();
    if (air_ && row >= 0)
        emitEdit(vantrel::deleteFrame(air_->text(), {action_, row}), tr("Delete Frame"),
                 std::max(0, std::min(row, table->rowCount() - 2)));
}

void FramePanel::moveFrame(int delta)
{
    if (catchUp)
        catchUp();
    const int row = table->currentRow();
    if (!air_ || row < 0 || row + delta < 0 || row + delta >= table->rowCount())
        return;
    emitEdit(vantrel::moveFrame(air_->text(), {action_, row}, delta < 0 ? FrameMove::Up : FrameMove::Down),
             delta < 0 ? tr("Move Frame Up") : tr("Move Frame Down"), row + delta);
}

void FramePanel::copyFrames()
{
    if (catchUp)
        catchUp();
    const QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
    int first = table->currentRow();
    int count = 1;
    // The selected rows when the current one is among them, else the current one.
    if (!ranges.isEmpty() && first >= ranges.front().topRow() && first <= ranges.front().bottomRow()) {
        first = ranges.front().topRow();
        count = ranges.front().rowCount();
    }
    if (!air_ || first < 0)
        return;
    if (const auto copied = vantrel::copyFrames(air_->text(), action_, first, count))
        QApplication::clipboard()->setText(QString::fromStdString(*copied));
}

void FramePanel::pasteFrames()
{
    if (catchUp)
        catchUp();
    if (!air_ || action_ < 0)
        return;
    const std::string copied = QApplication::clipboard()->text().toStdString();
    const int row = table->currentRow();
    const int position = row < 0 ? table->rowCount() : row + 1;
    const auto pasted = vantrel::pasteFrames(air_->text(), action_, position, copied);
    if (!pasted) {
        emit refused(tr("The clipboard holds no frames to paste."));
        return;
    }
    emit edited(*pasted, tr("Paste Frames"), position);
}

void FramePanel::toggleLoopStart()
{
    if (catchUp)
        catchUp();
    const int row = table->currentRow();
    if (!air_ || row < 0)
        return;
    const AirAction& action = air_->actions()[static_cast<std::size_t>(action_)];
    if (action.loopStart == row)
        emitEdit(clearLoopStart(air_->text(), action_), tr("Clear Loop Start"), row);
    else
        emitEdit(setLoopStart(air_->text(), {action_, row}), tr("Set Loop Start"), row);
}

void FramePanel::takeCell(int row, int column, const QString& text)
{
    if (catchUp)
        catchUp();
    if (!air_ || action_ < 0 || row < 0 || row >= table->rowCount() || column < 0 || column >= kFrameFieldCount)
        return;
    const AirFrame& frame = air_->frames(air_->actions()[static_cast<std::size_t>(action_)])[row];
    const AirFrameReading current = readFrameFields(air_->lineText(static_cast<std::size_t>(frame.line)));
    // The typed text read in its place among the frame's other fields.
    auto texts = fieldTexts(current.fields);
    texts[static_cast<std::size_t>(column)] = text.trimmed().toStdString();
    std::string line;
    for (const std::string& t : texts)
        line += (line.empty() ? "" : ",") + t;
    const AirFrameReading typed = readFrameFields(line);
    const auto field = static_cast<FrameField>(column);
    if (text.contains(QLatin1Char(',')) || typed.isUnreadable(field) || typed.isOutOfRange(field)) {
        emit refused(tr("%1 cannot be \"%2\".").arg(columnName(static_cast<std::size_t>(column)), text));
        shownText_.clear(); // the cell shows the field as it is
        show(*air_, action_, row);
        return;
    }
    // Only the typed field changes; the others keep what the line has.
    AirFrameFields fields = current.fields;
    switch (field) {
    case FrameField::Group: fields.group = typed.fields.group; break;
    case FrameField::Image: fields.image = typed.fields.image; break;
    case FrameField::X: fields.x = typed.fields.x; break;
    case FrameField::Y: fields.y = typed.fields.y; break;
    case FrameField::Time: fields.time = typed.fields.time; break;
    case FrameField::Flip: fields.flip = typed.fields.flip; break;
    case FrameField::Blend: fields.blend = typed.fields.blend; break;
    case FrameField::ScaleX: fields.scaleX = typed.fields.scaleX; break;
    case FrameField::ScaleY: fields.scaleY = typed.fields.scaleY; break;
    case FrameField::Angle: fields.angle = typed.fields.angle; break;
    }
    if (fields == current.fields) {
        shownText_.clear(); // the cell shows the field as the line writes it
        show(*air_, action_, row);
        return;
    }
    emitEdit(setFrameFields(air_->text(), {action_, row}, fields),
             tr("Change %1").arg(columnName(static_cast<std::size_t>(column))), row);
}

} // namespace vantrel
