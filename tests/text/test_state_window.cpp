#include "check/state_library.h"
#include "text/character_editors.h"
#include "text/completion_popup.h"
#include "text/editor_text_box.h"
#include "text/help_viewer.h"
#include "text/state_file_window.h"
#include "text/syntax_highlighter.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

#include <filesystem>
#include <map>

using namespace vantrel;
using test::TestApp;

namespace {

const std::string kStates = "; states\r\n[Statedef 200, Walk]\r\ntype = S\r\n\r\n[Statedef -1]\r\n\r\n";

QString shown(const EditorTextBox* box)
{
    return QString::fromStdU16String(box->text());
}

struct StateWindowTest : ::testing::Test {
    TestApp t;
    App& app = *t.app;
    std::string dir = t.path("chars/hero/");

    void SetUp() override
    {
        test::files(app).stateFiles[0] = dir + "hero.st";
        test::files(app).stateFiles[1] = dir + "second.st";
        test::files(app).commonStatesFile = dir + "common1.cns";
        test::writeFile(test::files(app).stateFiles[0], kStates);
        test::writeFile(test::files(app).stateFiles[1], "[Statedef 5000]\r\n");
        test::writeFile(test::files(app).commonStatesFile, "[Statedef 0]\r\n");
        test::writeFile(t.path("stclips.txt"),
                        "<Alpha>\r\n205\r\n[State %x%, ]\r\ntype = Null\r\n-\r\n"
                        "<Beta>\r\n12\r\n; beta %x%\r\n");
        test::writeFile(t.path(kHelpFileName),
                        "<html><style>h2 {color: navy}</style><body>"
                        "<div class=\"topic\" id=\"topic-205\"><h2>Alpha</h2><p>alpha help</p>"
                        "<a href=\"#topic-12\">Beta</a></div><!-- /topic -->"
                        "<div class=\"topic\" id=\"topic-12\"><h2>Beta</h2><p>beta help</p>"
                        "</div><!-- /topic --></body></html>");
    }
    QString path(const std::string& p) const { return QString::fromStdString(p); }
};

} // namespace

TEST_F(StateWindowTest, CaptionFollowsTheCaret)
{
    StateFileWindow window(app);
    const QString file = path(test::files(app).stateFiles[0]);
    // The caption names the file; the mark stands for changes not saved yet.
    const std::pair<long, QString> cases[] = {
        {3, "Not in a state - " + file + "[*]"},
        {36, "State 200 of " + file + "[*]"},
        {60, "State-1 of " + file + "[*]"},
        {0, "State-1 of " + file + "[*]"}, // the caption keeps its last value at the very start
    };
    for (const auto& [caret, caption] : cases) {
        window.editor()->setSelection(caret, 0);
        EXPECT_EQ(window.windowTitle(), caption) << caret;
    }
    EXPECT_EQ(window.currentState(), -1);
}

TEST_F(StateWindowTest, CaptionReadFromTheLinesAboveTheCaretAgreesWithTheWholeTextRule)
{
    // Headers in comments, in any letter case, two on a line, a number on the
    // next line, one cut short by the end of the text.
    const std::string text = "x\r\n; [statedef 7]\r\n[STATEDEF 12][Statedef 345]\r\n"
                             "\r\n[Statedef \r\n9]\r\ntype = S\r\n[Statedef 123456789012345\r\n[statedef 8";
    test::writeFile(test::files(app).stateFiles[0], text);
    StateFileWindow window(app);
    EditorTextBox* box = window.editor();
    const std::u16string shownText = box->text();
    const long size = static_cast<long>(shownText.size());
    for (long start = 1; start <= size; ++start) {
        for (long length : {0L, 1L, 13L}) {
            if (start + length > size)
                continue;
            box->setSelection(start, length);
            // The caret sits between CR and LF nowhere in the text box.
            const long end = box->selStart() + box->selLength();
            EXPECT_EQ(window.currentState(), *stateAtSelection(shownText, box->selStart(), end - box->selStart()))
                << start << "+" << length;
        }
    }
    // At the end of a long file, and after typing there.
    std::string big;
    for (int n = 0; n < 3000; ++n)
        big += "[Statedef " + std::to_string(n) + "]\r\ntype = S\r\n\r\n";
    test::writeFile(test::files(app).stateFiles[0], big);
    t.closeDocuments();
    window.openStateFile(0);
    box->moveCursor(QTextCursor::End);
    EXPECT_EQ(window.currentState(), 2999);
    QTest::keyClicks(box, "[Statedef 5]");
    EXPECT_EQ(window.currentState(), 0); // "5]" are the last two characters of the text: they never count
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "x");
    EXPECT_EQ(window.currentState(), 5);
    EXPECT_EQ(window.windowTitle(), "State 5 of " + path(test::files(app).stateFiles[0]) + "[*]");
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(StateWindowTest, StateFileButtonsSwitchFiles)
{
    StateFileWindow window(app);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(window.toolbarAction(stateFileTool(i))->isEnabled(), i <= 2) << i;

    // Without edits nothing is asked.
    window.toolbarAction(stateFileTool(2))->trigger();
    EXPECT_EQ(shown(window.editor()), "[Statedef 5000]\r\n");
    EXPECT_EQ(window.currentStateFile(), path(test::files(app).stateFiles[1]));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    window.toolbarAction(TextTool::CommonStates)->trigger();
    QTest::keyClicks(window.editor(), ";");
    window.toolbarAction(TextTool::Save)->trigger();
    EXPECT_EQ(test::readFile(test::files(app).commonStatesFile), ";[Statedef 0]\r\n");

    // A state file the .def names that nobody has written yet opens empty,
    // and Save creates it.
    test::files(app).stateFiles[1] = dir + "new.st";
    window.toolbarAction(stateFileTool(2))->trigger();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_EQ(window.currentStateFile(), path(dir + "new.st"));
    EXPECT_EQ(shown(window.editor()), "");
    QTest::keyClicks(window.editor(), "[Statedef 6000]");
    window.toolbarAction(TextTool::Save)->trigger();
    EXPECT_EQ(test::readFile(dir + "new.st"), "[Statedef 6000]\r\n");

    // One that cannot be read says so and leaves the shown file in place.
    std::filesystem::create_directories(dir + "folder.st");
    test::files(app).stateFiles[1] = dir + "folder.st";
    window.toolbarAction(stateFileTool(2))->trigger();
    EXPECT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_EQ(window.currentStateFile(), path(dir + "new.st"));
}

