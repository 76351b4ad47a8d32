#pragma once
// What an SFF v2 holds beyond the sprite index: written by sff2pcx beside the
// index (tempsff.txt gets tempsff.v2.txt), read by sprmaker to build the
// archive back as version 2, and by the editor to tell the workspace's
// version. A text file:
//
//   SFF 2.01
//   palettes 2
//   1 1 32 00000000 ff0000ff ...      group, number, count, then each colour as RRGGBBAA
//   9000 1 256 ...
//   pictures 2
//   0 tempsff/s00000.pcx              palette index, then the picture as the index names it
//   1 tempsff/s00001.pcx
//
// Every palette of the archive's table is listed, used by a sprite or not.

#include "formats/sff.h"
#include "formats/sff_result.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sfflib {

struct ArchiveDescription {
    std::string version = "2.01"; // of the archive unpacked
    std::vector<PaletteEntry> palettes;
    // Each picture file of the workspace and the palette it is drawn with.
    std::vector<std::pair<std::string, std::uint16_t>> pictures;

    // The palette the picture at `pictureFile` (as an index record names it:
    // '\' and letter case do not count) was unpacked with, or -1.
    int paletteOfPicture(const std::string& pictureFile) const;

private:
    mutable std::unordered_map<std::string, std::uint16_t> m_lookup;
};

// The description file that goes with the index at `indexPath`: its name
// with ".txt" replaced by ".v2.txt" (or ".v2.txt" added).
std::string descriptionPathFor(const std::string& indexPath);

std::string formatArchiveDescription(const ArchiveDescription& description);

// Fails with a sentence naming the line at fault: a malformed line, a palette
// of no or more than 256 colours, a picture whose palette is past the table.
Result<ArchiveDescription> parseArchiveDescription(std::string_view text);
// The file: nothing when there is none, a failure when it cannot be used.
Result<std::optional<ArchiveDescription>> readArchiveDescription(const std::string& path);

} // namespace sfflib
