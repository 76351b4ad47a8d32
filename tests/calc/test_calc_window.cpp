#include "calc/calculator_window.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace vantrel {
void registerCalcWindows(MainWindow&);
}

using namespace vantrel;
using test::TestApp;

namespace {

struct CalcWindowTest : ::testing::Test {
    TestApp t;
    CalculatorWindow calc{*t.app};

    void click(const QString& name)
    {
        auto* button = calc.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickAll(const QStringList& names)
    {
        for (const QString& n : names)
            click(n);
    }
};

} // namespace

TEST_F(CalcWindowTest, ClickedDivisionByZeroShowsTheMessageAndKeepsTheOperand)
{
    clickAll({"Number8", "Operator0", "Number0", "Operator4"});
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0].text, "Can't divide by zero");
    EXPECT_EQ(t.dialogs.messages[0].title, "Calculator");
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(calc.findChild<QLabel*>("Readout")->text(), "8.");
}

TEST_F(CalcWindowTest, PercentAndClearEntryButtons)
{
    clickAll({"Number2", "Number0", "Number0", "Operator1", "Number5", "Percent"});
    EXPECT_EQ(calc.readoutText(), "0.05");
    click("Operator4");
    EXPECT_EQ(calc.readoutText(), "10");

    clickAll({"Cancel", "Number5", "Operator1", "Number9", "CancelEntry", "Number1", "Operator4"});
    EXPECT_EQ(calc.readoutText(), "6");
    clickAll({"Operator1", "Decimal"});
    EXPECT_EQ(calc.readoutText(), "0.");
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(CalcWindowTest, TheKeyboardDrivesTheWindowEvenAfterAButtonClick)
{
    click("Number7"); // the click must not leave a button holding the keys
    QTest::keyClicks(&calc, "+2*3");
    QTest::keyClick(&calc, Qt::Key_Return); // does nothing
    EXPECT_EQ(calc.readoutText(), "3.");
    QTest::keyClicks(&calc, "=");
    EXPECT_EQ(calc.readoutText(), "27");
    QTest::keyClicks(&calc, "5.5");
    EXPECT_EQ(calc.readoutText(), "55.");
}

TEST_F(CalcWindowTest, ALoneMinusAsksForANumberInsteadOfComputing)
{
    clickAll({"Number5", "Operator1", "Operator3", "Percent"});
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0].title, "Calculator");
    EXPECT_EQ(calc.readoutText(), "-");
    click("Number3");
    click("Operator4");
    EXPECT_EQ(calc.readoutText(), "2");
}

TEST(CalcWindow, TheCalcButtonOpensTheCalculatorOnce)
{
    TestApp t;
    MainWindow main(*t.app);
    registerCalcWindows(main);
    main.Toolbar1_ButtonClick("Calc");
    auto* first = qobject_cast<CalculatorWindow*>(main.window("CalculatorWindow"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Calculator");
    QTest::keyClicks(first, "42");
    main.Toolbar1_ButtonClick("Calc");
    EXPECT_EQ(main.window("CalculatorWindow"), first);
    EXPECT_EQ(first->readoutText(), "42.");
}
