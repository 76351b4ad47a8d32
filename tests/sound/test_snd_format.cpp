#include "formats/snd_format.h"
#include "sound_fixtures.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vantrel;
using namespace vantrel::test;

namespace {

std::string wav11k()
{
    return makeWav(11025, 1, 8, 100);
}

std::string patched(std::string bytes, std::size_t at, std::uint64_t value)
{
    bytes.replace(at, 4, le(value, 4));
    return bytes;
}

} // namespace

TEST(SndFormat, RealBanksLoadAndSaveBackByteForByte)
{
    QTemporaryDir dir;
    for (const char* name : {"winmugen-kfm/kfm.snd", "ikemen-kfm/kfm.snd"}) {
        const Result<SoundBank> loaded = loadSndFile(realchars(name));
        ASSERT_TRUE(loaded) << name << ": " << loaded.error();
        ASSERT_EQ(loaded->soundCount(), 12) << name;
        const SoundSample& ninth = loaded->samples[8];
        EXPECT_EQ(ninth.headerOffset, 32396);
        EXPECT_EQ(ninth.groupNumber, 11);
        EXPECT_EQ(lengthText(ninth) + frequencyText(ninth) + formatText(ninth), " 33740 11025 Hz 8 bit - Mono");

        const std::string out = dir.filePath("copy.snd").toStdString();
        ASSERT_TRUE(writeSndFile(out, *loaded)) << name;
        EXPECT_TRUE(readFile(out) == readFile(realchars(name))) << name << " changed on saving";
    }
}

