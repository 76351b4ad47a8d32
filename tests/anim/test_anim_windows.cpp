#include "anim/frmAnim.h"
#include "anim/frmCLSN.h"
#include "shell/frmMain.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>

namespace vantrel {
void registerAnimWindows(frmMain& main);
}

using namespace vantrel;
using test::TestApp;

namespace {

// A 256-colour PCX of one colour index, with colour k of its palette (k, 0, 255 - k).
std::string pcx(int width, int height, std::uint8_t colour)
{
    std::string header(128, '\0');
    auto put16 = [&](int at, int value) {
        header[at] = static_cast<char>(value & 0xFF);
        header[at + 1] = static_cast<char>(value >> 8);
    };
    header[0] = 10;
    header[1] = 5;
    header[2] = 1;
    header[3] = 8;
    put16(8, width - 1);
    put16(10, height - 1);
    header[65] = 1;
    put16(66, width);
    put16(68, 1);
    std::string bytes = header;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes += static_cast<char>(0xC1);
            bytes += static_cast<char>(colour);
        }
    }
    bytes += '\x0C';
    for (int k = 0; k < 256; ++k) {
        bytes += static_cast<char>(k);
        bytes += '\0';
        bytes += static_cast<char>(255 - k);
    }
    return bytes;
}

const char* kAir =
    "; test character\r\n"
    "[Begin Action 0]\r\n"
    "Clsn2Default: 1\r\n"
    " Clsn2[0] = -10, 0, 10, -60\r\n"
    "0,0, 0,0, 5\r\n"
    "Clsn1: 1\r\n"
    " Clsn1[0] = 5, -50, 40, -40\r\n"
    "0,1, 0,0, 5, V\r\n"
    "0,0, 0,0, 10\r\n"
    "\r\n"
    "[Begin Action 200]\r\n"
    "200,3, 0,0, 4\r\n"
    "200,3, 0,0, -1\r\n"
    "[Begin Action 9]\r\n"
    "7,7, 0,0, 4\r\n"
    "[Begin Action 8]\r\n"
    "0,0, 0,0, 8000\r\n";

struct AnimWindowTest : ::testing::Test {
    TestApp t;
    App& app = *t.app;

    void SetUp() override
    {
        // 60 x 80 sprites with axis (30, 80), as the unpacker leaves them.
        test::writeFile(t.path("tempsff/a.pcx"), pcx(60, 80, 1));
        test::writeFile(t.path("tempsff/b.pcx"), pcx(60, 80, 2));
        test::writeFile(t.path("tempsff/c.pcx"), pcx(20, 10, 3));
        app.sprites.records() = {{"tempsff/a.pcx", "0", "0", "30", "80"},
                                 {"tempsff/b.pcx", "0", "1", "30", "80"},
                                 {"tempsff/c.pcx", "200", "3", "5", "5"}};
        writeAir(kAir);
    }
    void writeAir(const std::string& text)
    {
        app.files.AnimFile = t.path("chars/hero.air");
        test::writeFile(app.files.AnimFile, text);
    }
    static QStringList labels(const frmAnim& w)
    {
        return {w.lblFrame->text(), w.lblGroup->text(), w.lblImage->text(), w.lblDuration->text()};
    }
    static QStringList items(const QComboBox* box)
    {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    }
    // Whether the window is idle: Play, the selector and Loop on, Stop off.
    static bool idle(const frmAnim& w)
    {
        return w.Command1->isEnabled() && w.cboAnim->isEnabled() && w.Check1->isEnabled() && !w.Command2->isEnabled();
    }
};

} // namespace

TEST_F(AnimWindowTest, OpensOnTheFirstActionWithThePaletteFound)
{
    frmAnim w(app);
    EXPECT_EQ(w.windowTitle(), "Animation Preview");
    w.Form_Load();
    EXPECT_TRUE(app.decoder.SpritePaletteCaptured);
    EXPECT_EQ(items(w.cboAnim), (QStringList{"0", "200", "9", "8"}));
    EXPECT_EQ(w.cboAnim->currentIndex(), 0);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 0", "Image: 0", "Duration: 5"}));
    EXPECT_EQ(w.hscFrame->maximum(), 2);
    EXPECT_EQ(w.picInlay->geometry(), QRect(114, 144, 60, 80));
    EXPECT_TRUE(idle(w));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(AnimWindowTest, ScrollingShowsEachFramePlacedByItsFlip)
{
    frmAnim w(app);
    w.Form_Load();
    w.hscFrame->setValue(1);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 1", "Group: 0", "Image: 1", "Duration: 5"}));
    EXPECT_EQ(w.picInlay->geometry(), QRect(114, 224, 60, 80)); // mirrored about the ground line
    // The vertical flip puts the bottom row of the sprite at the top.
    const QImage shown = w.picInlay->pixmap().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(2, 0, 253));

    w.cboAnim->setCurrentIndex(1); // another action while a frame shows
    EXPECT_EQ(w.hscFrame->value(), 0);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 200", "Image: 3", "Duration: 4"}));
    EXPECT_EQ(w.picInlay->geometry(), QRect(139, 219, 20, 10));
    w.hscFrame->setValue(1);
    EXPECT_EQ(w.lblDuration->text(), "Duration:-1");
}

