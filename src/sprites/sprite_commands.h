#pragma once
// The sprite window's steps on its undo stack. Each wraps operations of the
// record list (sprite_list.h) and keeps what it takes away, the pictures
// included, so that going back and forth never needs the sprite tools. A step
// belongs to the table it was made on: once another character replaced the
// table, it does nothing.

#include "sprites/sprite_list.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

namespace vantrel {

// What a step asks of the window after it was undone or done again: show
// this row (clamped to the table).
using ShowSpriteRow = std::function<void(int row)>;

// The same picture, numbers and axis, whatever the writing of the numbers.
bool sameSprite(const SpriteRecord& a, const SpriteRecord& b);

// Consecutive steps of one kind on one record may merge into one (typing a
// number digit by digit).
enum class SpriteEditKind { None = -1, Group = 1, Image, AxisX, AxisY };

class SpriteCommand : public QUndoCommand {
public:
    SpriteCommand(SpriteWorkspace& ws, ShowSpriteRow show, const QString& text);

protected:
    // The table is still the one the step was made on.
    bool sameTable() const { return ws_.generation() == generation_; }
    // After a change: the table has edits, and the window shows `row`.
    void changed(int row);

    SpriteWorkspace& ws_;

private:
    ShowSpriteRow show_;
    unsigned generation_;
};

// A record edited in place (its numbers, its axis, its picture): the record
// before and after. Made after the edit, so that the first redo does nothing.
class EditRecordCommand : public SpriteCommand {
public:
    EditRecordCommand(SpriteWorkspace& ws, ShowSpriteRow show, const QString& text, int row, SpriteRecord before,
                      SpriteRecord after, SpriteEditKind kind = SpriteEditKind::None);
    void undo() override;
    void redo() override;
    int id() const override { return static_cast<int>(kind_); }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void put(const SpriteRecord& record);

    int row_;
    SpriteRecord before_, after_;
    SpriteEditKind kind_;
    std::vector<KeptPicture> pictures_;
    bool done_ = true;
};

// Records inserted as rows first .. first + n - 1 (an add). Made after the
// insertion.
class InsertRecordsCommand : public SpriteCommand {
public:
    InsertRecordsCommand(SpriteWorkspace& ws, ShowSpriteRow show, const QString& text, int first,
                         std::vector<SpriteRecord> records);
    void undo() override;
    void redo() override;

private:
    int first_;
    std::vector<SpriteRecord> records_;
    std::vector<KeptPicture> pictures_;
    bool done_ = true;
};

// Deletes a row; undone, the record and its picture come back.
class DeleteRecordCommand : public SpriteCommand {
public:
    DeleteRecordCommand(SpriteWorkspace& ws, ShowSpriteRow show, int row);
    void undo() override;
    void redo() override;

private:
    int row_;
    SpriteRecord record_;
    KeptPicture picture_;
};

// Appends a copy of a row; the window stays on the row copied.
class CloneRecordCommand : public SpriteCommand {
public:
    CloneRecordCommand(SpriteWorkspace& ws, ShowSpriteRow show, int row);
    void undo() override;
    void redo() override;

private:
    int row_;
};

// Sorts the table; undone, every row goes back to its place. The window
// stays on the row number it showed.
class SortRecordsCommand : public SpriteCommand {
public:
    SortRecordsCommand(SpriteWorkspace& ws, ShowSpriteRow show, std::vector<int> order, int shownRow);
    void undo() override;
    void redo() override;

private:
    std::vector<int> order_;
    int shownRow_;
};

} // namespace vantrel
