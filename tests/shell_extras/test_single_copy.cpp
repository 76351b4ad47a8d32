// One copy, many files: a later start hands its .def file to the running
// copy, which opens it through the usual open path and comes to the front;
// only a copy that crashed or does not answer loses its lock.

#include "shell/main_window.h"
#include "shell/single_copy.h"
#include "shell/single_instance.h"
#include "test_support.h"
#include "text/text_document.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace vantrel;
using test::TestApp;

namespace {

const QString kProbe = QStringLiteral(INSTANCE_PROBE);

// Runs a later start ("second") while this process keeps answering; its exit code.
int laterStart(const QString& lockDir, const QString& def = {})
{
    QProcess probe;
    QStringList args{lockDir, QStringLiteral("second")};
    if (!def.isEmpty())
        args << def;
    probe.start(kProbe, args);
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.state() == QProcess::NotRunning; }, 30000));
    return probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
}

// Another copy in its own process ("serve" or "hold"), once it holds the lock.
std::unique_ptr<QProcess> otherCopy(const QString& lockDir, const char* mode)
{
    auto copy = std::make_unique<QProcess>();
    copy->start(kProbe, {lockDir, QString::fromLatin1(mode)});
    EXPECT_TRUE(copy->waitForReadyRead(30000));
    EXPECT_EQ(copy->readLine().trimmed(), "held");
    return copy;
}

struct RunningCopy : ::testing::Test {
    TestApp t;
    QTemporaryDir lockDir;
    SingleInstanceGuard guard{lockDir.path()};
    CopyServer server{lockDir.path()};
    MainWindow main{*t.app};

    void SetUp() override
    {
        ASSERT_TRUE(guard.tryAcquire() && guard.held());
        ASSERT_TRUE(server.listen());
        answerLaterStarts(server, main);
        // Slow enough that the later start has hung up before the load ends.
        test::writeStandInUnpacker(t.dir().toStdString(),
                                   "sleep 0.5\nmkdir -p \"$2\"\nprintf 'P' > \"$2/s0.pcx\"\n"
                                   "printf 'h\\r\\ntempsff/s0.pcx\\r\\n0\\r\\n0\\r\\n0\\r\\n0\\r\\n' > tempsff.txt");
    }
    QString character(const std::string& folder)
    {
        const std::string def = t.path("chars/" + folder + "/c.def");
        test::writeFile(def, "[Files]\nsprite = c.sff\n");
        test::writeFile(t.path("chars/" + folder + "/c.sff"), "archive");
        return QString::fromStdString(def);
    }
};

} // namespace

TEST_F(RunningCopy, OpensTheFileOfALaterStartAfterAskingAboutUnsavedChanges)
{
    const QString first = character("hé ro; $(x) 100%");
    const QString second = character("other");
    // Asked while the splash still shows: the file opens once the window is up.
    EXPECT_EQ(laterStart(lockDir.path(), first), 0);
    EXPECT_FALSE(main.characterOpen());
    main.startUp();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.fileText() == first; }, 10000))
        << main.statusText().toStdString() << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();

    // Unsaved changes the user keeps: the character stays.
    const Result<TextDocument*> def = t.documents->open<TextDocument>(
        first, [](const QString& file) { return makeTextDocument(DocumentKind::Definition, file); });
    ASSERT_TRUE(def) << def.error();
    (*def)->replaceBytes("[Files]\nsprite = c.sff\n; mine\n", "Edit");
    t.dialogs.answers.enqueue(Answer::Cancel);
    EXPECT_EQ(laterStart(lockDir.path(), second), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.dialogs.messages.size() == 1; }, 10000));
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"You have unsaved changes.  Save them first?"});
    QTest::qWait(100);
    EXPECT_EQ(main.fileText(), first);
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    EXPECT_EQ(laterStart(lockDir.path(), second), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.fileText() == second; }, 10000));
    EXPECT_EQ(t.dialogs.messages.size(), 1);
}

TEST_F(RunningCopy, ALaterStartWithoutAFileBringsTheWindowToTheFront)
{
    main.startUp();
    main.showMinimized();
    ASSERT_TRUE(main.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(laterStart(lockDir.path()), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(main.windowState() & Qt::WindowMinimized); }, 10000));
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << "nothing to open, nothing to ask";
    EXPECT_FALSE(main.characterOpen());
}

TEST(SingleCopy, TheRunningCopyInAnotherProcessGetsTheRequestAsSent)
{
    QTemporaryDir lockDir;
    auto running = otherCopy(lockDir.path(), "serve");
    for (const QString& def : {QStringLiteral("/x/a b%20c/é;$(x) \"q\".def"), QString()}) {
        SingleInstanceGuard me(lockDir.path());
        EXPECT_EQ(claimSingleCopy(me, def), StartRole::HandedOver);
        EXPECT_FALSE(me.held());
        ASSERT_TRUE(running->waitForReadyRead(10000));
        EXPECT_EQ(QString::fromUtf8(running->readLine()), "request:" + def + "\n");
    }
    running->kill();
    running->waitForFinished();
}

TEST(SingleCopy, ACopyThatCrashedOrDoesNotAnswerLosesItsLock)
{
    const struct {
        const char* name;
        const char* mode;
        int signal; // sent to the other copy before the later start; 0: none
    } cases[] = {
        {"crashed while serving (its socket file is left)", "serve", SIGKILL},
        {"running without answering", "hold", 0},
        {"hung", "serve", SIGSTOP},
    };
    for (const auto& c : cases) {
        QTemporaryDir lockDir;
        auto other = otherCopy(lockDir.path(), c.mode);
        if (c.signal == SIGKILL) {
            other->kill();
            ASSERT_TRUE(other->waitForFinished(30000));
        } else if (c.signal) {
            ::kill(static_cast<pid_t>(other->processId()), c.signal);
        }
        SingleInstanceGuard me(lockDir.path());
        EXPECT_EQ(claimSingleCopy(me, QStringLiteral("/x/c.def"), 1000), StartRole::Run) << c.name;
        EXPECT_TRUE(me.held()) << c.name;

        // This copy now answers the starts after it.
        CopyServer server(lockDir.path());
        ASSERT_TRUE(server.listen()) << c.name;
        QStringList requests;
        QObject::connect(&server, &CopyServer::requested, [&](const QString& def) { requests << def; });
        EXPECT_EQ(laterStart(lockDir.path(), "/y/d.def"), 0) << c.name;
        EXPECT_EQ(requests, QStringList{"/y/d.def"}) << c.name;
        other->kill();
        other->waitForFinished();
    }
}
