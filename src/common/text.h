#pragma once
// Text rules shared by every reader and window: how a text becomes a number,
// how a number is shown, how blanks are trimmed and how a file is split into
// lines. Texts are byte strings; nothing here assumes an encoding.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The decimal number at the start of a text: an optional sign and digits,
// reading stops at the first other character; 0 when there is none.
// Leading spaces are skipped. The result saturates instead of overflowing.
std::int64_t numericValue(std::string_view text);

// A number as labels and messages show it: one leading blank when it is zero
// or positive, a minus sign when negative (" 5", "-5").
std::string formatNumber(std::int64_t value);

// Removes leading and trailing spaces (tabs are ordinary characters).
std::string_view trimBlanks(std::string_view text);
std::string trimmed(std::string_view text);

// Removes leading and trailing spaces and tabs, as the character files pad
// their fields with either.
std::string_view trimBlanksAndTabs(std::string_view text);

// A line of a character text file up to its comment: a ';' starts one,
// except inside double quotes.
std::string_view beforeComment(std::string_view line);

// ASCII lower case; other bytes stay as they are.
std::string toLowerAscii(std::string_view text);

bool startsWith(std::string_view text, std::string_view prefix);

// Splits a file's bytes into lines. CR LF, a lone CR and a lone LF each end
// a line; a UTF-8 byte-order mark at the very start is skipped. The last line
// needs no terminator, and a terminator at the very end does not start an
// empty line.
std::vector<std::string> splitLines(std::string_view bytes);
// The same lines as views into `bytes`, for texts of many lines read once.
std::vector<std::string_view> splitLineViews(std::string_view bytes);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::string& path);
// The system's error number for a read of `path` that failed, given the
// errno the read left (0: none), told from what stands at the path.
int readErrorNumber(const std::string& path, int errorNumber);

// The same into `bytes`, whose memory is reused: for a reader that reads one
// big file after another. False (bytes emptied) when the file cannot be read.
bool readFileInto(const std::string& path, std::string& bytes);

// readFileBytes followed by splitLines.
std::optional<std::vector<std::string>> readLines(const std::string& path);

} // namespace vantrel
