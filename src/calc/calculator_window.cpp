#include "calculator_window.h"
#include "ui/app.h"
#include "ui/translations.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vantrel {

CalculatorWindow::CalculatorWindow(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(tr("Calculator"));
    // The window takes every key itself; the buttons never hold the focus,
    // so Enter or Space cannot press the last clicked one again.
    setFocusPolicy(Qt::StrongFocus);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);

    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    readout_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    readout_->setAutoFillBackground(true);
    // A display field in the desktop's scheme.
    readout_->setBackgroundRole(QPalette::Base);
    readout_->setForegroundRole(QPalette::Text);
    QFont big = readout_->font();
    big.setPointSize(big.pointSize() + 4);
    readout_->setFont(big);
    readout_->setMinimumHeight(32);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(readout_, 0, 0, 1, 5);

    // Digits 7 8 9 / 4 5 6 / 1 2 3 / 0, as on a desk calculator.
    for (int d = 0; d <= 9; ++d) {
        QPushButton* b = makeButton(QStringLiteral("digit%1Button").arg(d), QString::number(d));
        connect(b, &QPushButton::clicked, this, [this, d] { pressDigit(d); });
        if (d == 0)
            grid->addWidget(b, 4, 0);
        else
            grid->addWidget(b, 3 - (d - 1) / 3, (d - 1) % 3);
    }
    QPushButton* decimal = makeButton(QStringLiteral("decimalPointButton"), QStringLiteral("."));
    connect(decimal, &QPushButton::clicked, this, &CalculatorWindow::pressDecimalPoint);
    grid->addWidget(decimal, 4, 1);

    // (row, column) of "/", "+", "X", "-"; "=" takes the last two cells of the bottom row.
    const int operatorCells[4][2] = {{2, 3}, {3, 3}, {2, 4}, {3, 4}};
    const char* const operatorNames[5] = {"divideButton", "addButton", "multiplyButton", "subtractButton",
                                          "equalsButton"};
    for (int i = 0; i < 5; ++i) {
        QPushButton* b =
            makeButton(QString::fromLatin1(operatorNames[i]), QString::fromLatin1(Calculator::operatorCaption(i)));
        connect(b, &QPushButton::clicked, this, [this, i] { pressOperator(i); });
        if (i < 4)
            grid->addWidget(b, operatorCells[i][0], operatorCells[i][1]);
        else
            grid->addWidget(b, 4, 3, 1, 2);
    }
    QPushButton* percent = makeButton(QStringLiteral("percentButton"), QStringLiteral("%"));
    connect(percent, &QPushButton::clicked, this, &CalculatorWindow::pressPercent);
    grid->addWidget(percent, 4, 2);
    QPushButton* clear = makeButton(QStringLiteral("clearButton"), QStringLiteral("C"));
    connect(clear, &QPushButton::clicked, this, &CalculatorWindow::clearAll);
    grid->addWidget(clear, 1, 3);
    QPushButton* clearEntry = makeButton(QStringLiteral("clearEntryButton"), QStringLiteral("CE"));
    connect(clearEntry, &QPushButton::clicked, this, &CalculatorWindow::clearEntry);
    grid->addWidget(clearEntry, 1, 4);

    calc_.reset();
    readout_->setText(readoutText());
    setFixedSize(sizeHint());
}

QPushButton* CalculatorWindow::makeButton(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(44, 36);
    return b;
}

QString CalculatorWindow::readoutText() const
{
    return QString::fromStdString(calc_.readout);
}

void CalculatorWindow::show(const Calculator::Message& message)
{
    if (message)
        app_.dialogs.message(this, translatedMessage(*message), tr("Calculator"), Buttons::Ok, Icon::Warning);
    readout_->setText(readoutText());
}

void CalculatorWindow::pressDigit(int digit)
{
    calc_.numberKey(digit);
    show(std::nullopt);
}

void CalculatorWindow::pressOperator(int index)
{
    show(calc_.operatorKey(index));
}

void CalculatorWindow::pressDecimalPoint()
{
    calc_.decimalKey();
    show(std::nullopt);
}

void CalculatorWindow::pressPercent()
{
    show(calc_.percentKey());
}

void CalculatorWindow::clearAll()
{
    calc_.clearAll();
    show(std::nullopt);
}

void CalculatorWindow::clearEntry()
{
    calc_.clearEntry();
    show(std::nullopt);
}

void CalculatorWindow::typeKey(char ch)
{
    show(calc_.typeKey(ch));
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 128) {
        typeKey(static_cast<char>(text.at(0).unicode()));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantrel
