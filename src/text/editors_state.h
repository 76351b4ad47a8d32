#pragma once
// The text editors' program-wide state: the find dialog's search settings
// and the modified flags, which outlive the windows.

#include "text/find.h"

#include <array>

namespace vantrel {

// One modified flag per editor kind.
enum class EditorSlot { Notepad = 0, Def = 1, Air = 2, Cmd = 3, St = 4, Cns = 5 };

struct TextEditorsState {
    SearchSettings search;
    std::array<bool, 6> modified{};

    bool& modifiedFlag(EditorSlot slot) { return modified[static_cast<std::size_t>(slot)]; }
};

} // namespace vantrel