TEST_F(AnimWindowTest, PlayRunsOnTheTimerAndStopEndsIt)
{
    frmAnim w(app);
    w.Form_Load();
    w.Command1->click();
    EXPECT_FALSE(w.Command1->isEnabled());
    EXPECT_FALSE(w.cboAnim->isEnabled());
    EXPECT_FALSE(w.Check1->isEnabled());
    EXPECT_TRUE(w.Command2->isEnabled());
    std::vector<int> delays;
    std::vector<int> frames;
    while (w.tmrAnim->isActive()) {
        delays.push_back(w.tmrAnim->interval());
        frames.push_back(w.hscFrame->value());
        w.tmrAnim->stop();
        w.tmrAnim_Timer();
    }
    EXPECT_EQ(delays, (std::vector<int>{45, 45, 90}));
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(idle(w));

    w.Check1->setChecked(true);
    w.Command1->click();
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(w.tmrAnim->isActive());
        w.tmrAnim->stop();
        w.tmrAnim_Timer();
    }
    EXPECT_EQ(w.tmrAnim->interval(), 50);
    EXPECT_EQ(w.hscFrame->value(), 1);
    EXPECT_EQ(w.lblFrame->text(), "Frame no: 1");
    w.Command2->click();
    EXPECT_FALSE(w.tmrAnim->isActive());
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(w.lblFrame->text(), "Frame no: 1"); // the frame on display stays
}

TEST_F(AnimWindowTest, PlaysInRealTimeWhileStayingResponsive)
{
    frmAnim w(app);
    w.Form_Load();
    w.cboAnim->setCurrentIndex(1); // 4 ticks, then a -1 frame that ends the pass
    w.Command1->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle(w); }, 2000));
    EXPECT_EQ(w.lblFrame->text(), "Frame no: 1");
}

TEST_F(AnimWindowTest, HideLinesHidesBothMarks)
{
    frmAnim w(app);
    w.Form_Load();
    EXPECT_FALSE(w.Line1->isHidden());
    EXPECT_EQ(w.Line1->geometry(), QRect(0, 224, 297, 1));
    EXPECT_EQ(w.Line2->geometry(), QRect(144, 208, 1, 33));
    w.Check2->click();
    EXPECT_TRUE(w.Line1->isHidden());
    EXPECT_TRUE(w.Line2->isHidden());
    w.Check2->click();
    EXPECT_FALSE(w.Line1->isHidden());
    EXPECT_FALSE(w.Line2->isHidden());
}

TEST_F(AnimWindowTest, AnActionWithoutFramesShowsAnEmptyStage)
{
    frmAnim w(app);
    w.Form_Load();
    w.cboAnim->setCurrentIndex(2); // its sprite is not in the workspace
    EXPECT_EQ(labels(w), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(w.picInlay->isHidden());
    w.Command1->click();
    EXPECT_TRUE(idle(w));
    EXPECT_FALSE(w.tmrAnim->isActive());
}

TEST_F(AnimWindowTest, ADelayTheTimerCannotTakeEndsPlaybackWithAMessage)
{
    frmAnim w(app);
    w.Form_Load();
    w.cboAnim->setCurrentIndex(3); // 8000 ticks of 9 ms
    w.Command1->click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Something bad happened!  Err # 380"});
    EXPECT_EQ(t.dialogs.messages.at(0).title, "Vantrel");
    EXPECT_TRUE(idle(w));
}

TEST_F(AnimWindowTest, AFileWithoutActionsOrNoFileLeavesTheSelectorEmpty)
{
    for (const char* text : std::initializer_list<const char*>{"; nothing\r\n", nullptr}) {
        if (text)
            writeAir(text);
        else
            std::filesystem::remove(app.files.AnimFile);
        frmAnim w(app);
        w.Form_Load();
        EXPECT_EQ(w.cboAnim->count(), 0);
        EXPECT_EQ(w.lblFrame->text(), "");
        w.Command1->click();
        EXPECT_TRUE(idle(w));
    }
}

TEST_F(AnimWindowTest, OpensFromTheMainWindowAndClosesWhilePlaying)
{
    frmMain main(app);
    app.main = &main;
    registerAnimWindows(main);
    main.show();
    auto* w = qobject_cast<frmAnim*>(main.openWindow("frmAnim"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->cboAnim->currentIndex() == 0; }, 2000)); // loads once shown
    EXPECT_EQ(main.statusText(), "Status: OK");
    w->Check1->setChecked(true);
    w->Command1->click();
    QPointer<frmAnim> alive(w);
    main.subWindowOf(w)->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 2000));
    app.main = nullptr;
}

