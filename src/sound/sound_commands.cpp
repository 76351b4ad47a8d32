#include "sound/sound_commands.h"

#include <utility>

namespace vantrel {

SoundCommand::SoundCommand(SoundEditor& editor, ShowSoundStep shown, const QString& text)
        : editor_(editor), shown_(std::move(shown))
{
    setText(text);
}

// --- delete --------------------------------------------------------------------

DeleteSampleCommand::DeleteSampleCommand(SoundEditor& editor, ShowSoundStep shown, int index)
        : SoundCommand(editor, std::move(shown), QStringLiteral("Delete Sound")), index_(index)
{ }

void DeleteSampleCommand::undo()
{
    editor_.restoreSample(deleted_);
    shown();
}

void DeleteSampleCommand::redo()
{
    editor_.showSample(index_);
    deleted_ = editor_.deleteCurrent();
    shown();
}

// --- add -----------------------------------------------------------------------

AddSamplesCommand::AddSamplesCommand(SoundEditor& editor, ShowSoundStep shown, std::vector<SoundSample> added)
        : SoundCommand(editor, std::move(shown),
                       added.size() > 1 ? QStringLiteral("Add Sounds") : QStringLiteral("Add Sound")),
          added_(std::move(added))
{
    done_ = true;
}

void AddSamplesCommand::undo()
{
    editor_.removeLastSamples(static_cast<int>(added_.size()));
    shown();
}

void AddSamplesCommand::redo()
{
    if (firstRedo())
        return;
    editor_.appendSamples(added_);
    shown();
}

// --- numbers -------------------------------------------------------------------

SampleNumberCommand::SampleNumberCommand(SoundEditor& editor, ShowSoundStep shown, int index, NumberField field,
                                         std::int32_t before, std::int32_t after)
        : SoundCommand(editor, std::move(shown),
                       field == NumberField::Group ? QStringLiteral("Group Number") : QStringLiteral("Sample Number")),
          index_(index), field_(field), before_(before), after_(after)
{
    done_ = true;
}

void SampleNumberCommand::undo()
{
    editor_.setSampleNumber(index_, field_, before_);
    shown();
}

void SampleNumberCommand::redo()
{
    if (firstRedo())
        return;
    editor_.setSampleNumber(index_, field_, after_);
    shown();
}

// --- comment -------------------------------------------------------------------

CommentCommand::CommentCommand(SoundEditor& editor, ShowSoundStep shown, std::string before, std::string after)
        : SoundCommand(editor, std::move(shown), QStringLiteral("Comment")), before_(std::move(before)),
          after_(std::move(after))
{
    done_ = true;
}

void CommentCommand::undo()
{
    editor_.setComment(before_);
    shown();
}

void CommentCommand::redo()
{
    if (firstRedo())
        return;
    editor_.setComment(after_);
    shown();
}

bool CommentCommand::mergeWith(const QUndoCommand* other)
{
    after_ = static_cast<const CommentCommand*>(other)->after_;
    setObsolete(after_ == before_);
    return true;
}

} // namespace vantrel
