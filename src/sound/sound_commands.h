#pragma once
// The sound window's steps on its undo stack. Each wraps an edit of
// SoundEditor and keeps what it takes away (a deleted sample's WAV image, a
// comment's bytes), so that a bank saved after undoing is the bank as it was.

#include "sound/sound_editor.h"

#include <QUndoCommand>

#include <functional>
#include <utility>
#include <vector>

namespace vantrel {

// What a step asks of the window after it was undone or done again.
using ShowSoundStep = std::function<void()>;

class SoundCommand : public QUndoCommand {
public:
    SoundCommand(SoundEditor& editor, ShowSoundStep shown, const QString& text);

protected:
    void shown() const
    {
        if (shown_)
            shown_();
    }
    // The first redo of a step made after its edit does nothing.
    bool firstRedo() { return std::exchange(done_, false); }

    SoundEditor& editor_;
    bool done_ = false;

private:
    ShowSoundStep shown_;
};

// Deletes sample `index`; undone, it comes back in its place.
class DeleteSampleCommand : public SoundCommand {
public:
    DeleteSampleCommand(SoundEditor& editor, ShowSoundStep shown, int index);
    void undo() override;
    void redo() override;

private:
    int index_;
    SoundEditor::DeletedSample deleted_;
};

// Samples appended by an add; made after it.
class AddSamplesCommand : public SoundCommand {
public:
    AddSamplesCommand(SoundEditor& editor, ShowSoundStep shown, std::vector<SoundSample> added);
    void undo() override;
    void redo() override;

private:
    std::vector<SoundSample> added_;
};

// A sample's group or sample number changed; made after the change.
class SampleNumberCommand : public SoundCommand {
public:
    SampleNumberCommand(SoundEditor& editor, ShowSoundStep shown, int index, NumberField field, std::int32_t before,
                        std::int32_t after);
    void undo() override;
    void redo() override;

private:
    int index_;
    NumberField field_;
    std::int32_t before_, after_;
};

// The bank comment changed; made after the change. Typing goes on in one
// step until another step comes between.
class CommentCommand : public SoundCommand {
public:
    CommentCommand(SoundEditor& editor, ShowSoundStep shown, std::string before, std::string after);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    std::string before_, after_;
};

} // namespace vantrel
