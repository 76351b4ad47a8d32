#pragma once
// The notepad: edits any text file. It starts empty; New, Open and Save as
// come on top of the shared editor design.

#include "text/text_editor_window.h"

namespace vantrel {

class NotepadWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit NotepadWindow(App& app, QWidget* parent = nullptr);

public slots:
    void newFile();
    void openFile();
    // Writes the text under a name the user chooses; save keeps writing to
    // the file last opened. False when nothing was written.
    bool saveAs() override;

protected:
    QString sourcePath() const override { return filePath_; }

private:
    // Asks about unsaved changes before New and Open; false to stop.
    bool askToSave();
    // The file dialogs start in the character's folder, else at home.
    FileDialogOptions dialogOptions(const QString& title, const QString& filter, bool mustExist) const;
};

} // namespace vantrel