TEST(SndFormat, LittleEndianValues)
{
    EXPECT_EQ(encodeLittleEndian(4, 512), std::string("\x00\x02\x00\x00", 4));
    EXPECT_EQ(encodeLittleEndian(4, -1), std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(encodeLittleEndian(2, 0x1234), std::string("\x34\x12", 2));

    const std::string abc("\x01\x02\x03", 3);
    const std::tuple<std::string, std::size_t, int, std::optional<std::int32_t>> cases[] = {
        {std::string("\xFF\xFF\xFF\x7F", 4), 0, 4, 2147483647},
        {std::string("\x00\x00\x00\x80", 4), 0, 4, std::nullopt}, // top bit set
        {std::string("\xFF\xFF", 2), 0, 2, 65535},
        {abc, 1, 2, 0x0302},
        {abc, 1, 4, std::nullopt}, // runs past the end
        {abc, 7, 2, std::nullopt},
    };
    for (const auto& [bytes, pos, n, value] : cases)
        EXPECT_EQ(readLittleEndian(bytes, pos, n), value) << pos << "/" << n;
}

TEST(SndFormat, SignatureAndWavChecks)
{
    const std::string good = makeBank({{0, 0, wav11k()}});
    std::string nonZeroTwelfth = good;
    nonZeroTwelfth[11] = ' ';
    EXPECT_TRUE(isSndFile(good));
    EXPECT_FALSE(isSndFile(nonZeroTwelfth));
    EXPECT_FALSE(isSndFile("ElecbyteSnd"));
    EXPECT_FALSE(isSndFile(std::string("elecbyteSnd\0", 12)));
    Message why;
    EXPECT_EQ(parseSndFile(nonZeroTwelfth, &why).error(), kSndNotABank);
    EXPECT_EQ(why.english(), "the file does not start with the SND signature \"ElecbyteSnd\"");

    // A longer format chunk moves what follows it; the fields read stay put.
    std::string fmtElsewhere = patched(makeWav(22050, 2, 16, 10), 16, 18);
    fmtElsewhere.insert(36, 2, '\0');
    const std::pair<std::string, bool> cases[] = {
        {makeWav(8000, 1, 8, 10), true},
        {fmtElsewhere, true},
        {std::string("RIFF\x01\x00", 6), false},
        {"RIFX" + makeWav(8000, 1, 8, 10).substr(4), false},
        {"RIFF" + le(30, 4) + "WAVEfmx " + std::string(30, '\0'), false},
        {"", false},
    };
    for (const auto& [bytes, wav] : cases)
        EXPECT_EQ(isWavFile(bytes), wav) << bytes.size() << " bytes";

    SoundSample s;
    ASSERT_TRUE(readWavInfo(fmtElsewhere, s));
    EXPECT_EQ(s.sampleRate, 22050);
    EXPECT_EQ(formatText(s), " 16 bit - Stereo");
    EXPECT_FALSE(readWavInfo(makeWav(8000, 1, 8, 0).substr(0, 35), s));
}

TEST(SndFormat, HandMadeBanksSaveBackUnchanged)
{
    // The first offset is kept but not followed; an empty bank is the header alone.
    const std::string offset600 = patched(makeBank({{3, 4, wav11k()}}), 20, 600);
    // The smallest sub-files a bank can hold: a WAV image just long enough to
    // give its sample size.
    const std::string shortest = makeWav(8000, 1, 8, 0).substr(0, kWavInfoSize);
    const std::string packed = makeBank({{1, 0, shortest}, {2, 0, shortest}});
    for (const std::string& file : {offset600, sndHeader(0, 512, "made by hand"), packed}) {
        const Result<SoundBank> loaded = parseSndFile(file);
        ASSERT_TRUE(loaded) << loaded.error();
        EXPECT_TRUE(encodeSndFile(*loaded) == file);
    }
    const SoundBank bank = parseSndFile(offset600).value();
    EXPECT_EQ(bank.firstOffset, 600);
    EXPECT_EQ(bank.samples.at(0).headerOffset, 512);
    EXPECT_EQ(bank.samples.at(0).groupNumber, 3);
}

TEST(SndFormat, SoundCountLimit)
{
    const std::string tiny = makeWav(8000, 1, 8, 0); // 44 bytes
    std::vector<SubFile> subs(32767, SubFile{0, 0, tiny});
    const Result<SoundBank> full = parseSndFile(makeBank(subs));
    ASSERT_TRUE(full) << full.error();
    EXPECT_EQ(full->soundCount(), 32767);

    subs.push_back(SubFile{0, 0, tiny});
    EXPECT_EQ(parseSndFile(makeBank(subs)).error(), kSndUnreadable);

    SoundBank tooMany = *full;
    tooMany.samples.push_back(tooMany.samples.back());
    QTemporaryDir dir;
    const std::string path = dir.filePath("big.snd").toStdString();
    EXPECT_FALSE(writeSndFile(path, tooMany));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SndFormat, DamagedBanksFailWithoutReadingPastTheEnd)
{
    const std::string w = wav11k();
    const std::string one = makeBank({{0, 0, w}});
    const std::string two = makeBank({{0, 0, w}, {1, 0, w}});
    const std::size_t second = 512 + 16 + w.size();
    const struct {
        const char* what;
        std::string bytes;
        const char* why;
    } cases[] = {
        {"header cut short", one.substr(0, 300),
         "truncated: the file is 300 bytes long, shorter than the 512-byte SND header"},
        {"count promises more samples", patched(one, 16, 2),
         "truncated: the sub-header of sound 2 of 2 is at offset 0x2A0, the file ends at 0x2A0"},
        {"count above 32767", patched(one, 16, 32768), "the header gives more than 32767 sounds"},
        {"first offset above 32767", patched(one, 20, 40000), "the header's first offset is above 32767"},
        {"WAV runs past the end", one.substr(0, one.size() - 1),
         "truncated: the sub-header of sound 1 of 1 says 144 bytes of data at offset 0x210, the file ends at 0x29F"},
        {"length with its top bit set", patched(one, 516, 0x80000010),
         "the sub-header of sound 1 of 1 at offset 0x200 has a value above 2147483647"},
        {"group with its top bit set", patched(one, 520, 0xFFFFFFFF),
         "the sub-header of sound 1 of 1 at offset 0x200 has a value above 2147483647"},
        {"chain points back to the start", patched(two, 512, 512),
         "the next offset of sound 1 of 2 is 0x200, before the end of that sound at 0x2A0"},
        {"chain points into its own WAV", patched(two, 512, second - 1),
         "the next offset of sound 1 of 2 is 0x29F, before the end of that sound at 0x2A0"},
        {"chain points past the end", patched(two, 512, two.size() + 100),
         "truncated: the sub-header of sound 2 of 2 is at offset 0x3A4, the file ends at 0x340"},
        {"sub-header cut short", two.substr(0, second + 8),
         "truncated: the sub-header of sound 2 of 2 is at offset 0x2A0, the file ends at 0x2A8"},
        {"WAV image under 36 bytes", makeBank({{0, 0, w.substr(0, 30)}}),
         "the header's sound count, 1, is more than the 46 bytes after the header can hold"},
        {"channels above 32767", patched(one, 528 + 20, 0x80000001), // bytes 22-23 = 0x8000
         "the WAV data of sound 1 of 1 at offset 0x210 gives a rate, channel count or sample size out of range"},
    };
    // The same from disk, where the samples are read from the open file.
    QTemporaryDir dir;
    const std::string path = dir.filePath("bank.snd").toStdString();
    for (const auto& c : cases) {
        Message parsedWhy, loadedWhy;
        EXPECT_EQ(parseSndFile(c.bytes, &parsedWhy).error(), kSndUnreadable) << c.what;
        EXPECT_EQ(parsedWhy.english(), c.why) << c.what;
        writeFile(path, c.bytes);
        EXPECT_EQ(loadSndFile(path, &loadedWhy).error(), kSndUnreadable) << c.what << " (from disk)";
        EXPECT_EQ(loadedWhy.english(), c.why) << c.what << " (from disk)";
    }
    Message why;
    EXPECT_EQ(loadSndFile("/nonexistent/bank.snd", &why).error(), kSndUnreadable);
    EXPECT_EQ(why.english(), "the file cannot be opened: No such file or directory");
    // A folder or a pipe is no bank, and the pipe is not waited on.
    const std::string pipe = dir.filePath("pipe.snd").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& notPlain : {pipe, dir.path().toStdString()}) {
        EXPECT_EQ(loadSndFile(notPlain, &why).error(), kSndUnreadable) << notPlain;
        EXPECT_EQ(why.english(), "it is not a plain file") << notPlain;
    }
}

