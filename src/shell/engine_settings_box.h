#pragma once
// The settings dialog's engine section: the program the Run button starts,
// its arguments and working folder, the second player, the stage and the AI
// level, and named run profiles that keep a set of these. Empty boxes keep
// the defaults (the engine found in the working folder with its own
// arguments, two folders above the character, the character against itself).
// Nothing is stored until save(), so the dialog's Cancel undoes every change,
// profiles included.

#include "shell/engine.h"

#include <QGroupBox>

#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vantrel {

class Dialogs;

class EngineSettingsBox : public QGroupBox {
    Q_OBJECT
public:
    // `characterDir` (may be empty) is the open character's folder: the
    // second player and the stage are offered from its engine's folders.
    EngineSettingsBox(Dialogs& dialogs, std::string characterDir = {}, QWidget* parent = nullptr);

    void setSettings(const EngineSettings& settings);
    EngineSettings settings() const;

    // The settings, the profiles and the profile chosen, from the store and back.
    void load(const SettingsStore& store);
    void save(SettingsStore& store) const;

    QComboBox* profileBox = nullptr; // entry 0: no profile
    QPushButton* saveProfileButton = nullptr;
    QPushButton* deleteProfileButton = nullptr;
    QLineEdit* programEdit = nullptr;
    QPushButton* programButton = nullptr;
    QLineEdit* argumentsEdit = nullptr;
    QLineEdit* workingFolderEdit = nullptr;
    QPushButton* workingFolderButton = nullptr;
    QComboBox* opponentBox = nullptr; // editable: a folder of chars/, or a .def in one
    QComboBox* stageBox = nullptr;    // editable: a .def of stages/
    QSpinBox* aiLevelBox = nullptr;   // 0 shows "Off"
    QCheckBox* saveBeforeRunBox = nullptr;

public slots:
    void chooseProgram();
    void chooseWorkingFolder();
    // Asks for a name and keeps the boxes as the profile of that name.
    void saveProfile();
    void deleteProfile();

private:
    void showProfile(int index);
    // The second players and stages the engine's folders hold.
    void fillChoices();

    Dialogs& dialogs_;
    std::string characterDir_;
    std::vector<std::string> profileOrder_;
    std::map<std::string, EngineSettings> profiles_;
    std::vector<std::string> removedProfiles_;
};

} // namespace vantrel
