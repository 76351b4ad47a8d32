#pragma once
// How an edited text file becomes text on screen and goes back to disk.
// Files are byte strings, shown in the first encoding they decode in cleanly:
// UTF-8, else Shift-JIS, else Latin-1 (one character per byte); the user may
// choose another. Each line keeps the line end it had (CR LF, LF or a lone
// CR) and a UTF-8 byte-order mark is kept aside. A save writes the lines the
// user did not edit with the bytes they had, and edited lines in the file's
// encoding, so loading and saving without an edit writes the same bytes.

#include "common/atomic_file.h"
#include "common/encoding.h"
#include "common/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum class LineEnd : std::uint8_t { None, CrLf, Lf, Cr };

struct TextLine {
    std::u16string text;
    LineEnd end = LineEnd::None; // what follows the line in the file; None for the last one
};

// What the shown text does not say about the file's bytes.
struct TextEncoding {
    Charset charset = Charset::Utf8;
    bool byteOrderMark = false;       // the file began with EF BB BF
    LineEnd usualEnd = LineEnd::CrLf; // the most frequent line end; new lines get it
};

struct ShownText {
    std::vector<TextLine> lines; // never empty: an empty file is one empty line
    TextEncoding encoding;
    std::vector<std::string> lineBytes; // each line's bytes in the file, without its end
};

// The same in one piece, as the text box takes a whole file: the lines joined
// by LF, and the end that followed each line but the last.
struct JoinedText {
    std::u16string text;
    std::vector<LineEnd> ends; // one fewer than the lines
    TextEncoding encoding;
    std::vector<std::string> lineBytes; // each line's bytes in the file, without its end
};

// The first of kCharsets the bytes (after a UTF-8 byte-order mark) decode in
// cleanly: UTF-8 that holds characters the text box would take for paragraph
// breaks does not count.
Charset detectCharset(std::string_view bytes);

// Splits a file at CR LF, LF and lone CR, decoded in detectCharset()'s choice.
JoinedText decodeJoined(std::string_view bytes);
// The same in a chosen encoding; bytes that do not decode show as U+FFFD.
JoinedText decodeJoined(std::string_view bytes, Charset charset);
// The same as lines; every line but the last carries its end.
ShownText decodeText(std::string_view bytes);
ShownText decodeText(std::string_view bytes, Charset charset);

// The lines as the file held them when it was read: what a save compares the
// text with to find the lines the user left alone.
struct FileLines {
    std::vector<TextLine> lines;
    std::vector<std::string> bytes; // one per line, without its end
};

// A typed character the file's encoding cannot write: its line and its
// column (in UTF-16 units), both from 0.
struct Unwritable {
    std::size_t line = 0;
    std::size_t column = 0;
    char32_t character = 0;
};

struct EncodedText {
    std::string bytes;
    std::optional<Unwritable> unwritable; // the first one; written as '?'
};

// The bytes to write for the lines (see encodeText()), taking the bytes of
// `original` for every line whose text and line ends are as they were read.
// `original` must have been decoded in encoding.charset; empty: every line is
// encoded anew.
EncodedText encodeFile(const std::vector<TextLine>& lines, const TextEncoding& encoding, const FileLines& original);

// The bytes to write for the lines. A line without an end (other than the
// last) takes the usual end. One CR LF is appended when the text does not
// already end with a line break.
std::string encodeText(const std::vector<TextLine>& lines, const TextEncoding& encoding);

// The shown text with every line break written as CR LF.
std::u16string joinedWithCrLf(const std::vector<TextLine>& lines);

// The bytes of the lines exactly as shown: no byte-order mark and nothing
// added after the last line. A line break typed since loading is written as
// the usual end. decodeText() of the result gives the lines back.
std::string shownBytes(const std::vector<TextLine>& lines, const TextEncoding& encoding);

// Where two versions of a text differ, by whole lines: the first `first`
// lines agree, then `removed` lines of the old text give way to `added` lines
// of the new one, and the rest agrees, each line with the line end before and
// after it. A break typed since loading (None) counts as `usualEnd`.
struct LineChange {
    std::size_t first = 0;
    std::size_t removed = 0;
    std::size_t added = 0;
    bool empty() const { return removed == 0 && added == 0; }
};
LineChange changedLines(const std::vector<TextLine>& before, const std::vector<TextLine>& after, LineEnd usualEnd);

// Reads and decodes a whole file, in `charset` when one is given. A failure
// names the file and the system's reason.
Result<JoinedText> loadTextFile(const std::string& path, std::optional<Charset> charset = std::nullopt);

// Writes the lines atomically; an empty path fails without touching the disk.
Result<void> saveTextFile(const std::string& path, const std::vector<TextLine>& lines, const TextEncoding& encoding);
// The same for bytes encodeFile() made.
Result<void> saveTextBytes(const std::string& path, const std::string& bytes);

} // namespace vantrel
