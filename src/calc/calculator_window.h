#pragma once
// The calculator window: a display and the keypad of the Calculator model,
// driven by its buttons and by the keyboard.

#include "calc/calculator.h"
#include "shell/app.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vantrel {

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(App& app, QWidget* parent = nullptr);

    const Calculator& model() const { return calc_; }
    QString readoutText() const;

    void Number_Click(int index);
    void Operator_Click(int index);
    void Decimal_Click();
    void Percent_Click();
    void Cancel_Click();
    void CancelEntry_Click();
    void Form_KeyPress(char ch);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& caption);
    void show(const Calculator::Message& message);

    App& app_;
    Calculator calc_;
    QLabel* readout_ = nullptr;
};

} // namespace vantrel
