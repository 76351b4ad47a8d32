#include "build_options_dialog.h"

#include "common/qt_text.h"
#include "ui/appearance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int kVersion1 = 100;
constexpr int kVersion200 = 200;
constexpr int kVersion201 = 201;

} // namespace

BuildOptionsDialog::BuildOptionsDialog(BuildFlags& flags, const VersionFacts& facts, QWidget* parent)
        : QDialog(parent), flags_(flags), facts_(facts)
{
    setObjectName(QStringLiteral("BuildOptionsDialog"));
    setWindowTitle(tr("Save Parameters"));
    cropBox = new QCheckBox(tr("Crop images to maximum needed"), this);
    removeDuplicateImagesBox = new QCheckBox(tr("Remove duplicate images"), this);
    removeDuplicatePalettesBox = new QCheckBox(tr("Remove duplicate palettes"), this);
    versionLabel = new QLabel(this);
    versionBox = new QComboBox(this);
    warningLabel = new QLabel(this);
    okButton = new QPushButton(tr("OK"), this);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cropBox->setObjectName(QStringLiteral("cropBox"));
    removeDuplicateImagesBox->setObjectName(QStringLiteral("removeDuplicateImagesBox"));
    removeDuplicatePalettesBox->setObjectName(QStringLiteral("removeDuplicatePalettesBox"));
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    versionBox->setObjectName(QStringLiteral("versionBox"));
    warningLabel->setObjectName(QStringLiteral("warningLabel"));
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    okButton->setDefault(true);

    versionLabel->setText(tr("The character's sprites were read from an SFF v%1. Write:")
                              .arg(qstr(versionText(facts.archiveVersion, facts.archiveMinorVersion))));
    // Each with the engines that read it; the data is the version times 100 plus the minor version.
    versionBox->addItem(tr("SFF v1 (WinMUGEN, MUGEN 1.0 and 1.1, IKEMEN GO)"), kVersion1);
    versionBox->addItem(tr("SFF v2.00 (MUGEN 1.0 and 1.1, IKEMEN GO)"), kVersion200);
    versionBox->addItem(tr("SFF v2.01 (MUGEN 1.1, IKEMEN GO)"), kVersion201);
    warningLabel->setWordWrap(true);
    showAsWarning(warningLabel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cropBox);
    layout->addWidget(removeDuplicateImagesBox);
    layout->addWidget(removeDuplicatePalettesBox);
    layout->addWidget(versionLabel);
    layout->addWidget(versionBox);
    layout->addWidget(warningLabel);
    layout->addLayout(buttons);

    cropBox->setChecked(flags_.crop == 1);
    removeDuplicateImagesBox->setChecked(flags_.duplicateImages == 1);
    removeDuplicatePalettesBox->setChecked(flags_.duplicatePalettes == 1);
    const int version = flags_.version ? flags_.version : facts.archiveVersion;
    const int minor = flags_.minorVersion >= 0 ? flags_.minorVersion : facts.archiveMinorVersion;
    versionBox->setCurrentIndex(versionBox->findData(version == 2 ? kVersion200 + minor : kVersion1));
    showWarning();
    // Only OK builds: Cancel, the close box and Escape leave the SFF untouched.
    flags_.cancelled = true;

    connect(versionBox, &QComboBox::currentIndexChanged, this, &BuildOptionsDialog::showWarning);
    connect(okButton, &QPushButton::clicked, this, &BuildOptionsDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &BuildOptionsDialog::reject);
}

int BuildOptionsDialog::chosenVersion() const
{
    return versionBox->currentData().toInt() / 100;
}

int BuildOptionsDialog::chosenMinorVersion() const
{
    return chosenVersion() == 2 ? versionBox->currentData().toInt() % 100 : -1;
}

QString BuildOptionsDialog::versionWarning(int version, int minorVersion) const
{
    if (version == 2 && minorVersion == 0 && facts_.trueColourRecords > 0)
        return tr("MUGEN 1.0 reads no 32-bit sprites: %1 sprites are 32-bit pictures, which only MUGEN 1.1 and "
                  "IKEMEN GO draw.")
            .arg(facts_.trueColourRecords);
    if (version != 1)
        return {};
    QStringList warning;
    if (facts_.archiveVersion == 2 && facts_.unusedPalettes > 0)
        warning << tr("SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their "
                      "numbers, and the %2 that no sprite uses are lost.")
                       .arg(facts_.palettes)
                       .arg(facts_.unusedPalettes);
    else if (facts_.archiveVersion == 2)
        warning << tr("SFF v1 has no palette table: each sprite keeps its colours, but the %1 palettes lose their "
                      "numbers.")
                       .arg(facts_.palettes);
    if (facts_.trueColourRecords > 0)
        warning << tr("SFF v1 holds 8-bit sprites only: %1 sprites are 32-bit pictures, and the build stops at the "
                      "first of them.")
                       .arg(facts_.trueColourRecords);
    return warning.join(QLatin1Char('\n'));
}

void BuildOptionsDialog::showWarning()
{
    const QString warning = versionWarning(chosenVersion(), chosenMinorVersion());
    warningLabel->setText(warning);
    warningLabel->setVisible(!warning.isEmpty());
}

void BuildOptionsDialog::accept()
{
    flags_.crop = cropBox->isChecked() ? 1 : 0;
    flags_.duplicateImages = removeDuplicateImagesBox->isChecked() ? 1 : 0;
    flags_.duplicatePalettes = removeDuplicatePalettesBox->isChecked() ? 1 : 0;
    // Only a version other than the archive's goes on the command line.
    const bool sameMinor = chosenVersion() != 2 || chosenMinorVersion() == facts_.archiveMinorVersion;
    const bool same = chosenVersion() == facts_.archiveVersion && sameMinor;
    flags_.version = same ? 0 : chosenVersion();
    flags_.minorVersion = same ? -1 : chosenMinorVersion();
    flags_.cancelled = false;
    QDialog::accept();
}

} // namespace vantrel
