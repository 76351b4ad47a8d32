#pragma once
// The find dialog's settings, shared by every opening of it in a run.

#include <string>

namespace vantrel {

inline constexpr int kFindUp = 0;
inline constexpr int kFindDown = 1;

struct SearchSettings {
    std::u16string findText;
    bool matchCase = false;
    int direction = kFindDown;
    long lastMatch = 0; // selection start of the last match, -1 after a search that failed
};

} // namespace vantrel
