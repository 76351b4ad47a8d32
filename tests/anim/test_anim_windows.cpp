#include "anim/animation_preview.h"
#include "anim/collision_box_window.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace vantrel {
void registerAnimWindows(MainWindow& main);
}

using namespace vantrel;

namespace {

// A 256-colour PCX whose top half is colour `top` and bottom half `top + 1`;
// palette entry k is (k, 0, 255 - k).
std::string pcx(int width, int height, int top)
{
    std::string bytes(128, '\0');
    auto put16 = [&](int at, int value) { bytes[at] = static_cast<char>(value), bytes[at + 1] = static_cast<char>(value >> 8); };
    bytes[0] = 10, bytes[1] = 5, bytes[2] = 1, bytes[3] = 8, bytes[65] = 1;
    put16(8, width - 1), put16(10, height - 1), put16(66, width), put16(68, 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes += {'\xC1', static_cast<char>(y < height / 2 ? top : top + 1)};
    bytes += '\x0C';
    for (int k = 0; k < 256; ++k)
        bytes += {static_cast<char>(k), '\0', static_cast<char>(255 - k)};
    return bytes;
}

// Action 9's sprite is missing; action 8's delay is too long for the timer.
const char* kAir = "[Begin Action 0]\r\nClsn2Default: 1\r\n Clsn2[0] = -10, 0, 10, -60\r\n0,0, 0,0, 5\r\n"
                   "Clsn1: 1\r\n Clsn1[0] = 5, -50, 40, -40\r\n0,1, 0,0, 5, V\r\n0,0, 0,0, 10\r\n"
                   "[Begin Action 200]\r\n200,3, 0,0, 4\r\n200,3, 0,0, -1\r\n"
                   "[Begin Action 9]\r\n7,7, 0,0, 4\r\n[Begin Action 8]\r\n0,0, 0,0, 8000\r\n";

struct AnimWindowTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    MainWindow main{app};

    void SetUp() override
    {
        for (const auto& [name, width, height, top] : {std::tuple{"a", 60, 80, 1}, {"b", 60, 80, 3}, {"c", 20, 10, 5}})
            test::writeFile(t.path("tempsff/") + name + ".pcx", pcx(width, height, top));
        app.sprites.records() = {{"tempsff/a.pcx", "0", "0", "30", "80"},
                                 {"tempsff/b.pcx", "0", "1", "30", "80"},
                                 {"tempsff/c.pcx", "200", "3", "5", "5"}};
        writeAir(kAir);
        registerAnimWindows(main);
    }
    void writeAir(const std::string& text)
    {
        app.files.animationFile = t.path("chars/hero.air");
        test::writeFile(app.files.animationFile, text);
    }
    static QStringList labels(const AnimationPreview& w)
    {
        return {w.lblFrame->text(), w.lblGroup->text(), w.lblImage->text(), w.lblDuration->text()};
    }
    static bool idle(const AnimationPreview& w)
    {
        return w.Command1->isEnabled() && w.cboAnim->isEnabled() && w.Check1->isEnabled() && !w.Command2->isEnabled();
    }
};

} // namespace

TEST_F(AnimWindowTest, ShowsEachFrameInPlaceAndHidesTheLines)
{
    AnimationPreview w(app);
    w.Form_Load();
    EXPECT_TRUE(app.decoder.spritePaletteCaptured);
    ASSERT_EQ(w.cboAnim->count(), 4);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 0", "Image: 0", "Duration: 5"}));
    EXPECT_EQ(w.hscFrame->maximum(), 2);
    EXPECT_EQ(w.picInlay->geometry(), QRect(114, 144, 60, 80));
    w.hscFrame->setValue(1); // flipped vertically: mirrored about the ground line
    EXPECT_EQ(w.picInlay->geometry(), QRect(114, 224, 60, 80));
    EXPECT_EQ(w.picInlay->pixmap().toImage().pixelColor(0, 0), QColor(4, 0, 251)); // the bottom half on top
    w.cboAnim->setCurrentIndex(1);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 200", "Image: 3", "Duration: 4"}));
    EXPECT_EQ(w.picInlay->geometry(), QRect(139, 219, 20, 10));
    w.hscFrame->setValue(1);
    EXPECT_EQ(w.lblDuration->text(), "Duration:-1");
    w.Check2->click();
    EXPECT_TRUE(w.Line1->isHidden() && w.Line2->isHidden());
    w.Check2->click();
    EXPECT_FALSE(w.Line1->isHidden() || w.Line2->isHidden());
    EXPECT_EQ(w.Line2->geometry(), QRect(144, 208, 1, 33));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(AnimWindowTest, PlayStopEmptyActionsAndImpossibleDelays)
{
    AnimationPreview w(app);
    w.Form_Load();
    w.Check1->setChecked(true);
    w.Command1->click();
    EXPECT_FALSE(w.Command1->isEnabled() || w.cboAnim->isEnabled() || w.Check1->isEnabled());
    std::vector<std::pair<int, int>> steps; // looping: 10 ms a tick, back to frame 0 after the last
    for (int i = 0; i < 4 && w.tmrAnim->isActive(); ++i, w.tmrAnim->stop(), w.tmrAnim_Timer())
        steps.emplace_back(w.tmrAnim->interval(), w.hscFrame->value());
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{50, 0}, {50, 1}, {100, 2}, {50, 0}}));
    w.Command2->click();
    EXPECT_FALSE(w.tmrAnim->isActive());
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(w.lblFrame->text(), "Frame no: 1"); // the frame on display stays

    w.cboAnim->setCurrentIndex(2); // no frames: an empty stage, and Play does nothing
    EXPECT_EQ(labels(w), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(w.picInlay->isHidden());
    w.Command1->click();
    EXPECT_TRUE(idle(w));
    w.cboAnim->setCurrentIndex(3);
    w.Command1->click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Something bad happened!  Err # 380"});
    EXPECT_TRUE(idle(w));

    std::filesystem::remove(app.files.animationFile);
    AnimationPreview none(app);
    none.Form_Load();
    EXPECT_EQ(none.cboAnim->count(), 0);
    none.Command1->click();
    EXPECT_TRUE(idle(none));
}

