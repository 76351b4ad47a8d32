// The Problems window on a broken copy of a real character: it lists what the
// checker finds, counts it, and a double-click opens each finding's file at
// its line in the right editor. And completion in the state file window,
// driven by keys as a user types.

#include "bracket_language.h"
#include "check/problems_window.h"
#include "check/register_windows.h"
#include "common/text.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "text/character_editors.h"
#include "text/completion_popup.h"
#include "text/editor_text_box.h"
#include "text/register_windows.h"
#include "text/state_file_window.h"
#include "text/text_document.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUndoStack>

#include <filesystem>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

// Replaces the first line that reads `line` (its line end aside) at or after
// line `from`; returns its 1-based number, 0 when there is none.
int plant(const std::string& path, const std::string& line, const std::string& replacement, int from = 1)
{
    std::string text = test::readFile(path);
    int number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t length = end - start - (end > start && text[end - 1] == '\r' ? 1 : 0);
        if (number >= from && text.compare(start, length, line) == 0) {
            text.replace(start, length, replacement);
            test::writeFile(path, text);
            return number;
        }
        start = end + 1;
    }
    return 0;
}

void waitForCheck(ProblemsWindow& window)
{
    if (!window.checking())
        return;
    QSignalSpy spy(&window, &ProblemsWindow::checked);
    ASSERT_TRUE(spy.wait(60000));
}

int rowStarting(const QListWidget* list, const QString& start)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().startsWith(start))
            return row;
    }
    return -1;
}

// A copy of the real WinMUGEN kfm in the test's folder, under chars/kfm.
std::string copyOfKfm(test::TestApp& t)
{
    const std::string folder = t.path("chars/kfm");
    for (const auto& entry : fs::directory_iterator(test::realchars("winmugen-kfm")))
        test::writeFile(folder + "/" + entry.path().filename().string(), test::readFile(entry.path().string()));
    return folder;
}

} // namespace

