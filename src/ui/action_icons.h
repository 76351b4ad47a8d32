#pragma once
// One picture per kind of action, the same in every window: the desktop
// icon theme's (by its freedesktop name), else a drawing of our own in the
// colours of the palette, sharp at any screen scale. A file kind ("CNS",
// "SFF", ...) is shown as its name on a page.

#include <QIcon>
#include <QString>

namespace vantrel {

enum class ActionIcon {
    New,
    Open,
    Save,
    SaveAs,
    Revert,
    Reload,
    Cut,
    Copy,
    Paste,
    Delete,
    Find,
    Undo,
    Redo,
    Help,
    About,
    Settings,
    Run,
    Stop,
    Add,
    Export,
    ExportAll,
    ZoomIn,
    ZoomOut,
    Sort,
    Link,
    Folder,
    Edit,
    Calculator,
    Notepad,
    Boxes,
    Animation,
    Import,
    Duplicate,
    Replace,
    Picture,
    Thumbnails,
};

// The freedesktop name the theme is asked for.
QString themeName(ActionIcon icon);

QIcon actionIcon(ActionIcon icon);

// By a toolbar key ("Save", "Cut", "CLSN", ...): the action's icon; a file
// kind's page for "DEF", "SFF", "AIR" and the like; a null icon otherwise.
QIcon actionIcon(const QString& key);

} // namespace vantrel
