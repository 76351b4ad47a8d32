#pragma once
// The settings dialog's engine section: the program the Run button starts,
// its arguments and its working folder. Empty boxes keep the defaults (the
// engine found in the working folder, the character's folder name twice, two
// folders above the character).

#include "shell/engine.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vantrel {

class Dialogs;

class EngineSettingsBox : public QGroupBox {
    Q_OBJECT
public:
    EngineSettingsBox(Dialogs& dialogs, QWidget* parent = nullptr);

    void setSettings(const EngineSettings& settings);
    EngineSettings settings() const;

    QLineEdit* programEdit = nullptr;
    QPushButton* programButton = nullptr;
    QLineEdit* argumentsEdit = nullptr;
    QLineEdit* workingFolderEdit = nullptr;
    QPushButton* workingFolderButton = nullptr;
    QCheckBox* saveBeforeRunBox = nullptr;

public slots:
    void chooseProgram();
    void chooseWorkingFolder();

private:
    Dialogs& dialogs_;
};

} // namespace vantrel
