// The program's application object under test: it needs a main of its own,
// as a process holds one QApplication.

#include "shell/guarded_application.h"

#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <new>
#include <stdexcept>

using namespace vantrel;
using test::ScriptedDialogs;

namespace {

// A control whose key handler fails the way a reader can.
class FailingWidget final : public QWidget {
public:
    std::function<void()> fail;
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent*) override
    {
        ++keys;
        fail();
    }
};

GuardedApplication& application()
{
    return *static_cast<GuardedApplication*>(QCoreApplication::instance());
}

} // namespace

TEST(GuardedApplication, AFailedEventEndsOnlyThatAction)
{
    ScriptedDialogs dialogs;
    application().setDialogs(&dialogs);
    struct Case {
        const char* name;
        std::function<void()> fail;
        QString reason;
    };
    const Case cases[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, "there is not enough memory"},
        {"reader", [] { throw std::runtime_error("the file lies about its size"); }, "the file lies about its size"},
        {"not an exception class", [] { throw 7; }, "an unexpected error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        QPlainTextEdit other; // another window's unsaved text
        other.setPlainText("edited");
        other.moveCursor(QTextCursor::End);
        FailingWidget widget;
        widget.fail = c.fail;

        // Sent directly, as a key press is.
        QTest::keyClick(&widget, Qt::Key_A);
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_EQ(dialogs.messages[0].text,
                  "Vantrel could not finish that: " + c.reason + ". Your other work is unchanged.");
        EXPECT_EQ(dialogs.messages[0].title, "Vantrel");
        EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);

        // Posted, and delivered by the running event loop, which goes on.
        QEventLoop loop;
        QTimer::singleShot(0, &widget, [&widget] { widget.fail(); });
        QTimer::singleShot(0, &loop, [&other] { QTest::keyClicks(&other, " more"); });
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        EXPECT_EQ(loop.exec(), 0);
        EXPECT_EQ(dialogs.messages.size(), 2);
        EXPECT_EQ(other.toPlainText(), "edited more");
        EXPECT_EQ(widget.keys, 1);
    }

    // Before the program has its dialogs the failure is only logged.
    application().setDialogs(nullptr);
    dialogs.clear();
    FailingWidget early;
    early.fail = [] { throw std::runtime_error("early"); };
    QTest::keyClick(&early, Qt::Key_A);
    EXPECT_EQ(early.keys, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
