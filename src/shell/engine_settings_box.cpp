#include "engine_settings_box.h"

#include "common/qt_text.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {

QString names()
{
    QStringList list;
    for (const std::string& name : engineNames())
        list << qstr(name);
    return list.join(QStringLiteral(", "));
}

} // namespace

EngineSettingsBox::EngineSettingsBox(Dialogs& dialogs, QWidget* parent)
        : QGroupBox(QStringLiteral("Engine"), parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("engineGroup"));
    programEdit = new QLineEdit(this);
    programEdit->setObjectName(QStringLiteral("engineProgramEdit"));
    programEdit->setPlaceholderText(QStringLiteral("Found in the working folder: ") + names());
    programButton = new QPushButton(QStringLiteral("Browse..."), this);
    programButton->setObjectName(QStringLiteral("engineProgramButton"));
    argumentsEdit = new QLineEdit(this);
    argumentsEdit->setObjectName(QStringLiteral("engineArgumentsEdit"));
    argumentsEdit->setPlaceholderText(QString::fromLatin1(kDefaultEngineArguments));
    argumentsEdit->setToolTip(QStringLiteral(
        "%f: the .def opened, as the engine names it (folder/file.def), %c: the character's folder name, "
        "%d: the .def's full path, %%: a single %.\n"
        "Quotes keep blanks inside one argument."));
    workingFolderEdit = new QLineEdit(this);
    workingFolderEdit->setObjectName(QStringLiteral("engineWorkingFolderEdit"));
    workingFolderEdit->setPlaceholderText(QStringLiteral("Two folders above the character's folder"));
    workingFolderButton = new QPushButton(QStringLiteral("Browse..."), this);
    workingFolderButton->setObjectName(QStringLiteral("engineWorkingFolderButton"));
    saveBeforeRunBox = new QCheckBox(QStringLiteral("Save all changes before running, without asking"), this);
    saveBeforeRunBox->setObjectName(QStringLiteral("engineSaveBeforeRunBox"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Program:"), this), 0, 0);
    layout->addWidget(programEdit, 0, 1);
    layout->addWidget(programButton, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Arguments:"), this), 1, 0);
    layout->addWidget(argumentsEdit, 1, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Working folder:"), this), 2, 0);
    layout->addWidget(workingFolderEdit, 2, 1);
    layout->addWidget(workingFolderButton, 2, 2);
    layout->addWidget(saveBeforeRunBox, 3, 0, 1, 3);

    connect(programButton, &QPushButton::clicked, this, &EngineSettingsBox::chooseProgram);
    connect(workingFolderButton, &QPushButton::clicked, this, &EngineSettingsBox::chooseWorkingFolder);
}

void EngineSettingsBox::setSettings(const EngineSettings& settings)
{
    programEdit->setText(qstr(settings.program));
    argumentsEdit->setText(qstr(settings.arguments));
    workingFolderEdit->setText(qstr(settings.workingFolder));
    saveBeforeRunBox->setChecked(settings.saveBeforeRun);
}

EngineSettings EngineSettingsBox::settings() const
{
    return {sstr(programEdit->text()), sstr(argumentsEdit->text()), sstr(workingFolderEdit->text()),
            saveBeforeRunBox->isChecked()};
}

void EngineSettingsBox::chooseProgram()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Choose the engine program");
    const QString current = programEdit->text().trimmed();
    options.directory = !current.isEmpty()               ? QFileInfo(current).absolutePath()
        : !workingFolderEdit->text().trimmed().isEmpty() ? workingFolderEdit->text().trimmed()
                                                         : QDir::homePath();
    options.filter = QStringLiteral("All Files(*.*)|*");
    options.mustExist = true;
    const QString chosen = dialogs_.openFile(this, options);
    if (!chosen.isEmpty())
        programEdit->setText(chosen);
}

void EngineSettingsBox::chooseWorkingFolder()
{
    const QString current = workingFolderEdit->text().trimmed();
    const QString chosen = dialogs_.chooseFolder(this, QStringLiteral("Choose the engine's working folder"),
                                                 current.isEmpty() ? QDir::homePath() : current);
    if (!chosen.isEmpty())
        workingFolderEdit->setText(chosen);
}

} // namespace vantrel
