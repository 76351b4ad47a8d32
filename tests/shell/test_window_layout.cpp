#include "shell/main_window.h"
#include "test_support.h"
#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

#include <memory>

using namespace vantrel;
using test::TestApp;

TEST(WindowLayout, TheMainWindowOpensWithinTheAvailableAreaOfItsScreen)
{
    const struct {
        QRect available;
        QSize size; // what the window opens at
    } cases[] = {
        {{0, 0, 1920, 1040}, {1100, 760}},    // room enough: the usual size
        {{0, 0, 960, 510}, {864, 459}},       // a 1920 x 1080 screen at 200 %: 90 % of it
        {{1920, 28, 1280, 692}, {1100, 622}}, // a second screen below a panel
        {{0, 0, 800, 600}, {720, 540}},
    };
    for (const auto& c : cases) {
        const QRect frame = initialMainGeometry(c.available);
        EXPECT_EQ(frame.size(), c.size) << c.available.width() << "x" << c.available.height();
        EXPECT_TRUE(c.available.contains(frame)) << c.available.width();
        EXPECT_LE(std::abs(frame.center().x() - c.available.center().x()), 1);
        EXPECT_LE(std::abs(frame.center().y() - c.available.center().y()), 1);
    }
    EXPECT_EQ(fittedSize({720, 520}, {0, 0}), QSize(1, 1));
}

TEST(WindowLayout, AKeptFrameComesBackWithinReachAndABadOneIsIgnored)
{
    TestApp t;
    const QRect area(0, 0, 800, 500);
    const struct {
        std::string text;
        std::optional<QRect> frame;
    } cases[] = {
        {"10,20,300,200", QRect(10, 20, 300, 200)},
        {"700,450,300,200", QRect(500, 300, 300, 200)}, // moved back in
        {"-50,-10,1200,900", QRect(0, 0, 800, 500)},    // shrunk to the area
        {"10,20,0,200", std::nullopt},
        {"10,20,300", std::nullopt},
        {"a,b,c,d", std::nullopt},
    };
    for (const auto& c : cases) {
        t.store->write(kWindowSettings, "NotepadWindowFrame", c.text);
        EXPECT_EQ(storedFrame(*t.store, "NotepadWindow", area), c.frame) << c.text;
    }
    EXPECT_EQ(storedFrame(*t.store, "SpriteWindow", area), std::nullopt);
}

TEST(WindowLayout, GeometryAndOpenWindowsAreRememberedAcrossARestart)
{
    TestApp t;
    const QString ini = t.store->fileName();
    const QRect mainFrame(40, 50, 700, 520);
    const QRect notepadFrame(12, 14, 333, 222);
    const auto registerWindows = [](MainWindow& main) {
        for (WindowKind kind : {WindowKind::Notepad, WindowKind::Calculator, WindowKind::Definition})
            main.registerWindow(kind, [](App&) { return new QWidget; });
    };
    {
        MainWindow main(*t.app);
        registerWindows(main);
        main.startUp();
        main.setGeometry(mainFrame);
        QMdiSubWindow* notepad = main.subWindowOf(main.openWindow(WindowKind::Notepad));
        ASSERT_NE(notepad, nullptr);
        notepad->setGeometry(notepadFrame);
        // A window closed before the close-down does not come back, but keeps its place.
        QMdiSubWindow* calculator = main.subWindowOf(main.openWindow(WindowKind::Calculator));
        calculator->setGeometry(20, 30, 210, 170);
        calculator->close();
        ASSERT_TRUE(main.closeDown());
    }
    // Another run reads the same file.
    SettingsStoreQt store(ini);
    App app(t.dir(), t.dir(), t.dialogs, store);
    app.documents = t.documents.get();
    EXPECT_EQ(storedOpenWindows(store), QStringList{"NotepadWindow"});
    MainWindow main(app);
    registerWindows(main);
    main.startUp();
    EXPECT_EQ(main.geometry(), mainFrame);
    ASSERT_NE(main.loadedWindow(WindowKind::Notepad), nullptr);
    EXPECT_EQ(main.subWindowOf(main.loadedWindow(WindowKind::Notepad))->geometry(), notepadFrame);
    EXPECT_EQ(main.loadedWindow(WindowKind::Calculator), nullptr);
    QMdiSubWindow* calculator = main.subWindowOf(main.openWindow(WindowKind::Calculator));
    EXPECT_EQ(calculator->geometry(), QRect(20, 30, 210, 170));

    // A window never placed opens at its own size, but no larger than the frame.
    main.registerWindow(WindowKind::Sounds, [](App&) {
        auto* w = new QWidget;
        w->resize(5000, 4000);
        return w;
    });
    const QRect area = main.mdiArea()->viewport()->rect();
    const QRect sound = main.subWindowOf(main.openWindow(WindowKind::Sounds))->geometry();
    EXPECT_LE(sound.width(), area.width());
    EXPECT_LE(sound.height(), area.height());
    EXPECT_GT(sound.width(), area.width() / 2);
}

