#include "shown_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace vantrel::test {

std::vector<ShownText> shownTexts(QWidget* root)
{
    std::vector<ShownText> texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        auto add = [&texts, w](const QString& text, QAction* action = nullptr) {
            if (!text.trimmed().isEmpty())
                texts.push_back({w, action, text});
        };
        if (w->isWindow())
            add(w->windowTitle());
        add(w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(group->title());
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        for (QAction* action : w->actions()) {
            add(action->text(), action);
            add(action->iconText(), action);
            add(action->toolTip(), action);
            if (QMenu* menu = action->menu())
                for (QAction* entry : menu->actions())
                    add(entry->text(), entry);
        }
    }
    return texts;
}

} // namespace vantrel::test
