#pragma once
// The calculator window: a display and the keypad of the Calculator model,
// driven by its buttons and by the keyboard.

#include "calc/calculator.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vantrel {

struct App;

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(App& app, QWidget* parent = nullptr);

    const Calculator& model() const { return calc_; }
    QString readoutText() const;

public slots:
    void pressDigit(int digit);
    // 0 "/", 1 "+", 2 "X", 3 "-", 4 "=", as Calculator::operatorKey.
    void pressOperator(int index);
    void pressDecimalPoint();
    void pressPercent();
    void clearAll();
    void clearEntry();
    // A typed character, as Calculator::typeKey.
    void typeKey(char ch);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* makeButton(const QString& name, const QString& caption);
    void show(const Calculator::Message& message);

    App& app_;
    Calculator calc_;
    QLabel* readout_ = nullptr;
};

} // namespace vantrel
