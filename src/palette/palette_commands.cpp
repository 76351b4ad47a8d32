#include "palette/palette_commands.h"

#include <utility>

namespace vantrel {

PaletteChangeCommand::PaletteChangeCommand(PaletteEditor& editor, std::function<void()> shown, const QString& text,
                                           const Palette& before, int entry, int mergeId)
        : editor_(editor), shown_(std::move(shown)), before_(before), after_(editor.workingPalette), entry_(entry),
          mergeId_(mergeId)
{
    setText(text);
}

void PaletteChangeCommand::put(const Palette& palette)
{
    editor_.setPalette(palette, false);
    if (entry_ >= 0)
        editor_.selectIndex(entry_);
    if (shown_)
        shown_();
}

void PaletteChangeCommand::undo()
{
    put(before_);
}

void PaletteChangeCommand::redo()
{
    if (std::exchange(done_, false))
        return;
    put(after_);
}

bool PaletteChangeCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const PaletteChangeCommand*>(other);
    if (next->mergeId_ != mergeId_ || next->entry_ != entry_)
        return false;
    after_ = next->after_;
    // Typed back to the colour it had: no step at all.
    setObsolete(after_ == before_);
    return true;
}

} // namespace vantrel
