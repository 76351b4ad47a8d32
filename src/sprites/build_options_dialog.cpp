#include "build_options_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

BuildOptionsDialog::BuildOptionsDialog(BuildFlags& flags, QWidget* parent) : QDialog(parent), flags_(flags)
{
    setWindowTitle(QStringLiteral("Save Parameters"));
    Check1 = new QCheckBox(QStringLiteral("Crop images to maximum needed"), this);
    Check2 = new QCheckBox(QStringLiteral("Remove duplicate images"), this);
    Check3 = new QCheckBox(QStringLiteral("Remove duplicate palettes"), this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2->setObjectName(QStringLiteral("Check2"));
    Check3->setObjectName(QStringLiteral("Check3"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Check1);
    layout->addWidget(Check2);
    layout->addWidget(Check3);
    layout->addLayout(buttons);

    Check1->setChecked(flags_.crop == 1);
    Check2->setChecked(flags_.duplicateImages == 1);
    Check3->setChecked(flags_.duplicatePalettes == 1);
    // Only OK builds: the close box and Escape leave the SFF untouched.
    flags_.cancelled = true;

    connect(Command1, &QPushButton::clicked, this, &BuildOptionsDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BuildOptionsDialog::Command2_Click);
}

void BuildOptionsDialog::Command1_Click()
{
    flags_.crop = Check1->isChecked() ? 1 : 0;
    flags_.duplicateImages = Check2->isChecked() ? 1 : 0;
    flags_.duplicatePalettes = Check3->isChecked() ? 1 : 0;
    flags_.cancelled = false;
    accept();
}

void BuildOptionsDialog::Command2_Click()
{
    flags_.cancelled = true;
    reject();
}

} // namespace vantrel
