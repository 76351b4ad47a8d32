#pragma once
// Find references: every place of a file's lines that names a state, an
// action or a command, exactly (state 0 is not 10 nor 200), as the
// definitions see them: a parameter's plain value, a "command" trigger's
// name, a stateno or anim trigger compared with the number, and the place
// that defines it.

#include "text/definitions.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vantrel {

struct ReferenceSpan {
    std::size_t line = 0;   // 0-based
    std::size_t column = 0; // in bytes
    std::size_t length = 0;
    bool definition = false; // the header or name line that defines it
};

// In line order.
std::vector<ReferenceSpan> referencesTo(const std::vector<std::string_view>& lines, const DefinitionName& name);

} // namespace vantrel
