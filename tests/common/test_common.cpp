#include "common/atomic_file.h"
#include "common/paths.h"
#include "common/text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>

using namespace vantrel;

TEST(TextRules, NumericValueReadsTheLeadingNumberOnly)
{
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"42", 42},       {"-7", -7},       {"+3", 3},   {"12abc", 12},          {"abc", 0},
        {"", 0},          {"-", 0},         {" 5", 5},   {"9.75", 9},            {"0x10", 0},
        {"--1", 0},       {"\t5", 0},       {"05", 5},   {"99999999999999999999999", INT64_MAX}, {"-99999999999999999999999", -INT64_MAX},
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
    for (const auto& c : cases)
        EXPECT_EQ(splitLines(c.bytes), c.lines) << c.bytes;
}

TEST(AtomicWrite, ReplacesTheWholeFileOrNothing)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/file.txt";
    test::writeFile(path, std::string(1000, 'x'));

    ASSERT_TRUE(writeFileAtomic(path, "short"));
    EXPECT_EQ(test::readFile(path), "short");

    // A write that cannot happen leaves the old file as it was and says why.
    const auto failed = writeFileAtomic(dir.path().toStdString() + "/no/such/folder/file.txt", "x");
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error.find("no/such/folder"), std::string::npos);
    EXPECT_EQ(test::readFile(path), "short");

    // No temporary files are left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
        ++entries;
    EXPECT_EQ(entries, 1);
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
}
