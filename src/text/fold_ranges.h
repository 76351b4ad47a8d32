#pragma once
// The blocks a text view can fold: each state ([Statedef], in state files and
// scripts) and each action ([Begin Action], in the AIR), from its header to
// its last line that says something, so the comment naming the next one
// stays in view.

#include <cstddef>
#include <string_view>
#include <vector>

namespace vantrel {

struct FoldRange {
    std::size_t header = 0; // 0-based; the line that stays shown
    std::size_t last = 0;   // the last line hidden when folded (> header)
};

// In line order; a header with nothing below it to hide has none.
std::vector<FoldRange> foldRanges(const std::vector<std::string_view>& lines);

} // namespace vantrel
