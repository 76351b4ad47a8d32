#include "text/syntax.h"
#include "text/text_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

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
        "a\r\nb\r\n",
        "[Data]\nlife = 1000\n",
        "a\rb\r",
        "a\r\nb\nc\rd\r\n",
        "\r\n\r\n\r\n",
        "\xEF\xBB\xBF; \xE6\x97\xA5\xE6\x9C\xAC\n", // UTF-8 with a BOM
        "; \x83\x4C\x83\x83\x83\x89\r\nx = 1\r\n",  // Shift-JIS comment
        "\xEF\xBB\xBF\x83\x4C\r\n",                 // BOM before bytes that are not UTF-8
        "a\xE2\x80\xA9"
        "b\n", // paragraph separator
        everyByte + "\r\n",
    };
    for (const std::string& bytes : unchanged)
        EXPECT_EQ(roundTrip(bytes), bytes);
    // Without a final line break one CR LF is added, even after a cut UTF-8 sequence.
    for (const std::string bytes : {"a", "", "ok \xE6\x97"})
        EXPECT_EQ(roundTrip(bytes), bytes + "\r\n");
}

TEST(TextFile, ShownTextIsUtf8WhenValidElseShiftJisElseOneCharacterPerByteAndEditsKeepTheEncoding)
{
    const ShownText utf8 = decodeText("\xEF\xBB\xBFna\xC3\xAFve\n");
    EXPECT_TRUE(utf8.encoding.charset == Charset::Utf8 && utf8.encoding.byteOrderMark);
    EXPECT_EQ(utf8.lines[0].text, u"na\u00EFve");
    EXPECT_EQ(joinedWithCrLf(decodeText("a\nb\rc").lines), u"a\r\nb\r\nc");

    // A typed character is written in the file's encoding.
    ShownText bytes = decodeText("\x83\x4C\r\n");
    EXPECT_EQ(bytes.encoding.charset, Charset::ShiftJis);
    EXPECT_EQ(bytes.lines[0].text, std::u16string(u"\u30AD"));
    bytes.lines[0].text += u"\u65E5";
    EXPECT_EQ(encodeText(bytes.lines, bytes.encoding), "\x83\x4C\x93\xFA\r\n");

    // A new line takes the file's usual line end.
    ShownText shown = decodeText("a\nb\nc\r\n");
    shown.lines.insert(shown.lines.begin() + 1, TextLine{u"new", LineEnd::None});
    EXPECT_EQ(encodeText(shown.lines, shown.encoding), "a\nnew\nb\nc\r\n");
}

TEST(TextFile, EachFileIsShownInTheFirstEncodingItDecodesInCleanly)
{
    using C = Charset;
    const struct {
        std::string bytes;
        Charset charset;
        std::u16string firstLine;
    } cases[] = {
        {"plain = 1\r\n", C::Utf8, u"plain = 1"},
        {"\xEF\xBB\xBF; \xE6\x97\xA5\xE6\x9C\xAC\n", C::Utf8, u"; \u65E5\u672C"},
        {"; \x93\xFA\x96\x7B\r\n", C::ShiftJis, u"; \u65E5\u672C"},
        // 0x5C is a trail byte inside a character and a backslash on its own.
        {"\x95\x5C C:\\x\r\n", C::ShiftJis, u"\u8868 C:\\x"},
        {"\xB1\xB2\r\n", C::ShiftJis, u"\uFF71\uFF72"}, // half-width katakana
        // Valid UTF-8 wins even where the bytes would also be Shift-JIS.
        {"\xC3\xA9\r\n", C::Utf8, u"\u00E9"},
        // A lead byte before a line end, a blank or a byte no table has.
        {"caf\xE9\r\n", C::Latin1, u"caf\u00E9"},
        {"caf\xE9 ok\r\n", C::Latin1, u"caf\u00E9 ok"},
        {"\x80\xA0\xFD\r\n", C::Latin1, u"\u0080\u00A0\u00FD"},
        // The user-defined area is more likely another encoding's letters.
        {"\xF0\x40\r\n", C::Latin1, u"\u00F0\u0040"},
        // One bad line decides for the whole file.
        {"\x83\x4C\r\n\x83\r\n", C::Latin1, u"\u0083L"},
        // UTF-8 holding a paragraph separator would be split by the text box.
        {"a\xE2\x80\xA9\n", C::ShiftJis, u"a\u7AB6\uFF69"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detectCharset(c.bytes), c.charset) << c.bytes;
        const ShownText shown = decodeText(c.bytes);
        EXPECT_EQ(shown.encoding.charset, c.charset) << c.bytes;
        EXPECT_EQ(shown.lines[0].text, c.firstLine) << c.bytes;
        EXPECT_EQ(encodeText(shown.lines, shown.encoding), c.bytes) << c.bytes;
    }
}