TEST(SndFormat, BigBanksGoFromDiskAndBackByteForByte)
{
    // Sub-files of all sizes, some far bigger than the pieces the writer
    // gathers before writing, others small enough to be gathered by the hundred.
    std::vector<SubFile> subs;
    for (std::uint32_t i = 0; i < 300; ++i)
        subs.push_back({i / 10, i % 10, makeWav(8000 + i, 1 + i % 2, 8, i % 7 == 0 ? 150000 + i : 40 + i * 13)});
    const std::string file = makeBank(subs);
    QTemporaryDir dir;
    const std::string in = dir.filePath("in.snd").toStdString();
    const std::string out = dir.filePath("out.snd").toStdString();
    writeFile(in, file);

    const Result<SoundBank> loaded = loadSndFile(in);
    ASSERT_TRUE(loaded) << loaded.error();
    ASSERT_EQ(loaded->soundCount(), 300);
    for (std::size_t k = 0; k < subs.size(); ++k) {
        const SoundSample& s = loaded->samples[k];
        EXPECT_TRUE(s.wavData == subs[k].wav) << "sample " << k + 1;
        EXPECT_EQ(s.sampleRate, static_cast<std::int32_t>(8000 + k)) << "sample " << k + 1;
    }
    ASSERT_TRUE(writeSndFile(out, *loaded));
    EXPECT_TRUE(readFile(out) == file);
    EXPECT_TRUE(encodeSndFile(*loaded) == file);
}

TEST(SndFormat, GapsBetweenSubFilesAreClosedWithMatchingOffsets)
{
    const std::string a = makeWav(8000, 1, 8, 20);
    const std::string b = makeWav(22050, 2, 16, 40);
    // Ten bytes of padding after the first sub-file.
    const std::size_t bAt = 512 + 16 + a.size() + 10;
    const std::string file = sndHeader(2) + subHeader(bAt, a.size(), 1, 2) + a + std::string(10, '\0')
        + subHeader(bAt + 16 + b.size(), b.size(), 3, 4) + b;
    const Result<SoundBank> read = parseSndFile(file);
    ASSERT_TRUE(read) << read.error();
    const std::string saved = encodeSndFile(*read);
    EXPECT_EQ(saved.size(), file.size() - 10);
    const Result<SoundBank> again = parseSndFile(saved);
    ASSERT_TRUE(again) << again.error();
    EXPECT_EQ(again->samples.at(1).groupNumber, 3);
    EXPECT_TRUE(again->samples.at(1).wavData == b);
}

TEST(SndFormat, FailedWriteLeavesTheOldBank)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("kfm.snd").toStdString();
    const std::string old = makeBank({{0, 0, wav11k()}});
    writeFile(path, old);
    SoundBank bigger = parseSndFile(old).value();
    bigger.samples.push_back(bigger.samples.front());
    bigger.samples.back().wavData = makeWav(8000, 1, 8, 5000);

    // A file size limit stands in for a disk that fills half way.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result<void> result = writeSndFile(path, bigger);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.error().empty());
    EXPECT_TRUE(readFile(path) == old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}), 1)
        << "a temporary file was left behind";
    EXPECT_FALSE(writeSndFile(dir.filePath("missing/kfm.snd").toStdString(), bigger));
}
