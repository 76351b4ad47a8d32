#pragma once
// The steps of a sound bank's history. Each is made with the change it
// stands for and makes it in redo(); it keeps what it takes away (a deleted
// sample's WAV image, a comment's bytes), so that a bank saved after undoing
// is the bank as it was.

#include "sound/sound_editor.h"

#include <QUndoCommand>

#include <utility>
#include <vector>

namespace vantrel {

class SoundDocument;

class SoundCommand : public QUndoCommand {
public:
    SoundCommand(SoundDocument& document, const QString& text);

protected:
    SoundEditor& editor();
    // After a change: the views show the bank again.
    void changed();

    SoundDocument& document_;
};

// Deletes sample `index`; undone, it comes back in its place.
class DeleteSampleCommand : public SoundCommand {
public:
    DeleteSampleCommand(SoundDocument& document, int index);
    void undo() override;
    void redo() override;

private:
    int index_;
    SoundEditor::DeletedSample deleted_;
};

// Samples appended to the bank (an add).
class AddSamplesCommand : public SoundCommand {
public:
    AddSamplesCommand(SoundDocument& document, std::vector<SoundSample> added);
    void undo() override;
    void redo() override;

private:
    std::vector<SoundSample> added_;
};

// A sample's group or sample number set to `after`.
class SampleNumberCommand : public SoundCommand {
public:
    SampleNumberCommand(SoundDocument& document, int index, NumberField field, std::int32_t after);
    void undo() override;
    void redo() override;

private:
    int index_;
    NumberField field_;
    std::int32_t before_, after_;
};

// The bank comment set to `after` (the field's bytes). Typing goes on in
// one step until another step comes between.
class CommentCommand : public SoundCommand {
public:
    CommentCommand(SoundDocument& document, std::string after);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    std::string before_, after_;
};

// The whole bank replaced by another (the file read again).
class ReplaceBankCommand : public SoundCommand {
public:
    ReplaceBankCommand(SoundDocument& document, const QString& text, SoundBank bank);
    void undo() override;
    void redo() override;

private:
    void put(const SoundBank& bank);

    SoundBank before_, after_;
};

} // namespace vantrel
