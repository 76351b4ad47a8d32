#pragma once
// The sprite index the editor and the tools exchange (tempsff.txt): a header
// line, then five lines per sprite (PCX file, group, image number, axis x,
// axis y), written with CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace sfflib {

struct IndexRecord {
    std::string pcxFile;
    std::string group;
    std::string imageNo;
    std::string axisX;
    std::string axisY;
};

struct IndexFile {
    std::string header;
    std::vector<IndexRecord> records;
};

// Reads the text with the program's line rules. A final record with fewer
// than five lines keeps empty texts for its missing fields.
IndexFile parseIndex(std::string_view text);

std::string formatIndex(const IndexFile& index);

} // namespace sfflib
