#include "shortcut_table.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace vantrel::test {

namespace {

// True when the object lies in a child window of a frame inside `window`.
bool inChildWindow(const QObject* object, const QWidget* window)
{
    for (const QObject* o = object; o && o != window; o = o->parent()) {
        if (qobject_cast<const QMdiSubWindow*>(o))
            return true;
    }
    return false;
}

} // namespace

QString keyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::PortableText);
}

QString keyText(QKeySequence::StandardKey key)
{
    return keyText(QKeySequence(key));
}

QMap<QString, QStringList> boundKeys(QWidget* window)
{
    QList<QAction*> actions = window->actions();
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!actions.contains(action))
            actions << action;
    }
    QMap<QString, QStringList> keys;
    for (QAction* action : std::as_const(actions)) {
        if (inChildWindow(action, window))
            continue;
        for (const QKeySequence& key : action->shortcuts())
            keys[keyText(key)] << action->objectName();
    }
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        if (inChildWindow(shortcut, window))
            continue;
        for (const QKeySequence& key : shortcut->keys())
            keys[keyText(key)] << shortcut->objectName();
    }
    return keys;
}

QStringList keysBoundTwice(QWidget* window)
{
    QStringList twice;
    const QMap<QString, QStringList> keys = boundKeys(window);
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (it.value().size() > 1)
            twice << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return twice;
}

} // namespace vantrel::test
