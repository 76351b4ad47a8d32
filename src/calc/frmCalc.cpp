#include "frmCalc.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vantrel {

frmCalc::frmCalc(App& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(QStringLiteral("Calculator"));
    // The window takes every key itself; the buttons never hold the focus,
    // so Enter or Space cannot press the last clicked one again.
    setFocusPolicy(Qt::StrongFocus);

    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);

    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    readout_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    readout_->setAutoFillBackground(true);
    QPalette pal = readout_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    readout_->setPalette(pal);
    QFont big = readout_->font();
    big.setPointSize(big.pointSize() + 4);
    readout_->setFont(big);
    readout_->setMinimumHeight(32);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(readout_, 0, 0, 1, 5);

    // Digits 7 8 9 / 4 5 6 / 1 2 3 / 0, as on a desk calculator.
    for (int d = 0; d <= 9; ++d) {
        QPushButton* b = addButton(QStringLiteral("Number%1").arg(d), QString::number(d));
        connect(b, &QPushButton::clicked, this, [this, d] { Number_Click(d); });
        if (d == 0)
            grid->addWidget(b, 4, 0);
        else
            grid->addWidget(b, 3 - (d - 1) / 3, (d - 1) % 3);
    }
    QPushButton* decimal = addButton(QStringLiteral("Decimal"), QStringLiteral("."));
    connect(decimal, &QPushButton::clicked, this, &frmCalc::Decimal_Click);
    grid->addWidget(decimal, 4, 1);

    // (row, column) of "/", "+", "X", "-"; "=" takes the last two cells of the bottom row.
    const int operatorCells[4][2] = {{2, 3}, {3, 3}, {2, 4}, {3, 4}};
    for (int i = 0; i < 5; ++i) {
        QPushButton* b = addButton(QStringLiteral("Operator%1").arg(i), QString::fromLatin1(Calculator::operatorCaption(i)));
        connect(b, &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
        if (i < 4)
            grid->addWidget(b, operatorCells[i][0], operatorCells[i][1]);
        else
            grid->addWidget(b, 4, 3, 1, 2);
    }
    QPushButton* percent = addButton(QStringLiteral("Percent"), QStringLiteral("%"));
    connect(percent, &QPushButton::clicked, this, &frmCalc::Percent_Click);
    grid->addWidget(percent, 4, 2);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), QStringLiteral("C"));
    connect(cancel, &QPushButton::clicked, this, &frmCalc::Cancel_Click);
    grid->addWidget(cancel, 1, 3);
    QPushButton* cancelEntry = addButton(QStringLiteral("CancelEntry"), QStringLiteral("CE"));
    connect(cancelEntry, &QPushButton::clicked, this, &frmCalc::CancelEntry_Click);
    grid->addWidget(cancelEntry, 1, 4);

    calc_.Reset();
    readout_->setText(readoutText());
    setFixedSize(sizeHint());
}

QPushButton* frmCalc::addButton(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(44, 36);
    return b;
}

QString frmCalc::readoutText() const
{
    return QString::fromStdString(calc_.Readout);
}

void frmCalc::show(const Calculator::Message& message)
{
    if (message)
        app_.dialogs.message(this, QString::fromStdString(*message), QStringLiteral("Calculator"), Buttons::Ok,
                             Icon::Warning);
    readout_->setText(readoutText());
}

void frmCalc::Number_Click(int index)
{
    calc_.NumberKey(index);
    show(std::nullopt);
}

void frmCalc::Operator_Click(int index)
{
    show(calc_.OperatorKey(index));
}

void frmCalc::Decimal_Click()
{
    calc_.DecimalKey();
    show(std::nullopt);
}

void frmCalc::Percent_Click()
{
    show(calc_.PercentKey());
}

void frmCalc::Cancel_Click()
{
    calc_.ClearAll();
    show(std::nullopt);
}

void frmCalc::CancelEntry_Click()
{
    calc_.ClearEntry();
    show(std::nullopt);
}

void frmCalc::Form_KeyPress(char ch)
{
    show(calc_.KeyInput(ch));
}

void frmCalc::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 128) {
        Form_KeyPress(static_cast<char>(text.at(0).unicode()));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vantrel
