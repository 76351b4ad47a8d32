#pragma once
// The step of a palette's history: a change of the palette, kept as the whole
// palette before and after (768 bytes each), made in redo().

#include "formats/palette.h"
#include "palette/palette_editor.h"

#include <QUndoCommand>

namespace vantrel {

class PaletteDocument;

class PaletteChangeCommand : public QUndoCommand {
public:
    // Consecutive typed changes of one channel of one entry merge into one
    // step; other changes never merge.
    static constexpr int kNoMerge = -1;
    static int typedMergeId(Channel channel) { return 1 + static_cast<int>(channel); }

    // The palette becomes `after`; `entry` is the colour changed, selected
    // again when the step is undone or done again (-1: the whole palette).
    PaletteChangeCommand(PaletteDocument& document, const QString& text, const Palette& after, int entry,
                         int mergeId = kNoMerge);

    void undo() override;
    void redo() override;
    int id() const override { return mergeId_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    PaletteDocument& document_;
    Palette before_, after_;
    int entry_;
    int mergeId_;
};

} // namespace vantrel
