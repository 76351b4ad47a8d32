#pragma once
// "Configuration": the text editors' default font and colours, the sprite
// view's default zoom, the tip of the day at start-up and the engine the Run
// button starts. OK saves them;
// Cancel and the close box change nothing.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace vantrel {

struct App;

class EngineSettingsBox;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(App& app, QWidget* parent = nullptr);

    // The sample's colours, as the text editors will get them.
    QColor textColour() const;
    QColor backColour() const;

    QGroupBox* settingsGroup = nullptr;
    QLabel* sampleCaption = nullptr;
    QPlainTextEdit* sampleText = nullptr;
    QPushButton* fontButton = nullptr;
    QPushButton* textColourButton = nullptr;
    QPushButton* backColourButton = nullptr;
    QSlider* defaultZoomSlider = nullptr;
    QLabel* defaultZoomLabel = nullptr;
    QCheckBox* showTipsBox = nullptr;
    QLabel* languageCaption = nullptr;
    QComboBox* languageBox = nullptr;
    EngineSettingsBox* engineGroup = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

public slots:
    // OK: stores every setting and applies the new zoom at once.
    void saveSettings();
    // The choosers change only the sample until OK.
    void chooseFont();
    void chooseTextColour();
    void chooseBackColour();
    void showDefaultZoom();

private:
    void setSampleColours(const QColor& text, const QColor& back);

    App& app_;
};

} // namespace vantrel
