#include "character_editors.h"

#include "shell/main_window.h"

#include <QAction>

namespace vantrel {

QList<ToolButton> commandStyleToolbar(const QString& saveTip)
{
    return {{"Save", saveTip},  {"Revert", "Revert to saved state"},
            {"Cut", "Cut"},     {"Copy", "Copy"},
            {"Paste", "Paste"}, {"Find", "Find text..."},
            {"Undo", "Undo"},   {"Help", ""}};
}

DefinitionWindow::DefinitionWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {"Character Definition File (DEF)",
                            "DEF file",
                            EditorSlot::Def,
                            {{"Save", "Saves the .def file"},
                             {"Revert", "Revert to saved state"},
                             {"Cut", "Cut"},
                             {"Copy", "Copy"},
                             {"Paste", "Paste"},
                             {"Find", "Find"},
                             {"Undo", "Undo"},
                             {"Help", ""}}},
                           parent)
{
    applySettingsAndLoad();
}

QString DefinitionWindow::sourcePath() const
{
    return qstr(app_.files.defFile);
}

AnimationTextWindow::AnimationTextWindow(App& app, QWidget* parent)
        : TextEditorWindow(app,
                           {"Character Animation Actions (AIR)",
                            "AIR file",
                            EditorSlot::Air,
                            {{"Save", "Saves the .air file"},
                             {"Revert", "Revert to saved state"},
                             {"Cut", ""},
                             {"Copy", ""},
                             {"Paste", ""},
                             {"Find", ""},
                             {"Undo", ""},
                             {"CLSN", ""},
                             {"Anim", ""},
                             {"Help", ""}}},
                           parent)
{
    connect(toolbarAction("CLSN"), &QAction::triggered, this, &AnimationTextWindow::showCollisionBoxes);
    connect(toolbarAction("Anim"), &QAction::triggered, this, &AnimationTextWindow::showAnimationPreview);
    applySettingsAndLoad();
}

QString AnimationTextWindow::sourcePath() const
{
    return qstr(app_.files.animationFile);
}

void AnimationTextWindow::showCollisionBoxes()
{
    if (app_.main)
        app_.main->openWindow(QStringLiteral("CollisionBoxWindow"));
}

void AnimationTextWindow::showAnimationPreview()
{
    if (app_.main)
        app_.main->openWindow(QStringLiteral("AnimationPreview"));
}

CommandsWindow::CommandsWindow(App& app, QWidget* parent)
        : TextEditorWindow(
            app, {"Commands (CMD)", "CMD file", EditorSlot::Cmd, commandStyleToolbar("Saves the .cmd file")}, parent)
{
    applySettingsAndLoad();
}

QString CommandsWindow::sourcePath() const
{
    return qstr(app_.files.commandFile);
}

ConstantsWindow::ConstantsWindow(App& app, QWidget* parent)
        : TextEditorWindow(
            app, {"Constants (CNS)", "CNS file", EditorSlot::Cns, commandStyleToolbar("Saves the .cns file")}, parent)
{
    applySettingsAndLoad();
}

QString ConstantsWindow::sourcePath() const
{
    return qstr(app_.files.constantsFile);
}

} // namespace vantrel
