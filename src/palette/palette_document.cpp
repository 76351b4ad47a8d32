#include "palette/palette_document.h"

#include "formats/act.h"
#include "palette/palette_commands.h"

namespace vantrel {

PaletteDocument::PaletteDocument(QString fileName, QObject* parent)
        : Document(DocumentKind::Palette, std::move(fileName), parent)
{ }

std::unique_ptr<PaletteDocument> makePaletteDocument(const QString& path)
{
    return std::make_unique<PaletteDocument>(path);
}

void PaletteDocument::setPalette(const Palette& palette, int entry)
{
    palette_ = palette;
    emit paletteChanged(entry);
}

Result<void> PaletteDocument::readBytes(std::string bytes)
{
    const std::optional<Palette> read = paletteFromAct(bytes);
    if (!read)
        return Result<void>::failure(
            tr("%1 is not a palette: an ACT file holds 768 bytes.").arg(displayName()).toStdString());
    setPalette(*read, -1);
    return {};
}

QUndoCommand* PaletteDocument::makeReplaceStep(std::string bytes, const QString& text, Failure& error)
{
    const std::optional<Palette> read = paletteFromAct(bytes);
    if (!read) {
        error.message = tr("%1 is not a palette: an ACT file holds 768 bytes.").arg(displayName()).toStdString();
        return nullptr;
    }
    return new PaletteChangeCommand(*this, text, *read, -1);
}

std::string PaletteDocument::contentBytes() const
{
    return actBytes(palette_);
}

std::string PaletteDocument::recoveryBytes() const
{
    return actBytes(palette_);
}

std::string PaletteDocument::unsavedQuestion() const
{
    return tr("The palette has changed. Save it before it is dropped?").toStdString();
}

} // namespace vantrel
