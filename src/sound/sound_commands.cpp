#include "sound/sound_commands.h"

#include "sound/sound_document.h"

#include <QCoreApplication>

#include <utility>

namespace vantrel {

namespace {

// The name of a step in the Undo menu, in the user's language.
QString soundStepText(const char* text)
{
    return QCoreApplication::translate("SoundWindow", text);
}

} // namespace

SoundCommand::SoundCommand(SoundDocument& document, const QString& text) : document_(document)
{
    setText(text);
}

SoundEditor& SoundCommand::editor()
{
    return document_.editor();
}

void SoundCommand::changed()
{
    document_.bankChanged();
}

// --- delete --------------------------------------------------------------------

DeleteSampleCommand::DeleteSampleCommand(SoundDocument& document, int index)
        : SoundCommand(document, soundStepText(QT_TRANSLATE_NOOP("SoundWindow", "Delete Sound"))), index_(index)
{ }

void DeleteSampleCommand::undo()
{
    editor().restoreSample(deleted_);
    changed();
}

void DeleteSampleCommand::redo()
{
    editor().showSample(index_);
    deleted_ = editor().deleteCurrent();
    changed();
}

// --- add -----------------------------------------------------------------------

AddSamplesCommand::AddSamplesCommand(SoundDocument& document, std::vector<SoundSample> added)
        : SoundCommand(document,
                       soundStepText(added.size() > 1 ? QT_TRANSLATE_NOOP("SoundWindow", "Add Sounds")
                                                      : QT_TRANSLATE_NOOP("SoundWindow", "Add Sound"))),
          added_(std::move(added))
{ }

void AddSamplesCommand::undo()
{
    editor().removeLastSamples(static_cast<int>(added_.size()));
    changed();
}

void AddSamplesCommand::redo()
{
    editor().appendSamples(added_);
    // The new samples end the bank.
    editor().showSample(editor().count());
    changed();
}

// --- numbers -------------------------------------------------------------------

SampleNumberCommand::SampleNumberCommand(SoundDocument& document, int index, NumberField field, std::int32_t after)
        : SoundCommand(document,
                       soundStepText(field == NumberField::Group ? QT_TRANSLATE_NOOP("SoundWindow", "Group Number")
                                                                 : QT_TRANSLATE_NOOP("SoundWindow", "Sample Number"))),
          index_(index), field_(field), after_(after)
{
    const auto& samples = document.bank().samples;
    const SoundSample* sample = index >= 1 && index <= static_cast<int>(samples.size())
        ? &samples[static_cast<std::size_t>(index - 1)]
        : nullptr;
    before_ = !sample ? 0 : field == NumberField::Group ? sample->groupNumber : sample->sampleNumber;
}

void SampleNumberCommand::undo()
{
    editor().setSampleNumber(index_, field_, before_);
    changed();
}

void SampleNumberCommand::redo()
{
    editor().setSampleNumber(index_, field_, after_);
    changed();
}

// --- comment -------------------------------------------------------------------

CommentCommand::CommentCommand(SoundDocument& document, std::string after)
        : SoundCommand(document, soundStepText(QT_TRANSLATE_NOOP("SoundWindow", "Comment"))),
          before_(document.bank().comment), after_(std::move(after))
{ }

void CommentCommand::undo()
{
    editor().setComment(before_);
    changed();
}

void CommentCommand::redo()
{
    editor().setComment(after_);
    changed();
}

bool CommentCommand::mergeWith(const QUndoCommand* other)
{
    after_ = static_cast<const CommentCommand*>(other)->after_;
    setObsolete(after_ == before_);
    return true;
}

// --- the bank read again -------------------------------------------------------

ReplaceBankCommand::ReplaceBankCommand(SoundDocument& document, const QString& text, SoundBank bank)
        : SoundCommand(document, text), before_(document.bank()), after_(std::move(bank))
{ }

void ReplaceBankCommand::put(const SoundBank& bank)
{
    (void)editor().take(bank, editor().statusPath()); // a bank in hand always takes
    changed();
}

void ReplaceBankCommand::undo()
{
    put(before_);
}

void ReplaceBankCommand::redo()
{
    put(after_);
}

} // namespace vantrel
