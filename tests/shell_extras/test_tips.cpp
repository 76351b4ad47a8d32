#include "common/text.h"
#include "shell/main_window.h"
#include "shell/register_windows.h"
#include "shell/tip_dialog.h"
#include "shell/tips.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vantrel;
using test::TestApp;

namespace {

const std::string kThreeTips = "3\r\nPress F1\r\n for help.$$\r\nSecond tip.$$\r\nThird\r\n\r\n tip.$$\r\n";

struct TipsTest : ::testing::Test {
    TestApp t;
    void SetUp() override { test::writeFile(t.path("tips.txt"), kThreeTips); }
    std::optional<std::string> stored(const char* key) const { return t.store->read(kProgramSettings, key); }
};

} // namespace

TEST_F(TipsTest, LoadTipWrapsJoinsLinesAndSurvivesBrokenFiles)
{
    const struct {
        std::string bytes; // "(none)": no file at all
        std::int16_t current, shown;
        const char* text;
    } cases[] = {
        {kThreeTips, 1, 1, "Press F1 for help."},
        {kThreeTips, 3, 3, "Third tip."},
        {kThreeTips, 4, 1, "Press F1 for help."}, // Next from the last
        {kThreeTips, 0, 3, "Third tip."},         // Prev from the first
        {kThreeTips, 9, 1, "Press F1 for help."}, // a stored number beyond the count
        {kThreeTips, -5, 1, "Press F1 for help."},
        {"(none)", 1, 1, ""},
        {"(none)", 0, 0, ""},
        {"", 2, 1, ""},
        {"2\r\nOne.$$\r\nTwo has no end\r\nand goes on", 2, 2, "Two has no endand goes on"},
        {"5\r\nOne.$$\r\nTwo.$$\r\n", 4, 4, ""}, // the count is larger than the tips
        {"5\r\nOne.$$\r\nTwo.$$\r\n", 0, 5, ""},
        {"many\r\nOne.$$\r\n", 1, 1, "One."},
        {"2\nOne.$$\nTw\no.$$\n", 2, 2, "Two."},
        {"1\r\nWords \r\n$$\r\n", 1, 1, "Words "},
    };
    for (const auto& c : cases) {
        const std::string path = t.path("case" + std::to_string(&c - cases) + ".txt");
        if (c.bytes != "(none)")
            test::writeFile(path, c.bytes);
        const Tip tip = loadTip(path, c.current);
        EXPECT_EQ(std::pair(tip.number, tip.text), std::pair(c.shown, std::string(c.text))) << &c - cases;
    }
}

TEST(Tips, TheShippedFileHoldsItsCountOfWholeTips)
{
    const std::string path = std::string(VANTREL_APP_DIR) + "/tips.txt";
    const auto lines = readLines(path);
    ASSERT_TRUE(lines && !lines->empty()) << path;
    const auto count = numericValue(lines->front());
    EXPECT_GE(count, 20);
    int closed = 0;
    for (const auto& line : *lines)
        closed += line.ends_with("$$");
    EXPECT_EQ(closed, count);
    EXPECT_NE(test::readFile(path).find("\r\n"), std::string::npos);
    for (std::int16_t n = 1; n <= count; ++n) {
        const Tip tip = loadTip(path, n);
        EXPECT_EQ(tip.number, n);
        EXPECT_GT(tip.text.size(), 30u) << n;
        EXPECT_EQ(tip.text.find("$$"), std::string::npos) << n;
        EXPECT_EQ(tip.text.find("  "), std::string::npos) << n << " joins two lines badly";
    }
}

TEST_F(TipsTest, NextAndPrevWrapBothWays)
{
    t.app->settings.currentTip = 3;
    TipDialog tips(*t.app);
    QStringList shown{tips.tipLabel->text()};
    for (QPushButton* button : {tips.nextButton, tips.previousButton, tips.previousButton}) {
        QTest::mouseClick(button, Qt::LeftButton);
        shown << tips.tipLabel->text() + QString::number(t.app->settings.currentTip);
    }
    EXPECT_EQ(shown, (QStringList{"Third tip.", "Press F1 for help.1", "Third tip.3", "Second tip.2"}));
}

TEST_F(TipsTest, ClosingStoresTheNextTipAndTheCheckBox)
{
    for (const char* how : {"OK", "close box", "Escape"}) {
        t.app->settings.currentTip = 1;
        t.app->settings.showTips = true;
        TipDialog tips(*t.app);
        EXPECT_TRUE(tips.showTipsBox->isChecked());
        QTest::mouseClick(tips.nextButton, Qt::LeftButton); // tip 2
        const bool untick = how != std::string("OK");
        tips.showTipsBox->setChecked(!untick);
        tips.show();
        if (!untick)
            QTest::mouseClick(tips.okButton, Qt::LeftButton);
        else if (how == std::string("close box"))
            tips.close();
        else
            QTest::keyClick(&tips, Qt::Key_Escape);
        EXPECT_FALSE(tips.isVisible()) << how;
        EXPECT_EQ(stored("CurrentTip"), "3") << how;
        EXPECT_EQ(stored("ShowTips"), untick ? "False" : "True") << how;
        EXPECT_TRUE(t.app->settings.showTips) << "the in-memory value waits for the next start";
    }
}

TEST_F(TipsTest, AStoredTipBeyondTheCountShowsTheFirstAtTheNextStart)
{
    t.store->write(kProgramSettings, "CurrentTip", "3");
    t.app->settings = loadProgramSettings(*t.store);
    TipDialog(*t.app).accept();
    EXPECT_EQ(stored("CurrentTip"), "4");
    t.app->settings = loadProgramSettings(*t.store);
    EXPECT_EQ(TipDialog(*t.app).tipLabel->text(), "Press F1 for help.");
}

// The tip comes up beside the main window, not as a modal dialog before it:
// nothing waits for its OK.
TEST_F(TipsTest, TheMainWindowShowsTheTipBesideItWhenTipsAreOn)
{
    for (const bool on : {true, false}) {
        t.store->write(kProgramSettings, "ShowTips", on ? "True" : "False");
        t.store->write(kProgramSettings, "CurrentTip", "2");
        MainWindow main(*t.app);
        registerShellWindows(main);
        main.startUp();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        main.showStartupTip();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        auto* tips = qobject_cast<TipDialog*>(main.loadedWindow(WindowKind::Tips));
        EXPECT_EQ(tips != nullptr && tips->isVisible(), on);
        if (tips) {
            EXPECT_EQ(tips->tipLabel->text(), "Second tip.");
            tips->okButton->click();
        }
        EXPECT_EQ(stored("CurrentTip"), on ? "3" : "2");
        QApplication::processEvents();
    }
}
