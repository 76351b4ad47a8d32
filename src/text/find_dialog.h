#pragma once
// The find dialog: finds text in an editor's text box downwards or upwards,
// and replaces the found text one occurrence at a time. Its settings live in
// the program-wide search settings and outlive the dialog.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vantrel {

struct App;

class TextBox;

class FindDialog final : public QDialog {
    Q_OBJECT
public:
    // `target` is the text box searched; null leaves every button without effect.
    FindDialog(App& app, TextBox* target, QWidget* parent = nullptr);

    QLabel* findLabel = nullptr;
    QLineEdit* findEdit = nullptr;
    QLabel* replaceLabel = nullptr;
    QLineEdit* replaceEdit = nullptr;
    QPushButton* findButton = nullptr;
    QPushButton* replaceButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QCheckBox* matchCaseBox = nullptr;
    QGroupBox* directionBox = nullptr;
    QRadioButton* upButton = nullptr;
    QRadioButton* downButton = nullptr;

public slots:
    // Find works only with something to find.
    void updateFindButton();
    void findNext();
    // The first use shows the replace box; later ones replace the selected
    // match and find the next.
    void replaceNext();
    // Keeps the find text and the letter case choice, then closes.
    void rememberAndClose();
    void setMatchCase(bool matchCase);
    void setDirection(int direction);

private:
    void showReplaceBox();
    void showNotFound();

    App& app_;
    TextBox* target_;
};

// The text box of the main window's active child window, null when it has none.
TextBox* activeTextBox(App& app);

} // namespace vantrel
