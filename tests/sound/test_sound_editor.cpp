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

    // Opens a bank of n distinct samples: sample k has group k and a WAV of 10k bytes of sound.
    void openBank(int n)
    {
        std::vector<SubFile> subs;
        for (int k = 1; k <= n; ++k)
            subs.push_back({static_cast<std::uint32_t>(k), 0, makeWav(8000 * k, 1, 8, 10u * k)});
        writeFile(path("bank.snd"), makeBank(subs));
        ASSERT_TRUE(editor.open(path("bank.snd")).loaded);
    }

    void expectChained() const
    {
        std::int32_t at = 512;
        for (const SoundSample& s : editor.bank().Samples) {
            EXPECT_EQ(s.HeaderOffset, at);
            EXPECT_EQ(s.DataLength, static_cast<std::int32_t>(s.WavData.size()));
            at = s.HeaderOffset + 16 + s.DataLength;
            EXPECT_EQ(s.NextOffset, at);
        }
    }
};

} // namespace

TEST_F(SoundEditorTest, OpensARealBankOnItsFirstSample)
{
    const std::string bank = realchars("winmugen-kfm/kfm.snd");
    const auto result = editor.open(bank);
    ASSERT_TRUE(result.loaded);
    EXPECT_TRUE(editor.editingEnabled());
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.statusPath(), bank);
    EXPECT_EQ(editor.statusState(), "");
    EXPECT_EQ(editor.current(), 1);
    EXPECT_EQ(editor.totalText(), " 12");
    EXPECT_EQ(editor.commentText(), ""); // the comment area is all zero bytes

    const SampleTexts first = editor.sampleTexts(1);
    EXPECT_EQ(first.group, "0");
    EXPECT_EQ(first.length, " 1042");
    EXPECT_EQ(first.frequency, " 8000 kHz");
    EXPECT_EQ(first.format, " 8 bit - Mono");
    EXPECT_EQ(first.current, " 1");
    EXPECT_EQ(editor.sampleTexts(12).group, "800");
}

TEST_F(SoundEditorTest, FailedOpensLeaveNoBank)
{
    std::string notSnd = makeBank({{0, 0, makeWav(8000, 1, 8, 10)}});
    notSnd[11] = 'X';
    writeFile(path("not.snd"), notSnd);
    writeFile(path("cut.snd"), makeBank({{0, 0, makeWav(8000, 1, 8, 10)}}).substr(0, 540));
    struct Case {
        std::string file;
        EditorMessage message;
    };
    const Case cases[] = {
        {path("missing.snd"), {msg::kNoSoundFile, ""}},
        {"", {msg::kNoSoundFile, ""}},
        {path("not.snd"), {msg::kNotSnd, "Warning"}},
        {path("cut.snd"), {msg::kNoSoundFile, ""}},
    };
    for (const Case& c : cases) {
        openBank(2); // a loaded bank first: a failed open must not leave it behind
        const auto result = editor.open(c.file);
        EXPECT_FALSE(result.loaded) << c.file;
        EXPECT_EQ(result.message, c.message) << c.file;
        EXPECT_FALSE(editor.hasBank());
        EXPECT_FALSE(editor.editingEnabled());
        EXPECT_EQ(editor.count(), 0);
        EXPECT_EQ(editor.current(), 0);
        EXPECT_TRUE(editor.AddSamples({path("bank.snd")}).empty()) << "Add must stay unavailable";
    }
}

TEST_F(SoundEditorTest, AddingOneWavToThreeSamplesChainsItAtTheEnd)
{
    openBank(3);
    editor.ShowSample(3);
    const std::int32_t thirdNext = editor.bank().Samples[2].NextOffset;
    const std::string added = makeWav(44100, 2, 16, 64);
    writeFile(path("new.wav"), added);

    EXPECT_TRUE(editor.AddSamples({path("new.wav")}).empty());
    ASSERT_EQ(editor.count(), 4);
    const SoundSample& s = editor.bank().Samples[3];
    EXPECT_EQ(s.HeaderOffset, thirdNext);
    EXPECT_EQ(s.GroupNo, 0);
    EXPECT_EQ(s.SampleNo, 0);
    EXPECT_TRUE(s.WavData == added);
    EXPECT_EQ(s.SampleRate, 44100);
    expectChained();
    EXPECT_EQ(editor.current(), 1);
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.statusState(), "Modified");
}

