#pragma once
// The one AIR text the animation windows share. While the AIR text window is
// open its text is the truth: the preview and the collision box editor read
// it, and box edits go into it as edits of that window, so the window keeps
// the only modified flag, Save and undo. Without the window they read the
// file, and the first box edit opens the window.

#include "shell/app.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

namespace vantrel {

class TextEditorWindow;

class AirTextLink : public QObject {
    Q_OBJECT
public:
    explicit AirTextLink(App& app, QObject* parent = nullptr);

    // The AIR window's text, else the file's bytes; nothing when the file
    // cannot be read.
    std::optional<std::string> text();
    // Makes `text` the AIR window's text as one undoable edit, opening the
    // window first when it is not open. False when there is no main window to
    // open it in.
    bool write(const std::string& text);
    // The AIR text window when it is open.
    TextEditorWindow* window();

signals:
    // The text may have changed: typed, undone, reverted, or the window closed.
    void changed();

private:
    void watch(TextEditorWindow* window);

    App& app_;
    QPointer<TextEditorWindow> watched_;
    bool writing_ = false;
};

} // namespace vantrel
