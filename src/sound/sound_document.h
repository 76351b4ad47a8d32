#pragma once
// The character's sound bank as a document: the bank with the sound
// window's model of it (SoundEditor: the sample on show and the status
// texts), its history and its file. Every edit is a step on the document's
// stack (sound_commands.h).

#include "documents/document.h"
#include "sound/sound_editor.h"

#include <memory>

namespace vantrel {

class SoundDocument final : public Document {
    Q_OBJECT
public:
    explicit SoundDocument(QString fileName, QObject* parent = nullptr);

    SoundEditor& editor() { return editor_; }
    const SoundEditor& editor() const { return editor_; }
    const SoundBank& bank() const { return editor_.bank(); }

    // A step changed the bank: the views show it again.
    void bankChanged() { emit bankShown(); }

    std::string recoveryBytes() const override;
    std::string unsavedQuestion() const override;

signals:
    void bankShown();

protected:
    Result<void> readBytes(std::string bytes) override;
    bool allowsMissingFile() const override { return false; }
    QUndoCommand* makeReplaceStep(std::string bytes, const QString& text, Failure& error) override;
    Result<void> writeTo(const QString& target) override;

private:
    SoundEditor editor_;
};

// The sound window's document of a bank file.
std::unique_ptr<SoundDocument> makeSoundDocument(const QString& path);

} // namespace vantrel
