#include "sprites/sprite_commands.h"

#include "sprites/sprite_document.h"

#include "common/text.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <utility>

namespace vantrel {

bool sameSprite(const SpriteRecord& a, const SpriteRecord& b)
{
    return a.pcxFile == b.pcxFile && a.group() == b.group() && a.imageNo() == b.imageNo() && a.axisX() == b.axisX()
        && a.axisY() == b.axisY();
}

SpriteCommand::SpriteCommand(SpriteDocument& document, const QString& text) : document_(document)
{
    setText(text);
}

SpriteWorkspace& SpriteCommand::workspace()
{
    return document_.workspace();
}

void SpriteCommand::changed(int row)
{
    document_.tableChanged(row);
}

// --- a record edited in place --------------------------------------------------

EditRecordCommand::EditRecordCommand(SpriteDocument& document, const QString& text, int row, SpriteRecord after,
                                     SpriteEditKind kind, std::optional<SpriteRecord> before)
        : SpriteCommand(document, text), row_(row),
          before_(before ? std::move(*before) : document.workspace().record(row)), after_(std::move(after)), kind_(kind)
{
    // A changed picture: both files are kept, whichever way the step goes.
    if (before_.pcxFile != after_.pcxFile)
        pictures_ = {keepPicture(workspace(), before_.pcxFile), keepPicture(workspace(), after_.pcxFile)};
}

void EditRecordCommand::put(const SpriteRecord& record)
{
    SpriteWorkspace& ws = workspace();
    if (row_ < 1 || row_ > ws.count())
        return;
    for (const KeptPicture& picture : pictures_) {
        if (picture.pcxFile == record.pcxFile)
            restorePicture(ws, picture);
    }
    ws.record(row_) = record;
    changed(row_);
}

void EditRecordCommand::undo()
{
    put(before_);
}

void EditRecordCommand::redo()
{
    put(after_);
}

bool EditRecordCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const EditRecordCommand*>(other);
    if (next->kind_ != kind_ || next->row_ != row_ || kind_ == SpriteEditKind::None)
        return false;
    after_ = next->after_;
    // Typed back to where it started: no step at all.
    setObsolete(sameSprite(before_, after_));
    return true;
}

// --- an add --------------------------------------------------------------------

InsertRecordsCommand::InsertRecordsCommand(SpriteDocument& document, const QString& text, int first,
                                           std::vector<SpriteRecord> records)
        : SpriteCommand(document, text), first_(first), records_(std::move(records))
{
    for (const SpriteRecord& record : records_)
        pictures_.push_back(keepPicture(workspace(), record.pcxFile));
}

void InsertRecordsCommand::undo()
{
    for (int k = static_cast<int>(records_.size()) - 1; k >= 0; --k)
        deleteRecord(workspace(), first_ + k);
    changed(first_ - 1);
}

void InsertRecordsCommand::redo()
{
    for (const KeptPicture& picture : pictures_)
        restorePicture(workspace(), picture);
    int row = first_;
    for (const SpriteRecord& record : records_)
        insertRecord(workspace(), row++, record);
    changed(row - 1);
}

// --- delete --------------------------------------------------------------------

DeleteRecordCommand::DeleteRecordCommand(SpriteDocument& document, int row)
        : SpriteCommand(document, QCoreApplication::translate("SpriteCommands", "Delete Sprite")), row_(row),
          record_(document.workspace().record(row)),
          picture_(keepPicture(document.workspace(), document.workspace().record(row).pcxFile))
{ }

void DeleteRecordCommand::undo()
{
    restorePicture(workspace(), picture_);
    insertRecord(workspace(), row_, record_);
    changed(row_);
}

void DeleteRecordCommand::redo()
{
    deleteRecord(workspace(), row_);
    changed(row_);
}

// --- clone ---------------------------------------------------------------------

CloneRecordCommand::CloneRecordCommand(SpriteDocument& document, int row)
        : SpriteCommand(document, QCoreApplication::translate("SpriteCommands", "Clone Sprite")), row_(row)
{ }

void CloneRecordCommand::undo()
{
    deleteRecord(workspace(), workspace().count());
    changed(row_);
}

void CloneRecordCommand::redo()
{
    cloneRecord(workspace(), row_);
    changed(row_);
}

// --- sort ----------------------------------------------------------------------

SortRecordsCommand::SortRecordsCommand(SpriteDocument& document, std::vector<int> order, int shownRow)
        : SpriteCommand(document, QCoreApplication::translate("SpriteCommands", "Sort Sprites")),
          order_(std::move(order)), shownRow_(shownRow)
{ }

void SortRecordsCommand::undo()
{
    revertOrder(workspace(), order_);
    changed(shownRow_);
}

void SortRecordsCommand::redo()
{
    applyOrder(workspace(), order_);
    changed(shownRow_);
}

// --- many at once ----------------------------------------------------------------

BatchEditCommand::BatchEditCommand(SpriteDocument& document, const QString& text, BatchEdit edit, int shownRow)
        : SpriteCommand(document, text), before_(document.workspace().records()), after_(std::move(edit.records)),
          shownRow_(shownRow)
{
    for (PictureWrite& write : edit.pictures) {
        SpriteRecord named;
        named.pcxFile = write.pcxFile;
        std::error_code ec;
        const std::string path = workspace().imagePath(named);
        pictures_.push_back(
            {path, std::filesystem::exists(path, ec) ? readFileBytes(path) : std::nullopt, std::move(write.bytes)});
    }
}

void BatchEditCommand::put(const std::vector<SpriteRecord>& records)
{
    workspace().records() = records;
    changed(std::min(shownRow_, workspace().count()));
}

void BatchEditCommand::undo()
{
    for (const Picture& picture : pictures_)
        document_.rewritePicture(picture.path, picture.before);
    put(before_);
}

void BatchEditCommand::redo()
{
    for (const Picture& picture : pictures_)
        document_.rewritePicture(picture.path, picture.after);
    put(after_);
}

} // namespace vantrel
