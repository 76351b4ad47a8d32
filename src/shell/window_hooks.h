#pragma once
// What the main window asks of the windows it holds: before another
// character replaces the open one and at the close-down, every window with
// unsaved changes is asked before any goes; after the switch each window
// shows the new character or closes; and the text a crash would lose is kept
// as a recovery copy. A window registered without hooks has nothing to ask
// about and closes when another character opens.

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vantrel {

// Unsaved text kept outside its window, so that a crash does not lose it.
struct RecoveryText {
    QString window;    // the name the window is registered under
    QString character; // the .def open when the copy was made; empty when none was
    QString file;      // the file the text belongs to; empty for text that never had one
    QString text;
};

struct WindowHooks {
    // Puts the window's question about its unsaved changes, when it has
    // any: Yes saves, No lets them go, Cancel keeps them. False on Cancel or
    // a save that failed.
    std::function<bool(QWidget*)> confirmDiscard;
    // Lets the changes go without a question: every window has answered,
    // and this one closes or follows the new character next.
    std::function<void(QWidget*)> discardChanges;
    // Shows the character just opened; false when it cannot, and the window
    // closes. Left empty, the window closes whenever another character opens.
    std::function<bool(QWidget*)> followCharacter;
    // The window holds nothing of the character (the notepad, the
    // calculator): another character leaves it as it is, unasked.
    bool characterFree = false;

    // The window's unsaved text and its file (the main window fills in the
    // rest); nothing while everything is saved.
    std::function<std::optional<RecoveryText>(QWidget*)> unsavedText;
    // Puts a recovered text into the window as unsaved text; false when the
    // window cannot show the file the text belongs to.
    std::function<bool(QWidget*, const RecoveryText&)> restoreText;
};

} // namespace vantrel
