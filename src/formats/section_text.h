#pragma once
// The shape every character text file but the AIR shares: "[Section]" lines,
// each followed by "key = value" lines, comments from ';' on. The .def, the
// constants, the state files and the command file are all read through this.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct SectionEntry {
    std::int32_t line = 0;  // 1-based
    std::string key;        // lower case, blanks around it removed
    std::string_view value; // as written, without comment and outer blanks
};

struct TextSection {
    std::int32_t line = 0;   // 1-based line of the header
    std::string_view header; // the text between '[' and ']', outer blanks removed
    std::vector<SectionEntry> entries;
};

// A parsed file. Views point into the file's bytes, which it owns.
struct SectionedText {
    std::unique_ptr<const std::string> bytes;
    std::vector<TextSection> sections; // lines before the first header are not kept
    std::int32_t lineCount = 0;
};

// Lines end at CR LF, CR or LF; a UTF-8 byte-order mark is skipped. A ';'
// inside double quotes does not start a comment. A line without '=' that is
// not a header is ignored.
SectionedText readSections(std::string bytes);

// A whole number written alone ("200", "-1", " 5 "), without expression
// around it. Nothing for anything else.
std::optional<std::int64_t> plainNumber(std::string_view text);

} // namespace vantrel
