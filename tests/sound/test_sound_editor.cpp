#include "sound/sound_editor.h"
#include "sound_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;
using namespace vantrel::test;
namespace msg = vantrel::sound_messages;

namespace {

struct SoundEditorTest : ::testing::Test {
    QTemporaryDir dir;
    SoundEditor editor;

    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    const SoundSample& sample(int i) const { return editor.bank().samples.at(static_cast<std::size_t>(i)); }

    // Opens a bank of n distinct samples: sample k has group k and a WAV of 10k bytes of sound.
    void openBank(int n)
    {
        std::vector<SubFile> subs;
        for (int k = 1; k <= n; ++k)
            subs.push_back({static_cast<std::uint32_t>(k), 0, makeWav(8000 * k, 1, 8, 10u * k)});
        writeFile(path("bank.snd"), makeBank(subs));
        ASSERT_TRUE(editor.open(path("bank.snd")));
    }

    // Every sub-file follows the one before it from offset 512 on.
    void expectChained() const
    {
        std::int32_t at = 512;
        for (const SoundSample& s : editor.bank().samples) {
            EXPECT_EQ(s.headerOffset, at);
            EXPECT_EQ(s.dataLength, static_cast<std::int32_t>(s.wavData.size()));
            at = s.headerOffset + 16 + s.dataLength;
            EXPECT_EQ(s.nextOffset, at);
        }
    }
};

// What Add does to a bank: the files read, the samples they give appended.
std::vector<EditorMessage> add(SoundEditor& editor, const std::vector<std::string>& paths)
{
    SoundEditor::Imported imported = editor.importSamples(paths);
    editor.appendSamples(imported.samples);
    return imported.messages;
}

} // namespace

TEST_F(SoundEditorTest, FailedOpensLeaveNoBank)
{
    const std::string bank = makeBank({{0, 0, makeWav(8000, 1, 8, 10)}});
    writeFile(path("not.snd"), std::string(bank).replace(11, 1, "X"));
    writeFile(path("cut.snd"), bank.substr(0, 540));
    const std::pair<std::string, EditorMessage> cases[] = {
        {path("missing.snd"),
         {msg::kNoSoundFile, "", path("missing.snd") + ": the file cannot be opened: No such file or directory"}},
        {"", {msg::kNoSoundFile, "", ": the file cannot be opened: No such file or directory"}},
        {path("not.snd"),
         {msg::kNotSnd, "Warning",
          path("not.snd") + ": the file does not start with the SND signature \"ElecbyteSnd\""}},
        {path("cut.snd"),
         {msg::kNoSoundFile, "",
          path("cut.snd") + ": the header's sound count, 1, is more than the 28 bytes after the header can hold"}},
    };
    for (const auto& [file, message] : cases) {
        openBank(2); // a failed open must not leave the bank before it behind
        const Result<void> opened = editor.open(file);
        EXPECT_EQ(opened.error(), message.text) << file;
        EXPECT_EQ(SoundEditor::openFailureMessage(opened.error(), file), message) << file;
        EXPECT_FALSE(editor.hasBank() || editor.editingEnabled() || editor.count() || editor.current()) << file;
        EXPECT_TRUE(add(editor, {path("bank.snd")}).empty()) << "Add must stay unavailable";
    }
}

TEST_F(SoundEditorTest, AddingOneWavToThreeThenDeletingSampleTwoOfFour)
{
    openBank(3);
    editor.showSample(3);
    const std::int32_t thirdNext = sample(2).nextOffset;
    const std::string added = makeWav(44100, 2, 16, 64);
    writeFile(path("new.wav"), added);

    EXPECT_TRUE(add(editor, {path("new.wav")}).empty());
    ASSERT_EQ(editor.count(), 4);
    EXPECT_EQ(sample(3).headerOffset, thirdNext);
    EXPECT_EQ(sample(3).groupNumber + sample(3).sampleNumber, 0);
    EXPECT_TRUE(sample(3).wavData == added);
    expectChained();
    EXPECT_EQ(editor.current(), 1);
    EXPECT_EQ(editor.statusState(), "Modified");

    const auto before = editor.bank().samples;
    editor.showSample(2);
    editor.deleteCurrent();
    ASSERT_EQ(editor.count(), 3);
    EXPECT_EQ(sample(0).nextOffset, before[0].nextOffset);
    EXPECT_EQ(sample(1).groupNumber, 3);
    EXPECT_TRUE(sample(2).wavData == added);
    expectChained();
    // The view stays in place: on the sample that moved up, then on the new last one.
    EXPECT_EQ(editor.current(), 2);
    editor.showSample(3);
    editor.deleteCurrent();
    EXPECT_EQ(editor.current(), 2);
}

