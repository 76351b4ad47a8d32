#pragma once
// The state file editor: a text editor for the character's state files with
// buttons to switch between them, the state around the caret in its caption,
// and a list of text clips (state controller templates) to insert, each with
// a help topic.

#include "text/help_viewer.h"
#include "text/state_extras.h"
#include "text/text_editor_window.h"

#include <QPointer>

class QLabel;
class QListWidget;

namespace vantrel {

class StateFileWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit StateFileWindow(App& app, QWidget* parent = nullptr);

    void Toolbar1_ButtonClick(const QString& key) override;
    // Shows the state around the caret in the caption.
    void StateIndicator();
    void lstTextClip_DblClick();
    void lstTextClip_MouseUp(Qt::MouseButton button);

    QString currentStateFile() const { return currentStateFile_; }
    std::int64_t currentState() const { return currentState_; }
    const TextClipLibrary& clips() const { return clips_; }
    QListWidget* lstTextClip() const { return lstTextClip_; }
    HelpViewer* helpViewer() const { return help_; }

protected:
    QString sourcePath() const override { return currentStateFile_; }
    void txtEdit_Change() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadStateFile(const QString& path);
    void readClipFile();

    QLabel* lblTextClips_ = nullptr;
    QListWidget* lstTextClip_ = nullptr;
    QPointer<HelpViewer> help_;
    QString currentStateFile_;
    std::int64_t currentState_ = 0;
    TextClipLibrary clips_;
};

} // namespace vantrel
