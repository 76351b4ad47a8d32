#pragma once
// The notepad: edits any text file. It starts empty; New, Open and Save as
// come on top of the shared editor design.

#include "text/text_editor_window.h"

namespace vantrel {

class NotepadWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit NotepadWindow(App& app, QWidget* parent = nullptr);

    void Toolbar1_ButtonClick(const QString& key) override;
    void mnuFNew_Click();
    void mnuFOpen_Click();
    // Writes the text under a name the user chooses; Save keeps writing to
    // the file last opened. False when nothing was written.
    bool SaveAs();

protected:
    QString sourcePath() const override { return filePath_; }
    void mnuFSaveAs_Click() override { SaveAs(); }

private:
    // Asks about unsaved changes before New and Open; false to stop.
    bool askToSave();
    QString startFolder() const;
};

} // namespace vantrel