TEST_F(StateWindowTest, SwitchingKeepsEachFilesEditsAndAsksNothing)
{
    StateFileWindow window(app);
    window.editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(window.editor(), "; edit");
    for (TextTool button : {stateFileTool(2), TextTool::CommonStates}) {
        window.toolbarAction(button)->trigger();
        EXPECT_FALSE(window.modified()) << static_cast<int>(button);
    }
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_EQ(test::readFile(test::files(app).stateFiles[0]), kStates);

    // Back on the first file: the edit is there, unsaved, with its history.
    window.toolbarAction(stateFileTool(1))->trigger();
    EXPECT_EQ(shown(window.editor()), QString::fromStdString(kStates) + "; edit");
    EXPECT_TRUE(window.modified());
    window.undo();
    EXPECT_EQ(shown(window.editor()), QString::fromStdString(kStates));
    EXPECT_FALSE(window.modified());
}

TEST_F(StateWindowTest, DoubleClickInsertsAClipAtTheCaretsState)
{
    StateFileWindow window(app);
    QListWidget* list = window.clipList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "Beta");

    EditorTextBox* box = window.editor();
    box->setSelection(40, 0); // in "type = S"
    list->setCurrentRow(0);
    window.insertSelectedClip();
    EXPECT_EQ(shown(box),
              "; states\r\n[Statedef 200, Walk]\r\ntype = S\r\n\r\n[State 200, Alpha]\r\ntype = Null\r\n"
              "\r\n[Statedef -1]\r\n\r\n");
    EXPECT_EQ(box->selText(), u"Alpha");
    EXPECT_TRUE(window.modified());

    box->setSelection(92, 0); // the end of [Statedef -1]; help number 12: nothing selected
    list->setCurrentRow(1);
    window.insertSelectedClip();
    EXPECT_TRUE(shown(box).endsWith("[Statedef -1]\r\n\r\n; beta-1\r\n\r\n"));
    EXPECT_EQ(box->selLength(), 0);
}

TEST_F(StateWindowTest, RightButtonShowsTheClipsHelpTopic)
{
    StateFileWindow window(app);
    QListWidget* list = window.clipList();
    // Help opens on the release; a press would also choose the row under the pointer.
    const auto release = [&](Qt::MouseButton button) {
        QTest::mouseRelease(list->viewport(), button, {}, list->visualItemRect(list->item(0)).center());
    };
    release(Qt::RightButton);
    EXPECT_EQ(window.helpViewer(), nullptr); // nothing selected

    list->setCurrentRow(0);
    release(Qt::LeftButton);
    EXPECT_EQ(window.helpViewer(), nullptr); // the left button asks for no help
    release(Qt::RightButton);
    HelpViewer* help = window.helpViewer();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->contextNumber(), 205);
    EXPECT_TRUE(help->browser()->toPlainText().contains("alpha help"));
    EXPECT_FALSE(help->browser()->toPlainText().contains("beta help"));
    emit help->browser()->anchorClicked(QUrl("#topic-12"));
    EXPECT_EQ(help->contextNumber(), 12);
    EXPECT_TRUE(help->browser()->toPlainText().contains("beta help"));
}

