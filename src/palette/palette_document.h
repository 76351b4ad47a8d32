#pragma once
// One of the character's ACT palettes as a document: its 256 colours, its
// history and its file. Every change of colour is a step on the document's
// stack (palette_commands.h).

#include "documents/document.h"
#include "formats/palette.h"

#include <memory>

namespace vantrel {

class PaletteDocument final : public Document {
    Q_OBJECT
public:
    explicit PaletteDocument(QString fileName, QObject* parent = nullptr);

    const Palette& palette() const { return palette_; }
    // Puts a palette in place (a step making its change); `entry` is the
    // colour it changed, -1 for the whole palette.
    void setPalette(const Palette& palette, int entry);

    std::string recoveryBytes() const override;
    std::string unsavedQuestion() const override;

signals:
    void paletteChanged(int entry);

protected:
    Result<void> readBytes(std::string bytes) override;
    bool allowsMissingFile() const override { return false; }
    QUndoCommand* makeReplaceStep(std::string bytes, const QString& text, Failure& error) override;
    std::string contentBytes() const override;

private:
    Palette palette_{};
};

std::unique_ptr<PaletteDocument> makePaletteDocument(const QString& path);

} // namespace vantrel
