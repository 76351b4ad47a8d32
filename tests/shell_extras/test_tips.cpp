#include "common/text.h"
#include "shell/frmMain.h"
#include "shell/frmTips.h"
#include "shell/tips.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vantrel {
void registerShellWindows(frmMain&);
}

using namespace vantrel;
using test::TestApp;

namespace {

const std::string kThreeTips = "3\r\n"
                               "Press F1\r\n"
                               " for help.$$\r\n"
                               "Second tip.$$\r\n"
                               "Third\r\n"
                               "\r\n"
                               " tip.$$\r\n";

} // namespace

TEST(Tips, LoadTipWrapsAndJoinsLines)
{
    TestApp t;
    const std::string path = t.path("tips.txt");
    test::writeFile(path, kThreeTips);
    const struct {
        std::int16_t current;
        std::int16_t shown;
        const char* text;
    } cases[] = {
        {1, 1, "Press F1 for help."},
        {2, 2, "Second tip."},
        {3, 3, "Third tip."},
        {4, 1, "Press F1 for help."}, // Next from the last
        {0, 3, "Third tip."},         // Prev from the first
        {9, 1, "Press F1 for help."}, // a stored number beyond the count
        {-5, 1, "Press F1 for help."},
        {32767, 1, "Press F1 for help."},
    };
    for (const auto& c : cases) {
        const Tip tip = LoadTip(path, c.current);
        EXPECT_EQ(tip.number, c.shown) << c.current;
        EXPECT_EQ(tip.text, c.text) << c.current;
    }
}

TEST(Tips, BrokenFilesShowWhatCouldBeRead)
{
    TestApp t;
    const struct {
        const char* name;
        std::string bytes; // "(none)": no file at all
        std::int16_t current;
        std::int16_t shown;
        const char* text;
    } cases[] = {
        {"missing file", "(none)", 1, 1, ""},
        {"missing file, Prev", "(none)", 0, 0, ""},
        {"empty file", "", 2, 1, ""},
        {"no closing marker", "2\r\nOne.$$\r\nTwo has no end\r\nand goes on", 2, 2, "Two has no endand goes on"},
        {"count larger than the tips", "5\r\nOne.$$\r\nTwo.$$\r\n", 4, 4, ""},
        {"count larger, Prev to the last", "5\r\nOne.$$\r\nTwo.$$\r\n", 0, 5, ""},
        {"count not a number", "many\r\nOne.$$\r\n", 1, 1, "One."},
        {"line feeds only", "2\nOne.$$\nTw\no.$$\n", 2, 2, "Two."},
        {"marker alone on a line", "1\r\nWords \r\n$$\r\n", 1, 1, "Words "},
    };
    for (const auto& c : cases) {
        const std::string path = t.path(std::string("tips-") + std::to_string(&c - cases) + ".txt");
        if (c.bytes != "(none)")
            test::writeFile(path, c.bytes);
        const Tip tip = LoadTip(path, c.current);
        EXPECT_EQ(tip.number, c.shown) << c.name;
        EXPECT_EQ(tip.text, c.text) << c.name;
    }
}

TEST(Tips, TheShippedFileHoldsItsCountOfWholeTips)
{
    const std::string path = std::string(VANTREL_APP_DIR) + "/tips.txt";
    const auto lines = readLines(path);
    ASSERT_TRUE(lines.has_value()) << path;
    ASSERT_FALSE(lines->empty());
    const auto count = numericValue(lines->front());
    EXPECT_GE(count, 20);
    int closed = 0;
    for (std::size_t i = 1; i < lines->size(); ++i)
        closed += (*lines)[i].size() >= 2 && (*lines)[i].substr((*lines)[i].size() - 2) == "$$";
    EXPECT_EQ(closed, count) << "every tip ends with $$ and the first line counts them";
    EXPECT_NE(test::readFile(path).find("\r\n"), std::string::npos) << "lines end with CR LF";
    for (std::int16_t n = 1; n <= count; ++n) {
        const Tip tip = LoadTip(path, n);
        EXPECT_EQ(tip.number, n);
        EXPECT_GT(tip.text.size(), 30u) << "tip " << n;
        EXPECT_EQ(tip.text.find("$$"), std::string::npos) << "tip " << n;
        EXPECT_EQ(tip.text.find("  "), std::string::npos) << "tip " << n << " joins two lines badly";
    }
}

