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

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QCheckBox* Check1 = nullptr; // crop
    QCheckBox* Check2 = nullptr; // duplicate images
    QCheckBox* Check3 = nullptr; // duplicate palettes
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    BuildFlags& flags_;
};

} // namespace vantrel
