#include "palette/palette_commands.h"

#include "palette/palette_document.h"

namespace vantrel {

PaletteChangeCommand::PaletteChangeCommand(PaletteDocument& document, const QString& text, const Palette& after,
                                           int entry, int mergeId)
        : document_(document), before_(document.palette()), after_(after), entry_(entry), mergeId_(mergeId)
{
    setText(text);
}

void PaletteChangeCommand::undo()
{
    document_.setPalette(before_, entry_);
}

void PaletteChangeCommand::redo()
{
    document_.setPalette(after_, entry_);
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
