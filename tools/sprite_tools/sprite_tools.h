#pragma once
// The work of the two sprite tools, apart from their command lines, so that
// tests and benchmarks run exactly what the programs run.

#include "formats/sff.h"
#include "formats/sff_result.h"

#include <string>
#include <string_view>

namespace sfflib {

// Unpacks the archive at `sffPath`, one picture at a time, into `folder`
// (created when missing): 8-bit pictures as sNNNNN.pcx, true-colour ones as
// sNNNNN.png. For a version 2 archive it then writes the description of its
// palettes (archive_description.h) at descriptionPathFor(indexPath), and
// last the index at `indexPath`, whose picture paths are `folder`/name.
// Any index and description already there are removed first, so that on
// failure none is left. The pictures are scratch files: they are not flushed
// to disk one by one. Returns the number of sprites.
Result<std::size_t> unpackSff(const std::string& sffPath, const std::string& folder, const std::string& indexPath);

struct BuildReport {
    std::size_t sprites = 0;
    std::string sffPath;
    int version = 1;
};

// Builds the SFF that the index text names on its first line from the PCX
// and PNG files its records name (relative to the current directory; '\'
// counts as a separator). The version is options.version, or else 2 when the
// description at `descriptionPath` exists, else 1. Nothing is written unless
// every record is good.
Result<BuildReport> buildSff(std::string_view indexText, const BuildOptions& options,
                             const std::string& descriptionPath = "tempsff.v2.txt");

} // namespace sfflib