namespace {

struct ClsnWindowTest : AnimWindowTest {
    frmMain main{app};
    void SetUp() override
    {
        AnimWindowTest::SetUp();
        registerAnimWindows(main);
    }
    frmCLSN* open() { return qobject_cast<frmCLSN*>(main.openWindow("frmCLSN")); }
};

} // namespace

TEST_F(ClsnWindowTest, ActionRangeOrTheMessage)
{
    struct Case {
        std::string air;
        int actions; // -1: the window does not open
    };
    std::string many;
    for (int i = 0; i < 256; ++i)
        many += "[Begin Action " + std::to_string(i) + "]\r\n";
    const Case cases[] = {
        {"[Begin Action 0]\r\n[Begin Action 20]\r\n[Begin Action 200]\r\n", 3},
        {"[Begin Action 5] ; comment ]\r\n", -1},
        {many, 256},
        {many + "[Begin Action 999]\r\n", -1},
        {"; no actions\r\n", 0},
        {"[Begin Action 40000]\r\n", -1},
    };
    for (const auto& c : cases) {
        t.dialogs.clear();
        writeAir(c.air);
        frmCLSN* w = open();
        if (c.actions < 0) {
            EXPECT_EQ(w, nullptr) << c.air.substr(0, 40);
            EXPECT_EQ(main.window("frmCLSN"), nullptr);
            EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Problem with associated AIR file."});
            continue;
        }
        ASSERT_NE(w, nullptr) << c.air.substr(0, 40);
        EXPECT_EQ(w->windowTitle(), "CLSN Editor");
        EXPECT_EQ(w->hscAction->minimum(), 1);
        EXPECT_EQ(w->hscAction->maximum(), std::max(c.actions, 1));
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
        delete w;
    }
    std::filesystem::remove(app.files.AnimFile);
    EXPECT_EQ(open(), nullptr);
}

TEST_F(ClsnWindowTest, ShowsTheBoxesOfEachFrameOverItsSprite)
{
    frmCLSN* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblActionNo->text(), "0");
    EXPECT_EQ(w->hscValue->maximum(), 2);
    auto listed = [&](int kind) {
        QStringList texts;
        for (int i = 0; i < w->lstCLSN[kind]->count(); ++i)
            texts << w->lstCLSN[kind]->item(i)->text();
        return texts;
    };
    EXPECT_EQ(listed(0), QStringList{});
    EXPECT_EQ(listed(1), QStringList{"Clsn2[0] = -10, 0, 10, -60 (default)"});

    w->hscValue->setValue(1);
    EXPECT_EQ(w->lblFrameNo->text(), "1");
    EXPECT_EQ(listed(0), QStringList{"Clsn1[0] = 5, -50, 40, -40"});
    EXPECT_EQ(listed(1).size(), 1);
    const QImage picture = w->picMain->pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(297, 281));
    EXPECT_EQ(picture.pixelColor(144 + 40, 224 - 45), QColor(Qt::red));   // Clsn1's right edge
    EXPECT_EQ(picture.pixelColor(144 + 5, 224 - 50), QColor(Qt::red));    // and its corner
    EXPECT_EQ(picture.pixelColor(144 - 10, 224 - 30), QColor(Qt::blue));  // Clsn2's left edge
    EXPECT_EQ(picture.pixelColor(144 - 20, 224 + 40).blue(), 253);        // the flipped sprite below the ground

    w->hscAction->setValue(2);
    EXPECT_EQ(w->lblActionNo->text(), "200");
    EXPECT_EQ(w->lblFrameNo->text(), "0");
    EXPECT_EQ(w->hscValue->maximum(), 1);
    EXPECT_EQ(w->lstCLSN[1]->count(), 0);
    EXPECT_EQ(w->Frame4->title(), "CLSN2b");
    EXPECT_TRUE(w->optClsn[0]->isChecked());
}