TEST_F(StateWindowTest, ClipFileProblems)
{
    std::string many;
    for (int i = 0; i < 500; ++i)
        many += "<c>\r\n1\r\nx\r\n-\r\n";
    test::writeFile(t.path("stclips.txt"), many);
    StateFileWindow truncated(app);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Too many textclips!\nTruncated at 500..."});
    EXPECT_EQ(truncated.clipList()->count(), 500);

    std::filesystem::remove(t.path("stclips.txt"));
    t.dialogs.clear();
    StateFileWindow none(app);
    EXPECT_EQ(none.clipList()->count(), 0);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(StateWindowTest, F1OnAControllerOrTriggerOpensItsTopic)
{
    test::writeFile(test::files(app).stateFiles[0],
                    "[State 200, go]\r\ntype = ChangeState\r\ntrigger1 = Time > 3\r\n"
                    "value = 0\r\n");
    test::files(app).constantsFile = dir + "hero.cns";
    test::writeFile(test::files(app).constantsFile, "[State -1, x]\r\ntype = velset\r\n");
    StateFileWindow window(app);
    const auto helpAt = [](TextEditorWindow& w, int line, int column) {
        QTextCursor caret(w.editor()->document()->findBlockByNumber(line));
        caret.setPosition(caret.position() + column);
        w.editor()->setTextCursor(caret);
        w.menuAction(MenuCommand::HelpContents)->trigger();
        auto* help = w.findChild<HelpViewer*>();
        return help ? help->contextNumber() : -1;
    };
    const struct {
        int line, column;
        std::int64_t topic;
    } table[] = {
        {1, 7, 200},                 // the start of "ChangeState"
        {1, 12, 200},                // inside it
        {1, 18, 200},                // just after it
        {2, 12, 1128},               // the trigger "Time"
        {2, 9, kHelpContentsTopic},  // "=": no name
        {2, 2, kHelpContentsTopic},  // "trigger1" is neither
        {3, 9, kHelpContentsTopic},  // a number
        {0, 12, kHelpContentsTopic}, // "go" names nothing
    };
    for (const auto& row : table)
        EXPECT_EQ(helpAt(window, row.line, row.column), row.topic) << row.line << ":" << row.column;
    EXPECT_EQ(window.findChildren<HelpViewer*>().size(), 1);

    ConstantsWindow constants(app);
    EXPECT_EQ(helpAt(constants, 1, 8), findStateController("VelSet")->helpTopic); // any letter case
}

TEST_F(StateWindowTest, ScriptFilesHaveTheirOwnCaptionColoursAndCompletion)
{
    const std::string script = dir + "hero.zss";
    test::files(app).stateFiles[1] = script;
    test::writeFile(script,
                    "# moves\r\n"                             // 0
                    "[StateDef 210; type: S; anim: 210;]\r\n" // 1
                    "if Time = 0 {\r\n"                       // 2
                    "\tChangeState{value: 0}\r\n"             // 3
                    "}\r\n"                                   // 4
                    "[Function Half(n) r]\r\n"                // 5
                    "let r = $n / 2;\r\n");                   // 6
    StateFileWindow window(app);
    window.resize(600, 400);
    window.show();
    EXPECT_FALSE(window.highlighter()->isScript());
    window.toolbarAction(stateFileTool(2))->trigger();
    ASSERT_EQ(window.currentStateFile(), path(script));
    EXPECT_TRUE(window.highlighter()->isScript());

    const auto caretAt = [&](int line, int column) {
        QTextCursor caret(window.editor()->document()->findBlockByNumber(line));
        caret.setPosition(caret.position() + column);
        window.editor()->setTextCursor(caret);
    };
    caretAt(3, 3);
    EXPECT_EQ(window.windowTitle(), "State 210 of " + path(script) + "[*]");
    caretAt(6, 3);
    EXPECT_EQ(window.windowTitle(), "Not in a state - " + path(script) + "[*]");

    // The controller's name stands out; its parameter, the colon and the number have their colours.
    QCoreApplication::processEvents();
    std::vector<std::tuple<int, int, bool>> ranges;
    for (const QTextLayout::FormatRange& r : window.editor()->document()->findBlockByNumber(3).layout()->formats())
        ranges.emplace_back(r.start, r.length, r.format.fontWeight() == QFont::Bold);
    EXPECT_EQ(ranges,
              (std::vector<std::tuple<int, int, bool>>{{1, 11, true}, {13, 5, false}, {18, 1, false}, {20, 1, false}}));

    // Inside the braces: the controller's other parameters, written "name: ".
    caretAt(3, 21);
    QTest::keyClicks(window.editor(), "; c");
    window.completion()->open();
    ASSERT_EQ(window.completion()->items().size(), 2u); // ctrl, and IKEMEN GO's continue
    EXPECT_EQ(window.completion()->items()[0].insert, "ctrl");
    // At a statement's start, controllers.
    QTest::keyClick(window.editor(), Qt::Key_Escape);
    caretAt(4, 1);
    QTest::keyClick(window.editor(), Qt::Key_Return);
    QTest::keyClicks(window.editor(), "PlayS");
    window.completion()->open();
    ASSERT_EQ(window.completion()->items().size(), 1u);
    EXPECT_EQ(window.completion()->items()[0].insert, "PlaySnd");

    // A template goes in as the script writes a controller.
    caretAt(6, 3);
    window.clipList()->setCurrentRow(0);
    window.insertSelectedClip();
    EXPECT_TRUE(shown(window.editor()).contains("\r\nif  {\r\n\tNull{}\r\n}")) << shown(window.editor()).toStdString();

    // A section file again has the section rules.
    window.toolbarAction(stateFileTool(1))->trigger();
    EXPECT_FALSE(window.highlighter()->isScript());
}
