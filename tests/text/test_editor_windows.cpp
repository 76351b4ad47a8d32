#include "shell/character_files.h"
#include "shell/frmMain.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/frmFind.h"
#include "text/frmNotepad.h"
#include "text/frmST.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace vantrel {
void registerTextWindows(frmMain& main);
}

using namespace vantrel;
using test::TestApp;

namespace {

QString shown(const EditorTextBox* box)
{
    return QString::fromStdU16String(box->text());
}

void typeAtEnd(EditorTextBox* box, const QString& text)
{
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, text);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

struct EditorTest : ::testing::Test {
    TestApp t;
    App& app = *t.app;
    std::string dir = t.path("chars/hero/");

    void SetUp() override
    {
        app.files.CharDir = dir;
        app.files.DefFile = dir + "hero.def";
        app.files.CmdFile = dir + "hero.cmd";
        test::writeFile(app.files.DefFile, "a");
        test::writeFile(app.files.CmdFile, "[Command]\r\nname = \"x\"\r\n");
    }
};

} // namespace

TEST_F(EditorTest, LoadEditSaveAndRevert)
{
    frmDef window(app);
    EXPECT_EQ(window.windowTitle(), "Character Definition File (DEF)");
    EXPECT_EQ(shown(window.txtEdit()), "a");
    EXPECT_FALSE(window.modified());

    typeAtEnd(window.txtEdit(), "b");
    EXPECT_TRUE(window.modified());
    EXPECT_TRUE(app.textEditors.modified[1]);
    window.toolbarAction("Save")->trigger();
    EXPECT_EQ(test::readFile(app.files.DefFile), "ab\r\n");
    EXPECT_FALSE(window.modified());
    EXPECT_EQ(t.dialogs.busyDepth, 0);

    // Saving again adds nothing: the text now ends with a line break.
    window.menuAction("mnuFSave")->trigger();
    EXPECT_EQ(test::readFile(app.files.DefFile), "ab\r\n");

    typeAtEnd(window.txtEdit(), "zzz");
    window.menuAction("mnuFRevert")->trigger();
    EXPECT_EQ(shown(window.txtEdit()), "ab\r\n");
    EXPECT_FALSE(window.modified());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(EditorTest, UnreadableAndUnwritableFilesKeepTheTextAndSayWhy)
{
    app.files.AnimFile = dir + "missing.air";
    frmAIR air(app);
    ASSERT_EQ(t.dialogs.messageTexts(),
              QStringList{"Can't open file: " + QString::fromStdString(dir) + "missing.air with error 2"});
    EXPECT_EQ(shown(air.txtEdit()), "");

    frmCMD cmd(app);
    typeAtEnd(cmd.txtEdit(), "; mine");
    // The file turned into a folder: the write cannot replace it.
    std::filesystem::remove(app.files.CmdFile);
    std::filesystem::create_directories(app.files.CmdFile + "/inside");
    t.dialogs.clear();
    EXPECT_FALSE(cmd.Save());
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages[0].text.contains("hero.cmd"));
    EXPECT_TRUE(cmd.modified());
    EXPECT_TRUE(shown(cmd.txtEdit()).endsWith("; mine"));
}

TEST_F(EditorTest, SaveWritesToTheFileTheTextCameFrom)
{
    frmDef window(app);
    typeAtEnd(window.txtEdit(), "!");
    // Another character was opened meanwhile.
    app.files.DefFile = dir + "other.def";
    test::writeFile(app.files.DefFile, "other\r\n");
    ASSERT_TRUE(window.Save());
    EXPECT_EQ(test::readFile(dir + "hero.def"), "a!\r\n");
    EXPECT_EQ(test::readFile(dir + "other.def"), "other\r\n");
}

TEST_F(EditorTest, CloseQuestionAnswers)
{
    struct Case {
        Answer answer;
        bool closes;
        std::string fileAfter;
    };
    const Case cases[] = {
        {Answer::Yes, true, "[Command]\r\nname = \"x\"\r\n;\r\n"},
        {Answer::No, true, "[Command]\r\nname = \"x\"\r\n"},
        {Answer::Cancel, false, "[Command]\r\nname = \"x\"\r\n"},
    };
    for (const Case& c : cases) {
        test::writeFile(app.files.CmdFile, "[Command]\r\nname = \"x\"\r\n");
        t.dialogs.clear();
        auto* window = new frmCMD(app);
        typeAtEnd(window->txtEdit(), ";");
        t.dialogs.answers.enqueue(c.answer);
        const bool closed = window->close();
        EXPECT_EQ(closed, c.closes);
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_EQ(t.dialogs.messages[0].text, "You have unsaved changes.  Save them first?");
        EXPECT_EQ(t.dialogs.messages[0].title, "CMD file");
        EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(test::readFile(app.files.CmdFile), c.fileAfter);
        if (!closed) {
            EXPECT_TRUE(shown(window->txtEdit()).endsWith(";"));
        }
        delete window;
    }

    // An untouched window closes without a question; Yes with a failing save stays open.
    t.dialogs.clear();
    frmCMD untouched(app);
    EXPECT_TRUE(untouched.close());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    frmCMD failing(app);
    typeAtEnd(failing.txtEdit(), "x");
    std::filesystem::remove(app.files.CmdFile);
    std::filesystem::create_directories(app.files.CmdFile + "/inside");
    t.dialogs.answers.enqueue(Answer::Yes);
    EXPECT_FALSE(failing.close());
    EXPECT_TRUE(failing.modified());
}

TEST_F(EditorTest, CloseAllClosesTheOthersWhenOneAnswersCancel)
{
    frmMain main(app);
    registerTextWindows(main);
    app.files.CnsFile = dir + "hero.cns";
    test::writeFile(app.files.CnsFile, "[Data]\r\n");
    auto* cmd = qobject_cast<frmCMD*>(main.openWindow("frmCMD"));
    ASSERT_TRUE(cmd);
    ASSERT_TRUE(main.openWindow("frmDef"));
    ASSERT_TRUE(main.openWindow("frmCNS"));
    ASSERT_TRUE(main.openWindow("frmNotepad"));
    typeAtEnd(cmd->txtEdit(), "; edited");
    t.dialogs.answers.enqueue(Answer::Cancel);
    cmd->menuAction("mnuWCloseAll")->trigger();
    flushDeletes();
    EXPECT_EQ(main.window("frmCMD"), cmd);
    EXPECT_TRUE(shown(cmd->txtEdit()).endsWith("; edited"));
    for (const char* name : {"frmDef", "frmCNS", "frmNotepad"})
        EXPECT_EQ(main.window(name), nullptr) << name;
    EXPECT_EQ(t.dialogs.messages.size(), 1);
}

TEST_F(EditorTest, NotepadNewOpenSaveAsAndSave)
{
    const std::string opened = dir + "notes.txt";
    const std::string copy = dir + "copy.txt";
    test::writeFile(opened, "first\n");

    frmNotepad pad(app);
    EXPECT_EQ(shown(pad.txtEdit()), "");
    EXPECT_TRUE(pad.filePath().isEmpty());
    EXPECT_TRUE(t.dialogs.messages.isEmpty());

    t.dialogs.files.enqueue(QString::fromStdString(opened));
    pad.toolbarAction("Open")->trigger();
    ASSERT_EQ(t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(t.dialogs.fileDialogs[0].title, "Open file");
    EXPECT_EQ(t.dialogs.fileDialogs[0].filter, "Text Files (*.txt)|*.txt|All Files(*.*)|*.*");
    EXPECT_EQ(t.dialogs.fileDialogs[0].directory, QString::fromStdString(dir));
    EXPECT_EQ(shown(pad.txtEdit()), "first\r\n");

    typeAtEnd(pad.txtEdit(), "second");
    t.dialogs.files.enqueue(QString::fromStdString(copy));
    pad.menuAction("mnuFSaveAs")->trigger();
    EXPECT_EQ(t.dialogs.fileDialogs.last().title, "Save File...");
    EXPECT_EQ(test::readFile(copy), "first\nsecond\r\n");
    EXPECT_FALSE(pad.modified());

    // Save keeps writing to the file that was opened.
    typeAtEnd(pad.txtEdit(), "!");
    pad.toolbarAction("Save")->trigger();
    EXPECT_EQ(test::readFile(opened), "first\nsecond!\r\n");
    EXPECT_EQ(test::readFile(copy), "first\nsecond\r\n");

    // New, answered Yes, with the save dialog cancelled: the text stays.
    typeAtEnd(pad.txtEdit(), "?");
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::Yes);
    pad.toolbarAction("New")->trigger();
    ASSERT_EQ(t.dialogs.messageTexts(), QStringList{"Changes have been made!  Save first?"});
    EXPECT_EQ(t.dialogs.messages[0].title, "Notepad");
    EXPECT_TRUE(shown(pad.txtEdit()).endsWith("?"));

    // Open answered No with the dialog cancelled: text and path stay, the flag goes.
    t.dialogs.answers.enqueue(Answer::No);
    pad.menuAction("mnuFOpen")->trigger();
    EXPECT_TRUE(shown(pad.txtEdit()).endsWith("?"));
    EXPECT_EQ(pad.filePath(), QString::fromStdString(opened));
    EXPECT_FALSE(pad.modified());

    pad.menuAction("mnuFNew")->trigger();
    EXPECT_EQ(shown(pad.txtEdit()), "");
    EXPECT_TRUE(pad.filePath().isEmpty());
    // Save without a file name fails with a message and keeps the text.
    typeAtEnd(pad.txtEdit(), "unsaved");
    t.dialogs.clear();
    EXPECT_FALSE(pad.Save());
    EXPECT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(pad.modified());

    app.files.CharDir.clear();
    t.dialogs.files.enqueue(QString());
    pad.SaveAs();
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory, QDir::homePath());
}

TEST_F(EditorTest, ClipboardCommandsAndDeleteOnTheTextBox)
{
    test::writeFile(app.files.DefFile, "one\r\ntwo\r\n");
    frmDef window(app);
    EditorTextBox* box = window.txtEdit();
    QApplication::clipboard()->setText("stale");
    box->setSelection(1, 0);
    window.toolbarAction("Cut")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "");

    box->setSelection(1, 5); // "ne", the line break, "t"
    window.menuAction("mnuECut")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "ne\nt");
    EXPECT_EQ(shown(box), "owo\r\n");

    QApplication::clipboard()->setText("x\r\ny");
    window.toolbarAction("Paste")->trigger();
    EXPECT_EQ(shown(box), "ox\r\nywo\r\n");
    window.toolbarAction("Undo")->trigger();
    EXPECT_EQ(shown(box), "owo\r\n");

    box->setSelection(0, 2);
    window.menuAction("mnuEDelete")->trigger();
    EXPECT_EQ(shown(box), "o\r\n");
    window.menuAction("mnuETimeDate")->trigger();
    EXPECT_GT(shown(box).size(), 8);
    EXPECT_TRUE(window.modified());
}

TEST_F(EditorTest, OffsetsCountALineBreakAsTwoCharacters)
{
    test::writeFile(app.files.DefFile, "ab\ncd\r\nef");
    frmDef window(app);
    EditorTextBox* box = window.txtEdit();
    struct Case {
        long start, length;
        long expectStart, expectLength;
        const char16_t* selected;
    };
    const Case cases[] = {
        {4, 2, 4, 2, u"cd"},
        {3, 0, 2, 0, u""},        // between CR and LF: the end of the line
        {1, 4, 1, 4, u"b\r\nc"},
        {8, 2, 8, 2, u"ef"},
        {50, 3, 10, 0, u""},
    };
    for (const Case& c : cases) {
        box->setSelection(c.start, c.length);
        EXPECT_EQ(box->selStart(), c.expectStart) << c.start;
        EXPECT_EQ(box->selLength(), c.expectLength) << c.start;
        EXPECT_EQ(box->selText(), c.selected) << c.start;
    }
}

