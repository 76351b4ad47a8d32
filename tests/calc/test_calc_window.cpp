#include "calc/calculator_window.h"
#include "calc/register_windows.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

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
    clickAll({"digit8Button", "divideButton", "digit0Button", "equalsButton"});
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0].text, "Can't divide by zero");
    EXPECT_EQ(t.dialogs.messages[0].title, "Calculator");
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(calc.findChild<QLabel*>("readout")->text(), "8.");
}

TEST_F(CalcWindowTest, PercentAndClearEntryButtons)
{
    clickAll({"digit2Button", "digit0Button", "digit0Button", "addButton", "digit5Button", "percentButton"});
    EXPECT_EQ(calc.readoutText(), "0.05");
    click("equalsButton");
    EXPECT_EQ(calc.readoutText(), "10");

    clickAll({"clearButton", "digit5Button", "addButton", "digit9Button", "clearEntryButton", "digit1Button",
              "equalsButton"});
    EXPECT_EQ(calc.readoutText(), "6");
    clickAll({"addButton", "decimalPointButton"});
    EXPECT_EQ(calc.readoutText(), "0.");
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(CalcWindowTest, TheKeyboardDrivesTheWindowEvenAfterAButtonClick)
{
    click("digit7Button"); // the click must not leave a button holding the keys
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
    clickAll({"digit5Button", "addButton", "subtractButton", "percentButton"});
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(t.dialogs.messages[0].title, "Calculator");
    EXPECT_EQ(calc.readoutText(), "-");
    click("digit3Button");
    click("equalsButton");
    EXPECT_EQ(calc.readoutText(), "2");
}

TEST(CalcWindow, TheCalcButtonOpensTheCalculatorOnce)
{
    TestApp t;
    MainWindow main(*t.app);
    registerCalcWindows(main);
    main.toolbarAction(ToolbarCommand::Calculator)->trigger();
    auto* first = qobject_cast<CalculatorWindow*>(main.loadedWindow(WindowKind::Calculator));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Calculator");
    QTest::keyClicks(first, "42");
    main.toolbarAction(ToolbarCommand::Calculator)->trigger();
    EXPECT_EQ(main.loadedWindow(WindowKind::Calculator), first);
    EXPECT_EQ(first->readoutText(), "42.");
}
