#pragma once
// The program's colours come from the desktop's palette. A dark or light
// scheme can also be asked for (VANTREL_COLOUR_SCHEME=dark or light): the
// Fusion style with a palette of that kind, for desktops whose style has
// none of its own and for pictures of the program.

#include <QPalette>
#include <QString>

class QApplication;
class QWidget;

namespace vantrel {

// True when text is drawn light on dark in this palette's editable fields.
bool isDarkPalette(const QPalette& palette);

// The colour of warnings and unreadable entries, readable on this palette's ground.
QColor warningColour(const QPalette& palette);
// Shows a label's text in warningColour().
void showAsWarning(QWidget* label);

// Fusion's dark palette: every role and group set, links and highlights
// readable on dark ground.
QPalette darkPalette();

// Applies "dark" or "light"; any other name leaves the desktop's style and palette.
void applyColourScheme(QApplication& application, const QString& scheme);

} // namespace vantrel
