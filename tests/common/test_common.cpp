#include "bracket_language.h"
#include "common/atomic_file.h"
#include "common/message.h"
#include "common/paths.h"
#include "common/text.h"
#include "common/translation.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace vantrel;

TEST(TextRules, NumericValueReadsTheLeadingNumberOnly)
{
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"42", 42},
        {"-7", -7},
        {"+3", 3},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {" 5", 5},
        {"9.75", 9},
        {"0x10", 0},
        {"--1", 0},
        {"\t5", 0},
        {"05", 5},
        {"99999999999999999999999", INT64_MAX},
        {"-99999999999999999999999", -INT64_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(TextRules, NumbersAreShownWithOneLeadingBlankUnlessNegative)
{
    EXPECT_EQ(formatNumber(0), " 0");
    EXPECT_EQ(formatNumber(274), " 274");
    EXPECT_EQ(formatNumber(-3), "-3");
}

TEST(TextRules, TrimmingRemovesSpacesButNotTabs)
{
    EXPECT_EQ(trimmed("  a b  "), "a b");
    EXPECT_EQ(trimmed("\ta\t"), "\ta\t");
    EXPECT_EQ(trimmed("   "), "");
}

TEST(TextRules, ReadFileBytesGivesTheWholeFileOrNothing)
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    std::string large(1'000'003, '\0');
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7 % 256);
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""}, {"crlf", "a\r\nb\r"}, {"nul", std::string("x\0y", 3)}, {"large", large}};
    for (const auto& [name, bytes] : files) {
        test::writeFile(base + name, bytes);
        const auto read = readFileBytes(base + name);
        ASSERT_TRUE(read.has_value()) << name;
        EXPECT_TRUE(*read == bytes) << name << ": " << read->size() << " bytes";
    }
    EXPECT_FALSE(readFileBytes(base + "missing"));
    EXPECT_FALSE(readFileBytes(dir.path().toStdString()));

    // One string reused for file after file, bigger and smaller than the
    // last: nothing of an earlier file shows in a later one.
    std::string reused;
    for (const char* name : {"large", "crlf", "empty", "large", "nul"}) {
        ASSERT_TRUE(readFileInto(base + name, reused)) << name;
        const auto& wanted = std::find_if(std::begin(files), std::end(files), [&](const auto& f) {
                                 return std::string(f.first) == name;
                             })->second;
        EXPECT_TRUE(reused == wanted) << name << ": " << reused.size() << " bytes";
    }
    EXPECT_FALSE(readFileInto(base + "missing", reused));
    EXPECT_TRUE(reused.empty());
    // A pipe is no file to read, and is not waited on.
    ASSERT_EQ(::mkfifo((base + "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(readFileBytes(base + "pipe"));
}

TEST(TextRules, EveryKindOfLineEndEndsALine)
{
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\xEF\xBB\xBFkey=1\r\n", {"key=1"}},
        {"", {}},
        {"\n", {""}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitLines(c.bytes), c.lines) << c.bytes;
        const auto views = splitLineViews(c.bytes);
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), c.lines) << c.bytes;
    }
}

namespace {

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Files written by this process may grow to `bytes` only while it lives; a
// write past it fails (EFBIG) as a full disk would, half way through.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// A whole file at once (the big files of the kill test, read many times).
std::string contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::filesystem::file_size(path), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// A pid that no process has any more.
pid_t finishedPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(AtomicWrite, ReplacesTheWholeFileOrNothing)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string path = folder + "/file.txt";
    test::writeFile(path, std::string(1000, 'x'));

    for (const Durability durability : {Durability::Durable, Durability::Scratch}) {
        const std::string wanted = durability == Durability::Durable ? "short" : "scratch";
        ASSERT_TRUE(writeFileAtomic(path, wanted, durability));
        EXPECT_EQ(test::readFile(path), wanted);

        // A write over the same file that fails half way leaves the old file
        // as it was and says why.
        Result<void> failed;
        {
            const FileSizeLimit limit(4096);
            failed = writeFileAtomic(path, std::string(10000, 'y'), durability);
        }
        EXPECT_FALSE(failed);
        EXPECT_NE(failed.error().find(path), std::string::npos) << failed.error();
        EXPECT_NE(failed.error().find(std::strerror(EFBIG)), std::string::npos) << failed.error();
        EXPECT_EQ(test::readFile(path), wanted);
        // No temporary file is left behind.
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"file.txt"});
    }

    // A folder that does not exist: nothing is written, and the reason given.
    const auto failed = writeFileAtomic(folder + "/no/such/folder/file.txt", "x");
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error().find("no/such/folder"), std::string::npos);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"file.txt"});
}

