#pragma once
// One thing the checker found, and the two ways it is printed: the compiler
// form editors and build tools understand, and JSON for other programs.

#include "common/message.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

enum class Severity { Error, Warning, Note };

struct Finding {
    std::string file;      // relative to the character's folder
    std::int32_t line = 0; // 1-based; 0 when the finding concerns the whole file
    Severity severity = Severity::Error;
    std::string message; // in English
    Message text;        // the message, to be shown in the user's language
};

const char* severityName(Severity severity);

// "file:line: error: message" ("file: note: message" without a line).
std::string formatFinding(const Finding& finding);

// {"findings": [{"file": ..., "line": ..., "severity": ..., "message": ...}, ...],
//  "errors": n, "warnings": n, "notes": n}. A line of 0 is written as null;
// bytes that are not UTF-8 become U+FFFD.
std::string findingsJson(const std::vector<Finding>& findings);

} // namespace vantrel
