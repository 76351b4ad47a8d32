#pragma once
// Every text a window shows, for tests of its language: captions, labels,
// titles, tool tips, the entries of its lists and tabs, and its actions'
// texts with their menus' entries.

#include <QString>

#include <vector>

class QAction;
class QWidget;

namespace vantrel::test {

struct ShownText {
    QWidget* widget = nullptr; // the widget showing it, or holding the action
    QAction* action = nullptr; // the action it is a text of, if any
    QString text;              // never blank
};

std::vector<ShownText> shownTexts(QWidget* root);

} // namespace vantrel::test
