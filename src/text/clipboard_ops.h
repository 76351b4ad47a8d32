#pragma once
// Cut, copy and paste for every editor window, on the control that has the
// focus in the active window. Controls without a text selection (lists)
// are left alone.

class QWidget;

namespace vantrel {

// Puts the control's selected text on the clipboard, an empty text when
// nothing is selected.
void copySelectedText(QWidget* control);
// copySelectedText, then removes the selected text.
void cutSelectedText(QWidget* control);
// Replaces the selected text with the clipboard's text.
void pasteText(QWidget* control);

} // namespace vantrel
