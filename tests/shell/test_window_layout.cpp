#include "shell/main_window.h"
#include "test_support.h"
#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

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
