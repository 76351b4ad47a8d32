#include "test_support.h"
#include "ui/dialogs.h"
#include "ui/number_keys.h"
#include "ui/shortcuts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>

using namespace vantrel;

namespace {

// Types each character as a key press of its own; QTest::keyClicks knows
// only ASCII.
void type(QLineEdit& box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

TEST(NumberBox, TypedCharactersOtherThanDigitsAreDropped)
{
    const struct {
        QString typed;
        QString kept;
    } cases[] = {
        {"2024", "2024"},
        {"1a2b3", "123"},
        {"-5", "5"},
        {"+4.5e1", "451"},
        {" 7 ", "7"},
        {QStringLiteral("\u06639\u00b2"), "9"}, // digits of other scripts and superscripts are not 0 to 9
        {"abc", ""},
    };
    for (const auto& c : cases) {
        QLineEdit box;
        acceptDigitsOnly(&box);
        type(box, c.typed);
        EXPECT_EQ(box.text(), c.kept) << c.typed.toStdString();
    }
}

TEST(NumberBox, EditingKeysAndShortcutsStillWork)
{
    QLineEdit box;
    acceptDigitsOnly(&box);
    QTest::keyClicks(&box, "1234");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "123");
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, "9");
    EXPECT_EQ(box.text(), "923");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); // select all
    QTest::keyClicks(&box, "x5");
    EXPECT_EQ(box.text(), "5");
}

TEST(SaveQuestion, YesSavesNoDropsCancelKeeps)
{
    const struct {
        Answer answer;
        bool saveWorks;
        bool goOn;
        int saves;
    } cases[] = {
        {Answer::Yes, true, true, 1},
        {Answer::Yes, false, false, 1}, // a failed save keeps the changes and the window
        {Answer::No, true, true, 0},
        {Answer::Cancel, true, false, 0},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        dialogs.answers.enqueue(c.answer);
        int saves = 0;
        const bool goOn = askToSaveChanges(dialogs, nullptr, "Save changes to hero.snd?", "Sounds", [&] {
            ++saves;
            return c.saveWorks;
        });
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(goOn, c.goOn) << row;
        EXPECT_EQ(saves, c.saves) << row;
        ASSERT_EQ(dialogs.messages.size(), 1) << row;
        EXPECT_EQ(dialogs.messages[0].text, "Save changes to hero.snd?");
        EXPECT_EQ(dialogs.messages[0].title, "Sounds");
        EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
    }
}

// A key bound again replaces the one named in the tool tip; the tip itself
// is kept as it was set.
TEST(KeyBinding, TheToolTipNamesOnlyTheKeysBoundLast)
{
    QWidget window;
    QAction action(QStringLiteral("Save"));
    action.setToolTip(QStringLiteral("Saves the file"));
    bindKeys(&window, &action, {QKeySequence(Qt::CTRL | Qt::Key_S)});
    EXPECT_EQ(action.toolTip(),
              "Saves the file (" + QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText) + ")");
    bindKeys(&window, &action, {QKeySequence(Qt::Key_F2)});
    EXPECT_EQ(action.toolTip(), "Saves the file (F2)");
    EXPECT_EQ(window.actions().count(&action), 1);
}
