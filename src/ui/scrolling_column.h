#pragma once
// A column of controls that scrolls rather than squeezes when its window is
// shorter than the controls need (large type, a small screen): as wide as
// the controls with a scroll bar beside them, as short as the window likes.

class QLayout;
class QScrollArea;

namespace vantrel {

QScrollArea* scrollingColumn(QLayout* column);

} // namespace vantrel
