#pragma once
// The sound editor's state without a window: the loaded bank, the sample on
// show, the modified flag and the status texts, and every edit the window
// offers. The window turns user events into these calls and shows the
// messages they return; a test drives the same calls.

#include "common/message.h"
#include "common/translatable.h"
#include "formats/snd_format.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

// A message for the user. An empty title means the application's own.
struct EditorMessage {
    EditorMessage() = default;
    EditorMessage(std::string text, std::string title, Message detail = {})
            : text(std::move(text)), title(std::move(title)), detail(std::move(detail))
    { }
    // A message with values (a file's name): `text` is its English.
    static EditorMessage composedOf(Message composed, std::string title, Message detail = {})
    {
        EditorMessage out(composed.english(), std::move(title), std::move(detail));
        out.composed = std::move(composed);
        return out;
    }

    std::string text; // in English; a message without values is translated as it stands
    std::string title;
    Message detail;   // the box's second text: which file and why
    Message composed; // the text, when it has values
    // Alike when they read alike in English, however their detail was made.
    bool operator==(const EditorMessage& other) const
    {
        return text == other.text && title == other.title && detail.english() == other.detail.english();
    }
};

namespace sound_messages {
inline const std::string kWarning = QT_TRANSLATE_NOOP("Messages", "Warning");
inline const std::string kSuccess = QT_TRANSLATE_NOOP("Messages", "Success");
inline const std::string& kNotSnd = kSndNotABank;
inline const std::string& kNoSoundFile = kSndUnreadable;
inline const std::string kNotWav = QT_TRANSLATE_NOOP("Messages", "This is not a valid WAV file. Choose another file.");
inline constexpr const char* kNamedNotWav =
    QT_TRANSLATE_NOOP("Messages", "%1 is not a valid WAV file. Choose another file.");
inline constexpr const char* kAddedNames = QT_TRANSLATE_NOOP("Messages", "Successfully added\n\n%1");
inline const std::string& kDiskFull = kSndDiskFull;
inline const std::string kSamplesWritten = QT_TRANSLATE_NOOP("Messages", "Samples written to disk");
inline const std::string kUnsaved = QT_TRANSLATE_NOOP("Messages", "You have unsaved changes. Do you want to save?");
inline const std::string kNoSoundCard = QT_TRANSLATE_NOOP("Messages", "There is no Sound Card on this system.");
inline const std::string kBadNumber = QT_TRANSLATE_NOOP("Messages", "Please type a whole number from 0 to 2147483647.");
inline const std::string kBankFull =
    QT_TRANSLATE_NOOP("Messages",
                      "The sound bank cannot take more samples: it holds at most 32767 "
                      "and must stay under 2 GB.");
} // namespace sound_messages

// The texts the sample controls show for one sample (or for none).
struct SampleTexts {
    std::string group = "0";
    std::string sample = "0";
    std::string length;
    std::string frequency;
    std::string format;
    std::string current = "0";
};

enum class NumberField { Group, Sample };

class SoundEditor {
public:
    // Loads a bank file. On failure (kNotSnd or kNoSoundFile) the window
    // stays without a bank.
    Result<void> open(const std::string& path);
    // The same for a bank already read from `path`.
    Result<void> take(Result<SoundBank> loaded, const std::string& path);
    // What a failed open shows: a file that is not a bank says so as a
    // warning, any other failure asks for a bank.
    // The detail names `path` and why it was refused: a bank refused by the
    // reader is read again to tell why.
    static EditorMessage openFailureMessage(const std::string& error, const std::string& path);

    const SoundBank& bank() const { return bank_; }
    // A bank is loaded, even an empty one: it can take samples and be saved.
    bool hasBank() const { return hasBank_; }
    int current() const { return current_; }
    int count() const { return bank_.soundCount(); }
    const SoundSample* currentSample() const;
    const std::string& statusPath() const { return statusPath_; }
    void setStatusPath(std::string path) { statusPath_ = std::move(path); }
    const std::string& statusState() const { return statusState_; }
    // The editing commands (all but Add, About and Exit) are available.
    bool editingEnabled() const { return editingEnabled_; }