TEST_F(SoundEditorTest, RefusedWavFilesLeaveTheBankAsItWas)
{
    openBank(2);
    writeFile(path("text.wav"), "just some text, not a sound at all");
    writeFile(path("short.wav"), makeWav(8000, 1, 8, 0).substr(0, 30)); // passes the WAV check, too short to read
    for (const char* name : {"text.wav", "short.wav", "absent.wav"}) {
        const auto messages = editor.AddSamples({path(name)});
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(messages[0], (EditorMessage{msg::kNotWav, "Warning"})) << name;
        EXPECT_EQ(editor.count(), 2) << name;
        EXPECT_FALSE(editor.modified()) << name;
    }
}

TEST_F(SoundEditorTest, SeveralFilesStopAtTheFirstRefusedOne)
{
    openBank(1);
    writeFile(path("a.wav"), makeWav(8000, 1, 8, 10));
    writeFile(path("b.txt"), "not a wav");
    writeFile(path("c.wav"), makeWav(8000, 1, 8, 10));

    const auto messages = editor.AddSamples({path("a.wav"), path("b.txt"), path("c.wav")});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], (EditorMessage{"b.txt is not a valid WAV file. Choose another file.", "Warning"}));
    EXPECT_EQ(messages[1], (EditorMessage{"Successfully added\n\na.wav\n", "Warning"}));
    EXPECT_EQ(editor.count(), 2);
    EXPECT_TRUE(editor.modified());

    // All accepted: no summary.
    EXPECT_TRUE(editor.AddSamples({path("a.wav"), path("c.wav")}).empty());
    EXPECT_EQ(editor.count(), 4);
    expectChained();
}

TEST_F(SoundEditorTest, DeletingSampleTwoOfFourMovesTheRestUp)
{
    openBank(4);
    const auto before = editor.bank().Samples;
    editor.ShowSample(2);
    editor.deleteCurrent();

    ASSERT_EQ(editor.count(), 3);
    EXPECT_EQ(editor.bank().Samples[0].NextOffset, before[0].NextOffset); // samples before it keep their place
    EXPECT_EQ(editor.bank().Samples[1].GroupNo, 3);
    EXPECT_EQ(editor.bank().Samples[2].GroupNo, 4);
    EXPECT_TRUE(editor.bank().Samples[2].WavData == before[3].WavData);
    EXPECT_EQ(editor.bank().Samples[1].SampleRate, before[2].SampleRate);
    expectChained();
    EXPECT_EQ(editor.current(), 1);
    EXPECT_EQ(editor.statusState(), "Modified");

    // What is saved opens again as the same three samples.
    ASSERT_TRUE(editor.saveBank(path("after")).ok);
    SoundEditor reopened;
    ASSERT_TRUE(reopened.open(path("after.snd")).loaded);
    ASSERT_EQ(reopened.count(), 3);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(reopened.bank().Samples[k].WavData == editor.bank().Samples[k].WavData);
}

TEST_F(SoundEditorTest, DeletingTheOnlySampleLeavesAnEmptyBankThatSavesAndOpens)
{
    openBank(1);
    editor.deleteCurrent();
    EXPECT_EQ(editor.count(), 0);
    EXPECT_EQ(editor.current(), 0);
    EXPECT_EQ(editor.totalText(), "0");
    EXPECT_FALSE(editor.editingEnabled());
    EXPECT_TRUE(editor.hasBank());
    EXPECT_TRUE(editor.modified());

    const auto saved = editor.saveBank(path("empty.snd"));
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(readFile(path("empty.snd")).size(), 512u);
    EXPECT_FALSE(editor.modified());

    SoundEditor reopened;
    ASSERT_TRUE(reopened.open(path("empty.snd")).loaded);
    EXPECT_EQ(reopened.count(), 0);
    EXPECT_FALSE(reopened.editingEnabled());
    writeFile(path("one.wav"), makeWav(8000, 1, 8, 10));
    EXPECT_TRUE(reopened.AddSamples({path("one.wav")}).empty());
    EXPECT_EQ(reopened.bank().Samples.at(0).HeaderOffset, 512);
    EXPECT_TRUE(reopened.editingEnabled());
}

