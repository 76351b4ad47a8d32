#include "ui/shortcuts.h"

#include <QAction>
#include <QWidget>

namespace vantrel {

namespace {

// An action's tool tip as it was before keys were named in it, kept with
// the action (as its child) for the next binding.
class PlainToolTip : public QObject {
public:
    PlainToolTip(QAction* action, QString text) : QObject(action), text(std::move(text)) { }
    QString text;

    static PlainToolTip* of(QAction* action)
    {
        for (QObject* child : action->children()) {
            if (auto* plain = dynamic_cast<PlainToolTip*>(child))
                return plain;
        }
        return new PlainToolTip(action, action->toolTip());
    }
};

} // namespace

QString toolTipWithKeys(const QString& toolTip, const QKeySequence& key)
{
    if (key.isEmpty())
        return toolTip;
    const QString keys = QStringLiteral("(%1)").arg(key.toString(QKeySequence::NativeText));
    if (toolTip.endsWith(keys))
        return toolTip;
    return toolTip.isEmpty() ? keys : toolTip + QLatin1Char(' ') + keys;
}

QList<QKeySequence> standardKeys(QKeySequence::StandardKey key)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!keys.isEmpty())
        return keys;
    switch (key) {
    case QKeySequence::Quit: return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    case QKeySequence::SaveAs: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
    default: return {};
    }
}

void bindKeys(QWidget* window, QAction* action, const QList<QKeySequence>& keys)
{
    // The tool tip as it was before a key was named in it (without one set,
    // Qt's tip is the action's text).
    const QString tip = PlainToolTip::of(action)->text;
    action->setShortcuts(keys);
    // Several windows bind the same keys; only the focused one's count.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    if (!window->actions().contains(action))
        window->addAction(action);
    action->setToolTip(toolTipWithKeys(tip, action->shortcut()));
}

void bindKeys(QWidget* window, QAction* action, QKeySequence::StandardKey key)
{
    bindKeys(window, action, standardKeys(key));
}

} // namespace vantrel
