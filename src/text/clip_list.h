#pragma once
// The column of text clips beside a text editor: the clips of a clip file in
// the program's folder (stclips.txt for the state files, cmdclips.txt for the
// command file), listed by name. A double-click asks for the chosen clip to
// go into the text; the right button's release opens its help topic.

#include "text/help_viewer.h"
#include "text/state_extras.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QListWidget;

namespace vantrel {

struct App;

class ClipList final : public QWidget {
    Q_OBJECT
public:
    // Reads `fileName` from the program's folder; more clips than the list
    // holds are cut off with a message.
    ClipList(App& app, const QString& fileName, QWidget* parent);

    QListWidget* list() const { return list_; }
    const TextClipLibrary& clips() const { return clips_; }
    // The clip chosen in the list; null when none is.
    const TextClip* chosenClip() const;
    HelpViewer* helpViewer() const { return help_; }

public slots:
    // Opens the help topic of the chosen clip.
    void showChosenHelp();

signals:
    // A clip was double-clicked: the window puts it in.
    void insertRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    App& app_;
    QListWidget* list_;
    TextClipLibrary clips_;
    QPointer<HelpViewer> help_;
};

} // namespace vantrel