    // The view: showBank shows sample 1 (or none when the bank is empty),
    // showSample makes sample i the current one (ignored when out of range).
    void showBank();
    void showSample(int i);
    SampleTexts sampleTexts(int i) const;
    std::string totalText() const;
    // The comment as the box shows it: up to its first zero byte, without
    // trailing spaces.
    std::string commentText() const;

    void enableEditing() { editingEnabled_ = true; }
    void disableEditing() { editingEnabled_ = false; }
    void clearBank();
    void deleteSample(int i);

    // What deleting a sample took away: the sample and the offsets of the
    // chain before, so that restoreSample puts the bank back byte for byte.
    struct DeletedSample {
        int index = 0; // 0: nothing was deleted
        SoundSample sample;
        std::vector<std::pair<std::int32_t, std::int32_t>> offsets; // header and next offset of each sample
    };
    // Delete the current sample (the last one empties the bank).
    DeletedSample deleteCurrent();
    // Puts a deleted sample back in its place and makes it the current one.
    void restoreSample(const DeletedSample& deleted);

    // Sets a sample's group or sample number, as a step of the history does.
    void setSampleNumber(int i, NumberField field, std::int32_t value);
    // Takes the last n samples away (an add undone), and appends samples
    // again (the add done again).
    void removeLastSamples(int n);
    void appendSamples(const std::vector<SoundSample>& samples);

    // The status text of a bank with changes not saved, or without.
    void setModified(bool modified);

    // Leaving a number box with `text`: what the box shows afterwards, and
    // the number the current sample takes (none when there is no sample).
    // Text that is no such number is refused with kBadNumber; the box then
    // shows the sample's number again. Nothing changes here.
    struct TypedNumber {
        std::string boxText;
        std::optional<std::int32_t> value;
    };
    Result<TypedNumber> validateNumber(const std::string& text) const;

    // A user's change of the comment text (bytes, cut or padded to 488).
    void setComment(std::string_view text);

    // Reads WAV files as new samples to append to the bank (appendSamples()
    // puts them in). One path: a refused file gives none. Several: they are
    // read in order up to the first refused one. The messages to show come
    // with them, in order. `progress`, when given, hears how many files are
    // read after each one.
    struct Imported {
        std::vector<SoundSample> samples;
        std::vector<EditorMessage> messages;
    };
    Imported importSamples(const std::vector<std::string>& paths,
                           const std::function<void(int added)>& progress = {}) const;

    // Saves the bank; ".snd" is appended unless the name already ends so
    // (in any letter case). The status then shows the path used. A failure's
    // message is shown as a warning.
    Result<void> saveBank(const std::string& chosenPath);

    // Writes the current sample's WAV image; ".wav" is appended as for banks.
    // Without a current sample nothing is written and the failure has no
    // message.
    Result<void> exportCurrent(const std::string& chosenPath);
    // Writes every sample into a folder under the names exportAllName gives.
    Result<void> exportAll(const std::string& directory);

    // The proposed name for the current sample: group and sample number each
    // with at least four digits ("00050012.wav").
    static std::string proposedSampleName(const std::string& groupText, const std::string& sampleText);
    // The name of sample n in a whole-bank export ("00030001.wav").
    static std::string exportAllName(int n, std::int32_t group, std::int32_t sample);
    // `path` with `extension` appended unless it already ends with it,
    // compared without regard to letter case.
    static std::string withExtension(const std::string& path, const std::string& extension);

private:
    enum class Import { Added, NotWav, BankFull };
    void markModified();
    static Import importWav(const std::string& bytes, std::int64_t header, int samples, SoundSample& sample);

    SoundBank bank_;
    bool hasBank_ = false;
    int current_ = 0;
    bool editingEnabled_ = false;
    std::string statusPath_;
    std::string statusState_;
};

// A number written with at least `width` digits ("0005", "-01", "200").
std::string zeroPadded(std::int64_t value, int width);

} // namespace vantrel
