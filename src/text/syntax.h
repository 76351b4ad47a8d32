#pragma once
// The parts of a line of a character's text files that the editors colour:
// section headers, comments, keys and numbers.

#include <string_view>
#include <vector>

namespace vantrel {

enum class SyntaxKind { Header, Comment, Key, Number };

struct SyntaxSpan {
    int start = 0;
    int length = 0;
    SyntaxKind kind = SyntaxKind::Comment;
    bool operator==(const SyntaxSpan&) const = default;
};

// Spans in line order, never overlapping. A ';' outside double quotes starts
// a comment; a line whose first non-blank character is '[' is a header up to
// its ']'; the word before the first '=' (or before a ':' in lines such as
// "Clsn2: 1") is a key; numbers stand alone, not inside names or strings.
std::vector<SyntaxSpan> syntaxSpans(std::u16string_view line);

} // namespace vantrel
