#pragma once
// A button of the Animation window's panels: named for tests and styles, and
// never pressed by Enter in a table cell or a list.

#include <QPushButton>

namespace vantrel {

inline QPushButton* panelButton(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace vantrel
