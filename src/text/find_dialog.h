#pragma once
// The find dialog: finds text in an editor's text box downwards or upwards,
// and replaces the found text one occurrence at a time. Its settings live in
// the program-wide search settings and outlive the dialog.

#include "shell/app.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantrel {

class TextBox;

class FindDialog final : public QDialog {
    Q_OBJECT
public:
    // `target` is the text box searched; null leaves every button without effect.
    FindDialog(App& app, TextBox* target, QWidget* parent = nullptr);

    void Text1_Change();
    void cmdFind_Click();
    void cmdReplace_Click();
    void cmdcancel_Click();
    void chkCase_Click();
    void optDirection_Click(int index);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtReplace = nullptr;
    QPushButton* cmdFind = nullptr;
    QPushButton* cmdReplace = nullptr;
    QPushButton* cmdcancel = nullptr;
    QCheckBox* chkCase = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* optDirection[2] = {nullptr, nullptr}; // 0 up, 1 down

private:
    void expand();
    void showNotFound();

    App& app_;
    TextBox* target_;
};

// The text box of the main window's active child window, null when it has none.
TextBox* activeTextBox(App& app);

} // namespace vantrel
