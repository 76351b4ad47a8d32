#include "character_editors.h"

#include "shell/frmMain.h"

namespace vantrel {

QList<ToolButton> commandStyleToolbar(const QString& saveTip)
{
    return {{"Save", saveTip}, {"Revert", "Revert to saved state"}, {"Cut", "Cut"}, {"Copy", "Copy"},
            {"Paste", "Paste"}, {"Find", "Find text..."}, {"Undo", "Undo"}, {"Help", ""}};
}

frmDef::frmDef(App& app, QWidget* parent)
    : TextEditorWindow(app,
                       {"Character Definition File (DEF)", "DEF file", EditorSlot::Def,
                        {{"Save", "Saves the .def file"}, {"Revert", "Revert to saved state"}, {"Cut", "Cut"},
                         {"Copy", "Copy"}, {"Paste", "Paste"}, {"Find", "Find"}, {"Undo", "Undo"}, {"Help", ""}}},
                       parent)
{
    Form_Load();
}

QString frmDef::sourcePath() const
{
    return qstr(app_.files.DefFile);
}

frmAIR::frmAIR(App& app, QWidget* parent)
    : TextEditorWindow(app,
                       {"Character Animation Actions (AIR)", "AIR file", EditorSlot::Air,
                        {{"Save", "Saves the .air file"}, {"Revert", "Revert to saved state"}, {"Cut", ""},
                         {"Copy", ""}, {"Paste", ""}, {"Find", ""}, {"Undo", ""}, {"CLSN", ""}, {"Anim", ""},
                         {"Help", ""}}},
                       parent)
{
    Form_Load();
}

QString frmAIR::sourcePath() const
{
    return qstr(app_.files.AnimFile);
}

void frmAIR::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("CLSN")) {
        if (app_.main)
            app_.main->openWindow(QStringLiteral("frmCLSN"));
    } else if (key == QLatin1String("Anim")) {
        if (app_.main)
            app_.main->openWindow(QStringLiteral("frmAnim"));
    } else {
        TextEditorWindow::Toolbar1_ButtonClick(key);
    }
}

frmCMD::frmCMD(App& app, QWidget* parent)
    : TextEditorWindow(app, {"Commands (CMD)", "CMD file", EditorSlot::Cmd, commandStyleToolbar("Saves the .cmd file")},
                       parent)
{
    Form_Load();
}

QString frmCMD::sourcePath() const
{
    return qstr(app_.files.CmdFile);
}

frmCNS::frmCNS(App& app, QWidget* parent)
    : TextEditorWindow(app, {"Constants (CNS)", "CNS file", EditorSlot::Cns, commandStyleToolbar("Saves the .cns file")},
                       parent)
{
    Form_Load();
}

QString frmCNS::sourcePath() const
{
    return qstr(app_.files.CnsFile);
}

} // namespace vantrel
