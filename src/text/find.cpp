#include "find.h"

#include <algorithm>

namespace vantrel {

char16_t upperCaseOf(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 0x20);
    if (c < 0xE0)
        return c;
    if (c <= 0xFE && c != 0xF7)
        return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x430 && c <= 0x44F)
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F)
        return static_cast<char16_t>(c - 0x50);
    return c;
}

namespace {

std::u16string upperCase(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t& c : out)
        c = upperCaseOf(c);
    return out;
}

} // namespace

long findNext(TextBox& box, SearchSettings& search, std::u16string_view findText)
{
    if (findText.empty())
        return search.lastMatch;
    const long selStart = box.selStart();
    const long start = selStart == search.lastMatch ? selStart + 1 : selStart;

    std::u16string text = box.text();
    std::u16string wanted(findText);
    if (!search.matchCase) {
        text = upperCase(text);
        wanted = upperCase(wanted);
    }

    long found = -1;
    const long size = static_cast<long>(text.size());
    const long length = static_cast<long>(wanted.size());
    if (search.direction == kFindDown) {
        if (start >= 0 && start <= size) {
            const auto p = text.find(wanted, static_cast<std::size_t>(start));
            found = p == std::u16string::npos ? -1 : static_cast<long>(p);
        }
    } else {
        // The match must lie entirely within the first `start` characters.
        const long lastBegin = std::min(start, size) - length;
        if (lastBegin >= 0) {
            const auto p = text.rfind(wanted, static_cast<std::size_t>(lastBegin));
            found = p == std::u16string::npos ? -1 : static_cast<long>(p);
        }
    }
    if (found >= 0)
        box.setSelection(found, length);
    search.lastMatch = found;
    return found;
}

long replaceNext(TextBox& box, SearchSettings& search, std::u16string_view findText, std::u16string_view replacement)
{
    if (findText.empty())
        return search.lastMatch;
    if (box.selText() == findText)
        box.replaceSelection(replacement);
    return findNext(box, search, findText);
}

} // namespace vantrel
