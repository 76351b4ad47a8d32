#pragma once
// What the windows ask of the frame they live in (the main window): to open
// or find another window, to arrange or close the windows, the status bar,
// the progress of long steps, and the help window. Windows are named by
// WindowKind; the main window is the only implementation, and a window used
// alone (in a test) has none.

#include "ui/window_kind.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace vantrel {

struct App;
class StatusProgress;

// How a window takes part in a change of character and the close-down.
struct WindowHooks {
    // The window holds nothing of the character (the notepad, the
    // calculator): another character leaves it as it is.
    bool characterFree = false;
    // Shows the character just opened; false when it cannot, and the window
    // closes. Left empty, the window closes whenever another character opens.
    std::function<bool(QWidget*)> followCharacter;
    // Shows a file of the character at a line (from 1): one the window can
    // show (the state window shows any state file); false when it cannot.
    std::function<bool(QWidget*, const QString& path, int line)> showFileLine;
    // Shows the sprite or sound of that group and number; false when the
    // window has none.
    std::function<bool(QWidget*, std::int32_t group, std::int32_t number)> showNumbered;
    // Hands what the user has typed but the window has not taken yet to its
    // document, before the documents are asked about (a number box still
    // being edited); false when it was refused, which stops what was asked.
    std::function<bool(QWidget*)> commitEdits;
};

// Tile is a grid: as many columns as rows, or one more.
enum class Arrangement { Cascade, StackedRows, SideBySide, Tile };

class Workbench {
public:
    using WindowFactory = std::function<QWidget*(App&)>;

    virtual ~Workbench() = default;

    // Windows are made on first use by the factory registered for their
    // kind. A QDialog is shown modally, any other widget as a child window
    // of the frame.
    virtual void registerWindow(WindowKind kind, WindowFactory factory, WindowHooks hooks = {}) = 0;
    // Loads the window if needed and brings it to the front; null when none
    // is registered for the kind or it could not open.
    virtual QWidget* openWindow(WindowKind kind) = 0;
    // The window if it is loaded, else null.
    virtual QWidget* loadedWindow(WindowKind kind) const = 0;
    // The child window the user works in (the last one active when none is).
    virtual QWidget* activeWindow() const = 0;
    // Opens the window that edits a file of the character at a line (from
    // 1); false when no window edits that file.
    virtual bool showFileLine(const QString& path, int line) = 0;
    // Opens the sprite or sound window at the sprite or sound of that group
    // and number; false when it has none.
    virtual bool showNumbered(WindowKind kind, std::int32_t group, std::int32_t number)
    {
        (void)kind, (void)group, (void)number;
        return false;
    }
    // Closes a window (its frame, in the main window).
    virtual void closeWindow(QWidget* window) = 0;
    // Brings a loaded window to the front.
    virtual void raiseWindow(QWidget* window) = 0;
    virtual void arrangeWindows(Arrangement arrangement) = 0;
    // Closes every window in the close-down's order.
    virtual void closeAllWindows() = 0;

    virtual void setStatus(const QString& text) = 0;
    virtual StatusProgress* progress() const = 0;
    // Opens the help window on a topic (its contents when none is given).
    virtual void showHelp(std::optional<std::int64_t> topic = std::nullopt) = 0;
    virtual void setHelpHandler(std::function<void(App&, std::optional<std::int64_t>)> handler) = 0;
    // The frame itself, to parent dialogs on.
    virtual QWidget* frame() = 0;
    // The engine's folder the run settings name; empty when they leave it to
    // the usual place, two folders above the character.
    virtual QString engineFolder() const { return {}; }
};

} // namespace vantrel
