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
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            everyByte += static_cast<char>(b);
    }
    const std::string unchanged[] = {
        "a\r\nb\r\n", "[Data]\nlife = 1000\n", "a\rb\r", "a\r\nb\nc\rd\r\n", "\r\n\r\n\r\n",
        "\xEF\xBB\xBF; \xE6\x97\xA5\xE6\x9C\xAC\n",   // UTF-8 with a BOM
        "; \x83\x4C\x83\x83\x83\x89\r\nx = 1\r\n",    // Shift-JIS comment
        "\xEF\xBB\xBF\x83\x4C\r\n",                   // BOM before bytes that are not UTF-8
        "a\xE2\x80\xA9" "b\n",                        // paragraph separator
        everyByte + "\r\n",
    };
    for (const std::string& bytes : unchanged)
        EXPECT_EQ(roundTrip(bytes), bytes);
    // Without a final line break one CR LF is added, even after a cut UTF-8 sequence.
    for (const std::string bytes : {"a", "", "ok \xE6\x97"})
        EXPECT_EQ(roundTrip(bytes), bytes + "\r\n");
}

TEST(TextFile, ShownTextIsUtf8WhenValidElseOneCharacterPerByteAndEditsKeepTheEncoding)
{
    const ShownText utf8 = decodeText("\xEF\xBB\xBFna\xC3\xAFve\n");
    EXPECT_TRUE(utf8.encoding.utf8 && utf8.encoding.byteOrderMark);
    EXPECT_EQ(utf8.lines[0].text, u"na\u00EFve");
    EXPECT_EQ(joinedWithCrLf(decodeText("a\nb\rc").lines), u"a\r\nb\r\nc");

    // A typed character survives a file that is not UTF-8.
    ShownText bytes = decodeText("\x83\x4C\r\n");
    EXPECT_FALSE(bytes.encoding.utf8);
    EXPECT_EQ(bytes.lines[0].text, std::u16string(u"\u0083L"));
    bytes.lines[0].text += u"\u65E5";
    EXPECT_EQ(encodeText(bytes.lines, bytes.encoding), "\x83\x4C\xE6\x97\xA5\r\n");

    // A new line takes the file's usual line end.
    ShownText shown = decodeText("a\nb\nc\r\n");
    shown.lines.insert(shown.lines.begin() + 1, TextLine{u"new", LineEnd::None});
    EXPECT_EQ(encodeText(shown.lines, shown.encoding), "a\nnew\nb\nc\r\n");
}

TEST(TextFile, AWholeFileInOnePieceJoinsTheLinesWithLfAndKeepsEachEnd)
{
    using E = LineEnd;
    const struct {
        std::string bytes;
        std::u16string text;
        std::vector<LineEnd> ends;
        LineEnd usual;
    } cases[] = {
        {"a\r\nb\r\n", u"a\nb\n", {E::CrLf, E::CrLf}, E::CrLf},
        {"a\nb\rc\r\nd", u"a\nb\nc\nd", {E::Lf, E::Cr, E::CrLf}, E::CrLf}, // a tie goes to CR LF
        {"\r\r\n\n\n", u"\n\n\n\n", {E::Cr, E::CrLf, E::Lf, E::Lf}, E::Lf},
        {"\xEF\xBB\xBFx\ry", u"x\ny", {E::Cr}, E::Cr},
        {"", u"", {}, E::CrLf},
    };
    for (const auto& c : cases) {
        const JoinedText joined = decodeJoined(c.bytes);
        EXPECT_EQ(joined.text, c.text) << c.bytes;
        EXPECT_EQ(joined.ends, c.ends) << c.bytes;
        EXPECT_EQ(joined.encoding.usualEnd, c.usual) << c.bytes;
        // The lines say the same.
        const ShownText shown = decodeText(c.bytes);
        ASSERT_EQ(shown.lines.size(), c.ends.size() + 1) << c.bytes;
        std::u16string rejoined;
        for (std::size_t i = 0; i < shown.lines.size(); ++i) {
            rejoined += (i > 0 ? u"\n" : u"") + shown.lines[i].text;
            EXPECT_EQ(shown.lines[i].end, i < c.ends.size() ? c.ends[i] : E::None) << c.bytes << " line " << i;
        }
        EXPECT_EQ(rejoined, c.text) << c.bytes;
    }
}

TEST(TextFile, LoadOfAFolderReportsTheSystemErrorAndSaveFailsWithoutAFolderOrName)
{
    test::TestApp t;
    const TextLoadResult folder = loadTextFile(t.dir().toStdString());
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.errorNumber, EISDIR);

    const WriteResult unnamed = saveTextFile("", decodeText("x").lines, {});
    EXPECT_FALSE(unnamed.ok);
    EXPECT_FALSE(unnamed.error.empty());
    EXPECT_FALSE(saveTextFile(t.path("missing-folder/new.txt"), decodeText("x").lines, {}).ok);
}

TEST(Syntax, HeadersCommentsKeysAndNumbers)
{
    using K = SyntaxKind;
    const std::pair<std::u16string, std::vector<SyntaxSpan>> cases[] = {
        {u"[Statedef 200] ; walk", {{0, 14, K::Header}, {15, 6, K::Comment}}},
        {u"  [Begin Action 0]", {{2, 16, K::Header}}},
        {u"trigger1 = time = 15", {{0, 8, K::Key}, {18, 2, K::Number}}},
        {u"value = \"a;b\" ;c", {{0, 5, K::Key}, {14, 2, K::Comment}}},
        {u"Clsn2[0] = -10,0, 10,-79", {{0, 8, K::Key}, {11, 3, K::Number}, {15, 1, K::Number}, {18, 2, K::Number}, {21, 3, K::Number}}},
        {u"Clsn2: 1", {{0, 5, K::Key}, {7, 1, K::Number}}},
        {u"0,0, 5", {{0, 1, K::Number}, {2, 1, K::Number}, {5, 1, K::Number}}},
        {u"anim = var(12) + S2x", {{0, 4, K::Key}, {11, 2, K::Number}}},
        {u";only a comment", {{0, 15, K::Comment}}},
        {u"", {}},
    };
    for (const auto& [line, spans] : cases)
        EXPECT_EQ(syntaxSpans(line), spans) << std::string(line.begin(), line.end());
}