TEST_F(SoundEditorTest, RefusedWavFilesAndTheStopAtTheFirstRefusedOne)
{
    openBank(1);
    writeFile(path("text.wav"), "just some text, not a sound at all");
    writeFile(path("short.wav"), makeWav(8000, 1, 8, 0).substr(0, 30)); // passes the WAV check, too short to read
    const std::pair<const char*, std::string> refused[] = {
        {"text.wav", "the file does not start with \"RIFF\" and the \"WAVEfmt\" header at byte 8"},
        {"short.wav", "the file is 30 bytes long, too short to give its format (36 bytes)"},
        {"absent.wav", "the file cannot be read"},
    };
    for (const auto& [name, why] : refused)
        EXPECT_EQ(add(editor, {path(name)}),
                  (std::vector<EditorMessage>{{msg::kNotWav, "Warning", path(name) + ": " + why}}))
            << name;
    EXPECT_EQ(editor.count(), 1);
    EXPECT_EQ(editor.statusState(), "");

    writeFile(path("a.wav"), makeWav(8000, 1, 8, 10));
    writeFile(path("c.wav"), makeWav(8000, 1, 8, 10));
    EXPECT_EQ(add(editor, {path("a.wav"), path("text.wav"), path("c.wav")}),
              (std::vector<EditorMessage>{{"text.wav is not a valid WAV file. Choose another file.", "Warning",
                                           path("text.wav") + ": " + refused[0].second},
                                          {"Successfully added\n\na.wav\n", "Warning"}}));
    EXPECT_EQ(editor.count(), 2);
    EXPECT_EQ(editor.statusState(), "Modified");

    EXPECT_TRUE(add(editor, {path("a.wav"), path("c.wav")}).empty()) << "all accepted: no summary";
    EXPECT_EQ(editor.count(), 4);
    expectChained();
}

TEST_F(SoundEditorTest, DeletingTheOnlySampleLeavesAnEmptyBankThatSavesAndOpens)
{
    openBank(1);
    editor.deleteCurrent();
    EXPECT_EQ(editor.count() + editor.current(), 0);
    EXPECT_TRUE(editor.hasBank());
    ASSERT_TRUE(editor.saveBank(path("empty.snd")));
    EXPECT_EQ(readFile(path("empty.snd")).size(), 512u);

    SoundEditor reopened;
    ASSERT_TRUE(reopened.open(path("empty.snd")));
    EXPECT_FALSE(reopened.editingEnabled());
    writeFile(path("one.wav"), makeWav(8000, 1, 8, 10));
    EXPECT_TRUE(add(reopened, {path("one.wav")}).empty());
    EXPECT_EQ(reopened.bank().samples.at(0).headerOffset, 512);
    EXPECT_TRUE(reopened.editingEnabled());
}

TEST_F(SoundEditorTest, NumberBoxRules)
{
    // text typed, then what the box shows after and the number the sample
    // takes, or nothing when the text is refused.
    const std::pair<std::string, std::optional<std::pair<std::string, std::int32_t>>> cases[] = {
        {"42", {{"42", 42}}},
        {"007", {{"007", 7}}},
        {"1", {{"1", 1}}},
        {"", {{"0", 0}}},
        {"2147483647", {{"2147483647", 2147483647}}},
        {"2147483648", {}},
        {"99999999999999999999", {}},
        {"12a", {}},
        {"-5", {}},
        {" 5", {}},
    };
    for (const auto& [text, taken] : cases) {
        openBank(2);
        const auto result = editor.validateNumber(text);
        ASSERT_EQ(result.ok(), taken.has_value()) << text;
        if (result) {
            EXPECT_EQ(result->boxText, taken->first) << text;
            EXPECT_EQ(result->value, taken->second) << text;
        } else {
            EXPECT_EQ(result.error(), msg::kBadNumber) << text;
        }
        EXPECT_EQ(sample(0).groupNumber, 1) << text << ": the check itself changes nothing";
    }
}

TEST_F(SoundEditorTest, SaveAndExportNames)
{
    const std::tuple<std::string, std::string, std::string> names[] = {
        {"/x/bank", ".snd", "/x/bank.snd"}, {"/x/BANK.Snd", ".snd", "/x/BANK.Snd"},
        {"/x/snd", ".snd", "/x/snd.snd"},   {"/x/a.snd.bak", ".snd", "/x/a.snd.bak.snd"},
        {"/x/s.WAV", ".wav", "/x/s.WAV"},
    };
    for (const auto& [chosen, extension, used] : names)
        EXPECT_EQ(SoundEditor::withExtension(chosen, extension), used);
    EXPECT_EQ(SoundEditor::proposedSampleName("5", "12"), "00050012.wav");
    EXPECT_EQ(SoundEditor::proposedSampleName("12345", "0"), "123450000.wav");
    EXPECT_EQ(SoundEditor::exportAllName(12, 200, 5), "001220005.wav");

    openBank(3);
    editor.setSampleNumber(1, NumberField::Group, 200);
    editor.showSample(3);
    ASSERT_TRUE(editor.exportCurrent(path("third")));
    EXPECT_TRUE(readFile(path("third.wav")) == sample(2).wavData);

    std::filesystem::create_directory(path("all"));
    ASSERT_TRUE(editor.exportAll(path("all")));
    for (const auto& [name, i] : {std::pair{"000120000.wav", 0}, {"00020200.wav", 1}, {"00030300.wav", 2}})
        EXPECT_TRUE(readFile(path("all/") + name) == sample(i).wavData) << name;
    EXPECT_FALSE(editor.exportAll(path("no/such/folder")).error().empty());
}