TEST(WindowLayout, AFrameComesBackInsideTheAreaAndNeverBelowItsMinimum)
{
    const QRect area(0, 0, 800, 500);
    const struct {
        QRect frame;
        QSize minimum;
        QRect placed;
    } cases[] = {
        {{100, 50, 300, 200}, {200, 150}, {100, 50, 300, 200}},  // fits: as it was
        {{-400, -300, 300, 200}, {}, {0, 0, 300, 200}},          // beyond the top left corner
        {{750, 480, 300, 200}, {}, {500, 300, 300, 200}},        // beyond the bottom right corner
        {{600, 400, 120, 80}, {360, 240}, {440, 260, 360, 240}}, // grows to its minimum, still inside
        {{300, 200, 900, 700}, {200, 150}, {0, 0, 800, 500}},    // shrunk to the area
        {{300, 200, 100, 100}, {1000, 640}, {0, 0, 1000, 640}},  // larger than the area: at its corner
        {{10, 20, 300, 200}, {}, {10, 20, 300, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frameWithin(c.frame, area, c.minimum), c.placed) << c.frame.x() << "," << c.frame.y();

    TestApp t;
    t.store->write(kWindowSettings, "SpriteWindowFrame", "700,450,120,80");
    EXPECT_EQ(storedFrame(*t.store, "SpriteWindow", area, {360, 240}), QRect(440, 260, 360, 240));
}

TEST(WindowLayout, ArrangementsFitOnlyWhenEveryWindowKeepsItsMinimum)
{
    const QRect area(0, 0, 900, 600);
    for (Arrangement arrangement :
         {Arrangement::Tile, Arrangement::StackedRows, Arrangement::SideBySide, Arrangement::Cascade}) {
        for (int n : {1, 2, 3, 5, 7, 13}) {
            const QList<QRect> frames = arrangedFrames(arrangement, n, area, 24);
            ASSERT_EQ(frames.size(), n);
            for (int i = 0; i < n; ++i) {
                EXPECT_TRUE(area.contains(frames[i])) << int(arrangement) << " " << n << " " << i;
                // Tiles never overlap; a cascade's windows each show their title bar.
                for (int j = 0; j < i && arrangement != Arrangement::Cascade; ++j)
                    EXPECT_FALSE(frames[i].intersects(frames[j])) << int(arrangement) << " " << n;
            }
        }
    }
    // A 3 x 3 grid for 7 or 9; 13 windows of 250 x 160 do not fit in four rows of 150.
    EXPECT_EQ(arrangedFrames(Arrangement::Tile, 9, area).last(), QRect(600, 400, 300, 200));
    EXPECT_TRUE(arrangementFits(Arrangement::Tile, QList<QSize>(9, {250, 160}), area));
    EXPECT_FALSE(arrangementFits(Arrangement::Tile, QList<QSize>(13, {250, 160}), area));
    EXPECT_FALSE(arrangementFits(Arrangement::StackedRows, QList<QSize>(5, {100, 130}), area));
    EXPECT_TRUE(arrangementFits(Arrangement::StackedRows, QList<QSize>(4, {100, 130}), area));
    EXPECT_TRUE(arrangementFits(Arrangement::Cascade, QList<QSize>(5, {700, 400}), area, 24));
    EXPECT_FALSE(arrangementFits(Arrangement::Cascade, QList<QSize>(13, {700, 400}), area, 24));
}

namespace {

// A window whose fields cannot shrink below 300 x 160.
QWidget* stiffWindow(App&)
{
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    auto* field = new QWidget(w);
    field->setMinimumSize(300, 160);
    layout->addWidget(field);
    w->setWindowTitle("Stiff & Co");
    return w;
}

struct MainWindowLayout : ::testing::Test {
    TestApp t;
    std::unique_ptr<MainWindow> main;
    const std::vector<WindowKind> kinds = {
        WindowKind::Notepad,         WindowKind::Calculator, WindowKind::Definition,    WindowKind::Sprites,
        WindowKind::Sounds,          WindowKind::Palettes,   WindowKind::Commands,      WindowKind::Constants,
        WindowKind::States,          WindowKind::Problems,   WindowKind::AnimationText, WindowKind::CollisionBoxes,
        WindowKind::AnimationPreview};

    void SetUp() override { start(); }
    void start()
    {
        main = std::make_unique<MainWindow>(*t.app);
        for (WindowKind kind : kinds)
            main->registerWindow(kind, stiffWindow);
        main->startUp();
        main->resize(1000, 700);
    }
    QRect area() const { return main->mdiArea()->viewport()->rect(); }
    QMdiSubWindow* open(WindowKind kind) { return main->subWindowOf(main->openWindow(kind)); }
};

} // namespace

TEST_F(MainWindowLayout, WindowsOpenInsideTheFrameAndNeverBelowTheirMinimum)
{
    // A size kept from a larger scale, and a place beyond the frame.
    t.store->write(kWindowSettings, "SpriteWindowFrame", "5000,4000,50,40");
    QMdiSubWindow* sprites = open(WindowKind::Sprites);
    ASSERT_NE(sprites, nullptr);
    EXPECT_GE(sprites->width(), sprites->minimumSizeHint().width());
    EXPECT_GE(sprites->height(), sprites->minimumSizeHint().height());
    EXPECT_GE(sprites->widget()->findChild<QWidget*>()->height(), 160);
    EXPECT_TRUE(area().contains(sprites->geometry()));
    // Nor can the user make it smaller.
    sprites->resize(20, 20);
    EXPECT_EQ(sprites->size(), sprites->minimumSizeHint());
    // However many open, each new one is wholly within the frame.
    for (WindowKind kind : {WindowKind::Notepad, WindowKind::Calculator, WindowKind::Definition, WindowKind::Sounds,
                            WindowKind::Palettes, WindowKind::Commands}) {
        QMdiSubWindow* sub = open(kind);
        EXPECT_TRUE(area().contains(sub->geometry())) << windowKey(kind).toStdString();
    }
}

TEST_F(MainWindowLayout, TheWindowMenuListsTheOpenWindowsAndClosesThemAll)
{
    open(WindowKind::Notepad);
    open(WindowKind::Sounds);
    open(WindowKind::Palettes);
    main->raiseWindow(main->loadedWindow(WindowKind::Sounds));
    main->fillWindowMenu();
    QStringList entries;
    QStringList checked;
    // The open windows are listed after the menu's last separator.
    const QList<QAction*> actions = main->windowMenu()->actions();
    for (qsizetype i = actions.size() - 1; i >= 0 && !actions[i]->isSeparator(); --i) {
        entries.prepend(actions[i]->text());
        if (actions[i]->isChecked())
            checked.prepend(actions[i]->text());
    }
    EXPECT_EQ(entries, QStringList({"&1 Stiff && Co", "&2 Stiff && Co", "&3 Stiff && Co"}));
    EXPECT_EQ(checked, QStringList{"&2 Stiff && Co"});

    // An entry brings its window to the front; filled again, the list follows.
    main->windowMenu()->actions().last()->trigger();
    EXPECT_EQ(main->activeWindow(), main->loadedWindow(WindowKind::Palettes));
    main->findChild<QAction*>("closeAllWindowsAction")->trigger();
    for (WindowKind kind : kinds)
        EXPECT_EQ(main->loadedWindow(kind), nullptr) << windowKey(kind).toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    main->fillWindowMenu();
    for (QAction* action : main->windowMenu()->actions())
        EXPECT_FALSE(action->text().contains("Stiff && Co")) << action->text().toStdString();
}

TEST_F(MainWindowLayout, TileWithMoreWindowsThanFitSaysSoAndOffersTabs)
{
    for (WindowKind kind : kinds)
        open(kind);
    QList<QRect> before;
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList(QMdiArea::CreationOrder))
        before << sub->geometry();
    // No: nothing moves.
    t.dialogs.answers.enqueue(Answer::No);
    main->arrangeWindows(Arrangement::Tile);
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith("The 13 open windows do not fit"))
        << t.dialogs.messages[0].text.toStdString();
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNo);
    QList<QRect> after;
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList(QMdiArea::CreationOrder))
        after << sub->geometry();
    EXPECT_EQ(after, before);
    EXPECT_FALSE(main->tabbedView());
    // Yes: the windows become tabs.
    t.dialogs.answers.enqueue(Answer::Yes);
    main->findChild<QAction*>("tileWindowsAction")->trigger();
    EXPECT_TRUE(main->tabbedView());
    EXPECT_EQ(t.dialogs.messages.size(), 2);
}

