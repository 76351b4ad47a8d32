#pragma once
// "Save Parameters": the build options of the SFF build, asked before each
// build, and the SFF version to write.

#include "sprites/sff_build.h"
#include "sprites/workspace.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace vantrel {

class BuildOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows `flags` and writes them back on OK. Until OK is pressed the build
    // counts as cancelled, however the dialog is left. `facts` tell the
    // archive's own version and what the other one would lose.
    BuildOptionsDialog(BuildFlags& flags, const VersionFacts& facts, QWidget* parent = nullptr);

    // OK: stores the boxes in the flags.
    void accept() override;

    // The version chosen in the box: 1 or 2; for 2, 2.00 (0) or 2.01 (1), else -1.
    int chosenVersion() const;
    int chosenMinorVersion() const;

    QCheckBox* cropBox = nullptr;
    QCheckBox* removeDuplicateImagesBox = nullptr;
    QCheckBox* removeDuplicatePalettesBox = nullptr;
    QComboBox* versionBox = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* warningLabel = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    void showWarning();
    // What building version `version` (for 2: 2.00 is minor 0, 2.01 minor 1)
    // of the sprites loses; empty when nothing is lost.
    QString versionWarning(int version, int minorVersion) const;

    BuildFlags& flags_;
    VersionFacts facts_;
};

} // namespace vantrel
