#pragma once
// Where windows open and what of their place outlives the program: the main
// window's size fits the screen it opens on, and its geometry, each child
// window's frame and the set of open child windows are kept in the settings
// store ("Windows" section) from one run to the next.

#include "ui/settings.h"

#include <QByteArray>
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

// A child window frame kept in the store, moved and shrunk into `area` so
// that it is never out of reach; nothing when none is kept.
std::optional<QRect> storedFrame(const SettingsStore& store, const QString& name, const QRect& area);
void storeFrame(SettingsStore& store, const QString& name, const QRect& frame);

// The main window's saved geometry (QWidget::saveGeometry()); empty when none.
QByteArray storedMainGeometry(const SettingsStore& store);
void storeMainGeometry(SettingsStore& store, const QByteArray& geometry);

// The child windows open at the last close-down, by name.
QStringList storedOpenWindows(const SettingsStore& store);
void storeOpenWindows(SettingsStore& store, const QStringList& names);

// Keeps the frame's place in the store whenever it closes (not while
// minimized or maximized).
void keepFrameOnClose(QMdiSubWindow* frame, SettingsStore& store, const QString& name);

} // namespace vantrel
