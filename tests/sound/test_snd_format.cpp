#include "sound/snd_format.h"
#include "sound_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

std::string wav11k() { return makeWav(11025, 1, 8, 100); }

} // namespace

TEST(SndFormat, RealBanksLoadAndSaveBackByteForByte)
{
    QTemporaryDir dir;
    for (const char* name : {"winmugen-kfm/kfm.snd", "ikemen-kfm/kfm.snd"}) {
        const std::string source = readFile(realchars(name));
        const SndLoadResult loaded = LoadSndFile(realchars(name));
        ASSERT_EQ(loaded.status, SndLoadStatus::Loaded) << name;
        const SoundBank& bank = loaded.bank;
        ASSERT_EQ(bank.SoundCount(), 12) << name;
        const SoundSample& ninth = bank.Samples[8];
        EXPECT_EQ(ninth.HeaderOffset, 32396);
        EXPECT_EQ(ninth.GroupNo, 11);
        EXPECT_EQ(ninth.DataLength, 33740);
        EXPECT_EQ(frequencyText(ninth), " 11025 kHz");
        EXPECT_EQ(formatText(ninth), " 8 bit - Mono");
        EXPECT_EQ(lengthText(ninth), " 33740");

        const std::string out = dir.filePath("copy.snd").toStdString();
        ASSERT_TRUE(WriteSndFile(out, bank)) << name;
        EXPECT_TRUE(readFile(out) == source) << name << " changed on saving";
    }
}

