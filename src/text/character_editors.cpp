#include "character_editors.h"

#include "shell/main_window.h"

namespace vantrel {

QList<ToolButton> commandStyleToolbar(const QString& saveTip)
{
    return {{"Save", saveTip}, {"Revert", "Revert to saved state"}, {"Cut", "Cut"}, {"Copy", "Copy"},
            {"Paste", "Paste"}, {"Find", "Find text..."}, {"Undo", "Undo"}, {"Help", ""}};
}

DefinitionWindow::DefinitionWindow(App& app, QWidget* parent)
    : TextEditorWindow(app,
                       {"Character Definition File (DEF)", "DEF file", EditorSlot::Def,
                        {{"Save", "Saves the .def file"}, {"Revert", "Revert to saved state"}, {"Cut", "Cut"},
                         {"Copy", "Copy"}, {"Paste", "Paste"}, {"Find", "Find"}, {"Undo", "Undo"}, {"Help", ""}}},
                       parent)
{
    Form_Load();
}

QString DefinitionWindow::sourcePath() const
{
    return qstr(app_.files.defFile);
}

AnimationTextWindow::AnimationTextWindow(App& app, QWidget* parent)
    : TextEditorWindow(app,
                       {"Character Animation Actions (AIR)", "AIR file", EditorSlot::Air,
                        {{"Save", "Saves the .air file"}, {"Revert", "Revert to saved state"}, {"Cut", ""},
                         {"Copy", ""}, {"Paste", ""}, {"Find", ""}, {"Undo", ""}, {"CLSN", ""}, {"Anim", ""},
                         {"Help", ""}}},
                       parent)
{
    Form_Load();
}

QString AnimationTextWindow::sourcePath() const
{
    return qstr(app_.files.animationFile);
}

void AnimationTextWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("CLSN")) {
        if (app_.main)
            app_.main->openWindow(QStringLiteral("CollisionBoxWindow"));
    } else if (key == QLatin1String("Anim")) {
        if (app_.main)
            app_.main->openWindow(QStringLiteral("AnimationPreview"));
    } else {
        TextEditorWindow::Toolbar1_ButtonClick(key);
    }
}

CommandsWindow::CommandsWindow(App& app, QWidget* parent)
    : TextEditorWindow(app, {"Commands (CMD)", "CMD file", EditorSlot::Cmd, commandStyleToolbar("Saves the .cmd file")},
                       parent)
{
    Form_Load();
}

QString CommandsWindow::sourcePath() const
{
    return qstr(app_.files.commandFile);
}

ConstantsWindow::ConstantsWindow(App& app, QWidget* parent)
    : TextEditorWindow(app, {"Constants (CNS)", "CNS file", EditorSlot::Cns, commandStyleToolbar("Saves the .cns file")},
                       parent)
{
    Form_Load();
}

QString ConstantsWindow::sourcePath() const
{
    return qstr(app_.files.constantsFile);
}

} // namespace vantrel