TEST(ProblemsWindow, ListsCountsAndOpensEachFindingInItsEditor)
{
    test::TestApp t;
    App& app = *t.app;
    const std::string folder = copyOfKfm(t);
    const std::string def = folder + "/kfm.def";

    // A fault in each kind of file: an action, a state, a palette and a sound that do not exist.
    const int cnsLine = plant(folder + "/kfm.cns", "value = 190", "value = 9190", 146);
    const int commandsFileLine = plant(folder + "/kfm.cmd", "value = 3050", "value = 93050");
    const int defLine = plant(def, "pal2    = kfm4.act", "pal2    = nowhere.act");
    ASSERT_GT(plant(def, "ai\t= kfm.ai    ", "st1 = more.st"), 0);
    test::writeFile(folder + "/more.st",
                    "; more states\r\n[Statedef 7000]\r\ntype = S\r\n\r\n[State 7000, 1]\r\n"
                    "type = PlaySnd\r\ntrigger1 = Time = 0\r\nvalue = 99, 99\r\n");
    ASSERT_GT(cnsLine * commandsFileLine * defLine, 0);
    ASSERT_TRUE(readDefinition(def, test::files(app)));

    MainWindow main(app);
    registerTextWindows(main);
    registerCheckWindows(main);
    auto* problems = qobject_cast<ProblemsWindow*>(main.openWindow(WindowKind::Problems));
    ASSERT_NE(problems, nullptr);
    EXPECT_FALSE(problems->refreshButton()->isEnabled() && problems->checking());
    waitForCheck(*problems);

    // The list is the checker's report, line for line.
    const CheckReport report = checkCharacter(def);
    ASSERT_EQ(problems->findingList()->count(), static_cast<int>(report.findings.size()));
    for (std::size_t i = 0; i < report.findings.size(); ++i)
        EXPECT_EQ(problems->findingList()->item(static_cast<int>(i))->text().toStdString(),
                  formatFinding(report.findings[i]));
    EXPECT_EQ(problems->countLabel()->text(), "4 errors, 4 warnings");

    struct Jump {
        QString finding; // the start of its line in the list
        WindowKind window;
        int line;
    };
    const Jump jumps[] = {
        {QStringLiteral("kfm.def:%1: error").arg(defLine), WindowKind::Definition, defLine},
        {"kfm.air:964: warning", WindowKind::AnimationText, 964},
        {QStringLiteral("kfm.cmd:%1: error").arg(commandsFileLine), WindowKind::Commands, commandsFileLine},
        {QStringLiteral("kfm.cns:%1: error").arg(cnsLine), WindowKind::Constants, cnsLine},
        {"more.st:8: error", WindowKind::States, 8},
    };
    for (const Jump& jump : jumps) {
        const std::string name = windowKey(jump.window).toStdString();
        const int row = rowStarting(problems->findingList(), jump.finding);
        ASSERT_GE(row, 0) << jump.finding.toStdString();
        emit problems->findingList()->itemActivated(problems->findingList()->item(row));
        auto* editor = qobject_cast<TextEditorWindow*>(main.loadedWindow(jump.window));
        ASSERT_NE(editor, nullptr) << name;
        EXPECT_EQ(main.mdiArea()->activeSubWindow(), main.subWindowOf(editor)) << name;
        EXPECT_EQ(editor->editor()->textCursor().blockNumber() + 1, jump.line) << name;
    }
    EXPECT_EQ(qobject_cast<StateFileWindow*>(main.loadedWindow(WindowKind::States))->currentStateFile().toStdString(),
              folder + "/more.st");

    // Fixed and checked again: the finding goes, the count follows.
    plant(folder + "/kfm.cns", "value = 9190", "value = 190", cnsLine);
    problems->refreshButton()->click();
    EXPECT_EQ(problems->countLabel()->text(), "Checking...");
    waitForCheck(*problems);
    EXPECT_EQ(rowStarting(problems->findingList(), QStringLiteral("kfm.cns:%1:").arg(cnsLine)), -1);
    EXPECT_EQ(problems->countLabel()->text(), "3 errors, 4 warnings");
    EXPECT_TRUE(problems->refreshButton()->isEnabled());

    // Typed and not saved: checked a moment after the typing stops, at its line.
    auto* constants = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::Constants));
    ASSERT_NE(constants, nullptr);
    TextDocument* cns = constants->document();
    ASSERT_NE(cns, nullptr);
    const std::string onDisk = test::readFile(folder + "/kfm.cns");
    std::string typed = onDisk;
    typed.replace(typed.find("value = 190"), 11, "value = 8190");
    QSignalSpy checks(problems, &ProblemsWindow::checked);
    ASSERT_TRUE(cns->replaceBytes(typed, QStringLiteral("Typing")));
    ASSERT_TRUE(checks.wait(60000));
    waitForCheck(*problems);
    EXPECT_NE(rowStarting(problems->findingList(), QStringLiteral("kfm.cns:%1: error").arg(cnsLine)), -1);
    EXPECT_EQ(test::readFile(folder + "/kfm.cns"), onDisk) << "nothing was saved";
    // The text view underlines the value at fault, and its tool tip says why.
    EditorTextBox* box = constants->editor();
    const auto underlined = [&] {
        for (const QTextEdit::ExtraSelection& mark : box->extraSelections()) {
            if (mark.format.underlineStyle() == QTextCharFormat::WaveUnderline
                && mark.cursor.blockNumber() == cnsLine - 1)
                return mark.cursor.selectedText();
        }
        return QString();
    };
    EXPECT_EQ(underlined(), "8190");
    const QTextBlock faulty = box->document()->findBlockByNumber(cnsLine - 1);
    box->setTextCursor(QTextCursor(faulty));
    box->ensureCursorVisible();
    const QPoint there = box->cursorRect(QTextCursor(faulty)).center();
    EXPECT_TRUE(box->problemAt(there).startsWith("error: ChangeAnim uses action 8190"))
        << box->problemAt(there).toStdString();
    cns->undoStack()->undo();
    ASSERT_TRUE(checks.wait(60000));
    waitForCheck(*problems);
    EXPECT_EQ(rowStarting(problems->findingList(), QStringLiteral("kfm.cns:%1:").arg(cnsLine)), -1);
    EXPECT_EQ(underlined(), "") << "the mark goes with the fault";

    // Without a character there is nothing to check.
    test::files(app) = {};
    problems->refresh();
    EXPECT_EQ(problems->findingList()->count(), 0);
    EXPECT_EQ(problems->countLabel()->text(), "No character is open");
}