TEST_F(EditorTest, FindDialogDrivesTheTextBox)
{
    test::writeFile(app.files.DefFile, "abc abc");
    frmDef window(app);
    EditorTextBox* box = window.txtEdit();
    app.textEditors.search = SearchSettings{};
    app.textEditors.search.matchCase = true;

    frmFind find(app, box);
    EXPECT_EQ(find.windowTitle(), "Find");
    EXPECT_FALSE(find.cmdFind->isEnabled());
    EXPECT_TRUE(find.optDirection[1]->isChecked());
    EXPECT_TRUE(find.chkCase->isChecked());
    find.Text1->setText("abc");
    EXPECT_TRUE(find.cmdFind->isEnabled());

    box->setSelection(2, 0);
    QTest::mouseClick(find.cmdFind, Qt::LeftButton);
    EXPECT_EQ(box->selStart(), 4);
    EXPECT_EQ(box->selLength(), 3);
    QTest::mouseClick(find.cmdFind, Qt::LeftButton);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Cannot find \"abc\""});
    EXPECT_EQ(app.textEditors.search.lastMatch, -1);
    EXPECT_EQ(box->selStart(), 4);
    QTest::mouseClick(find.cmdFind, Qt::LeftButton);
    EXPECT_EQ(box->selStart(), 4);

    // Replace: first click expands, then replaces the selected match.
    QTest::mouseClick(find.cmdReplace, Qt::LeftButton);
    EXPECT_EQ(find.cmdReplace->text(), "Replace");
    EXPECT_FALSE(find.txtReplace->isHidden());
    find.txtReplace->setText("xy");
    box->setSelection(0, 3);
    QTest::mouseClick(find.cmdReplace, Qt::LeftButton);
    EXPECT_EQ(shown(box), "xy abc");
    EXPECT_EQ(box->selStart(), 3);
    EXPECT_TRUE(window.modified());

    find.optDirection[0]->click();
    EXPECT_EQ(app.textEditors.search.direction, kFindUp);
    find.chkCase->click();
    EXPECT_FALSE(app.textEditors.search.matchCase);
    find.Text1->setText("");
    EXPECT_FALSE(find.cmdFind->isEnabled());
    find.Text1->setText("XY");
    QTest::mouseClick(find.cmdcancel, Qt::LeftButton);
    EXPECT_EQ(app.textEditors.search.findText, u"XY");

    frmFind reopened(app, box);
    EXPECT_TRUE(reopened.optDirection[0]->isChecked());
    EXPECT_FALSE(reopened.chkCase->isChecked());
}

TEST(RealCharacters, EveryTextWindowShowsItsFileAndSavesItUnchanged)
{
    for (const char* character : {"winmugen-kfm", "ikemen-kfm"}) {
        TestApp t;
        App& app = *t.app;
        const std::string dir = t.path("chars/kfm/");
        std::filesystem::create_directories(dir);
        for (const char* name : {"kfm.def", "kfm.cns", "kfm.cmd", "kfm.air"})
            std::filesystem::copy_file(test::realchars(std::string(character) + "/" + name), dir + name);
        ASSERT_TRUE(ReadDefinition(dir + "kfm.def", app.files).ok) << character;
        std::vector<std::unique_ptr<TextEditorWindow>> windows;
        windows.emplace_back(new frmDef(app));
        windows.emplace_back(new frmCNS(app));
        windows.emplace_back(new frmCMD(app));
        windows.emplace_back(new frmAIR(app));
        windows.emplace_back(new frmST(app));
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << character;
        for (const auto& window : windows) {
            const std::string path = window->filePath().toStdString();
            ASSERT_FALSE(path.empty()) << character;
            const std::string before = test::readFile(path);
            const ShownText expected = decodeText(before);
            EXPECT_EQ(window->txtEdit()->text(), joinedWithCrLf(expected.lines)) << path;
            EXPECT_GT(window->txtEdit()->document()->blockCount(), 10) << path;
            ASSERT_TRUE(window->Save()) << path;
            EXPECT_EQ(test::readFile(path), before) << path;
        }
    }
}

TEST_F(EditorTest, FindFromAWindowSearchesThatWindowsText)
{
    frmMain main(app);
    registerTextWindows(main);
    auto* def = qobject_cast<frmDef*>(main.openWindow("frmDef"));
    auto* cmd = qobject_cast<frmCMD*>(main.openWindow("frmCMD"));
    ASSERT_TRUE(def && cmd);
    app.textEditors.search = SearchSettings{};
    app.textEditors.search.lastMatch = -1;
    bool searched = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmFind*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->Text1->setText("name");
        dialog->cmdFind->click();
        searched = true;
        dialog->cmdcancel->click();
    });
    cmd->toolbarAction("Find")->trigger();
    EXPECT_TRUE(searched);
    EXPECT_EQ(cmd->txtEdit()->selText(), u"name");
    EXPECT_EQ(cmd->txtEdit()->selStart(), 11);
    EXPECT_EQ(main.window("frmFind"), nullptr);
}
