#pragma once
// Where windows open and what of their place outlives the program: the main
// window's size fits the screen it opens on, and its geometry, each child
// window's frame and the set of open child windows are kept in the settings
// store ("Windows" section) from one run to the next.

#include "ui/settings.h"
#include "ui/workbench.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <optional>

class QMdiSubWindow;

namespace vantrel {

inline constexpr const char* kWindowSettings = "Windows";

// `wanted`, shrunk where needed to `share` of the available area (a screen's
// available geometry, or a frame's viewport), never below 1 x 1.
QSize fittedSize(QSize wanted, QSize available, double share = 0.9);

// The main window's first geometry: its usual size fitted to the available
// area and centred in it.
QRect initialMainGeometry(const QRect& available);

// `frame` shrunk to `area` and moved into it, but never smaller than
// `minimum`: a frame that cannot shrink enough starts at the area's top left
// corner, its title bar within reach.
QRect frameWithin(QRect frame, const QRect& area, QSize minimum = {});

// A child window frame kept in the store, moved and shrunk into `area` (never
// below `minimum`) so that it is never out of reach; nothing when none is kept.
std::optional<QRect> storedFrame(const SettingsStore& store, const QString& name, const QRect& area,
                                 QSize minimum = {});
void storeFrame(SettingsStore& store, const QString& name, const QRect& frame);

// The main window's saved geometry (QWidget::saveGeometry()); empty when none.
QByteArray storedMainGeometry(const SettingsStore& store);
void storeMainGeometry(SettingsStore& store, const QByteArray& geometry);

// The child windows open at the last close-down, by name.
QStringList storedOpenWindows(const SettingsStore& store);
void storeOpenWindows(SettingsStore& store, const QStringList& names);

// Whether the child windows are shown as tabs rather than as frames.
bool storedTabbedView(const SettingsStore& store);
void storeTabbedView(SettingsStore& store, bool tabbed);

// The places of `minimums.size()` windows arranged in `area`: one above the
// other, side by side, or in a grid (rows of equal windows, the last row
// wider); each window as large as its share. Cascade places each a title bar
// below and right of the one before, as large as the rest of the area allows.
QList<QRect> arrangedFrames(Arrangement arrangement, qsizetype count, const QRect& area, int step = 0);
// True when every window keeps at least its minimum size arranged so.
bool arrangementFits(Arrangement arrangement, const QList<QSize>& minimums, const QRect& area, int step = 0);

// The frame never smaller than its window's minimum size hint, now and
// whenever the window's layout changes.
void keepMinimumSize(QMdiSubWindow* frame);

// Keeps the frame's place in the store whenever it closes (not while
// minimized or maximized).
void keepFrameOnClose(QMdiSubWindow* frame, SettingsStore& store, const QString& name);

} // namespace vantrel
