#pragma once
// Where on its line a fault the check found lies, for the wavy underline:
// the checker names a line, and its message names what is wrong there.

#include <QString>

#include <utility>

namespace vantrel {

// The columns [first, last) of `line` that `message` (as the tool tip shows
// it, "error: " and all) is about: a text the message quotes ("unknown
// trigger "Foo""), the parameter it starts with ("crtl: did you mean
// ctrl?"), else the parameter's value ("uses action 9190" in "value =
// 9190"); the line's text, blanks aside, when it names none of them. Empty
// (first == last) on a line with nothing written.
std::pair<int, int> faultSpan(const QString& line, QString message);

} // namespace vantrel