TEST(SndFormat, LittleEndianValues)
{
    EXPECT_EQ(EncodeLittleEndian(4, 512), std::string("\x00\x02\x00\x00", 4));
    EXPECT_EQ(EncodeLittleEndian(4, -1), std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(EncodeLittleEndian(2, 0x1234), std::string("\x34\x12", 2));

    struct Case {
        std::string bytes;
        std::size_t pos;
        int n;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {std::string("\x00\x02\x00\x00", 4), 0, 4, 512},
        {std::string("\xFF\xFF\xFF\x7F", 4), 0, 4, 2147483647},
        {std::string("\x00\x00\x00\x80", 4), 0, 4, std::nullopt}, // top bit set
        {std::string("\xFF\xFF", 2), 0, 2, 65535},
        {std::string("\x01\x02\x03", 3), 1, 2, 0x0302},
        {std::string("\x01\x02\x03", 3), 1, 4, std::nullopt}, // runs past the end
        {std::string("\x01\x02\x03", 3), 7, 2, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadLittleEndian(c.bytes, c.pos, c.n), c.value) << c.pos << "/" << c.n;
}

TEST(SndFormat, SignatureAndWavChecks)
{
    const std::string good = makeBank({{0, 0, wav11k()}});
    std::string nonZeroTwelfth = good;
    nonZeroTwelfth[11] = ' ';
    EXPECT_TRUE(IsSndFile(good));
    EXPECT_FALSE(IsSndFile(nonZeroTwelfth));
    EXPECT_FALSE(IsSndFile("ElecbyteSnd"));
    EXPECT_FALSE(IsSndFile(std::string("elecbyteSnd\0", 12)));
    EXPECT_EQ(ParseSndFile(nonZeroTwelfth).status, SndLoadStatus::NotSnd);

    // A longer format chunk moves what follows it; the fields read stay put.
    std::string fmtElsewhere = makeWav(22050, 2, 16, 10);
    fmtElsewhere.replace(16, 4, le(18, 4));
    fmtElsewhere.insert(36, 2, '\0');
    struct Case {
        const char* what;
        std::string bytes;
        bool wav;
    };
    const Case cases[] = {
        {"canonical", makeWav(8000, 1, 8, 10), true},
        {"longer format chunk", fmtElsewhere, true},
        {"6-byte RIFF", std::string("RIFF\x01\x00", 6), false},
        {"RIFX", "RIFX" + makeWav(8000, 1, 8, 10).substr(4), false},
        {"not fmt", "RIFF" + le(30, 4) + "WAVEfmx " + std::string(30, '\0'), false},
        {"empty", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWavFile(c.bytes), c.wav) << c.what;

    SoundSample s;
    ASSERT_TRUE(ReadWavInfo(fmtElsewhere, s));
    EXPECT_EQ(s.SampleRate, 22050);
    EXPECT_EQ(s.Channels, 2);
    EXPECT_EQ(s.BitsPerSample, 16);
    EXPECT_EQ(formatText(s), " 16 bit - Stereo");
    EXPECT_FALSE(ReadWavInfo(makeWav(8000, 1, 8, 0).substr(0, 35), s));
}

TEST(SndFormat, FirstOffsetIsNotFollowedButKept)
{
    std::string file = makeBank({{3, 4, wav11k()}});
    file.replace(20, 4, le(600, 4));
    const SndLoadResult loaded = ParseSndFile(file);
    ASSERT_EQ(loaded.status, SndLoadStatus::Loaded);
    EXPECT_EQ(loaded.bank.FirstOffset, 600);
    EXPECT_EQ(loaded.bank.Samples.at(0).HeaderOffset, 512);
    EXPECT_EQ(loaded.bank.Samples.at(0).GroupNo, 3);
    EXPECT_TRUE(EncodeSndFile(loaded.bank) == file);
}

TEST(SndFormat, SoundCountLimit)
{
    const std::string tiny = makeWav(8000, 1, 8, 0); // 44 bytes
    std::vector<SubFile> subs(32767, SubFile{0, 0, tiny});
    const SndLoadResult full = ParseSndFile(makeBank(subs));
    ASSERT_EQ(full.status, SndLoadStatus::Loaded);
    EXPECT_EQ(full.bank.SoundCount(), 32767);

    subs.push_back(SubFile{0, 0, tiny});
    EXPECT_EQ(ParseSndFile(makeBank(subs)).status, SndLoadStatus::Failed);

    SoundBank tooMany = full.bank;
    tooMany.Samples.push_back(tooMany.Samples.back());
    QTemporaryDir dir;
    const std::string path = dir.filePath("big.snd").toStdString();
    EXPECT_FALSE(WriteSndFile(path, tooMany));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SndFormat, DamagedBanksFailWithoutReadingPastTheEnd)
{
    const std::string w = wav11k();
    const std::string one = makeBank({{0, 0, w}});
    const std::string two = makeBank({{0, 0, w}, {1, 0, w}});
    const std::size_t second = 512 + 16 + w.size();
    auto patched = [](std::string bytes, std::size_t at, std::uint64_t value) {
        bytes.replace(at, 4, le(value, 4));
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"header cut short", one.substr(0, 300)},
        {"count promises more samples", patched(one, 16, 2)},
        {"count above 32767", patched(one, 16, 32768)},
        {"first offset above 32767", patched(one, 20, 40000)},
        {"WAV runs past the end", one.substr(0, one.size() - 1)},
        {"length with its top bit set", patched(one, 516, 0x80000010)},
        {"group with its top bit set", patched(one, 520, 0xFFFFFFFF)},
        {"chain points back to the start", patched(two, 512, 512)},
        {"chain points into its own WAV", patched(two, 512, second - 1)},
        {"chain points past the end", patched(two, 512, two.size() + 100)},
        {"sub-header cut short", two.substr(0, second + 8)},
        {"WAV image under 36 bytes", makeBank({{0, 0, w.substr(0, 30)}})},
        {"channels above 32767", patched(one, 528 + 20, 0x80000001)}, // bytes 22-23 = 0x8000
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSndFile(c.bytes).status, SndLoadStatus::Failed) << c.what;

    EXPECT_EQ(LoadSndFile("/nonexistent/bank.snd").status, SndLoadStatus::Failed);
}

TEST(SndFormat, EmptyBankOpensAndIsWrittenAsTheHeaderAlone)
{
    const std::string file = sndHeader(0, 512, "made by hand");
    const SndLoadResult loaded = ParseSndFile(file);
    ASSERT_EQ(loaded.status, SndLoadStatus::Loaded);
    EXPECT_EQ(loaded.bank.SoundCount(), 0);
    EXPECT_TRUE(EncodeSndFile(loaded.bank) == file);
}

TEST(SndFormat, GapsBetweenSubFilesAreClosedWithMatchingOffsets)
{
    const std::string a = makeWav(8000, 1, 8, 20);
    const std::string b = makeWav(22050, 2, 16, 40);
    // Ten bytes of padding after the first sub-file.
    const std::size_t bAt = 512 + 16 + a.size() + 10;
    const std::string file = sndHeader(2) + subHeader(bAt, a.size(), 1, 2) + a + std::string(10, '\0') +
                             subHeader(bAt + 16 + b.size(), b.size(), 3, 4) + b;
    const SndLoadResult loaded = ParseSndFile(file);
    ASSERT_EQ(loaded.status, SndLoadStatus::Loaded);
    EXPECT_EQ(loaded.bank.Samples.at(1).HeaderOffset, static_cast<std::int32_t>(bAt));

    const std::string saved = EncodeSndFile(loaded.bank);
    EXPECT_EQ(saved.size(), file.size() - 10);
    EXPECT_EQ(ReadLittleEndian(saved, 512, 4), static_cast<std::int32_t>(512 + 16 + a.size()));
    const SndLoadResult again = ParseSndFile(saved);
    ASSERT_EQ(again.status, SndLoadStatus::Loaded);
    EXPECT_EQ(again.bank.Samples.at(1).GroupNo, 3);
    EXPECT_TRUE(again.bank.Samples.at(1).WavData == b);
}

TEST(SndFormat, CommentIsPaddedOrCut)
{
    SoundBank bank;
    bank.setComment("hello");
    EXPECT_EQ(bank.Comment.size(), 488u);
    EXPECT_EQ(bank.Comment.substr(0, 6), "hello ");
    EXPECT_EQ(bank.Comment.back(), ' ');
    bank.setComment(std::string(600, 'x'));
    EXPECT_EQ(bank.Comment, std::string(488, 'x'));
}

TEST(SndFormat, FailedWriteLeavesTheOldBank)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("kfm.snd").toStdString();
    const std::string old = makeBank({{0, 0, wav11k()}});
    writeFile(path, old);

    SoundBank bigger = ParseSndFile(old).bank;
    bigger.Samples.push_back(bigger.Samples.front());
    bigger.Samples.back().WavData = makeWav(8000, 1, 8, 5000);

    // The write runs out of room half way: a file size limit stands in for a
    // full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SndWriteResult result = WriteSndFile(path, bigger);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(readFile(path) == old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                            std::filesystem::directory_iterator{}),
              1) << "a temporary file was left behind";

    EXPECT_FALSE(WriteSndFile(dir.filePath("missing/kfm.snd").toStdString(), bigger));
}
