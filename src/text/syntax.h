#pragma once
// The parts of a line of a character's text files that the editors colour:
// section headers, comments, keys and numbers; in a state script (.zss) also
// its keywords, controller names, $locals, strings and operators.

#include <string_view>
#include <vector>

namespace vantrel {

enum class SyntaxKind { Header, Comment, Key, Number, Keyword, Controller, Local, String, Operator };

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

namespace vantrel {

// The spans of a state script's line: a header whole, '#' comments, the
// statement keywords, controller names (before '{'), parameter names (before
// ':', as Key), $locals, numbers, strings and operators (":=" among them).
// Names of triggers and brackets stay plain.
std::vector<SyntaxSpan> scriptSyntaxSpans(std::u16string_view line);

} // namespace vantrel
