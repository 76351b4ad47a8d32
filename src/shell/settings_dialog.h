#pragma once
// "Configuration": the text editors' default font and colours, the sprite
// view's default zoom and the tip of the day at start-up. OK saves them;
// Cancel and the close box change nothing.

#include "shell/app.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace vantrel {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(App& app, QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Command3_Click(); // Set font
    void Command4_Click(); // Fore colour
    void Command5_Click(); // Back colour
    void sdrDefaultZoom_Change();

    // The sample's colours, as the text editors will get them.
    QColor textColour() const;
    QColor backColour() const;

    QGroupBox* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QSlider* sdrDefaultZoom = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void setSampleColours(const QColor& text, const QColor& back);

    App& app_;
};

} // namespace vantrel