TEST_F(AnimWindowTest, OpensFromTheMainWindowPlaysInRealTimeAndClosesWhilePlaying)
{
    app.main = &main;
    main.show();
    auto* w = qobject_cast<AnimationPreview*>(main.openWindow("AnimationPreview"));
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->cboAnim->currentIndex() == 0; }, 2000)); // loads once shown
    w->cboAnim->setCurrentIndex(1); // 36 ms, then a -1 frame that ends the single pass
    w->Command1->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle(*w); }, 2000));
    EXPECT_EQ(w->lblFrame->text(), "Frame no: 1");
    w->cboAnim->setCurrentIndex(0);
    w->Check1->setChecked(true);
    w->Command1->click();
    QPointer<AnimationPreview> alive(w);
    main.subWindowOf(w)->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 2000));
    app.main = nullptr;
}

TEST_F(AnimWindowTest, CollisionWindowOpensOnlyOnAReadableFile)
{
    std::string many;
    for (int i = 0; i < 256; ++i)
        many += "[Begin Action " + std::to_string(i) + "]\r\n";
    const std::pair<std::string, int> cases[] = { // -1: the window does not open
        {"[Begin Action 0]\r\n[Begin Action 20]\r\n[Begin Action 200]\r\n", 3},
        {"[Begin Action 5] ; comment ]\r\n", -1}, {many, 256}, {many + "[Begin Action 999]\r\n", -1},
        {"; no actions\r\n", 0}, {"[Begin Action 40000]\r\n", -1}};
    for (const auto& [air, actions] : cases) {
        t.dialogs.clear();
        writeAir(air);
        std::unique_ptr<CollisionBoxWindow> w(qobject_cast<CollisionBoxWindow*>(main.openWindow("CollisionBoxWindow")));
        EXPECT_EQ(w == nullptr, actions < 0) << air.substr(0, 40);
        EXPECT_EQ(t.dialogs.messageTexts(), actions < 0 ? QStringList{"Problem with associated AIR file."} : QStringList{});
        if (w) {
            EXPECT_EQ(std::pair(w->hscAction->minimum(), w->hscAction->maximum()), std::pair(1, std::max(actions, 1)));
        }
    }
}

TEST_F(AnimWindowTest, CollisionWindowShowsTheBoxesOverTheSprite)
{
    auto* w = qobject_cast<CollisionBoxWindow*>(main.openWindow("CollisionBoxWindow"));
    ASSERT_NE(w, nullptr);
    auto listed = [&](int kind) {
        QStringList texts;
        for (int i = 0; i < w->lstCLSN[kind]->count(); ++i)
            texts << w->lstCLSN[kind]->item(i)->text();
        return texts;
    };
    EXPECT_EQ(std::pair(w->lblActionNo->text(), w->hscValue->maximum()), std::pair(QString("0"), 2));
    EXPECT_EQ(listed(0) + listed(1), QStringList{"Clsn2[0] = -10, 0, 10, -60 (default)"});
    w->hscValue->setValue(1);
    EXPECT_EQ(w->lblFrameNo->text(), "1");
    EXPECT_EQ(listed(0), QStringList{"Clsn1[0] = 5, -50, 40, -40"});
    EXPECT_EQ(listed(1).size(), 1);
    // Clsn1's right edge and corner in red, Clsn2's left edge in blue, the flipped sprite below the ground.
    const QImage p = w->picMain->pixmap().toImage();
    EXPECT_EQ(std::vector<QColor>({p.pixelColor(184, 179), p.pixelColor(149, 174), p.pixelColor(134, 194)}),
              std::vector<QColor>({Qt::red, Qt::red, Qt::blue}));
    EXPECT_EQ(std::pair(p.pixelColor(124, 234).blue(), p.pixelColor(124, 274).blue()), std::pair(251, 252));
    w->hscAction->setValue(2);
    EXPECT_EQ(std::pair(w->lblActionNo->text(), w->lblFrameNo->text()), std::pair(QString("200"), QString("0")));
    EXPECT_EQ(w->hscValue->maximum(), 1);
    EXPECT_EQ(w->lstCLSN[1]->count(), 0);
}
