#pragma once
// "Tip of the Day": shows one tip of tips.txt at start-up, steps through the
// tips both ways, and on closing remembers the next tip and whether tips
// appear at start-up.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vantrel {

struct App;

class TipDialog : public QDialog {
    Q_OBJECT
public:
    explicit TipDialog(App& app, QWidget* parent = nullptr);

    // Every way of closing the window passes here: the closing steps.
    void done(int result) override;

    QLabel* headingLabel = nullptr;
    QLabel* tipLabel = nullptr;
    QCheckBox* showTipsBox = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* okButton = nullptr;

public slots:
    // Shows the tip the settings' currentTip names (wrapped into range).
    void showCurrentTip();
    void showNextTip();
    void showPreviousTip();

private:
    App& app_;
    bool closed_ = false;
};

} // namespace vantrel
