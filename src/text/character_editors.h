#pragma once
// The editors of the character's DEF, AIR, CMD and CNS files. Each reads its
// file's path from CharacterFiles when it loads or reverts.

#include "text/text_editor_window.h"

namespace vantrel {

class frmDef final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit frmDef(App& app, QWidget* parent = nullptr);

protected:
    QString sourcePath() const override;
};

class frmAIR final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit frmAIR(App& app, QWidget* parent = nullptr);
    // Adds "CLSN" (collision boxes) and "Anim" (animation preview).
    void Toolbar1_ButtonClick(const QString& key) override;

protected:
    QString sourcePath() const override;
};

class frmCMD final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit frmCMD(App& app, QWidget* parent = nullptr);

protected:
    QString sourcePath() const override;
};

class frmCNS final : public TextEditorWindow {
    Q_OBJECT
public:
    explicit frmCNS(App& app, QWidget* parent = nullptr);

protected:
    QString sourcePath() const override;
};

// The toolbar of the CMD and CNS windows, with the tool tip of their Save button.
QList<ToolButton> commandStyleToolbar(const QString& saveTip);

} // namespace vantrel
