#pragma once
// The work of the two sprite tools, apart from their command lines, so that
// tests and benchmarks run exactly what the programs run.

#include "result.h"
#include "sff.h"

#include <string>
#include <string_view>

namespace sfflib {

// Unpacks the archive at `sffPath`: one PCX per distinct picture in `folder`
// (created when missing), then the index at `indexPath`, whose PCX paths are
// `folder`/name. Any index already at `indexPath` is removed first, so that on
// failure none is left. Returns the number of sprites.
Result<std::size_t> unpackSff(const std::string& sffPath, const std::string& folder,
                              const std::string& indexPath);

struct BuildReport {
    std::size_t sprites = 0;
    std::string sffPath;
};

// Builds the SFF v1 that the index text names on its first line from the PCX
// files its records name (relative to the current directory; '\' counts as a
// separator). Nothing is written unless every record is good.
Result<BuildReport> buildSff(std::string_view indexText, const BuildOptions& options);

} // namespace sfflib
