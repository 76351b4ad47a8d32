#pragma once
// "Tip of the Day": shows one tip of tips.txt at start-up, steps through the
// tips both ways, and on closing remembers the next tip and whether tips
// appear at start-up.

#include "shell/app.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vantrel {

class TipDialog : public QDialog {
    Q_OBJECT
public:
    explicit TipDialog(App& app, QWidget* parent = nullptr);

    void loadTip();
    void Command1_Click(); // Next >>
    void Command2_Click(); // << Prev
    void Command3_Click(); // OK

    // Every way of closing the window passes here: the closing steps.
    void done(int result) override;

    QLabel* Label1 = nullptr;
    QLabel* lblTips = nullptr;
    QCheckBox* chkTips = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

private:
    App& app_;
    bool closed_ = false;
};

} // namespace vantrel
