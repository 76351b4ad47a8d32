#include "sound/sound_document.h"

#include "sound/sound_commands.h"
#include "ui/translations.h"

#include <QFile>
#include <QUndoStack>

namespace vantrel {

namespace msg = sound_messages;

SoundDocument::SoundDocument(QString fileName, QObject* parent)
        : Document(DocumentKind::Sounds, std::move(fileName), parent)
{
    connect(this, &Document::modifiedChanged, this, [this](bool modified) {
        editor_.setModified(modified);
        emit bankShown();
    });
    connect(this, &Document::fileNameChanged, this,
            [this](const QString& name) { editor_.setStatusPath(QFile::encodeName(name).toStdString()); });
}

std::unique_ptr<SoundDocument> makeSoundDocument(const QString& path)
{
    return std::make_unique<SoundDocument>(path);
}

Result<void> SoundDocument::readBytes(std::string bytes)
{
    return editor_.take(parseSndFile(bytes), QFile::encodeName(fileName()).toStdString());
}

QUndoCommand* SoundDocument::makeReplaceStep(std::string bytes, const QString& text, Failure& error)
{
    Result<SoundBank> read = parseSndFile(bytes);
    if (!read) {
        error = read.failure();
        return nullptr;
    }
    return new ReplaceBankCommand(*this, text, std::move(*read));
}

Result<void> SoundDocument::writeTo(const QString& target)
{
    return writeSndFile(QFile::encodeName(target).toStdString(), editor_.bank());
}

std::string SoundDocument::recoveryBytes() const
{
    return encodeSndFile(editor_.bank());
}

std::string SoundDocument::unsavedQuestion() const
{
    return translatedMessage(msg::kUnsaved).toStdString();
}

} // namespace vantrel
