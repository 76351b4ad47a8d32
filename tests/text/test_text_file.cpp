#include "text/syntax.h"
#include "text/text_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

std::string roundTrip(const std::string& bytes)
{
    const ShownText shown = decodeText(bytes);
    return encodeText(shown.lines, shown.encoding);
}

} // namespace

TEST(TextFile, LoadingAndSavingKeepsEveryByteAndAddsCrLfOnlyWithoutAFinalBreak)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string saved;
    };
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            everyByte += static_cast<char>(b);
    }
    const Case cases[] = {
        {"single letter", "a", "a\r\n"},
        {"empty file", "", "\r\n"},
        {"ends with CR LF", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"LF only", "[Data]\nlife = 1000\n", "[Data]\nlife = 1000\n"},
        {"lone CR", "a\rb\r", "a\rb\r"},
        {"mixed ends", "a\r\nb\nc\rd\r\n", "a\r\nb\nc\rd\r\n"},
        {"blank lines", "\r\n\r\n\r\n", "\r\n\r\n\r\n"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF; \xE6\x97\xA5\xE6\x9C\xAC\n", "\xEF\xBB\xBF; \xE6\x97\xA5\xE6\x9C\xAC\n"},
        {"Shift-JIS comment", "; \x83\x4C\x83\x83\x83\x89\r\nx = 1\r\n", "; \x83\x4C\x83\x83\x83\x89\r\nx = 1\r\n"},
        {"BOM before bytes that are not UTF-8", "\xEF\xBB\xBF\x83\x4C\r\n", "\xEF\xBB\xBF\x83\x4C\r\n"},
        {"every byte", everyByte + "\r\n", everyByte + "\r\n"},
        {"paragraph separator in UTF-8", "a\xE2\x80\xA9" "b\n", "a\xE2\x80\xA9" "b\n"},
        {"truncated UTF-8 at the end", "ok \xE6\x97", "ok \xE6\x97\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundTrip(c.bytes), c.saved) << c.what;
}

TEST(TextFile, ShownTextIsUtf8WhenValidElseOneCharacterPerByte)
{
    const ShownText utf8 = decodeText("\xEF\xBB\xBFna\xC3\xAFve\n");
    EXPECT_TRUE(utf8.encoding.utf8);
    EXPECT_TRUE(utf8.encoding.byteOrderMark);
    EXPECT_EQ(utf8.lines[0].text, u"na\u00EFve");
    EXPECT_EQ(utf8.encoding.usualEnd, LineEnd::Lf);

    const ShownText bytes = decodeText("\x83\x4C\r\n");
    EXPECT_FALSE(bytes.encoding.utf8);
    EXPECT_EQ(bytes.lines[0].text, std::u16string(u"\u0083L"));
    EXPECT_EQ(joinedWithCrLf(decodeText("a\nb\rc").lines), u"a\r\nb\r\nc");
}

TEST(TextFile, NewLinesTakeTheFilesUsualEndAndTypedCharactersSurviveASingleByteFile)
{
    ShownText shown = decodeText("a\nb\nc\r\n");
    shown.lines.insert(shown.lines.begin() + 1, TextLine{u"new", LineEnd::None});
    EXPECT_EQ(encodeText(shown.lines, shown.encoding), "a\nnew\nb\nc\r\n");

    ShownText single = decodeText("\x83\x4C\r\n");
    single.lines[0].text += u"\u65E5";
    EXPECT_EQ(encodeText(single.lines, single.encoding), "\x83\x4C\xE6\x97\xA5\r\n");
}

TEST(TextFile, LoadReportsTheSystemErrorAndSaveWithoutANameTouchesNothing)
{
    test::TestApp t;
    const TextLoadResult missing = loadTextFile(t.path("none.cns"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.errorNumber, ENOENT);
    const TextLoadResult folder = loadTextFile(t.dir().toStdString());
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.errorNumber, EISDIR);

    const WriteResult unnamed = saveTextFile("", decodeText("x").lines, {});
    EXPECT_FALSE(unnamed.ok);
    EXPECT_FALSE(unnamed.error.empty());

    test::writeFile(t.path("old.txt"), "old\r\n");
    EXPECT_FALSE(saveTextFile(t.path("missing-folder/new.txt"), decodeText("x").lines, {}).ok);
    EXPECT_EQ(test::readFile(t.path("old.txt")), "old\r\n");
}

TEST(Syntax, HeadersCommentsKeysAndNumbers)
{
    using K = SyntaxKind;
    struct Case {
        std::u16string line;
        std::vector<SyntaxSpan> spans;
    };
    const Case cases[] = {
        {u"[Statedef 200] ; walk", {{0, 14, K::Header}, {15, 6, K::Comment}}},
        {u"  [Begin Action 0]", {{2, 16, K::Header}}},
        {u"trigger1 = time = 15", {{0, 8, K::Key}, {18, 2, K::Number}}},
        {u"value = \"a;b\" ;c", {{0, 5, K::Key}, {14, 2, K::Comment}}},
        {u"Clsn2[0] = -10,0, 10,-79", {{0, 8, K::Key}, {11, 3, K::Number}, {15, 1, K::Number}, {18, 2, K::Number}, {21, 3, K::Number}}},
        {u"Clsn2: 1", {{0, 5, K::Key}, {7, 1, K::Number}}},
        {u"0,0, 0,0, 5", {{0, 1, K::Number}, {2, 1, K::Number}, {5, 1, K::Number}, {7, 1, K::Number}, {10, 1, K::Number}}},
        {u"anim = var(12) + S2x", {{0, 4, K::Key}, {11, 2, K::Number}}},
        {u";only a comment", {{0, 15, K::Comment}}},
        {u"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(syntaxSpans(c.line), c.spans) << std::string(c.line.begin(), c.line.end());
}
