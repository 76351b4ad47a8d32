#pragma once
// The steps of the sprite table's history. Each is made with the change it
// stands for and makes it in redo(); it keeps what it takes away, the
// pictures included, so that going back and forth never needs the sprite
// tools.

#include "sprites/sprite_batch.h"
#include "sprites/sprite_list.h"

#include <QUndoCommand>

#include <optional>
#include <vector>

namespace vantrel {

class SpriteDocument;

// The same picture, numbers and axis, whatever the writing of the numbers.
bool sameSprite(const SpriteRecord& a, const SpriteRecord& b);

// Consecutive steps of one kind on one record may merge into one (typing a
// number digit by digit).
enum class SpriteEditKind { None = -1, Group = 1, Image, AxisX, AxisY };

class SpriteCommand : public QUndoCommand {
public:
    SpriteCommand(SpriteDocument& document, const QString& text);

protected:
    SpriteWorkspace& workspace();
    // After a change: the views show `row`.
    void changed(int row);

    SpriteDocument& document_;
};

// A record changed in place (its numbers, its axis, its picture) to `after`.
// `before` is the record as it was, when the view changed it already (the
// axis follows a drag as it goes); else the record as the step finds it.
class EditRecordCommand : public SpriteCommand {
public:
    EditRecordCommand(SpriteDocument& document, const QString& text, int row, SpriteRecord after,
                      SpriteEditKind kind = SpriteEditKind::None, std::optional<SpriteRecord> before = std::nullopt);
    void undo() override;
    void redo() override;
    int id() const override { return static_cast<int>(kind_); }
    bool mergeWith(const QUndoCommand* other) override;
    int row() const { return row_; }
    SpriteEditKind kind() const { return kind_; }

private:
    void put(const SpriteRecord& record);

    int row_;
    SpriteRecord before_, after_;
    SpriteEditKind kind_;
    std::vector<KeptPicture> pictures_;
};

// Records inserted as rows first .. first + n - 1 (an add); their pictures
// are in the workspace already.
class InsertRecordsCommand : public SpriteCommand {
public:
    InsertRecordsCommand(SpriteDocument& document, const QString& text, int first, std::vector<SpriteRecord> records);
    void undo() override;
    void redo() override;

private:
    int first_;
    std::vector<SpriteRecord> records_;
    std::vector<KeptPicture> pictures_;
};

// Deletes a row; undone, the record and its picture come back.
class DeleteRecordCommand : public SpriteCommand {
public:
    DeleteRecordCommand(SpriteDocument& document, int row);
    void undo() override;
    void redo() override;

private:
    int row_;
    SpriteRecord record_;
    KeptPicture picture_;
};

// Appends a copy of a row; the view stays on the row copied.
class CloneRecordCommand : public SpriteCommand {
public:
    CloneRecordCommand(SpriteDocument& document, int row);
    void undo() override;
    void redo() override;

private:
    int row_;
};

// Sorts the table; undone, every row goes back to its place. The view stays
// on the row number it showed.
class SortRecordsCommand : public SpriteCommand {
public:
    SortRecordsCommand(SpriteDocument& document, std::vector<int> order, int shownRow);
    void undo() override;
    void redo() override;

private:
    std::vector<int> order_;
    int shownRow_;
};

// A change of many sprites at once (sprite_batch.h): the whole table and the
// pictures it writes. Undone, the table comes back and every picture file
// written has its old bytes again (a file it made is removed).
class BatchEditCommand : public SpriteCommand {
public:
    BatchEditCommand(SpriteDocument& document, const QString& text, BatchEdit edit, int shownRow);
    void undo() override;
    void redo() override;

private:
    struct Picture {
        std::string path;
        std::optional<std::string> before; // nothing: there was no file
        std::string after;
    };
    void put(const std::vector<SpriteRecord>& records);

    std::vector<SpriteRecord> before_, after_;
    std::vector<Picture> pictures_;
    int shownRow_;
};

} // namespace vantrel