TEST_F(MainWindowLayout, TileWithWindowsThatFitArrangesThemWithoutAWord)
{
    const WindowKind few[] = {WindowKind::Notepad, WindowKind::Sounds};
    for (WindowKind kind : few)
        open(kind);
    for (Arrangement arrangement : {Arrangement::Tile, Arrangement::SideBySide, Arrangement::Cascade}) {
        main->arrangeWindows(arrangement);
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList()) {
            EXPECT_TRUE(area().contains(sub->geometry())) << int(arrangement);
            EXPECT_GE(sub->width(), sub->minimumSizeHint().width()) << int(arrangement);
            EXPECT_GE(sub->height(), sub->minimumSizeHint().height()) << int(arrangement);
        }
    }
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(MainWindowLayout, TheTabbedViewIsASettingThatOutlivesTheProgram)
{
    open(WindowKind::Notepad);
    QAction* tabs = main->findChild<QAction*>("tabbedViewAction");
    ASSERT_NE(tabs, nullptr);
    EXPECT_FALSE(tabs->isChecked());
    tabs->trigger();
    EXPECT_EQ(main->mdiArea()->viewMode(), QMdiArea::TabbedView);
    EXPECT_FALSE(main->findChild<QAction*>("tileWindowsAction")->isEnabled());
    ASSERT_TRUE(main->closeDown());
    main.reset();
    start();
    EXPECT_EQ(main->mdiArea()->viewMode(), QMdiArea::TabbedView);
    EXPECT_TRUE(main->findChild<QAction*>("tabbedViewAction")->isChecked());
    main->findChild<QAction*>("tabbedViewAction")->trigger();
    EXPECT_EQ(main->mdiArea()->viewMode(), QMdiArea::SubWindowView);
    EXPECT_EQ(storedTabbedView(*t.store), false);
}
