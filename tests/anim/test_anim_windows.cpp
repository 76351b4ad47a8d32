#include "anim/animation_preview.h"
#include "anim/box_canvas.h"
#include "anim/collision_box_window.h"
#include "anim/register_windows.h"
#include "anim_fixtures.h"
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

using namespace vantrel;

namespace {

// Action 9's sprite is missing; action 8's delay is too long for the timer; action 10 has no frames.
const char* kAir = "[Begin Action 0]\r\nClsn2Default: 1\r\n Clsn2[0] = -10, 0, 10, -60\r\n0,0, 0,0, 5\r\n"
                   "Clsn1: 1\r\n Clsn1[0] = 5, -50, 40, -40\r\n0,1, 0,0, 5, V\r\n0,0, 0,0, 10\r\n"
                   "[Begin Action 200]\r\n200,3, 0,0, 4\r\n200,3, 0,0, -1\r\n"
                   "[Begin Action 9]\r\n7,7, 0,0, 4\r\n[Begin Action 8]\r\n0,0, 0,0, 8000\r\n[Begin Action 10]\r\n";

struct AnimWindowTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    MainWindow main{app};

    void SetUp() override
    {
        for (const auto& [name, width, height, top] : {std::tuple{"a", 60, 80, 1}, {"b", 60, 80, 3}, {"c", 20, 10, 5}})
            test::writeFile(t.path("tempsff/") + name + ".pcx", test::pcx(width, height, top));
        test::setSprites(app,
                         {{"tempsff/a.pcx", "0", "0", "30", "80"},
                          {"tempsff/b.pcx", "0", "1", "30", "80"},
                          {"tempsff/c.pcx", "200", "3", "5", "5"}});
        writeAir(kAir);
        registerAnimWindows(main);
    }
    void writeAir(const std::string& text)
    {
        // Another file in the same place: its document is read afresh.
        if (Document* open = t.documents->findDocument(t.dir() + "/chars/hero.air"))
            t.documents->closeDocument(open);
        test::files(app).animationFile = t.path("chars/hero.air");
        test::writeFile(test::files(app).animationFile, text);
    }
    static QStringList labels(const AnimationPreview& w)
    {
        return {w.frameLabel->text(), w.groupLabel->text(), w.imageLabel->text(), w.durationLabel->text()};
    }
    static bool idle(const AnimationPreview& w)
    {
        return w.playButton->isEnabled() && w.actionCombo->isEnabled() && w.loopBox->isEnabled()
            && !w.stopButton->isEnabled();
    }
};

} // namespace

TEST_F(AnimWindowTest, ShowsEachFrameInPlaceAndHidesTheLines)
{
    AnimationPreview w(app);
    w.finishOpening();
    EXPECT_TRUE(test::spritesOf(app)->decoder().spritePaletteCaptured);
    ASSERT_EQ(w.actionCombo->count(), 5);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 0", "Image: 0", "Duration: 5"}));
    EXPECT_EQ(w.frameScrollBar->maximum(), 2);
    EXPECT_EQ(w.stage->spriteRect(), QRect(114, 144, 60, 80));
    w.frameScrollBar->setValue(1); // flipped vertically: mirrored about the ground line
    EXPECT_EQ(w.stage->spriteRect(), QRect(114, 224, 60, 80));
    EXPECT_EQ(w.stage->grab().toImage().pixelColor(114, 225), QColor(4, 0, 251)); // the bottom half on top
    w.actionCombo->setCurrentIndex(1);
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 200", "Image: 3", "Duration: 4"}));
    EXPECT_EQ(w.stage->spriteRect(), QRect(139, 219, 20, 10));
    w.frameScrollBar->setValue(1);
    EXPECT_EQ(w.durationLabel->text(), "Duration:-1");
    // The axis mark runs from 16 pixels above the ground line to 16 below.
    const auto lines = [&] {
        const QImage p = w.stage->grab().toImage();
        return std::vector<QColor>{p.pixelColor(144, 208), p.pixelColor(144, 240), p.pixelColor(2, 224)};
    };
    const std::vector<QColor> shown = {Qt::white, Qt::white, Qt::black};
    EXPECT_EQ(lines(), shown);
    w.hideLinesBox->click();
    EXPECT_FALSE(w.stage->linesShown());
    EXPECT_NE(lines()[0], QColor(Qt::white));
    EXPECT_NE(lines()[2], QColor(Qt::black));
    w.hideLinesBox->click();
    EXPECT_EQ(lines(), shown);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(AnimWindowTest, PlayStopEmptyActionsAndImpossibleDelays)
{
    AnimationPreview w(app);
    w.finishOpening();
    w.loopBox->setChecked(true);
    w.playButton->click();
    EXPECT_FALSE(w.playButton->isEnabled() || w.actionCombo->isEnabled() || w.loopBox->isEnabled());
    std::vector<std::pair<int, int>> steps; // looping: 10 ms a tick, back to frame 0 after the last
    for (int i = 0; i < 4 && w.frameTimer->isActive(); ++i, w.frameTimer->stop(), w.advanceFrame())
        steps.emplace_back(w.frameTimer->interval(), w.frameScrollBar->value());
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{50, 0}, {50, 1}, {100, 2}, {50, 0}}));
    w.stopButton->click();
    EXPECT_FALSE(w.frameTimer->isActive());
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(w.frameLabel->text(), "Frame no: 1"); // the frame on display stays

    w.actionCombo->setCurrentIndex(2); // a missing sprite keeps its frame, with a stand-in
    EXPECT_EQ(labels(w), (QStringList{"Frame no: 0", "Group: 7", "Image: 7", "Duration: 4"}));
    EXPECT_EQ(w.stage->spriteRect(), QRect(124, 164, 40, 60));
    w.actionCombo->setCurrentIndex(4); // no frames: an empty stage, and Play does nothing
    EXPECT_EQ(labels(w), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(w.stage->spriteRect().isEmpty());
    w.playButton->click();
    EXPECT_TRUE(idle(w));
    w.actionCombo->setCurrentIndex(3);
    w.playButton->click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Something bad happened!  Err # 380"});
    EXPECT_TRUE(idle(w));

    std::filesystem::remove(test::files(app).animationFile);
    t.closeDocuments();
    AnimationPreview none(app);
    none.finishOpening();
    EXPECT_EQ(none.actionCombo->count(), 0);
    none.playButton->click();
    EXPECT_TRUE(idle(none));
}

