#pragma once
// The work of the two sprite tools, apart from their command lines, so that
// tests and benchmarks run exactly what the programs run.

#include "formats/sff.h"
#include "formats/sff_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace sfflib {

// Unpacks the archive at `sffPath`, one picture at a time, into `folder`
// (created when missing): 8-bit pictures as sNNNNN.pcx, true-colour ones as
// sNNNNN.png. It then writes the archive's description (archive_description.h:
// the palettes of a version 2 archive, and where each picture's stored bytes
// lie with what its file was when written) at descriptionPathFor(indexPath),
// and last the index at `indexPath`, whose picture paths are `folder`/name.
// Any index and description already there are removed first, so that on
// failure none is left. The pictures are scratch files: they are not flushed
// to disk one by one. Returns the number of sprites.
Result<std::size_t> unpackSff(const std::string& sffPath, const std::string& folder, const std::string& indexPath);

struct BuildReport {
    std::size_t sprites = 0;
    std::string sffPath;
    int version = 1;
    // Distinct picture files whose stored bytes were copied, and encoded.
    std::size_t copied = 0;
    std::size_t encoded = 0;
    // What the user should know: pictures encoded because what the
    // description recorded no longer holds.
    std::vector<std::string> notes;
};

// Builds the SFF that the index text names on its first line from the PCX
// and PNG files its records name (relative to the current directory; '\'
// counts as a separator). The version is options.version, or else the
// version of the description at `descriptionPath` (2 for one that names
// none), else 1. Nothing is written unless every record is good.
//
// A picture whose file is as the description recorded it (size, time and
// the hash of its bytes), whose stored bytes are still in the recorded
// archive (their hash), and which goes into an archive of that archive's
// version, drawn with a palette of the same colours, is copied as it is
// stored; every other picture is decoded and encoded, on every core. Cropping
// encodes every picture. After the build the description's stored lines
// find the pictures in the archive written, and for SFF v2 its palette table
// and pictures' palettes are the archive's.
Result<BuildReport> buildSff(std::string_view indexText, const BuildOptions& options,
                             const std::string& descriptionPath = "tempsff.v2.txt");

} // namespace sfflib