TEST(TextFile, AChosenEncodingShowsBytesThatDoNotDecodeAsReplacementCharacters)
{
    using C = Charset;
    const struct {
        std::string bytes;
        Charset charset;
        std::u16string text;
    } cases[] = {
        {"\x83\x4C\r\n", C::Latin1, u"\u0083L\n"},
        {"\x83\x4C\r\n", C::Utf8, u"\uFFFDL\n"},
        {"caf\xE9\r\nok", C::ShiftJis, u"caf\uFFFD\nok"},
        {"\xE6\x97\xA5\xE6\x97\r\n", C::Utf8, u"\u65E5\uFFFD\uFFFD\n"},
        {"\xE6\x97\xA5\r\n", C::ShiftJis, u"\u8B4C\uFF65\n"}, // read as two Shift-JIS characters
        {"a\xE2\x80\xA9"
         "b",
         C::Utf8, u"a\uFFFDb"},
    };
    for (const auto& c : cases) {
        const JoinedText joined = decodeJoined(c.bytes, c.charset);
        EXPECT_EQ(joined.encoding.charset, c.charset) << c.bytes;
        EXPECT_EQ(joined.text, c.text) << c.bytes;
        // Unedited, every line is written as it was read.
        const ShownText shown = decodeText(c.bytes, c.charset);
        const FileLines original{shown.lines, shown.lineBytes};
        const std::string expected = c.bytes.ends_with('\n') ? c.bytes : c.bytes + "\r\n";
        EXPECT_EQ(encodeFile(shown.lines, shown.encoding, original).bytes, expected) << c.bytes;
    }
    // Plain ASCII reads the same in every encoding, the backslash and the
    // tilde included (Shift-JIS is code page 932, where they keep their place).
    std::string ascii;
    for (int b = 0; b < 0x80; ++b) {
        if (b != '\r' && b != '\n')
            ascii += static_cast<char>(b);
    }
    const std::u16string wide(ascii.begin(), ascii.end());
    for (const Charset charset : kCharsets) {
        const JoinedText joined = decodeJoined(ascii + "\r\n" + ascii, charset);
        EXPECT_EQ(joined.text, wide + u"\n" + wide) << charsetName(charset);
    }
    EXPECT_EQ(decodeJoined(ascii).encoding.charset, Charset::Utf8);
}