TEST_F(AnimWindowTest, OpensFromTheMainWindowPlaysInRealTimeAndClosesWhilePlaying)
{
    main.show();
    auto* w = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->actionCombo->currentIndex() == 0; }, 2000)); // loads once shown
    w->actionCombo->setCurrentIndex(1); // 36 ms, then a -1 frame that ends the single pass
    w->playButton->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return idle(*w); }, 2000));
    EXPECT_EQ(w->frameLabel->text(), "Frame no: 1");
    w->actionCombo->setCurrentIndex(0);
    w->loopBox->setChecked(true);
    w->playButton->click();
    QPointer<AnimationPreview> alive(w);
    main.subWindowOf(w)->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 2000));
}

TEST_F(AnimWindowTest, CollisionWindowOpensOnlyOnAReadableFile)
{
    std::string many;
    for (int i = 0; i < 256; ++i)
        many += "[Begin Action " + std::to_string(i) + "]\r\n";
    const std::pair<std::string, int> cases[] = {// -1: the window does not open
                                                 {"[Begin Action 0]\r\n[Begin Action 20]\r\n[Begin Action 200]\r\n", 3},
                                                 {"[Begin Action 5] ; comment ]\r\n", -1},
                                                 {many, 256},
                                                 // The Animation window takes any number of actions.
                                                 {many + "[Begin Action 999]\r\n", 257},
                                                 {"; no actions\r\n", 0},
                                                 {"[Begin Action 40000]\r\n", -1}};
    for (const auto& [air, actions] : cases) {
        t.dialogs.clear();
        writeAir(air);
        std::unique_ptr<CollisionBoxWindow> w(
            qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes)));
        EXPECT_EQ(w == nullptr, actions < 0) << air.substr(0, 40);
        EXPECT_EQ(t.dialogs.messageTexts(),
                  actions < 0 ? QStringList{"Problem with associated AIR file."} : QStringList{});
        if (actions < 0) {
            // The detail names the file and the header whose number does not read.
            const std::string header = air.substr(0, air.find('\r'));
            EXPECT_EQ(t.dialogs.messages.at(0).detail,
                      QString::fromStdString(test::files(app).animationFile + ": line 1, \"" + header
                                             + "\": the action number is not a whole number from -32768 to 32767"));
        }
        if (w) {
            EXPECT_EQ(std::pair(w->actionScrollBar->minimum(), w->actionScrollBar->maximum()),
                      std::pair(1, std::max(actions, 1)));
        }
    }
}

TEST_F(AnimWindowTest, CollisionWindowShowsTheBoxesOverTheSprite)
{
    auto* w = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
    ASSERT_NE(w, nullptr);
    auto listed = [&](int kind) {
        QStringList texts;
        for (int i = 0; i < w->boxLists[kind]->count(); ++i)
            texts << w->boxLists[kind]->item(i)->text();
        return texts;
    };
    EXPECT_EQ(std::pair(w->actionNumberLabel->text(), w->frameScrollBar->maximum()), std::pair(QString("0"), 2));
    EXPECT_EQ(w->actionList->count(), 5);
    EXPECT_EQ(listed(0) + listed(1), QStringList{"Clsn2[0] = -10, 0, 10, -60 (default)"});
    w->frameScrollBar->setValue(1);
    EXPECT_EQ(w->frameNumberLabel->text(), "1");
    EXPECT_EQ(listed(0), QStringList{"Clsn1[0] = 5, -50, 40, -40"});
    EXPECT_EQ(listed(1).size(), 1);
    // Clsn1's right edge and corner in red, the default Clsn2's left edge dashed in blue, the flipped
    // sprite below the ground.
    w->canvas->setZoom(1);
    const QImage p = w->canvas->grab().toImage();
    const auto at = [&](int x, int y) { return p.pixelColor(w->canvas->toWidget({x, y})); };
    EXPECT_EQ(std::vector<QColor>({at(40, -45), at(5, -50)}), std::vector<QColor>({Qt::red, Qt::red}));
    std::vector<QColor> dashes;
    for (int y = -30; y < -20; ++y)
        dashes.push_back(at(-10, y));
    EXPECT_EQ(std::ranges::count(dashes, QColor(Qt::blue)), 6) << "dashed: three of each five pixels";
    EXPECT_EQ(std::pair(at(-20, 10).blue(), at(-20, 50).blue()), std::pair(251, 252));
    w->actionScrollBar->setValue(2);
    EXPECT_EQ(std::pair(w->actionNumberLabel->text(), w->frameNumberLabel->text()),
              std::pair(QString("200"), QString("0")));
    EXPECT_EQ(w->frameScrollBar->maximum(), 1);
    EXPECT_EQ(w->boxLists[1]->count(), 0);
}
