#include "sprites/sprite_commands.h"

#include <utility>

namespace vantrel {

bool sameSprite(const SpriteRecord& a, const SpriteRecord& b)
{
    return a.pcxFile == b.pcxFile && a.group() == b.group() && a.imageNo() == b.imageNo() && a.axisX() == b.axisX()
        && a.axisY() == b.axisY();
}

SpriteCommand::SpriteCommand(SpriteWorkspace& ws, ShowSpriteRow show, const QString& text)
        : ws_(ws), show_(std::move(show)), generation_(ws.generation())
{
    setText(text);
}

void SpriteCommand::changed(int row)
{
    ws_.setModified(true);
    if (show_)
        show_(row);
}

// --- a record edited in place --------------------------------------------------

EditRecordCommand::EditRecordCommand(SpriteWorkspace& ws, ShowSpriteRow show, const QString& text, int row,
                                     SpriteRecord before, SpriteRecord after, SpriteEditKind kind)
        : SpriteCommand(ws, std::move(show), text), row_(row), before_(std::move(before)), after_(std::move(after)),
          kind_(kind)
{
    // A changed picture: both files are kept, whichever way the step goes.
    if (before_.pcxFile != after_.pcxFile)
        pictures_ = {keepPicture(ws_, before_.pcxFile), keepPicture(ws_, after_.pcxFile)};
}

void EditRecordCommand::put(const SpriteRecord& record)
{
    if (!sameTable() || row_ < 1 || row_ > ws_.count())
        return;
    for (const KeptPicture& picture : pictures_) {
        if (picture.pcxFile == record.pcxFile)
            restorePicture(ws_, picture);
    }
    ws_.record(row_) = record;
    changed(row_);
}

void EditRecordCommand::undo()
{
    put(before_);
}

void EditRecordCommand::redo()
{
    if (std::exchange(done_, false))
        return;
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

InsertRecordsCommand::InsertRecordsCommand(SpriteWorkspace& ws, ShowSpriteRow show, const QString& text, int first,
                                           std::vector<SpriteRecord> records)
        : SpriteCommand(ws, std::move(show), text), first_(first), records_(std::move(records))
{
    for (const SpriteRecord& record : records_)
        pictures_.push_back(keepPicture(ws_, record.pcxFile));
}

void InsertRecordsCommand::undo()
{
    if (!sameTable())
        return;
    for (int k = static_cast<int>(records_.size()) - 1; k >= 0; --k)
        deleteRecord(ws_, first_ + k);
    changed(first_ - 1);
}

void InsertRecordsCommand::redo()
{
    if (std::exchange(done_, false) || !sameTable())
        return;
    for (const KeptPicture& picture : pictures_)
        restorePicture(ws_, picture);
    int row = first_;
    for (const SpriteRecord& record : records_)
        insertRecord(ws_, row++, record);
    changed(row - 1);
}

// --- delete --------------------------------------------------------------------

DeleteRecordCommand::DeleteRecordCommand(SpriteWorkspace& ws, ShowSpriteRow show, int row)
        : SpriteCommand(ws, std::move(show), QStringLiteral("Delete Sprite")), row_(row), record_(ws.record(row)),
          picture_(keepPicture(ws, ws.record(row).pcxFile))
{ }

void DeleteRecordCommand::undo()
{
    if (!sameTable())
        return;
    restorePicture(ws_, picture_);
    insertRecord(ws_, row_, record_);
    changed(row_);
}

void DeleteRecordCommand::redo()
{
    if (!sameTable())
        return;
    deleteRecord(ws_, row_);
    changed(row_);
}

// --- clone ---------------------------------------------------------------------

CloneRecordCommand::CloneRecordCommand(SpriteWorkspace& ws, ShowSpriteRow show, int row)
        : SpriteCommand(ws, std::move(show), QStringLiteral("Clone Sprite")), row_(row)
{ }

void CloneRecordCommand::undo()
{
    if (!sameTable())
        return;
    deleteRecord(ws_, ws_.count());
    changed(row_);
}

void CloneRecordCommand::redo()
{
    if (!sameTable())
        return;
    cloneRecord(ws_, row_);
    changed(row_);
}

// --- sort ----------------------------------------------------------------------

SortRecordsCommand::SortRecordsCommand(SpriteWorkspace& ws, ShowSpriteRow show, std::vector<int> order, int shownRow)
        : SpriteCommand(ws, std::move(show), QStringLiteral("Sort Sprites")), order_(std::move(order)),
          shownRow_(shownRow)
{ }

void SortRecordsCommand::undo()
{
    if (!sameTable())
        return;
    revertOrder(ws_, order_);
    changed(shownRow_);
}

void SortRecordsCommand::redo()
{
    if (!sameTable())
        return;
    applyOrder(ws_, order_);
    changed(shownRow_);
}

} // namespace vantrel
