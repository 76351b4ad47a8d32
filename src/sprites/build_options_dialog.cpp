#include "build_options_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

BuildOptionsDialog::BuildOptionsDialog(BuildFlags& flags, QWidget* parent) : QDialog(parent), flags_(flags)
{
    setObjectName(QStringLiteral("BuildOptionsDialog"));
    setWindowTitle(QStringLiteral("Save Parameters"));
    cropBox = new QCheckBox(QStringLiteral("Crop images to maximum needed"), this);
    removeDuplicateImagesBox = new QCheckBox(QStringLiteral("Remove duplicate images"), this);
    removeDuplicatePalettesBox = new QCheckBox(QStringLiteral("Remove duplicate palettes"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cropBox->setObjectName(QStringLiteral("cropBox"));
    removeDuplicateImagesBox->setObjectName(QStringLiteral("removeDuplicateImagesBox"));
    removeDuplicatePalettesBox->setObjectName(QStringLiteral("removeDuplicatePalettesBox"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cropBox);
    layout->addWidget(removeDuplicateImagesBox);
    layout->addWidget(removeDuplicatePalettesBox);
    layout->addLayout(buttons);

    cropBox->setChecked(flags_.crop == 1);
    removeDuplicateImagesBox->setChecked(flags_.duplicateImages == 1);
    removeDuplicatePalettesBox->setChecked(flags_.duplicatePalettes == 1);
    // Only OK builds: Cancel, the close box and Escape leave the SFF untouched.
    flags_.cancelled = true;

    connect(okButton, &QPushButton::clicked, this, &BuildOptionsDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &BuildOptionsDialog::reject);
}

void BuildOptionsDialog::accept()
{
    flags_.crop = cropBox->isChecked() ? 1 : 0;
    flags_.duplicateImages = removeDuplicateImagesBox->isChecked() ? 1 : 0;
    flags_.duplicatePalettes = removeDuplicatePalettesBox->isChecked() ? 1 : 0;
    flags_.cancelled = false;
    QDialog::accept();
}

} // namespace vantrel