TEST_F(SoundEditorTest, NumberBoxRules)
{
    for (char key : std::string("0123456789\b"))
        EXPECT_TRUE(SoundEditor::acceptsNumberKey(key)) << int(key);
    for (char key : std::string("-+ a.\r\x16"))
        EXPECT_FALSE(SoundEditor::acceptsNumberKey(key)) << int(key);

    struct Case {
        std::string text;
        std::string box;
        std::int32_t group;
        bool refused;
    };
    const Case cases[] = {
        {"42", "42", 42, false},
        {"007", "007", 7, false},
        {"1", "1", 1, false}, // unchanged still marks the bank modified
        {"", "0", 0, false},
        {"2147483647", "2147483647", 2147483647, false},
        {"2147483648", "1", 1, true},
        {"99999999999999999999", "1", 1, true},
        {"12a", "1", 1, true},
        {"-5", "1", 1, true},
        {" 5", "1", 1, true},
    };
    for (const Case& c : cases) {
        openBank(2);
        ASSERT_EQ(editor.bank().Samples[0].GroupNo, 1);
        const auto result = editor.validateNumber(NumberField::Group, c.text);
        EXPECT_EQ(result.boxText, c.box) << c.text;
        EXPECT_EQ(editor.bank().Samples[0].GroupNo, c.group) << c.text;
        EXPECT_EQ(editor.bank().Samples[0].SampleNo, 0) << c.text;
        EXPECT_EQ(result.refusal.has_value(), c.refused) << c.text;
        EXPECT_EQ(editor.modified(), !c.refused) << c.text;
    }
    openBank(2);
    editor.ShowSample(2);
    editor.validateNumber(NumberField::Sample, "77");
    EXPECT_EQ(editor.bank().Samples[1].SampleNo, 77);
    EXPECT_EQ(editor.bank().Samples[1].GroupNo, 2);
}

TEST_F(SoundEditorTest, SaveNamesAndExportNames)
{
    struct Ext {
        std::string chosen, extension, used;
    };
    const Ext names[] = {
        {"/x/bank", ".snd", "/x/bank.snd"},    {"/x/BANK.Snd", ".snd", "/x/BANK.Snd"},
        {"/x/a.snd.bak", ".snd", "/x/a.snd.bak.snd"}, {"/x/s.WAV", ".wav", "/x/s.WAV"},
        {"/x/snd", ".snd", "/x/snd.snd"},
    };
    for (const Ext& e : names)
        EXPECT_EQ(SoundEditor::withExtension(e.chosen, e.extension), e.used);

    EXPECT_EQ(SoundEditor::proposedSampleName("5", "12"), "00050012.wav");
    EXPECT_EQ(SoundEditor::proposedSampleName("12345", "0"), "123450000.wav");
    EXPECT_EQ(SoundEditor::exportAllName(12, 200, 5), "001220005.wav");
    EXPECT_EQ(SoundEditor::exportAllName(3, 0, 1), "00030001.wav");

    openBank(1);
    ASSERT_TRUE(editor.saveBank(path("bank")).ok);
    EXPECT_EQ(editor.statusPath(), path("bank.snd"));
    EXPECT_TRUE(std::filesystem::exists(path("bank.snd")));
}

TEST_F(SoundEditorTest, ExportsWriteEachWavImageWhole)
{
    openBank(3);
    editor.validateNumber(NumberField::Group, "200");
    editor.ShowSample(3);
    const auto one = editor.exportCurrent(path("third"));
    ASSERT_TRUE(one.ok);
    EXPECT_FALSE(one.message.has_value());
    EXPECT_TRUE(readFile(path("third.wav")) == editor.bank().Samples[2].WavData);

    std::filesystem::create_directory(path("all"));
    const auto all = editor.exportAll(path("all"));
    ASSERT_TRUE(all.ok);
    EXPECT_EQ(all.message, (EditorMessage{"Samples written to disk", "Success"}));
    EXPECT_TRUE(readFile(path("all/000120000.wav")) == editor.bank().Samples[0].WavData);
    EXPECT_TRUE(readFile(path("all/00020200.wav")) == editor.bank().Samples[1].WavData);
    EXPECT_TRUE(readFile(path("all/00030300.wav")) == editor.bank().Samples[2].WavData);

    const auto failed = editor.exportAll(path("no/such/folder"));
    EXPECT_FALSE(failed.ok);
    ASSERT_TRUE(failed.message.has_value());
    EXPECT_EQ(failed.message->title, "Warning");
}

TEST_F(SoundEditorTest, CommentEditsAndFailedSaves)
{
    openBank(1);
    editor.setComment("Sounds for the hero");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.commentText(), "Sounds for the hero");
    EXPECT_EQ(editor.bank().Comment.size(), 488u);

    const auto failed = editor.saveBank(path("missing/bank.snd"));
    EXPECT_FALSE(failed.ok);
    ASSERT_TRUE(failed.message.has_value());
    EXPECT_EQ(failed.message->title, "Warning");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.statusPath(), path("bank.snd"));
    EXPECT_EQ(editor.statusState(), "Modified");
}