namespace {

struct TipsWindowTest : ::testing::Test {
    TestApp t;
    void SetUp() override { test::writeFile(t.path("tips.txt"), kThreeTips); }
    std::optional<std::string> stored(const char* key) const { return t.store->read(kProgramSettings, key); }
};

} // namespace

TEST_F(TipsWindowTest, NextAndPrevWrapBothWays)
{
    t.app->settings.CurrentTip = 3;
    frmTips tips(*t.app);
    EXPECT_EQ(tips.windowTitle(), "Tip of the Day");
    EXPECT_EQ(tips.lblTips->text(), "Third tip.");
    QTest::mouseClick(tips.Command1, Qt::LeftButton);
    EXPECT_EQ(tips.lblTips->text(), "Press F1 for help.");
    EXPECT_EQ(t.app->settings.CurrentTip, 1);
    QTest::mouseClick(tips.Command2, Qt::LeftButton);
    EXPECT_EQ(tips.lblTips->text(), "Third tip.");
    EXPECT_EQ(t.app->settings.CurrentTip, 3);
    QTest::mouseClick(tips.Command2, Qt::LeftButton);
    EXPECT_EQ(tips.lblTips->text(), "Second tip.");
}

TEST_F(TipsWindowTest, ClosingStoresTheNextTipAndTheCheckBox)
{
    const struct {
        const char* how;
        bool untick;
        const char* showTips;
    } cases[] = {{"OK", false, "True"}, {"close box", true, "False"}, {"Escape", true, "False"}};
    for (const auto& c : cases) {
        t.app->settings.CurrentTip = 1;
        t.app->settings.ShowTips = true;
        frmTips tips(*t.app);
        EXPECT_TRUE(tips.chkTips->isChecked());
        QTest::mouseClick(tips.Command1, Qt::LeftButton); // tip 2
        if (c.untick)
            tips.chkTips->setChecked(false);
        tips.show();
        if (c.how == std::string("OK"))
            QTest::mouseClick(tips.Command3, Qt::LeftButton);
        else if (c.how == std::string("close box"))
            tips.close();
        else
            QTest::keyClick(&tips, Qt::Key_Escape);
        EXPECT_FALSE(tips.isVisible()) << c.how;
        EXPECT_EQ(stored("CurrentTip"), "3") << c.how;
        EXPECT_EQ(stored("ShowTips"), c.showTips) << c.how;
        EXPECT_TRUE(t.app->settings.ShowTips) << "the in-memory value waits for the next start";
    }
}

TEST_F(TipsWindowTest, AStoredTipBeyondTheCountShowsTheFirstAtTheNextStart)
{
    t.store->write(kProgramSettings, "CurrentTip", "3");
    t.app->settings = LoadProgramSettings(*t.store);
    {
        frmTips tips(*t.app);
        EXPECT_EQ(tips.lblTips->text(), "Third tip.");
        tips.accept();
    }
    EXPECT_EQ(stored("CurrentTip"), "4");
    t.app->settings = LoadProgramSettings(*t.store);
    frmTips tips(*t.app);
    EXPECT_EQ(tips.lblTips->text(), "Press F1 for help.");
}

TEST_F(TipsWindowTest, TheMainWindowShowsTheTipsAtStartUpWhenTheyAreOn)
{
    for (const char* showTips : {"True", "False"}) {
        t.store->write(kProgramSettings, "ShowTips", showTips);
        t.store->write(kProgramSettings, "CurrentTip", "2");
        frmMain main(*t.app);
        registerShellWindows(main);
        QString shownText;
        QTimer::singleShot(0, [&] {
            if (auto* tips = qobject_cast<frmTips*>(QApplication::activeModalWidget())) {
                shownText = tips->lblTips->text();
                tips->Command3->click();
            }
        });
        main.MDIForm_Load();
        if (showTips == std::string("True")) {
            EXPECT_EQ(shownText, "Second tip.");
            EXPECT_EQ(stored("CurrentTip"), "3");
        } else {
            EXPECT_TRUE(shownText.isEmpty());
            EXPECT_EQ(stored("CurrentTip"), "2");
        }
        QApplication::processEvents();
    }
}