TEST(TextFile, AnEditInTheMiddleRewritesThatLineInTheFilesEncodingAndKeepsEveryOtherByte)
{
    const std::string realShiftJis = test::readFile(test::realchars("winmugen-kfm/kfm.cns"));
    const std::string realUtf8 = test::readFile(test::realchars("ikemen-kfm/kfm.cns"));
    // Bytes the encoder would write differently: the same characters from
    // another row of the Windows table (0x879A and 0xED40).
    const std::string sjisDuplicates = "; \x87\x9A \xED\x40\r\nx = 1\r\n; \x87\x9A\r\ny = 2\r\n";
    std::string latin1;
    for (int n = 0; n < 40; ++n)
        latin1 += "; caf\xE9 " + std::to_string(n) + " \xA9\xFF\r\n";
    const struct {
        const char* name;
        std::string bytes;
        Charset charset;
        std::size_t line; // typed at the end of this line
        std::u16string typed;
        std::string written; // the bytes of the typed text
    } cases[] = {
        {"Shift-JIS (real)", realShiftJis, Charset::ShiftJis, 1500, u" ; \u65E5\u672C\u00A5", " ; \x93\xFA\x96\x7B?"},
        {"Shift-JIS duplicates", sjisDuplicates, Charset::ShiftJis, 1, u" \u2235", " \x81\xE6"},
        {"UTF-8 with a BOM (real)", realUtf8, Charset::Utf8, 1200, u" ; \u65E5 \u00E9", " ; \xE6\x97\xA5 \xC3\xA9"},
        {"Latin-1", latin1, Charset::Latin1, 20, u" \u00E9\u00FC", " \xE9\xFC"},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(c.bytes.empty()) << c.name;
        ShownText shown = decodeText(c.bytes);
        ASSERT_EQ(shown.encoding.charset, c.charset) << c.name;
        const FileLines original{shown.lines, shown.lineBytes};
        ASSERT_GT(shown.lines.size(), c.line + 1) << c.name;
        shown.lines[c.line].text += c.typed;

        // Where the typed text goes: at the end of that line in the file.
        std::size_t end = 0;
        for (std::size_t n = 0, start = 0; n <= c.line; ++n) {
            end = c.bytes.find_first_of("\r\n", start);
            start = end + (c.bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        std::string expected = c.bytes;
        expected.insert(end, c.written);

        const EncodedText encoded = encodeFile(shown.lines, shown.encoding, original);
        EXPECT_EQ(encoded.bytes, expected) << c.name;
        // The yen sign has no place in the Windows table, whose 0x5C is a backslash.
        EXPECT_EQ(encoded.unwritable.has_value(), c.typed.ends_with(u"\u00A5")) << c.name;

        // The same edit with a line moved away and typed back further down.
        std::vector<TextLine> moved = shown.lines;
        const TextLine first = moved[0];
        moved.erase(moved.begin());
        moved.insert(moved.begin() + static_cast<std::ptrdiff_t>(c.line), first);
        const std::string movedBytes = encodeFile(moved, shown.encoding, original).bytes;
        EXPECT_NE(movedBytes.find(shown.lineBytes[0]), std::string::npos) << c.name;
        EXPECT_EQ(movedBytes.size(), expected.size()) << c.name;
    }
}

TEST(TextFile, ACharacterTheEncodingCannotWriteIsReportedAndWrittenAsAQuestionMark)
{
    const struct {
        Charset charset;
        std::u16string line;
        std::optional<Unwritable> unwritable;
        std::string written;
    } cases[] = {
        {Charset::ShiftJis, u"a\U0001F600b\u65E5", Unwritable{1, 1, 0x1F600}, "a?b\x93\xFA"},
        {Charset::ShiftJis, u"\u0416\u00E9", Unwritable{1, 1, 0xE9}, "\x84\x47?"},
        {Charset::Latin1, u"\u00E9\u65E5\U0001F600", Unwritable{1, 1, 0x65E5}, "\xE9??"},
        {Charset::Utf8, u"\u65E5\U0001F600", std::nullopt, "\xE6\x97\xA5\xF0\x9F\x98\x80"},
        {Charset::Latin1, u"\u00FF", std::nullopt, "\xFF"},
    };
    for (const auto& c : cases) {
        const std::vector<TextLine> lines{{u"x", LineEnd::CrLf}, {c.line, LineEnd::CrLf}, {u"", LineEnd::None}};
        TextEncoding encoding;
        encoding.charset = c.charset;
        const EncodedText encoded = encodeFile(lines, encoding, {});
        EXPECT_EQ(encoded.bytes, "x\r\n" + c.written + "\r\n") << charsetName(c.charset);
        ASSERT_EQ(encoded.unwritable.has_value(), c.unwritable.has_value()) << charsetName(c.charset);
        if (c.unwritable) {
            EXPECT_EQ(encoded.unwritable->line, c.unwritable->line);
            EXPECT_EQ(encoded.unwritable->column, c.unwritable->column);
            EXPECT_EQ(encoded.unwritable->character, c.unwritable->character);
        }
    }
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
    const std::string folderPath = t.dir().toStdString();
    const Result<JoinedText> folder = loadTextFile(folderPath);
    EXPECT_FALSE(folder.ok());
    EXPECT_EQ(folder.error(), "Could not read " + folderPath + ": " + std::strerror(EISDIR));

    const Result<void> unnamed = saveTextFile("", decodeText("x").lines, {});
    EXPECT_FALSE(unnamed.ok());
    EXPECT_FALSE(unnamed.error().empty());
    EXPECT_FALSE(saveTextFile(t.path("missing-folder/new.txt"), decodeText("x").lines, {}).ok());
}

TEST(Syntax, HeadersCommentsKeysAndNumbers)
{
    using K = SyntaxKind;
    const std::pair<std::u16string, std::vector<SyntaxSpan>> cases[] = {
        {u"[Statedef 200] ; walk", {{0, 14, K::Header}, {15, 6, K::Comment}}},
        {u"  [Begin Action 0]", {{2, 16, K::Header}}},
        {u"trigger1 = time = 15", {{0, 8, K::Key}, {18, 2, K::Number}}},
        {u"value = \"a;b\" ;c", {{0, 5, K::Key}, {14, 2, K::Comment}}},
        {u"Clsn2[0] = -10,0, 10,-79",
         {{0, 8, K::Key}, {11, 3, K::Number}, {15, 1, K::Number}, {18, 2, K::Number}, {21, 3, K::Number}}},
        {u"Clsn2: 1", {{0, 5, K::Key}, {7, 1, K::Number}}},
        {u"0,0, 5", {{0, 1, K::Number}, {2, 1, K::Number}, {5, 1, K::Number}}},
        {u"anim = var(12) + S2x", {{0, 4, K::Key}, {11, 2, K::Number}}},
        {u";only a comment", {{0, 15, K::Comment}}},
        {u"", {}},
    };
    for (const auto& [line, spans] : cases)
        EXPECT_EQ(syntaxSpans(line), spans) << std::string(line.begin(), line.end());
}
