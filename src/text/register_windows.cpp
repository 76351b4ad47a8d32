#include "shell/main_window.h"
#include "text/character_editors.h"
#include "text/find_dialog.h"
#include "text/notepad_window.h"
#include "text/state_file_window.h"

namespace vantrel {

// The windows of this subsystem that the main window opens by name.
void registerTextWindows(MainWindow& main)
{
    main.registerWindow("DefinitionWindow", [](App& a) { return new DefinitionWindow(a); });
    main.registerWindow("ConstantsWindow", [](App& a) { return new ConstantsWindow(a); });
    main.registerWindow("CommandsWindow", [](App& a) { return new CommandsWindow(a); });
    main.registerWindow("AnimationTextWindow", [](App& a) { return new AnimationTextWindow(a); });
    main.registerWindow("StateFileWindow", [](App& a) { return new StateFileWindow(a); });
    main.registerWindow("NotepadWindow", [](App& a) { return new NotepadWindow(a); });
    // Find works on the text box of the active editor window.
    main.registerWindow("FindDialog", [](App& a) { return new FindDialog(a, activeTextBox(a), a.main); });
}

} // namespace vantrel
