#pragma once
// The palette window's steps on its undo stack: a change of the palette being
// edited, kept as the whole palette before and after (768 bytes each).

#include "palette/palette_editor.h"

#include <QUndoCommand>

#include <functional>

namespace vantrel {

class PaletteChangeCommand : public QUndoCommand {
public:
    // Consecutive typed changes of one channel of one entry merge into one
    // step; other changes never merge.
    static constexpr int kNoMerge = -1;
    static int typedMergeId(Channel channel) { return 1 + static_cast<int>(channel); }

    // Made after the change, from the palette before it: the first redo does
    // nothing. `entry` is the colour changed, selected again when the step is
    // undone or done again (-1: the whole palette). `shown` refreshes the window.
    PaletteChangeCommand(PaletteEditor& editor, std::function<void()> shown, const QString& text, const Palette& before,
                         int entry, int mergeId = kNoMerge);

    void undo() override;
    void redo() override;
    int id() const override { return mergeId_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void put(const Palette& palette);

    PaletteEditor& editor_;
    std::function<void()> shown_;
    Palette before_, after_;
    int entry_;
    int mergeId_;
    bool done_ = true;
};

} // namespace vantrel
