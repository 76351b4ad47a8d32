#pragma once
// The editors of the character's DEF, AIR, CMD and CNS files: each shows the
// document of the file the open character names.

#include "text/clip_list.h"
#include "text/text_editor_window.h"

namespace vantrel {

class DefinitionWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit DefinitionWindow(App& app, QWidget* parent = nullptr);

protected:
    QString sourcePath() const override;
};

class AnimationTextWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit AnimationTextWindow(App& app, QWidget* parent = nullptr);

public slots:
    // The toolbar's "CLSN" and "Anim" buttons open the windows that show the file.
    void showCollisionBoxes();
    void showAnimationPreview();

protected:
    QString sourcePath() const override;
    void setDocument(TextDocument* document) override;

private:
    bool following_ = false; // the caret is moving to where another view went
};

// The command file's editor, with templates of a [Command] block and of a
// state -1 entry beside the text (cmdclips.txt).
class CommandsWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit CommandsWindow(App& app, QWidget* parent = nullptr);

    QListWidget* clipList() const { return clips_->list(); }

public slots:
    // Inserts the template chosen in the list after the block around the caret.
    void insertSelectedClip();

protected:
    QString sourcePath() const override;

private:
    ClipList* clips_ = nullptr;
};

class ConstantsWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit ConstantsWindow(App& app, QWidget* parent = nullptr);

protected:
    QString sourcePath() const override;
};

// The toolbar of the CMD and CNS windows, with the tool tips of their Save and
// Find buttons (none: the caption; "Find text..."); the other windows build on it.
QList<ToolButton> commandStyleToolbar(const QString& saveTip, const QString& findTip = {});

} // namespace vantrel