TEST(AtomicWrite, AFileHandedOverInPiecesIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string path = folder + "/kfm.snd";
    test::writeFile(path, "old");

    // Pieces of every kind: tiny ones that are gathered, gathered ones that
    // pass the gathering limit, and big ones written from where they lie
    // (each piece its own byte, so a piece lost or written twice shows).
    std::vector<std::size_t> sizes = {0, 1, 16, 65535, 65536, 16, 300000, 5};
    for (int i = 0; i < 40; ++i)
        sizes.push_back(16 + static_cast<std::size_t>(i) * 997);
    sizes.push_back(3 << 20);
    std::string wanted;
    for (const Durability durability : {Durability::Durable, Durability::Scratch}) {
        const std::string before = contentsOf(path);
        wanted.clear();
        AtomicFileWriter writer(path, durability);
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            const std::string piece(sizes[k], static_cast<char>('a' + k % 26));
            ASSERT_TRUE(writer.write(piece));
            wanted += piece;
            // Nothing shows at the target before the commit.
            if (k == sizes.size() / 2)
                EXPECT_TRUE(contentsOf(path) == before);
        }
        ASSERT_TRUE(writer.commit());
        EXPECT_TRUE(contentsOf(path) == wanted);
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"kfm.snd"});
    }

    // Pieces handed over together, after bytes still gathered: more of them
    // than the system takes in one call, empty ones among them, each piece
    // its own bytes.
    {
        std::vector<std::string> parts;
        for (std::size_t k = 0; k < 2500; ++k)
            parts.push_back(std::string(k % 7 == 3 ? 0 : 1 + k % 300, static_cast<char>('A' + k % 50)));
        parts.push_back(std::string(200000, '!'));
        const std::vector<std::string_view> pieces(parts.begin(), parts.end());
        wanted = "head";
        for (const std::string& part : parts)
            wanted += part;
        wanted += "tail";
        AtomicFileWriter writer(path);
        ASSERT_TRUE(writer.write("head"));
        ASSERT_TRUE(writer.write(pieces));
        ASSERT_TRUE(writer.write("tail"));
        ASSERT_TRUE(writer.commit());
        EXPECT_TRUE(contentsOf(path) == wanted);
    }

    // A writer dropped part way, or one whose disk filled, leaves the file
    // as it was and no temporary file.
    {
        AtomicFileWriter dropped(path);
        ASSERT_TRUE(dropped.write(std::string(200000, 'z')));
    }
    EXPECT_TRUE(contentsOf(path) == wanted);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"kfm.snd"});
    Result<void> failed;
    {
        const FileSizeLimit limit(100000);
        AtomicFileWriter full(path);
        bool allWritten = true;
        for (int i = 0; i < 20 && allWritten; ++i)
            allWritten = full.write(std::string(70000, 'q'));
        EXPECT_FALSE(allWritten);
        EXPECT_FALSE(full.write("x")) << "a writer that failed took more bytes";
        failed = full.commit();
    }
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error().find(std::strerror(EFBIG)), std::string::npos) << failed.error();
    EXPECT_TRUE(contentsOf(path) == wanted);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"kfm.snd"});
}

TEST(AtomicWrite, LeftoversOfWritersThatAreGoneAreRemoved)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    const std::string gone = std::to_string(finishedPid());
    const std::string alive = std::to_string(::getpid());
    const auto minutes = [](int n) { return std::filesystem::file_time_type::clock::now() - std::chrono::minutes(n); };
    const struct {
        std::string name;
        int minutesIdle;
        bool removed;
    } files[] = {
        {".vantrel-" + gone + "-a1B2c3", 0, true},            // its writer was killed
        {".vantrel-" + alive + "-a1B2c3", 0, false},          // its writer may be writing now
        {".vantrel-" + alive + "-Zz9Zz9", 2 * 24 * 60, true}, // that pid is another process by now
        {".vantrel-Ab12Cd", 0, false},                        // a name without a pid: waits a minute
        {".vantrel-Ab12Ce", 2, true},
        {".vantrel-" + gone + "-abc", 0, false}, // not names of ours
        {".vantrel-" + gone + "-abc.de", 0, false},
        {".vantrel-0-abcdef", 60, false},
        {".vantrel-x1-abcdef", 60, false},
        {".vantrel-99999999999-abcdef", 60, false},
        {"x.vantrel-" + gone + "-abcdef", 0, false},
        {"kfm.snd", 60, false},
    };
    for (const auto& f : files) {
        test::writeFile(folder + f.name, "bytes");
        std::filesystem::last_write_time(folder + f.name, minutes(f.minutesIdle));
    }
    std::filesystem::create_directory(folder + ".vantrel-" + gone + "-folder"); // only files go

    // Any save into the folder clears them.
    ASSERT_TRUE(writeFileAtomic(folder + "kfm.def", "[Files]"));
    std::vector<std::string> expected{"kfm.def", ".vantrel-" + gone + "-folder"};
    for (const auto& f : files)
        if (!f.removed)
            expected.push_back(f.name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder), expected);
    EXPECT_EQ(removeStaleTemporaryFiles(folder), 0);
}

