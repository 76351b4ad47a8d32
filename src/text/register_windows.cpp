#include "shell/main_window.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/find_dialog.h"
#include "text/help_viewer.h"
#include "text/notepad_window.h"
#include "text/state_file_window.h"

namespace vantrel {

namespace {

TextEditorWindow* textWindow(QWidget* w)
{
    return static_cast<TextEditorWindow*>(w);
}

// Brings `file` into the window when the window can show it: the notepad
// any file, the state window the character's state files.
void showFile(TextEditorWindow* window, const QString& file, bool anyFile)
{
    if (anyFile)
        window->loadFile(file);
    else if (auto* states = qobject_cast<StateFileWindow*>(window))
        states->showCharacterFile(file);
}

// How the text editors take part in a change of character, the close-down
// and the recovery copies. The notepad holds no file of the character.
WindowHooks textHooks(bool characterFree)
{
    WindowHooks hooks;
    hooks.characterFree = characterFree;
    hooks.confirmDiscard = [](QWidget* w) { return textWindow(w)->confirmDiscard(); };
    hooks.discardChanges = [](QWidget* w) { textWindow(w)->setModified(false); };
    if (!characterFree)
        hooks.followCharacter = [](QWidget* w) { return textWindow(w)->followCharacter(); };
    hooks.unsavedText = [](QWidget* w) -> std::optional<RecoveryText> {
        const TextEditorWindow* window = textWindow(w);
        if (!window->modified())
            return std::nullopt;
        RecoveryText copy;
        copy.file = window->filePath();
        copy.text = window->editor()->toPlainText();
        return copy;
    };
    hooks.restoreText = [characterFree](QWidget* w, const RecoveryText& copy) {
        TextEditorWindow* window = textWindow(w);
        if (window->modified())
            return false; // it holds unsaved text of its own
        if (window->filePath() != copy.file && !copy.file.isEmpty())
            showFile(window, copy.file, characterFree);
        if (window->filePath() != copy.file)
            return false;
        window->editor()->setPlainText(copy.text);
        window->setModified(true);
        return true;
    };
    return hooks;
}

} // namespace

// The windows of this subsystem that the main window opens by name.
void registerTextWindows(MainWindow& main)
{
    main.registerWindow(
        "DefinitionWindow", [](App& a) { return new DefinitionWindow(a); }, textHooks(false));
    main.registerWindow(
        "ConstantsWindow", [](App& a) { return new ConstantsWindow(a); }, textHooks(false));
    main.registerWindow(
        "CommandsWindow", [](App& a) { return new CommandsWindow(a); }, textHooks(false));
    main.registerWindow(
        "AnimationTextWindow", [](App& a) { return new AnimationTextWindow(a); }, textHooks(false));
    main.registerWindow(
        "StateFileWindow", [](App& a) { return new StateFileWindow(a); }, textHooks(false));
    main.registerWindow(
        "NotepadWindow", [](App& a) { return new NotepadWindow(a); }, textHooks(true));
    // The one help window, for the frame's Help and every editor's.
    main.setHelpHandler([&main](App& app, std::optional<std::int64_t> topic) {
        showHelpTopic(app, topic.value_or(kHelpContentsTopic), &main);
    });
    // Find works on the text box of the active editor window.
    WindowHooks find;
    find.characterFree = true;
    main.registerWindow(
        "FindDialog", [](App& a) { return new FindDialog(a, activeTextBox(a), a.main); }, find);
}

} // namespace vantrel
