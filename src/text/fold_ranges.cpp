#include "text/fold_ranges.h"

#include "common/text.h"
#include "text/outline.h"

namespace vantrel {

namespace {

bool isFoldHeader(std::string_view line)
{
    const std::string lower = toLowerAscii(trimmedView(line).substr(0, 13));
    return lower.starts_with("[statedef") || lower == "[begin action";
}

// A line that holds nothing but blanks or a comment.
bool isQuiet(std::string_view line)
{
    return trimBlanksAndTabs(beforeComment(trimmedView(line))).empty();
}

} // namespace

std::vector<FoldRange> foldRanges(const std::vector<std::string_view>& lines)
{
    std::vector<FoldRange> ranges;
    std::vector<std::size_t> headers;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (isFoldHeader(lines[k]))
            headers.push_back(k);
    }
    for (std::size_t h = 0; h < headers.size(); ++h) {
        std::size_t last = (h + 1 < headers.size() ? headers[h + 1] : lines.size()) - 1;
        // The comments and blank lines before the next header introduce it.
        while (last > headers[h] && isQuiet(lines[last]))
            --last;
        if (last > headers[h])
            ranges.push_back({headers[h], last});
    }
    return ranges;
}

} // namespace vantrel
