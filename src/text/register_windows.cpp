#include "text/register_windows.h"
#include "text/character_editors.h"
#include "text/find_dialog.h"
#include "text/help_viewer.h"
#include "text/notepad_window.h"
#include "text/references_window.h"
#include "text/state_file_window.h"
#include "ui/app.h"
#include "ui/workbench.h"

#include <type_traits>

namespace vantrel {

namespace {

template <class W> WindowHooks followingHooks()
{
    WindowHooks hooks;
    hooks.followCharacter = [](QWidget* w) { return static_cast<W*>(w)->followCharacter(); };
    hooks.showFileLine = [](QWidget* w, const QString& path, int line) {
        auto* window = static_cast<W*>(w);
        // The state file window shows one state file at a time; the one
        // shown before keeps its changes in its document.
        if constexpr (std::is_same_v<W, StateFileWindow>) {
            if (window->currentStateFile() != path && !window->showCharacterFile(path))
                return false;
        }
        window->goToLine(line);
        return true;
    };
    return hooks;
}

} // namespace

void registerTextWindows(Workbench& workbench)
{
    workbench.registerWindow(
        WindowKind::Definition, [](App& a) { return new DefinitionWindow(a); }, followingHooks<DefinitionWindow>());
    workbench.registerWindow(
        WindowKind::Constants, [](App& a) { return new ConstantsWindow(a); }, followingHooks<ConstantsWindow>());
    workbench.registerWindow(
        WindowKind::Commands, [](App& a) { return new CommandsWindow(a); }, followingHooks<CommandsWindow>());
    workbench.registerWindow(
        WindowKind::AnimationText, [](App& a) { return new AnimationTextWindow(a); },
        followingHooks<AnimationTextWindow>());
    workbench.registerWindow(
        WindowKind::States, [](App& a) { return new StateFileWindow(a); }, followingHooks<StateFileWindow>());
    // The notepad holds no file of the character: another character leaves it as it is.
    WindowHooks free;
    free.characterFree = true;
    workbench.registerWindow(
        WindowKind::Notepad, [](App& a) { return new NotepadWindow(a); }, free);
    // The places found are another character's after a switch: the window closes then.
    workbench.registerWindow(WindowKind::References, [](App& a) { return new ReferencesWindow(a); });
    // The one help window, for the frame's Help and every editor's.
    workbench.setHelpHandler([&workbench](App& app, std::optional<std::int64_t> topic) {
        showHelpTopic(app, topic.value_or(kHelpContentsTopic), workbench.frame());
    });
    // Find works on the text box of the active editor window.
    workbench.registerWindow(
        WindowKind::Find, [](App& a) { return new FindDialog(a, activeTextBox(a), a.workbench->frame()); }, free);
}

} // namespace vantrel