// F12 on "value = 200" of a ChangeState in the commands file opens the
// constants file at [Statedef 200]; on a command's name, at its [Command].
TEST(GoToDefinition, OpensTheFileThatDefinesItAtItsLine)
{
    test::TestApp t;
    App& app = *t.app;
    const std::string folder = copyOfKfm(t);
    ASSERT_TRUE(readDefinition(folder + "/kfm.def", test::files(app)));
    MainWindow main(app);
    registerTextWindows(main);
    auto* commands = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::Commands));
    ASSERT_NE(commands, nullptr);
    EditorTextBox* box = commands->editor();
    box->finishLoading();
    // The caret `column` characters into the first match of `text`.
    const auto caretOn = [&](EditorTextBox* in, const QString& text, int column) {
        const QTextCursor match = in->document()->find(text);
        ASSERT_FALSE(match.isNull()) << text.toStdString();
        QTextCursor caret(in->document());
        caret.setPosition(match.selectionStart() + column);
        in->setTextCursor(caret);
    };
    const auto lineOf = [&](const std::string& file, const std::string& text) {
        const std::vector<std::string> lines = splitLines(test::readFile(folder + "/" + file));
        return static_cast<int>(std::find(lines.begin(), lines.end(), text) - lines.begin()) + 1;
    };

    caretOn(box, QStringLiteral("value = 200"), 9);
    commands->menuAction(MenuCommand::GoToDefinition)->trigger();
    auto* constants = qobject_cast<TextEditorWindow*>(main.loadedWindow(WindowKind::Constants));
    ASSERT_NE(constants, nullptr) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(constants->editor()->textCursor().blockNumber() + 1, lineOf("kfm.cns", "[Statedef 200]"));
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), main.subWindowOf(constants));

    // A command compared in a trigger, Ctrl+clicked: to its [Command] block's name line.
    main.mdiArea()->setActiveSubWindow(main.subWindowOf(commands));
    caretOn(box, QStringLiteral("command = \"a\""), 12);
    box->ensureCursorVisible();
    const QPoint onName = box->cursorRect().center();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::ControlModifier, onName);
    EXPECT_EQ(box->textCursor().blockNumber() + 1, lineOf("kfm.cmd", "name = \"a\""));

    // A state nowhere: said.
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n[State -1, x]\ntype = ChangeState\ntrigger1 = 1\nvalue = 4321"));
    end.movePosition(QTextCursor::End);
    box->setTextCursor(end);
    commands->menuAction(MenuCommand::GoToDefinition)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts().last(), "State 4321 is not defined in the character's files.");
}

