#pragma once
// The notepad: edits any text file, through the same documents as the
// character's windows (a file the character names is its document here
// too). It starts on the text it showed last, else empty; New, Open and
// Save As come on top of the shared editor design.

#include "text/text_editor_window.h"

namespace vantrel {

class NotepadWindow final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit NotepadWindow(App& app, QWidget* parent = nullptr);

public slots:
    void newFile();
    void openFile();

protected:
    QString sourcePath() const override { return filePath(); }
    FileDialogOptions saveAsOptions() const override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The question about the text shown before New or Open replaces it:
    // false to stop; `drop` says the user let its changes go.
    bool askToSave(bool& drop);
    // The document shown before goes when nothing else holds it: a file the
    // character does not name, without changes (or whose changes the user
    // let go).
    void release(Document* document, bool drop);
    // A new untitled text.
    void showNewText();
    // The file dialogs start in the character's folder, else at home.
    FileDialogOptions dialogOptions(const QString& title, const QString& filter, bool mustExist) const;
};

} // namespace vantrel
