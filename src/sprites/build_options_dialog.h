#pragma once
// "Save Parameters": the build options of the SFF build, asked before each build.

#include "sprites/workspace.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace vantrel {

class BuildOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows `flags` and writes them back on OK. Until OK is pressed the build
    // counts as cancelled, however the dialog is left.
    explicit BuildOptionsDialog(BuildFlags& flags, QWidget* parent = nullptr);

    // OK: stores the boxes in the flags.
    void accept() override;

    QCheckBox* cropBox = nullptr;
    QCheckBox* removeDuplicateImagesBox = nullptr;
    QCheckBox* removeDuplicatePalettesBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    BuildFlags& flags_;
};

} // namespace vantrel
