#pragma once
// The character checker: reads a character through its .def and reports what
// is wrong with it, file by file and line by line, without changing anything.
// Standard C++ only; the vantrel-check program and the editor both run it.
//
// What is certainly a fault the engine would trip over is an error; what may
// be intended, or depends on the engine version, is a warning; what is merely
// worth knowing (sprites no action uses) is a note, reported on request.

#include "check/finding.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

struct CheckOptions {
    bool notes = false; // report notes as well
    // When set, the text files (the .def, the AIR, the state, command and
    // constants files) are read through it: the editor hands over the text
    // its windows hold, saved or not. Nothing: read the file on disk.
    std::function<std::optional<std::string>(const std::string& path)> readText{};
    // The engine's folder, whose data/ folder holds its common states; empty:
    // two folders above the character's (an engine's chars/<name>/).
    std::string engineFolder{};
};

struct CheckReport {
    bool readable = false;         // false when the .def itself could not be read
    std::vector<Finding> findings; // by file (the .def, the AIR, the state files), then by line

    bool hasErrors() const;
    // 0 without errors, 1 with errors, 2 when the character could not be read.
    int exitStatus() const;
};

CheckReport checkCharacter(const std::string& defPath, const CheckOptions& options = {});

// The state numbers the engine's own common states file defines, for when the
// character's stcommon file cannot be found.
bool isEngineCommonState(long long number);

} // namespace vantrel
