#pragma once
// What an SFF holds beyond the sprite index: written by sff2pcx beside the
// index (tempsff.txt gets tempsff.v2.txt, whatever the archive's version),
// read by sprmaker to build the archive back as its version and to copy the
// stored bytes of unchanged pictures, and by the editor to tell the
// workspace's version. A text file:
//
//   SFF 2.01
//   palettes 2
//   1 1 32 00000000 ff0000ff ...      group, number, count, then each colour as RRGGBBAA
//   9000 1 256 ...
//   pictures 2
//   0 tempsff/s00000.pcx              palette index, then the picture as the index names it
//   1 tempsff/s00001.pcx
//   archive 2.01 /home/me/kfm/kfm.sff the archive whose stored bytes the lines below find
//   stored 2
//   1024 5310 9f2c...e1 4 5 120 100 0 77a0...03 12801 1733581242123456789 1733581242123456789 03bd...9a
//   tempsff/s00000.pcx
//   ...
//
// Every palette of the archive's table is listed, used by a sprite or not.
// An SFF v1 has no palette table: "palettes 0" and "pictures 0".
//
// Each "stored" line is one picture file: where its stored bytes lie in the
// archive (offset and length in the file, and their hash), how they are
// stored (format, colour depth, width, height, palette index and the hash of
// that palette's colour bytes; for SFF v1 the format is 1 when the sprite
// takes the previous sprite's palette, else 0, depth 8, the size and palette
// 0, and the hash that of the 768 colour bytes it is drawn with), then the
// picture file as it was written (size, modification and status change
// times in nanoseconds, hash of its bytes) and its name. Hashes are 16
// hexadecimal digits (content_hash.h). A file whose size and both times are
// as recorded is taken as unchanged without being read: an edit moves the
// status change time, which no program can set back; one whose times moved
// is read, and copied still when its hash is as recorded. sprmaker writes the lines anew after each build, for the
// archive it wrote. A description without them (written by an older
// sff2pcx) is still read; the build then encodes every picture.

#include "formats/sff.h"
#include "formats/sff_result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sfflib {

// Where a picture's stored bytes lie in the archive the workspace was last
// unpacked from or built into, and what its file was then.
struct StoredPicture {
    std::string file; // as the index names it
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::uint64_t dataHash = 0;
    int format = 0; // SFF v2: the node's format; SFF v1: 1 when it takes the previous sprite's palette
    int depth = 0;
    int width = 0;
    int height = 0;
    std::uint16_t palette = 0;
    // SFF v2: of the palette's colours, 4 bytes each; SFF v1: of the 768
    // colour bytes the picture is drawn with.
    std::uint64_t paletteHash = 0;
    std::uint64_t fileSize = 0;
    std::int64_t fileTime = 0;   // modification time, nanoseconds
    std::int64_t fileChange = 0; // status change time, nanoseconds
    std::uint64_t fileHash = 0;

    bool operator==(const StoredPicture&) const = default;
};

struct ArchiveDescription {
    std::string version = "2.01"; // of the archive unpacked
    std::vector<PaletteEntry> palettes;
    // Each picture file of the workspace and the palette it is drawn with.
    std::vector<std::pair<std::string, std::uint16_t>> pictures;
    // The archive the stored lines describe ("archive" line): its version
    // and path; both empty when there is none.
    std::string storedVersion;
    std::string storedArchive;
    std::vector<StoredPicture> stored;
    // How many stored lines the description announced: more than `stored`
    // holds when the file was cut short.
    std::size_t storedAnnounced = 0;

    // The palette the picture at `pictureFile` (as an index record names it:
    // '\' and letter case do not count) was unpacked with, or -1.
    int paletteOfPicture(const std::string& pictureFile) const;
    // Where the picture's bytes lie, or null. The first call after `stored`
    // changed size makes the lookup; the calls after it only read, and may
    // come from several threads at once.
    const StoredPicture* storedPicture(const std::string& pictureFile) const;
    // The same, looking first at stored line `hint`: a build writes the
    // lines in the order of the index, so the lines of an index saved again
    // are where its pictures are.
    const StoredPicture* storedPicture(const std::string& pictureFile, std::size_t hint) const;

private:
    mutable std::unordered_map<std::string, std::uint16_t> m_lookup;
    mutable std::unordered_map<std::string, std::size_t> m_storedLookup;
    mutable std::size_t m_storedLookupFor = SIZE_MAX; // the size of `stored` it was made for
    mutable bool m_storedTwice = false;               // a file has two stored lines: hints are not taken
};

// The description file that goes with the index at `indexPath`: its name
// with ".txt" replaced by ".v2.txt" (or ".v2.txt" added).
std::string descriptionPathFor(const std::string& indexPath);

std::string formatArchiveDescription(const ArchiveDescription& description);

// Fails with a sentence naming the line at fault: a malformed or unknown
// line, a palette of no or more than 256 colours, a picture whose palette is
// past the table. Stored lines that end early (the file was cut short, its
// last line unfinished) are not a fault: those there are kept, and
// storedAnnounced tells how many were meant.
Result<ArchiveDescription> parseArchiveDescription(std::string_view text);
// The file: nothing when there is none, a failure when it cannot be used.
Result<std::optional<ArchiveDescription>> readArchiveDescription(const std::string& path);

} // namespace sfflib
