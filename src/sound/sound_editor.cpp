#include "sound_editor.h"

#include "common/paths.h"
#include "common/text.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <tuple>

namespace vantrel {

namespace msg = sound_messages;

namespace {

constexpr std::int64_t kMaxField = std::numeric_limits<std::int32_t>::max();

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The number a box holds, when its text is nothing but digits and fits a field.
std::optional<std::int32_t> boxNumber(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kMaxField)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::string joinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty() || directory.back() == '/')
        return directory + name;
    return directory + '/' + name;
}

} // namespace

std::string zeroPadded(std::int64_t value, int width)
{
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

Result<void> SoundEditor::open(const std::string& path)
{
    return take(loadSndFile(path), path);
}

Result<void> SoundEditor::take(Result<SoundBank> loaded, const std::string& path)
{
    statusPath_ = path;
    statusState_.clear();
    bank_ = SoundBank{};
    hasBank_ = false;
    current_ = 0;
    disableEditing();

    if (!loaded)
        return loaded.failure();

    bank_ = std::move(*loaded);
    hasBank_ = true;
    // A bank whose samples were all deleted is still a bank: it opens empty,
    // ready to take new samples.
    if (count() > 0)
        enableEditing();
    showBank();
    return {};
}

EditorMessage SoundEditor::openFailureMessage(const std::string& error, const std::string& path)
{
    // A failure that is not the reader's own (the file could not be opened
    // at all) tells its story in its message.
    Message detail(error.c_str());
    if (error == msg::kNotSnd || error == msg::kNoSoundFile) {
        Message why;
        if (!loadSndFile(path, &why))
            detail = {QT_TRANSLATE_NOOP("Messages", "%1: %2"), {path, why}};
    }
    if (error == msg::kNotSnd)
        return {msg::kNotSnd, msg::kWarning, std::move(detail)};
    return {msg::kNoSoundFile, {}, std::move(detail)};
}

const SoundSample* SoundEditor::currentSample() const
{
    if (current_ < 1 || current_ > count())
        return nullptr;
    return &bank_.samples[static_cast<std::size_t>(current_ - 1)];
}

void SoundEditor::showBank()
{
    current_ = count() > 0 ? 1 : 0;
}

void SoundEditor::showSample(int i)
{
    if (i >= 1 && i <= count())
        current_ = i;
}

SampleTexts SoundEditor::sampleTexts(int i) const
{
    SampleTexts texts;
    if (i < 1 || i > count())
        return texts;
    const SoundSample& s = bank_.samples[static_cast<std::size_t>(i - 1)];
    texts.group = std::to_string(s.groupNumber);
    texts.sample = std::to_string(s.sampleNumber);
    texts.length = lengthText(s);
    texts.frequency = frequencyText(s);
    texts.format = formatText(s);
    texts.current = formatNumber(i);
    return texts;
}

std::string SoundEditor::totalText() const
{
    return count() > 0 ? formatNumber(count()) : std::string("0");
}

std::string SoundEditor::commentText() const
{
    std::string_view text = bank_.comment;
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

void SoundEditor::clearBank()
{
    bank_.samples.clear();
    current_ = 0;
    disableEditing();
}

void SoundEditor::deleteSample(int i)
{
    auto& samples = bank_.samples;
    if (i < 1 || i > count())
        return;
    // Later samples move up one place; each moved sample's sub-file starts
    // where the one before it now ends.
    for (std::size_t k = static_cast<std::size_t>(i - 1); k + 1 < samples.size(); ++k) {
        SoundSample& here = samples[k];
        SoundSample& next = samples[k + 1];
        here.dataLength = next.dataLength;
        here.groupNumber = next.groupNumber;
        here.sampleNumber = next.sampleNumber;
        here.wavData = std::move(next.wavData);
        here.sampleRate = next.sampleRate;
        here.bitsPerSample = next.bitsPerSample;
        here.channels = next.channels;
        here.nextOffset = here.headerOffset + static_cast<std::int32_t>(kSndSubHeaderSize) + here.dataLength;
        next.headerOffset = here.nextOffset;
    }
    samples.pop_back();
    // The view stays where it was: on the sample that took the deleted one's
    // place, or on the new last one.
    current_ = std::min(i, count());
}

SoundEditor::DeletedSample SoundEditor::deleteCurrent()
{
    DeletedSample deleted;
    if (count() == 0 || current_ < 1 || current_ > count())
        return deleted;
    deleted.index = current_;
    deleted.sample = bank_.samples[static_cast<std::size_t>(current_ - 1)];
    for (const SoundSample& s : bank_.samples)
        deleted.offsets.emplace_back(s.headerOffset, s.nextOffset);
    if (count() != 1)
        deleteSample(current_);
    else
        clearBank();
    markModified();
    return deleted;
}

void SoundEditor::restoreSample(const DeletedSample& deleted)
{
    auto& samples = bank_.samples;
    if (deleted.index < 1 || deleted.index > count() + 1 || deleted.offsets.size() != samples.size() + 1)
        return;
    samples.insert(samples.begin() + (deleted.index - 1), deleted.sample);
    for (std::size_t k = 0; k < samples.size(); ++k)
        std::tie(samples[k].headerOffset, samples[k].nextOffset) = deleted.offsets[k];
    enableEditing();
    current_ = deleted.index;
    markModified();
}

void SoundEditor::setSampleNumber(int i, NumberField field, std::int32_t value)
{
    if (i < 1 || i > count())
        return;
    SoundSample& s = bank_.samples[static_cast<std::size_t>(i - 1)];
    (field == NumberField::Group ? s.groupNumber : s.sampleNumber) = value;
    current_ = i;
    markModified();
}

void SoundEditor::removeLastSamples(int n)
{
    for (; n > 0 && count() > 0; --n)
        bank_.samples.pop_back();
    if (count() == 0)
        clearBank();
    showBank();
    markModified();
}

void SoundEditor::appendSamples(const std::vector<SoundSample>& samples)
{
    if (samples.empty())
        return;
    bank_.samples.insert(bank_.samples.end(), samples.begin(), samples.end());
    enableEditing();
    showBank();
    markModified();
}

void SoundEditor::markModified()
{
    setModified(true);
}

void SoundEditor::setModified(bool modified)
{
    if (modified)
        statusState_ = QT_TRANSLATE_NOOP("Messages", "Modified");
    else
        statusState_.clear();
}

Result<SoundEditor::TypedNumber> SoundEditor::validateNumber(const std::string& text) const
{
    const SoundSample* sample = currentSample();
    if (text.empty())
        return TypedNumber{"0", sample ? std::optional<std::int32_t>(0) : std::nullopt};
    if (!sample)
        return TypedNumber{text, std::nullopt};
    const auto value = boxNumber(text);
    if (!value)
        return Result<TypedNumber>::failure(msg::kBadNumber);
    return TypedNumber{text, *value};
}

void SoundEditor::setComment(std::string_view text)
{
    bank_.setComment(text);
    markModified();
}

SoundEditor::Imported SoundEditor::importSamples(const std::vector<std::string>& paths,
                                                 const std::function<void(int added)>& progress) const
{
    Imported imported;
    if (paths.empty() || !hasBank_)
        return imported;

    std::int64_t header = bank_.samples.empty() ? static_cast<std::int64_t>(kSndHeaderSize)
                                                : static_cast<std::int64_t>(bank_.samples.back().nextOffset);
    Message why; // why the last file refused was no WAV file
    auto importFile = [this, &imported, &header, &why](const std::string& path) {
        const auto bytes = readFileBytes(path);
        const auto fault = bytes ? wavFault(*bytes) : Message(QT_TRANSLATE_NOOP("Messages", "the file cannot be read"));
        why = {QT_TRANSLATE_NOOP("Messages", "%1: %2"), {path, fault.value_or(Message())}};
        if (!bytes)
            return Import::NotWav;
        SoundSample s;
        const Import result = importWav(*bytes, header, count() + static_cast<int>(imported.samples.size()), s);
        if (result == Import::Added) {
            header = s.nextOffset;
            imported.samples.push_back(std::move(s));
        }
        return result;
    };

    if (paths.size() == 1) {
        const Import result = importFile(paths.front());
        if (result == Import::NotWav)
            imported.messages.push_back({msg::kNotWav, msg::kWarning, why});
        else if (result == Import::BankFull)
            imported.messages.push_back({msg::kBankFull, msg::kWarning});
    } else {
        std::string names;
        for (const std::string& path : paths) {
            const Import result = importFile(path);
            if (result != Import::Added) {
                if (result == Import::BankFull)
                    imported.messages.push_back({msg::kBankFull, msg::kWarning});
                else
                    imported.messages.push_back(
                        EditorMessage::composedOf(Message(msg::kNamedNotWav, {fileNameOf(path)}), msg::kWarning, why));
                imported.messages.push_back(
                    EditorMessage::composedOf(Message(msg::kAddedNames, {names}), msg::kWarning));
                break;
            }
            names += fileNameOf(path) + "\n";
            if (progress)
                progress(static_cast<int>(imported.samples.size()));
        }
    }
    return imported;
}

// A WAV image as a new sample numbered group 0, sample 0, whose sub-file
// starts at `header` of a bank holding `samples` samples: refused when the
// image is not a WAV, is too short to give its format, or the bank has no
// room for it.
SoundEditor::Import SoundEditor::importWav(const std::string& bytes, std::int64_t header, int samples, SoundSample& s)
{
    if (!isWavFile(bytes) || !readWavInfo(bytes, s))
        return Import::NotWav;
    if (samples >= kSndMaxSoundCount)
        return Import::BankFull;
    const std::int64_t next = header + static_cast<std::int64_t>(kSndSubHeaderSize + bytes.size());
    if (next > kMaxField)
        return Import::BankFull;
    s.headerOffset = static_cast<std::int32_t>(header);
    s.dataLength = static_cast<std::int32_t>(bytes.size());
    s.nextOffset = static_cast<std::int32_t>(next);
    s.wavData = bytes;
    return Import::Added;
}

std::string SoundEditor::withExtension(const std::string& path, const std::string& extension)
{
    if (path.size() >= extension.size() && upper(path.substr(path.size() - extension.size())) == upper(extension))
        return path;
    return path + extension;
}

Result<void> SoundEditor::saveBank(const std::string& chosenPath)
{
    std::string path = withExtension(chosenPath, ".snd");
    Result<void> written = writeSndFile(path, bank_);
    if (!written)
        return written;
    statusPath_ = std::move(path);
    statusState_.clear();
    return {};
}

Result<void> SoundEditor::exportCurrent(const std::string& chosenPath)
{
    const SoundSample* sample = currentSample();
    if (!sample)
        return Result<void>::failure({});
    return writeSoundFile(withExtension(chosenPath, ".wav"), sample->wavData);
}

Result<void> SoundEditor::exportAll(const std::string& directory)
{
    for (int n = 1; n <= count(); ++n) {
        const SoundSample& s = bank_.samples[static_cast<std::size_t>(n - 1)];
        Result<void> written =
            writeSoundFile(joinPath(directory, exportAllName(n, s.groupNumber, s.sampleNumber)), s.wavData);
        if (!written)
            return written;
    }
    return {};
}

std::string SoundEditor::proposedSampleName(const std::string& groupText, const std::string& sampleText)
{
    return zeroPadded(numericValue(groupText), 4) + zeroPadded(numericValue(sampleText), 4) + ".wav";
}

std::string SoundEditor::exportAllName(int n, std::int32_t group, std::int32_t sample)
{
    return zeroPadded(n, 4) + zeroPadded(group, 2) + zeroPadded(sample, 2) + ".wav";
}

} // namespace vantrel
