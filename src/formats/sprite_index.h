#pragma once
// The sprite index (tempsff.txt) that the editor and the sprite tools pass to
// each other: a header line naming an SFF archive (the one unpacked, or the
// one the build writes), then five lines per sprite: its PCX file, group,
// image number, axis x and axis y. Written with CR LF line ends. Standard C++
// only, so that the sprite tools read and write it with the same code.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel {

// One sprite. The fields keep the text of the index; the sprite window
// stores a number as its decimal text.
struct SpriteRecord {
    std::string pcxFile; // relative to the application directory
    std::string groupText;
    std::string imageText;
    std::string axisXText;
    std::string axisYText;

    // The fields as numbers: the number a text starts with, 0 when none.
    std::int64_t group() const;
    std::int64_t imageNo() const;
    std::int64_t axisX() const;
    std::int64_t axisY() const;
};

struct SpriteIndex {
    std::string header;
    std::vector<SpriteRecord> records;
};

// The index in its lines. A final record with fewer than five lines still
// counts, with empty texts for its missing fields.
SpriteIndex parseSpriteIndex(const std::vector<std::string>& lines);
// The same on the file's bytes, split with the program's line rules.
SpriteIndex parseSpriteIndex(std::string_view text);

// The first two records (0-based, in order) that share a group and an image
// number; an archive holds one sprite of each number. Nothing when all differ.
std::optional<std::pair<std::size_t, std::size_t>> firstNumberClash(const std::vector<SpriteRecord>& records);

// The image number of `group` from `from` on that no record has.
std::int64_t nextFreeImageNumber(const std::vector<SpriteRecord>& records, std::int64_t group, std::int64_t from);

// The index text: the header line, then the records.
std::string formatSpriteIndex(const std::string& header, const std::vector<SpriteRecord>& records);

} // namespace vantrel