TEST_F(SoundEditorTest, CommentEditsAndFailedSaves)
{
    openBank(1);
    editor.setComment(std::string(600, 'x'));
    EXPECT_EQ(editor.bank().comment, std::string(488, 'x'));
    editor.setComment("Sounds for the hero");
    EXPECT_EQ(editor.commentText(), "Sounds for the hero");

    EXPECT_FALSE(editor.saveBank(path("missing/bank.snd")).error().empty());
    EXPECT_EQ(editor.statusPath(), path("bank.snd"));
    EXPECT_EQ(editor.statusState(), "Modified");
}

TEST_F(SoundEditorTest, DeletedSamplesComeBackByteForByte)
{
    // bank size, sample deleted, the last next offset as the file has it (-1: the file size)
    const std::tuple<int, int, std::int64_t> cases[] = {{3, 1, -1}, {3, 2, -1}, {3, 3, -1},
                                                        {3, 2, 0},  {1, 1, 0},  {1, 1, -1}};
    for (const auto& [count, index, lastNext] : cases) {
        SCOPED_TRACE(std::to_string(count) + " " + std::to_string(index) + " " + std::to_string(lastNext));
        std::vector<SubFile> subs;
        for (int k = 1; k <= count; ++k)
            subs.push_back({static_cast<std::uint32_t>(k), 7, makeWav(8000, 1, 8, 10u * k)});
        std::string file = makeBank(subs);
        if (lastNext >= 0)
            file.replace(file.size() - 16 - subs.back().wav.size(), 4, le(static_cast<std::uint64_t>(lastNext), 4));
        writeFile(path("bank.snd"), file);
        ASSERT_TRUE(editor.open(path("bank.snd")));

        editor.showSample(index);
        const SoundEditor::DeletedSample deleted = editor.deleteCurrent();
        ASSERT_EQ(deleted.index, index);
        EXPECT_EQ(editor.count(), count - 1);
        EXPECT_EQ(editor.editingEnabled(), count > 1);
        editor.restoreSample(deleted);
        EXPECT_EQ(editor.current(), index);
        EXPECT_TRUE(editor.editingEnabled());
        EXPECT_TRUE(encodeSndFile(editor.bank()) == file);
    }
    // Nothing to delete: nothing to put back.
    editor.clearBank();
    const SoundEditor::DeletedSample none = editor.deleteCurrent();
    EXPECT_EQ(none.index, 0);
    editor.restoreSample(none);
    EXPECT_EQ(editor.count(), 0);
}

TEST_F(SoundEditorTest, TheStepsOfTheHistoryOnTheModel)
{
    openBank(2);
    const std::string original = encodeSndFile(editor.bank());
    writeFile(path("a.wav"), makeTone(3));
    writeFile(path("b.wav"), makeTone(5));
    add(editor, {path("a.wav"), path("b.wav")});
    const std::vector<SoundSample> added(editor.bank().samples.begin() + 2, editor.bank().samples.end());
    const std::string withAdded = encodeSndFile(editor.bank());
    editor.removeLastSamples(2);
    EXPECT_TRUE(encodeSndFile(editor.bank()) == original);
    editor.appendSamples(added);
    EXPECT_TRUE(encodeSndFile(editor.bank()) == withAdded);
    editor.removeLastSamples(4); // all of them: an empty bank, still a bank
    EXPECT_EQ(std::tuple(editor.count(), editor.hasBank(), editor.editingEnabled()), std::tuple(0, true, false));
    editor.appendSamples(added);
    EXPECT_EQ(std::pair(editor.count(), editor.editingEnabled()), std::pair(2, true));

    editor.setSampleNumber(2, NumberField::Sample, 44);
    editor.setSampleNumber(1, NumberField::Group, 33);
    editor.setSampleNumber(3, NumberField::Group, 1); // no such sample
    EXPECT_EQ(std::tuple(sample(0).groupNumber, sample(1).sampleNumber, editor.current()), std::tuple(33, 44, 1));

    editor.setModified(false);
    EXPECT_EQ(editor.statusState(), "");
    editor.setModified(true);
    EXPECT_EQ(editor.statusState(), "Modified");
}
