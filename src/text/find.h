#pragma once
// Find and replace over a text box: the search settings every opening of the
// find dialog shares, and the two searches (down and up) with the rule that
// a search starting on the last match moves one character on.

#include "text/text_box.h"
#include "ui/search_settings.h"

#include <string>

namespace vantrel {

// Upper case of one character (ASCII, Latin-1, Greek and Cyrillic); a
// character never changes into several, so offsets stay the same.
char16_t upperCaseOf(char16_t c);

// Searches for findText from the text box's selection and selects the match.
// Returns its offset, or -1 when there is none (text and selection stay as
// they were). lastMatch becomes the result. An empty find text searches
// nothing and changes nothing.
long findNext(TextBox& box, SearchSettings& search, std::u16string_view findText);

// Replaces the selection when it is exactly the find text (letter case
// always counts), then finds the next one.
long replaceNext(TextBox& box, SearchSettings& search, std::u16string_view findText, std::u16string_view replacement);

} // namespace vantrel
