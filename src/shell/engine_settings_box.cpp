#include "engine_settings_box.h"

#include "common/qt_text.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace vantrel {

namespace {

QString names()
{
    QStringList list;
    for (const std::string& name : engineNames())
        list << qstr(name);
    return list.join(QStringLiteral(", "));
}

// An editable box that starts empty, its placeholder telling what empty means.
QComboBox* choiceBox(const QString& objectName, const QString& placeholder, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setPlaceholderText(placeholder);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    return box;
}

void setChoices(QComboBox* box, const QStringList& choices)
{
    const QString text = box->currentText();
    box->clear();
    box->addItems(choices);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

} // namespace

EngineSettingsBox::EngineSettingsBox(Dialogs& dialogs, std::string characterDir, QWidget* parent)
        : QGroupBox(tr("Engine"), parent), dialogs_(dialogs), characterDir_(std::move(characterDir))
{
    setObjectName(QStringLiteral("engineGroup"));
    profileBox = new QComboBox(this);
    profileBox->setObjectName(QStringLiteral("engineProfileBox"));
    profileBox->addItem(tr("(no profile)"));
    saveProfileButton = new QPushButton(tr("Save as Profile..."), this);
    saveProfileButton->setObjectName(QStringLiteral("engineSaveProfileButton"));
    deleteProfileButton = new QPushButton(tr("Delete Profile"), this);
    deleteProfileButton->setObjectName(QStringLiteral("engineDeleteProfileButton"));
    deleteProfileButton->setEnabled(false);
    programEdit = new QLineEdit(this);
    programEdit->setObjectName(QStringLiteral("engineProgramEdit"));
    programEdit->setPlaceholderText(tr("Found in the working folder: %1").arg(names()));
    programButton = new QPushButton(tr("Browse..."), this);
    programButton->setObjectName(QStringLiteral("engineProgramButton"));
    argumentsEdit = new QLineEdit(this);
    argumentsEdit->setObjectName(QStringLiteral("engineArgumentsEdit"));
    argumentsEdit->setPlaceholderText(tr("The engine's own: %1 (IKEMEN GO), %2 (MUGEN)")
                                          .arg(QLatin1String(kIkemenArguments), QLatin1String(kMugenArguments)));
    argumentsEdit->setToolTip(
        tr("%f: the .def opened, as the engine names it (folder/file.def), %2: the second player, "
           "%c: the character's folder name, %d: the .def's full path, %s: the stage, %a: the AI level, "
           "%%: a single %.\n"
           "Quotes keep blanks inside one argument. A stage and an AI level that the arguments do not place "
           "follow them as -s and -p2.ai."));
    workingFolderEdit = new QLineEdit(this);
    workingFolderEdit->setObjectName(QStringLiteral("engineWorkingFolderEdit"));
    workingFolderEdit->setPlaceholderText(tr("Two folders above the character's folder"));
    workingFolderButton = new QPushButton(tr("Browse..."), this);
    workingFolderButton->setObjectName(QStringLiteral("engineWorkingFolderButton"));
    opponentBox = choiceBox(QStringLiteral("engineOpponentBox"), tr("The same character"), this);
    stageBox = choiceBox(QStringLiteral("engineStageBox"), tr("The engine's choice"), this);
    aiLevelBox = new QSpinBox(this);
    aiLevelBox->setObjectName(QStringLiteral("engineAiLevelBox"));
    aiLevelBox->setRange(0, kMaxAiLevel);
    aiLevelBox->setSpecialValueText(tr("Off"));
    aiLevelBox->setToolTip(tr("The second player's AI level; Off leaves it to the engine"));
    saveBeforeRunBox = new QCheckBox(tr("Save all changes before running, without asking"), this);
    saveBeforeRunBox->setObjectName(QStringLiteral("engineSaveBeforeRunBox"));

    auto* profileRow = new QHBoxLayout;
    profileRow->addWidget(profileBox, 1);
    profileRow->addWidget(saveProfileButton);
    profileRow->addWidget(deleteProfileButton);
    auto* layout = new QGridLayout(this);
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* field, QWidget* button = nullptr) {
        layout->addWidget(new QLabel(label, this), row, 0);
        layout->addWidget(field, row, 1, 1, button ? 1 : 2);
        if (button)
            layout->addWidget(button, row, 2);
        ++row;
    };
    layout->addWidget(new QLabel(tr("Run profile:"), this), row, 0);
    layout->addLayout(profileRow, row++, 1, 1, 2);
    addRow(tr("Program:"), programEdit, programButton);
    addRow(tr("Arguments:"), argumentsEdit);
    addRow(tr("Working folder:"), workingFolderEdit, workingFolderButton);
    addRow(tr("Second player:"), opponentBox);
    addRow(tr("Stage:"), stageBox);
    addRow(tr("AI level:"), aiLevelBox);
    layout->addWidget(saveBeforeRunBox, row, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(programButton, &QPushButton::clicked, this, &EngineSettingsBox::chooseProgram);
    connect(workingFolderButton, &QPushButton::clicked, this, &EngineSettingsBox::chooseWorkingFolder);
    connect(workingFolderEdit, &QLineEdit::editingFinished, this, &EngineSettingsBox::fillChoices);
    connect(saveProfileButton, &QPushButton::clicked, this, &EngineSettingsBox::saveProfile);
    connect(deleteProfileButton, &QPushButton::clicked, this, &EngineSettingsBox::deleteProfile);
    connect(profileBox, &QComboBox::activated, this, &EngineSettingsBox::showProfile);
    connect(profileBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { deleteProfileButton->setEnabled(index > 0); });
    fillChoices();
}

void EngineSettingsBox::setSettings(const EngineSettings& settings)
{
    programEdit->setText(qstr(settings.program));
    argumentsEdit->setText(qstr(settings.arguments));
    workingFolderEdit->setText(qstr(settings.workingFolder));
    saveBeforeRunBox->setChecked(settings.saveBeforeRun);
    opponentBox->setEditText(qstr(settings.opponent));
    stageBox->setEditText(qstr(settings.stage));
    aiLevelBox->setValue(settings.aiLevel);
    fillChoices();
}

EngineSettings EngineSettingsBox::settings() const
{
    EngineSettings settings{sstr(programEdit->text()), sstr(argumentsEdit->text()), sstr(workingFolderEdit->text()),
                            saveBeforeRunBox->isChecked()};
    settings.opponent = sstr(opponentBox->currentText().trimmed());
    settings.stage = sstr(stageBox->currentText().trimmed());
    settings.aiLevel = aiLevelBox->value();
    return settings;
}

void EngineSettingsBox::load(const SettingsStore& store)
{
    profileOrder_ = runProfileNames(store);
    profiles_.clear();
    removedProfiles_.clear();
    while (profileBox->count() > 1)
        profileBox->removeItem(1);
    for (const std::string& name : profileOrder_) {
        profiles_[name] = loadRunProfile(store, name).value_or(EngineSettings{});
        profileBox->addItem(qstr(name));
    }
    const int current = profileBox->findText(qstr(currentRunProfile(store)));
    profileBox->setCurrentIndex(std::max(current, 0));
    setSettings(loadEngineSettings(store));
}

void EngineSettingsBox::save(SettingsStore& store) const
{
    const EngineSettings shown = settings();
    saveEngineSettings(store, shown);
    for (const std::string& name : removedProfiles_)
        removeRunProfile(store, name);
    const std::string current = profileBox->currentIndex() > 0 ? sstr(profileBox->currentText()) : std::string();
    for (const std::string& name : profileOrder_)
        saveRunProfile(store, name, name == current ? shown : profiles_.at(name));
    setCurrentRunProfile(store, current);
}

void EngineSettingsBox::showProfile(int index)
{
    if (index <= 0)
        return;
    if (const auto found = profiles_.find(sstr(profileBox->itemText(index))); found != profiles_.end())
        setSettings(found->second);
}

void EngineSettingsBox::saveProfile()
{
    const QString suggested = profileBox->currentIndex() > 0 ? profileBox->currentText() : QString();
    const std::optional<QString> answer = dialogs_.askText(this, tr("Save as Profile"), tr("Profile name:"), suggested);
    if (!answer)
        return;
    const std::string name = sstr(answer->trimmed());
    if (name.empty() || name.find('|') != std::string::npos) {
        dialogs_.message(this, tr("A profile name cannot be empty or hold a |."));
        return;
    }
    const bool known = profiles_.contains(name);
    if (!known && profileOrder_.size() >= static_cast<std::size_t>(kMaxRunProfiles)) {
        dialogs_.message(this, tr("Vantrel keeps at most %1 run profiles: delete one first.").arg(kMaxRunProfiles));
        return;
    }
    profiles_[name] = settings();
    if (!known) {
        profileOrder_.push_back(name);
        std::erase(removedProfiles_, name);
        profileBox->addItem(qstr(name));
    }
    profileBox->setCurrentIndex(profileBox->findText(qstr(name)));
}

void EngineSettingsBox::deleteProfile()
{
    const int index = profileBox->currentIndex();
    if (index <= 0)
        return;
    const std::string name = sstr(profileBox->itemText(index));
    profiles_.erase(name);
    std::erase(profileOrder_, name);
    removedProfiles_.push_back(name);
    profileBox->removeItem(index);
    profileBox->setCurrentIndex(0);
}

void EngineSettingsBox::fillChoices()
{
    if (characterDir_.empty())
        return;
    const QDir engine(qstr(engineWorkingFolder(settings(), characterDir_)));
    QStringList characters;
    const QDir chars(engine.filePath(QStringLiteral("chars")));
    for (const QString& folder : chars.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        characters << folder;
    QStringList stages;
    const QDir stageFolder(engine.filePath(QStringLiteral("stages")));
    for (const QString& file :
         stageFolder.entryList({QStringLiteral("*.def")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        stages << QStringLiteral("stages/") + file;
    setChoices(opponentBox, characters);
    setChoices(stageBox, stages);
}

void EngineSettingsBox::chooseProgram()
{
    FileDialogOptions options;
    options.title = tr("Choose the engine program");
    const QString current = programEdit->text().trimmed();
    options.directory = !current.isEmpty()               ? QFileInfo(current).absolutePath()
        : !workingFolderEdit->text().trimmed().isEmpty() ? workingFolderEdit->text().trimmed()
                                                         : QDir::homePath();
    options.filter = tr("All Files(*.*)") + QStringLiteral("|*");
    options.mustExist = true;
    const QString chosen = dialogs_.openFile(this, options);
    if (!chosen.isEmpty())
        programEdit->setText(chosen);
}

void EngineSettingsBox::chooseWorkingFolder()
{
    const QString current = workingFolderEdit->text().trimmed();
    const QString chosen = dialogs_.chooseFolder(this, tr("Choose the engine's working folder"),
                                                 current.isEmpty() ? QDir::homePath() : current);
    if (!chosen.isEmpty()) {
        workingFolderEdit->setText(chosen);
        fillChoices();
    }
}

} // namespace vantrel