TEST(ProblemsWindow, EachFileGoesToTheEditorThatEditsIt)
{
    CharacterFiles files;
    files.defFile = "/c/k.def";
    files.animationFile = "/c/k.air";
    files.commandFile = "/c/k.cmd";
    files.constantsFile = "/c/k.cns";
    files.stateFiles[0] = "/c/k.cns"; // the constants hold states too, as they often do
    files.stateFiles[2] = "/c/sub/more.st";
    files.commonStatesFile = "/data/common1.cns";
    files.spriteFile = "/c/k.sff";
    const std::pair<const char*, std::optional<WindowKind>> cases[] = {
        {"/c/k.def", WindowKind::Definition},
        {"/c/./k.air", WindowKind::AnimationText},
        {"/c/k.cmd", WindowKind::Commands},
        {"/c/k.cns", WindowKind::Constants},
        {"/c/x/../sub/more.st", WindowKind::States},
        {"/data/common1.cns", WindowKind::States},
        {"/c/k.sff", std::nullopt},
        {"/c/other.st", std::nullopt},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(windowForFile(files, QString::fromLatin1(path)), expected) << path;
}

// In another language the window's caption, button, counts and findings come
// from the translation; the names in a finding stay as they are.
TEST(ProblemsWindow, ShowsItsTextsInTheUsersLanguage)
{
    test::TestApp t;
    App& app = *t.app;
    test::BracketLanguage language; // removed from the program when it goes
    QCoreApplication::installTranslator(&language);
    {
        ProblemsWindow idle(app);
        EXPECT_EQ(idle.windowTitle(), "[Problems]");
        EXPECT_EQ(idle.refreshButton()->text(), "[&Refresh]");
        EXPECT_EQ(idle.countLabel()->text(), "[No character is open]");
    }
    const std::string def = t.path("chars/k/k.def");
    test::writeFile(def, "[Files]\r\nsprite = k.sff\r\ncns = k.cns\r\nst = k.st\r\n");
    ASSERT_TRUE(readDefinition(def, test::files(app)));
    ProblemsWindow window(app);
    EXPECT_EQ(window.countLabel()->text(), "[Checking...]");
    waitForCheck(window);
    // The counts and the sentence joining them are each translated.
    const QRegularExpression counts(QStringLiteral(R"(^\[\[\d+ errors?\], \[\d+ warnings?\]\]$)"));
    EXPECT_TRUE(counts.match(window.countLabel()->text()).hasMatch()) << window.countLabel()->text();
    QStringList findings;
    for (int row = 0; row < window.findingList()->count(); ++row)
        findings << window.findingList()->item(row)->text();
    EXPECT_TRUE(findings.contains(QStringLiteral(R"([k.def:2: [error]: ["k.sff" does not exist]])")))
        << findings.join('\n').toStdString();
    const QRegularExpression finding(QStringLiteral(R"(^\[[\w.]+(:\d+)?: \[(error|warning)\]: \[.+\]\]$)"));
    for (const QString& text : findings)
        EXPECT_TRUE(finding.match(text).hasMatch()) << text.toStdString();
}

TEST(Completion, TypingInTheStateFileWindow)
{
    test::TestApp t;
    App& app = *t.app;
    test::writeFile(t.path("sctrls.html"), test::readFile(std::string(VANTREL_SOURCE_DIR) + "/data/sctrls.html"));
    test::files(app).stateFiles[0] = t.path("chars/a/a.st");
    test::writeFile(test::files(app).stateFiles[0], "[Statedef 200]\r\ntype = S\r\n\r\n[State 200, 1]\r\ntype = \r\n");
    StateFileWindow window(app);
    window.show();
    EditorTextBox* box = window.editor();
    CompletionPopup* popup = window.completion();
    ASSERT_NE(popup, nullptr);
    box->setFocus();
    const auto lineText = [box] { return box->textCursor().block().text(); };
    const auto helpShows = [popup](const char* heading) {
        return popup->help()->toHtml().contains(QString::fromLatin1(heading));
    };

    // A letter after "type =" opens the list; typing narrows it; Down and Enter choose.
    QTextCursor caret(box->document()->findBlockByNumber(4));
    caret.movePosition(QTextCursor::EndOfBlock);
    box->setTextCursor(caret);
    QTest::keyClicks(box, "cha");
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(popup->list()->count(), 3);
    EXPECT_EQ(popup->list()->currentItem()->text(), "ChangeAnim");
    EXPECT_TRUE(helpShows("ChangeAnim"));
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(popup->list()->currentItem()->text(), "ChangeAnim2");
    EXPECT_TRUE(helpShows("ChangeAnim2"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(lineText(), "type = ChangeAnim2");
    EXPECT_TRUE(window.modified());

    // Ctrl+Space on a new line: the controller's parameters; Tab inserts the name.
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->list()->item(0)->text(), "value");
    QTest::keyClicks(box, "el");
    ASSERT_EQ(popup->list()->count(), 1);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(lineText(), "elem");

    // In a trigger the list opens by itself; Escape leaves the text as typed.
    QTest::keyClicks(box, " = 1");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "trigger1 = AnimElemT");
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->list()->currentItem()->text(), "AnimElemTime");
    EXPECT_TRUE(helpShows("AnimElemTime(elem)"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(lineText(), "trigger1 = AnimElemT");

    // Moving to where nothing fits closes it.
    QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(popup->isVisible());
    box->moveCursor(QTextCursor::Start);
    EXPECT_FALSE(popup->isVisible());
}
