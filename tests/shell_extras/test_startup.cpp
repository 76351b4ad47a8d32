#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "shell/splash_screen.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vantrel;
using test::TestApp;

namespace {

// Runs the probe program (a second copy) on the lock folder; its exit code.
int probeTry(const QString& lockDir)
{
    QProcess probe;
    probe.start(QStringLiteral(INSTANCE_PROBE), {lockDir, QStringLiteral("try")});
    EXPECT_TRUE(probe.waitForFinished(30000));
    return probe.exitCode();
}

} // namespace

TEST(SingleCopy, ASecondProcessIsRefusedWhileTheFirstRuns)
{
    QTemporaryDir lockDir;
    EXPECT_EQ(probeTry(lockDir.path()), 0) << "nobody holds the lock yet";
    {
        SingleInstanceGuard first(lockDir.path());
        ASSERT_TRUE(first.tryAcquire());
        EXPECT_EQ(probeTry(lockDir.path()), 3);
    }
    EXPECT_EQ(probeTry(lockDir.path()), 0) << "the first copy ended";
}

TEST(SingleCopy, TheLockOfACrashedCopyIsTakenOver)
{
    QTemporaryDir lockDir;
    QProcess running;
    running.start(QStringLiteral(INSTANCE_PROBE), {lockDir.path(), QStringLiteral("hold")});
    ASSERT_TRUE(running.waitForReadyRead(30000));
    ASSERT_EQ(running.readAll().trimmed(), "held");
    SingleInstanceGuard me(lockDir.path());
    EXPECT_FALSE(me.tryAcquire()) << "the other copy is still running";
    running.kill(); // SIGKILL: no chance to remove its lock file
    ASSERT_TRUE(running.waitForFinished(30000));
    ASSERT_TRUE(QFileInfo::exists(me.lockPath()));
    EXPECT_TRUE(me.tryAcquire() && me.held());
}

TEST(Splash, ASecondCopyShowsTheMessageAndNeverLoadsTheMainWindow)
{
    TestApp t;
    QTemporaryDir lockDir;
    SingleInstanceGuard first(lockDir.path());
    ASSERT_TRUE(first.tryAcquire());
    bool loaded = false;
    SplashScreen splash(*t.app, [&] { loaded = true; });
    SingleInstanceGuard second(lockDir.path());
    EXPECT_FALSE(splash.start(second));
    EXPECT_EQ(t.dialogs.messageTexts(),
              QStringList{"Whoa, buddy, one instance at a time!  You don't want\n"
                          "Vantrel to become a multiperson disturb program!"});
    EXPECT_FALSE(splash.isVisible() || splash.handOverTimer->isActive() || loaded);
}

TEST(Splash, ShowsTheVersionForTwoSecondsThenLoadsTheMainWindow)
{
    TestApp t;
    QTemporaryDir lockDir;
    SingleInstanceGuard guard(lockDir.path());
    int loads = 0;
    SplashScreen splash(*t.app, [&] { ++loads; });
    ASSERT_TRUE(splash.start(guard));
    EXPECT_TRUE(guard.held());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.versionLabel->text(), "v0.14 Public Beta");
    EXPECT_EQ(splash.handOverTimer->interval(), 2000);
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return loads > 0; }, 10000));
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(splash.isVisible());
}