TEST(AtomicWrite, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFileAndNothingElse)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string path = folder + "/kfm.sff";
    constexpr std::size_t kSize = 2 << 20;
    // Each generation of the file differs in size and in every byte.
    const auto contents = [](int generation) {
        return std::string(kSize + generation, static_cast<char>('A' + generation % 26));
    };
    ASSERT_TRUE(writeFileAtomic(path, contents(0)));

    // Starts a writer of `generation` and returns once its write begins.
    QProcess writer;
    const auto startWriter = [&](int generation) {
        writer.start(QStringLiteral(ATOMIC_WRITE_PROBE),
                     {QString::fromStdString(path), QString::number(kSize + generation),
                      QString::number('A' + generation % 26)});
        return writer.waitForReadyRead(10000) && writer.readAll() == "writing\n";
    };

    // How long one whole write takes here, so that the kills spread over it.
    ASSERT_TRUE(startWriter(1));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(writer.waitForFinished(30000));
    ASSERT_EQ(writer.exitCode(), 0);
    const auto writeTime = std::chrono::microseconds(std::max<qint64>(clock.nsecsElapsed() / 1000, 1000));
    ASSERT_TRUE(contentsOf(path) == contents(1));

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::int64_t> moment(0, writeTime.count() * 5 / 4);
    int current = 1;
    int killedBeforeRename = 0;
    for (int round = 0; round < 16; ++round) {
        const int next = current + 1;
        ASSERT_TRUE(startWriter(next));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(30000));

        const std::string now = contentsOf(path);
        const bool replaced = now == contents(next);
        ASSERT_TRUE(replaced || now == contents(current)) << "round " << round << ": " << now.size() << " bytes";
        if (namesIn(folder).size() > 1)
            ++killedBeforeRename;

        // The next save finds what the killed writer left and removes it.
        const int saved = next + 1;
        ASSERT_TRUE(writeFileAtomic(path, contents(saved)));
        ASSERT_TRUE(contentsOf(path) == contents(saved));
        ASSERT_EQ(namesIn(folder), std::vector<std::string>{"kfm.sff"}) << "round " << round;
        current = saved;
    }
    EXPECT_GT(killedBeforeRename, 0) << "every kill came after the rename; the test proved nothing";
}

TEST(Paths, ResolveFindsTheFileWhateverTheLetterCaseAndSeparator)
{
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    test::writeFile(root + "/Chars/KFM/kfm.SFF", "x");
    test::writeFile(root + "/Chars/KFM/Twin.def", "1");
    test::writeFile(root + "/Chars/KFM/twin.DEF", "2");

    EXPECT_EQ(resolvePath(root + "/Chars/KFM/kfm.SFF"), root + "/Chars/KFM/kfm.SFF");
    EXPECT_EQ(resolvePath(root + "/chars/kfm/KFM.sff"), root + "/Chars/KFM/kfm.SFF");
    EXPECT_EQ(resolvePath(root + "\\chars\\kfm\\kfm.sff"), root + "/Chars/KFM/kfm.SFF");
    // A missing file keeps the name as written, with its separators fixed.
    EXPECT_EQ(resolvePath(root + "/chars\\kfm\\missing.air"), root + "/chars/kfm/missing.air");
    // Two files that differ only in case: nothing is guessed.
    EXPECT_EQ(resolvePath(root + "/Chars/KFM/TWIN.def"), root + "/Chars/KFM/TWIN.def");
    EXPECT_EQ(directoryOf("/a/b/c.def"), "/a/b/");
    EXPECT_EQ(fileNameOf("/a/b/c.def"), "c.def");
    // Folded for lookups: a longer path folded before leaves nothing behind;
    // letters beyond ASCII are left as they are.
    std::string key = "a much longer path folded earlier";
    foldPathInto("Sprites\\KFM_\xC9t\xE9.PCX", key);
    EXPECT_EQ(key, "sprites/kfm_\xC9t\xE9.pcx");
}

// A message of the layers below Qt reads in English with its values in
// place, and in another language with its pattern and those of the
// messages among its values translated, names left as they stand.
TEST(Messages, ValuesGoInOnceAndNestedPatternsAreTranslated)
{
    // A value holding "%1" or "%2" is put in as it is, never read again.
    EXPECT_EQ(fillPlaces("%1 of %2", {"%2", "var(%1)"}), "%2 of var(%1)");
    // A place without a value, a % before anything else and a % at the end stay.
    EXPECT_EQ(fillPlaces("100% of %1, %3 and %", {"x"}), "100% of x, %3 and %");
    EXPECT_EQ(fillPlaces("%2%1", {"a", "b"}), "ba");

    const Message which(QT_TRANSLATE_NOOP("Messages", "%1 of %2"), {std::string("value"), std::string("VarSet")});
    const Message message(QT_TRANSLATE_NOOP("Messages", "unknown trigger %1 in %2"), {std::string("\"Tiem\""), which});
    EXPECT_EQ(message.english(), "unknown trigger \"Tiem\" in value of VarSet");
    EXPECT_EQ(translated(message), "unknown trigger \"Tiem\" in value of VarSet"); // no translation installed

    test::BracketLanguage language({QStringLiteral("Messages")});
    QCoreApplication::installTranslator(&language);
    EXPECT_EQ(translated(message), "[unknown trigger \"Tiem\" in [value of VarSet]]");
    EXPECT_EQ(translated(Message(std::string("VarSet"))), "VarSet");
    QCoreApplication::removeTranslator(&language);
}
