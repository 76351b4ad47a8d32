// Completion as a user meets it, typed key by key into the real text box:
// it opens by itself only where a name starts, and Enter inserts only what
// the user chose. The command file's window completes its own blocks and
// command names and offers templates of both kinds of entry.

#include "text/character_editors.h"
#include "text/completion_popup.h"
#include "text/editor_text_box.h"
#include "text/state_file_window.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>
#include <QTextBlock>

using namespace vantrel;

namespace {

struct CompletionKeysTest : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    std::string dir = t.path("chars/hero/");

    void SetUp() override
    {
        test::files(app).characterDir = dir;
        test::files(app).defFile = dir + "hero.def";
        test::files(app).engine = CharacterEngine::Mugen11;
        test::writeFile(test::files(app).defFile, "[Files]\r\n");
    }

    // Puts the caret at the end of line `line` and gives the box the focus.
    static void caretAtEnd(EditorTextBox* box, int line)
    {
        QTextCursor caret(box->document()->findBlockByNumber(line));
        caret.movePosition(QTextCursor::EndOfBlock);
        box->setTextCursor(caret);
        box->setFocus();
    }
    static QString lineText(EditorTextBox* box, int line) { return box->document()->findBlockByNumber(line).text(); }
    static QString current(const CompletionPopup* popup)
    {
        return popup->list()->currentItem() ? popup->list()->currentItem()->text() : QString();
    }
};

} // namespace

TEST_F(CompletionKeysTest, EnterInsertsOnlyWhatTheUserChose)
{
    test::files(app).stateFiles[0] = dir + "hero.st";
    test::writeFile(test::files(app).stateFiles[0], "[Statedef 200]\r\ntype = S\r\n\r\n[State 200, 1]\r\n");
    StateFileWindow window(app);
    window.show();
    EditorTextBox* box = window.editor();
    CompletionPopup* popup = window.completion();
    caretAtEnd(box, 3);

    // A controller's name typed in full: Enter makes a new line, the name stays as typed.
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "type = changestate");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(current(popup), "ChangeState");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(lineText(box, 4), "type = changestate");
    EXPECT_EQ(box->textCursor().blockNumber(), 5);

    // A trigger list opens by itself after "trigger1 =" and after an operator.
    QTest::keyClicks(box, "trigger1 = tim");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(current(popup), "Time");
    QTest::keyClicks(box, "e");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(lineText(box, 5), "trigger1 = time");
    // A word the list does not hold: Enter in a list that opened by itself never replaces it.
    QTest::keyClicks(box, "trigger2 = statetype != A");
    EXPECT_TRUE(popup->isVisible());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(lineText(box, 6), "trigger2 = statetype != A");
    // The list goes when the word ends, and stays closed after a number, in a comment and in a string.
    QTest::keyClicks(box, "trigger3 = v");
    EXPECT_TRUE(popup->isVisible());
    QTest::keyClicks(box, "ar(1) ");
    EXPECT_FALSE(popup->isVisible());
    QTest::keyClicks(box, "= 10 a");
    EXPECT_FALSE(popup->isVisible());
    QTest::keyClicks(box, " ; t");
    EXPECT_FALSE(popup->isVisible());
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "value = \"t");
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(lineText(box, 7), "trigger3 = var(1) = 10 a ; t");

    // A choice made with the keys is inserted by Enter.
    box->selectAll();
    QTest::keyClicks(box, "[State 0, 1]");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "type = ChangeState");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "value = 200 + an");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(current(popup), "Anim");
    QTest::keyClick(box, Qt::Key_Down);
    const QString chosen = current(popup);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(lineText(box, 2), "value = 200 + " + chosen);
    EXPECT_EQ(box->blockCount(), 3);

    // A parameter goes in as its name alone; the '=' is typed once, by the user.
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "ct");
    EXPECT_FALSE(popup->isVisible());
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(current(popup), "ctrl");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, " = 1");
    EXPECT_EQ(lineText(box, 3), "ctrl = 1");
    // Asked for with Ctrl+Space, a word typed in full still ends its line with Enter.
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "anim");
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(current(popup), "anim");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(lineText(box, 4), "anim");
    EXPECT_EQ(box->blockCount(), 6);

    // Chosen in the middle of a word, a name takes the whole word's place.
    caretAtEnd(box, 1);
    for (int n = 0; n < 5; ++n)
        box->moveCursor(QTextCursor::Left);
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(current(popup), "ChangeAnim");
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(lineText(box, 1), "type = ChangeAnim2");
}

TEST_F(CompletionKeysTest, TheCommandFileCompletesItsBlocksAndOffersTemplates)
{
    test::files(app).commandFile = dir + "hero.cmd";
    test::writeFile(test::files(app).commandFile,
                    "[Command]\r\nname = \"QCF_x\"\r\ncommand = ~D, DF, F, x\r\n\r\n"     // 0-3
                    "[Command]\r\nname = \"FF\"\r\ncommand = F, F\r\n\r\n"                // 4-7
                    "[Statedef -1]\r\n\r\n[State -1, Fireball]\r\ntype = ChangeState\r\n" // 8-11
                    "triggerall = command = \"\"\r\n");                                   // 12
    test::writeFile(t.path("cmdclips.txt"), test::readFile(std::string(VANTREL_SOURCE_DIR) + "/data/cmdclips.txt"));
    CommandsWindow window(app);
    window.show();
    EditorTextBox* box = window.editor();
    CompletionPopup* popup = window.completion();
    ASSERT_NE(popup, nullptr);

    // A [Command] block's keys it lacks; MUGEN 1.1 reads no "steptime".
    caretAtEnd(box, 6);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(popup->list()->count(), 2);
    EXPECT_EQ(popup->list()->item(0)->text(), "time");
    EXPECT_EQ(popup->list()->item(1)->text(), "buffer.time");
    QTest::keyClicks(box, "b");
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(lineText(box, 7), "buffer.time");

    // Between the quotes after "command =", the file's own command names.
    caretAtEnd(box, 13);
    box->moveCursor(QTextCursor::Left);
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(popup->list()->count(), 2);
    EXPECT_EQ(popup->list()->item(0)->text(), "QCF_x");
    QTest::keyClicks(box, "f");
    ASSERT_EQ(popup->list()->count(), 1);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(lineText(box, 13), "triggerall = command = \"FF\"");

    // A state -1 entry is a controller like any other: its type's list opens by itself.
    caretAtEnd(box, 13);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "trigger1 = ctrl && st");
    EXPECT_TRUE(popup->isVisible());
    QTest::keyClick(box, Qt::Key_Escape);

    // The templates: a [Command] block and a state -1 entry, put in after the block at the caret.
    QListWidget* clips = window.clipList();
    ASSERT_EQ(clips->count(), 2);
    EXPECT_EQ(clips->item(0)->text(), "Command");
    caretAtEnd(box, 1);
    clips->setCurrentRow(0);
    window.insertSelectedClip();
    EXPECT_EQ(lineText(box, 4), "[Command]");
    EXPECT_EQ(lineText(box, 5), "name = \"\"");
    caretAtEnd(box, 16);
    clips->setCurrentRow(1);
    window.insertSelectedClip();
    const QString text = box->toPlainText();
    EXPECT_TRUE(text.endsWith("[State -1, ]\ntype = ChangeState\nvalue = \ntriggerall = command = \"\"\n"
                              "trigger1 = statetype != A && ctrl\n"))
        << text.toStdString();
}
