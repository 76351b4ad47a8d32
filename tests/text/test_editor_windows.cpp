#include "formats/character_definition.h"
#include "shell/main_window.h"
#include "text/block_folder.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/find_dialog.h"
#include "text/help_viewer.h"
#include "text/notepad_window.h"
#include "text/register_windows.h"
#include "text/state_file_window.h"
#include "ui/document_views.h"

#include "shortcut_table.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QUndoStack>

#include <filesystem>
#include <functional>
#include <memory>

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

// Types characters a keyboard may not have, as an input method would.
void typeText(QWidget* box, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

const std::string kCmd = "[Command]\r\nname = \"x\"\r\n";

struct EditorTest : ::testing::Test {
    TestApp t;
    App& app = *t.app;
    std::string dir = t.path("chars/hero/");

    void SetUp() override
    {
        test::files(app).characterDir = dir;
        test::files(app).defFile = dir + "hero.def";
        test::files(app).commandFile = dir + "hero.cmd";
        test::writeFile(test::files(app).defFile, "a");
        test::writeFile(test::files(app).commandFile, kCmd);
    }
};

} // namespace

TEST_F(EditorTest, LoadEditSaveAndRevert)
{
    DefinitionWindow window(app);
    EXPECT_EQ(shown(window.editor()), "a");
    EXPECT_FALSE(window.modified());

    typeAtEnd(window.editor(), "b");
    EXPECT_TRUE(window.modified());
    EXPECT_EQ(window.windowTitle(), "Character Definition File (DEF) - hero.def[*]");
    EXPECT_TRUE(window.isWindowModified()) << "the title is marked";
    window.toolbarAction(TextTool::Save)->trigger();
    EXPECT_EQ(test::readFile(test::files(app).defFile), "ab\r\n");
    EXPECT_FALSE(window.modified());
    EXPECT_EQ(t.dialogs.busyDepth, 0);
    window.menuAction(MenuCommand::Save)->trigger(); // the text now ends with a line break: nothing added
    EXPECT_EQ(test::readFile(test::files(app).defFile), "ab\r\n");

    // Revert asks first; No keeps the text, Yes reads the file again as one
    // step, which Undo takes back.
    typeAtEnd(window.editor(), "zzz");
    t.dialogs.answers.enqueue(Answer::No);
    window.menuAction(MenuCommand::Revert)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Discard your changes to hero.def?"});
    EXPECT_EQ(shown(window.editor()), "abzzz");
    t.dialogs.answers.enqueue(Answer::Yes);
    window.menuAction(MenuCommand::Revert)->trigger();
    EXPECT_EQ(shown(window.editor()), "ab\r\n");
    EXPECT_FALSE(window.modified());
    window.undo();
    EXPECT_EQ(shown(window.editor()), "abzzz");
    EXPECT_TRUE(window.modified());
    window.redo();
    EXPECT_FALSE(window.modified());
    t.dialogs.clear();

    // Another character was opened meanwhile: Save writes to the file the text came from.
    typeAtEnd(window.editor(), "!");
    test::files(app).defFile = dir + "other.def";
    test::writeFile(test::files(app).defFile, "other\r\n");
    ASSERT_TRUE(window.save());
    EXPECT_EQ(test::readFile(dir + "hero.def"), "ab\r\n!\r\n");
    EXPECT_EQ(test::readFile(dir + "other.def"), "other\r\n");
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

// Every text view numbers its lines in a gutter that widens with the count,
// marks the caret's line, and goes to a line asked for (Ctrl+G).
TEST_F(EditorTest, LineNumbersTheCaretsLineAndGoToLine)
{
    std::string text;
    for (int k = 1; k <= 150; ++k)
        text += "line " + std::to_string(k) + "\r\n";
    test::writeFile(test::files(app).defFile, text);
    DefinitionWindow window(app);
    window.resize(500, 300);
    window.show();
    EditorTextBox* box = window.editor();
    QWidget* gutter = box->lineNumberArea();
    ASSERT_NE(gutter, nullptr);
    const int digit = box->fontMetrics().horizontalAdvance(QLatin1Char('9'));
    EXPECT_EQ(box->lineNumberAreaWidth(), digit * 4 + 6 + box->folder()->markerWidth())
        << "three digits, a margin and the fold markers";
    EXPECT_EQ(box->viewport()->geometry().left(), gutter->geometry().right() + 1)
        << "the text starts after the numbers";

    QAction* goTo = window.menuAction(MenuCommand::GoToLine);
    ASSERT_NE(goTo, nullptr);
    EXPECT_EQ(goTo->shortcut(), QKeySequence("Ctrl+G"));
    t.dialogs.texts.enqueue(QStringLiteral(" 120 "));
    goTo->trigger();
    EXPECT_EQ(box->textCursor().blockNumber(), 119);
    EXPECT_EQ(box->textCursor().block().text(), "line 120");
    // The caret's line has its own background, across the whole width.
    const QList<QTextEdit::ExtraSelection> marks = box->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].cursor.blockNumber(), 119);
    EXPECT_TRUE(marks[0].format.property(QTextFormat::FullWidthSelection).toBool());

    // A line that is not there is said, and the caret stays.
    for (const char* wrong : {"0", "152", "ten"}) {
        t.dialogs.clear();
        t.dialogs.texts.enqueue(QString::fromLatin1(wrong));
        goTo->trigger();
        EXPECT_EQ(t.dialogs.messageTexts(),
                  QStringList{QStringLiteral("There is no line %1: the lines go from 1 to 151.").arg(wrong)});
        EXPECT_EQ(box->textCursor().blockNumber(), 119);
    }
    t.dialogs.clear();
    goTo->trigger(); // cancelled: nothing happens
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_EQ(box->textCursor().blockNumber(), 119);
}

// The outline beside the commands: each [Command] by its name; the entry
// follows the caret, a click goes to its line, and typing a new command shows
// it a moment later. The .def window has none.
TEST_F(EditorTest, TheOutlineFollowsTheCaretAndGoesWhereItIsClicked)
{
    test::writeFile(test::files(app).commandFile,
                    "[Command]\r\nname = \"QCF_x\"\r\ncommand = ~D, DF, F, x\r\n\r\n"
                    "[Command]\r\nname = \"fwd\"\r\ncommand = F\r\n\r\n[Statedef -1]\r\n");
    CommandsWindow window(app);
    window.show();
    QListWidget* outline = window.outline();
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->count(), 2);
    EXPECT_EQ(outline->item(1)->text(), "fwd");

    EditorTextBox* box = window.editor();
    box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(6)));
    EXPECT_EQ(outline->currentRow(), 1);
    emit outline->itemClicked(outline->item(0));
    EXPECT_EQ(box->textCursor().blockNumber(), 0);
    EXPECT_EQ(outline->currentRow(), 0);

    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n[Command]\nname = \"back\""));
    EXPECT_TRUE(QTest::qWaitFor([&] { return outline->count() == 3; }, 2000));
    EXPECT_EQ(outline->item(2)->text(), "back");

    DefinitionWindow def(app);
    EXPECT_EQ(def.outline(), nullptr);
}

TEST_F(EditorTest, AChangeOnDiskShowsABarInEveryViewOfAModifiedDocument)
{
    test::files(app).constantsFile = dir + "hero.cns";
    test::files(app).stateFiles[0] = dir + "hero.cns";
    test::writeFile(dir + "hero.cns", "[Data]\r\nlife = 1000\r\n");
    ConstantsWindow constants(app);
    StateFileWindow states(app);
    const auto bar = [](QWidget& w) { return w.findChild<ChangedOnDiskBar*>("changedOnDiskBar"); };
    ASSERT_NE(bar(constants), nullptr);
    ASSERT_NE(bar(states), nullptr);
    EXPECT_FALSE(bar(constants)->isVisibleTo(&constants));

    // Unmodified, the document reads the change by itself: no bar.
    test::writeFile(dir + "hero.cns", "[Data]\r\nlife = 900\r\n");
    t.documents->checkFiles();
    EXPECT_EQ(shown(constants.editor()), "[Data]\r\nlife = 900\r\n");
    EXPECT_FALSE(bar(constants)->isVisibleTo(&constants));

    // Modified: both views show the bar, and the text stays mine.
    typeAtEnd(states.editor(), "; mine");
    test::writeFile(dir + "hero.cns", "[Data]\r\nlife = 800\r\n");
    t.documents->checkFiles();
    for (QWidget* w : {static_cast<QWidget*>(&constants), static_cast<QWidget*>(&states)}) {
        EXPECT_TRUE(bar(*w)->isVisibleTo(w));
        EXPECT_EQ(bar(*w)->label->text(), "hero.cns changed on disk.");
        EXPECT_EQ(bar(*w)->reloadButton->text(), "Reload");
        EXPECT_EQ(bar(*w)->keepButton->text(), "Keep mine");
    }
    EXPECT_TRUE(shown(constants.editor()).endsWith("; mine"));

    // Keep mine: the bars go, and Save writes mine without asking.
    bar(constants)->keepButton->click();
    EXPECT_FALSE(bar(states)->isVisibleTo(&states));
    ASSERT_TRUE(states.save());
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|");
    EXPECT_EQ(test::readFile(dir + "hero.cns"), "[Data]\r\nlife = 900\r\n; mine\r\n");

    // Reload: their text, as a step Undo takes back.
    typeAtEnd(constants.editor(), "!");
    test::writeFile(dir + "hero.cns", "[Data]\r\nlife = 700\r\n");
    t.documents->checkFiles();
    ASSERT_TRUE(bar(states)->isVisibleTo(&states));
    bar(states)->reloadButton->click();
    EXPECT_EQ(shown(states.editor()), "[Data]\r\nlife = 700\r\n");
    EXPECT_FALSE(bar(constants)->isVisibleTo(&constants));
    EXPECT_FALSE(constants.modified());
    constants.undo();
    EXPECT_TRUE(shown(constants.editor()).endsWith("; mine!")) << shown(constants.editor());
    EXPECT_TRUE(constants.modified());
}

TEST_F(EditorTest, MixedLineEndsSurviveLoadingTypingLineEditsAndSaving)
{
    const struct {
        std::string file;
        int line;             // Return and "x" typed at the end of this line
        std::string typed;    // the file after that and Save
        std::string replaced; // what replaceTextBytes() makes of the loaded text
    } cases[] = {
        // CR LF is the usual end: the typed break takes it, every other end stays.
        {"a\r\nb\nc\rd\r\n", 1, "a\r\nb\r\nx\nc\rd\r\n", "a\r\nB\nc\rd\r\n"},
        // LF is: a lone CR LF among them stays where it was.
        {"a\nb\r\nc\nd\n", 0, "a\nx\nb\r\nc\nd\n", "a\nb\r\nC\nd\n"},
        {"one\rtwo\rthree", 2, "one\rtwo\rthree\rx\r\n", "one\rtwo\rthree!"},
    };
    for (const auto& c : cases) {
        t.closeDocuments();
        test::writeFile(test::files(app).defFile, c.file);
        {
            DefinitionWindow window(app);
            ASSERT_TRUE(window.save());
            EXPECT_EQ(test::readFile(test::files(app).defFile),
                      c.file + (c.file.ends_with('\n') || c.file.ends_with('\r') ? "" : "\r\n"));
            window.goToLine(c.line + 1);
            window.editor()->moveCursor(QTextCursor::EndOfLine);
            QTest::keyClick(window.editor(), Qt::Key_Return);
            QTest::keyClicks(window.editor(), "x");
            ASSERT_TRUE(window.save());
            EXPECT_EQ(test::readFile(test::files(app).defFile), c.typed) << c.file;
        }
        t.closeDocuments();
        test::writeFile(test::files(app).defFile, c.file);
        DefinitionWindow window(app);
        ASSERT_TRUE(window.replaceTextBytes(c.replaced)) << c.file;
        EXPECT_EQ(window.textBytes(), c.replaced) << c.file;
    }
}

TEST_F(EditorTest, ABigFileShowsItsFirstLinesAtOnceAndTheRestComesInStepsThatAreNoEdit)
{
    // Lines that end in CR LF but one, far down, that ends in LF alone.
    std::string file;
    for (int n = 0; n < 25'000; ++n)
        file += "line " + std::to_string(n) + (n == 24'000 ? "\n" : "\r\n");
    test::writeFile(test::files(app).defFile, file);
    const auto loadAll = [](EditorTextBox* box) {
        while (box->isLoading())
            QCoreApplication::processEvents();
    };

    {
        DefinitionWindow window(app);
        EditorTextBox* box = window.editor();
        window.show();
        QSignalSpy loaded(box, &EditorTextBox::loaded);
        ASSERT_TRUE(box->isLoading());
        EXPECT_LT(box->document()->blockCount(), 25'000);
        EXPECT_EQ(box->lineCount(), 25'001);
        EXPECT_EQ(box->document()->firstBlock().text(), "line 0");
        loadAll(box);
        EXPECT_EQ(loaded.count(), 1);
        EXPECT_EQ(box->document()->blockCount(), 25'001);
        EXPECT_FALSE(window.modified());
        EXPECT_FALSE(box->document()->isUndoAvailable());
        ASSERT_TRUE(window.save());
        EXPECT_EQ(test::readFile(test::files(app).defFile), file);
    }
    {
        // A key while the rest comes in: the rest first, then the key.
        t.closeDocuments();
        DefinitionWindow window(app);
        EditorTextBox* box = window.editor();
        box->moveCursor(QTextCursor::EndOfLine);
        QTest::keyClick(box, Qt::Key_X);
        EXPECT_FALSE(box->isLoading());
        EXPECT_TRUE(window.modified());
        ASSERT_TRUE(window.save());
        EXPECT_EQ(test::readFile(test::files(app).defFile), "line 0x" + file.substr(6));
        test::writeFile(test::files(app).defFile, file);
    }
    {
        // What reads the text gets all of it.
        t.closeDocuments();
        DefinitionWindow window(app);
        ASSERT_TRUE(window.editor()->isLoading());
        EXPECT_EQ(window.textBytes(), file);
        EXPECT_FALSE(window.editor()->isLoading());
    }
    {
        // A new text while the rest comes in takes its place; a revert
        // then reads the file, and closing leaves nothing behind.
        t.closeDocuments();
        DefinitionWindow window(app);
        ASSERT_TRUE(window.editor()->isLoading());
        window.editor()->setPlainText(QStringLiteral("restored"));
        EXPECT_FALSE(window.editor()->isLoading());
        QCoreApplication::processEvents();
        EXPECT_EQ(shown(window.editor()), "restored");
        window.revert();
        EXPECT_EQ(window.textBytes(), file);
    }
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST_F(EditorTest, AFileStillToBeWrittenIsCreatedOnSave)
{
    struct Case {
        const char* name; // what the .def names as the CMD file
        bool folder;      // a folder stands there instead of a file
        int errorNumber;  // in the message shown on opening
    };
    const Case cases[] = {{"moves.cmd", false, 2}, {"folder.cmd", true, 21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = dir + c.name;
        if (c.folder)
            std::filesystem::create_directories(file);
        test::writeFile(test::files(app).defFile,
                        "[Files]\r\nsprite = hero.sff\r\ncmd = " + std::string(c.name) + "\r\n");
        CharacterFiles files;
        ASSERT_TRUE(readDefinition(test::files(app).defFile, files));
        test::files(app) = files;
        ASSERT_EQ(test::files(app).commandFile, file);
        t.dialogs.clear();

        CommandsWindow window(app);
        if (c.folder) {
            // Whatever stands there is not the file: it cannot be shown, and nothing replaces it.
            EXPECT_EQ(t.dialogs.messageTexts(),
                      QStringList{"Can't open file: " + QString::fromStdString(file) + " with error "
                                  + QString::number(c.errorNumber)});
            EXPECT_EQ(window.document(), nullptr);
            EXPECT_FALSE(window.save());
            EXPECT_TRUE(std::filesystem::is_directory(file));
            continue;
        }
        // A file not written yet opens empty, without a word.
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
        EXPECT_EQ(shown(window.editor()), "");
        EXPECT_FALSE(window.modified());
        typeAtEnd(window.editor(), "[Command]");
        QTest::keyClick(window.editor(), Qt::Key_Return);
        QTest::keyClicks(window.editor(), "name = \"x\"");
        window.toolbarAction(TextTool::Save)->trigger();
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
        EXPECT_EQ(test::readFile(file), "[Command]\r\nname = \"x\"\r\n");
        EXPECT_FALSE(window.modified());
        EXPECT_EQ(window.filePath(), QString::fromStdString(file));
    }
}

TEST_F(EditorTest, ClosingAWindowAsksNothingAndLosesNothing)
{
    {
        CommandsWindow window(app);
        typeAtEnd(window.editor(), ";");
        EXPECT_TRUE(window.close());
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
    }
    // The document kept the text and its history: a window opened again shows both.
    CommandsWindow window(app);
    EXPECT_TRUE(shown(window.editor()).endsWith(";"));
    EXPECT_TRUE(window.modified());
    window.undo();
    EXPECT_EQ(shown(window.editor()), QString::fromStdString(kCmd));
    EXPECT_FALSE(window.modified());
    EXPECT_EQ(test::readFile(test::files(app).commandFile), kCmd);
}

TEST_F(EditorTest, SaveFailuresSayWhyAndKeepTheChanges)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& file)> spoil;
        QString message;
    };
    const Case cases[] = {
        {"a file that turned into a folder",
         [](const std::string& file) {
             std::filesystem::remove(file);
             std::filesystem::create_directories(file + "/inside");
         },
         "hero.cmd"},
        {"a read-only file",
         [](const std::string& file) { std::filesystem::permissions(file, std::filesystem::perms::owner_read); },
         "hero.cmd is read-only."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.closeDocuments();
        const std::string file = test::files(app).commandFile;
        std::filesystem::remove_all(file);
        test::writeFile(file, kCmd);
        t.dialogs.clear();
        CommandsWindow window(app);
        typeAtEnd(window.editor(), ";");
        c.spoil(file);
        EXPECT_FALSE(window.save());
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_TRUE(t.dialogs.messages[0].text.contains(c.message)) << t.dialogs.messages[0].text.toStdString();
        EXPECT_TRUE(window.modified());
        EXPECT_TRUE(shown(window.editor()).endsWith(";"));
        if (!std::filesystem::is_directory(file))
            EXPECT_EQ(test::readFile(file), kCmd);
        std::filesystem::permissions(file, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    }
}

TEST_F(EditorTest, CloseAllClosesEveryWindowAndTheirDocumentsKeepTheChanges)
{
    MainWindow main(app);
    registerTextWindows(main);
    test::files(app).constantsFile = dir + "hero.cns";
    test::writeFile(test::files(app).constantsFile, "[Data]\r\n");
    auto* cmd = qobject_cast<CommandsWindow*>(main.openWindow(WindowKind::Commands));
    ASSERT_TRUE(cmd);
    for (WindowKind kind : {WindowKind::Definition, WindowKind::Constants, WindowKind::Notepad})
        ASSERT_TRUE(main.openWindow(kind));
    typeAtEnd(cmd->editor(), "; edited");
    Document* commands = cmd->document();
    cmd->menuAction(MenuCommand::CloseAll)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (WindowKind kind : {WindowKind::Commands, WindowKind::Definition, WindowKind::Constants, WindowKind::Notepad})
        EXPECT_EQ(main.loadedWindow(kind), nullptr) << windowKey(kind).toStdString();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_TRUE(commands->isModified());
    cmd = qobject_cast<CommandsWindow*>(main.openWindow(WindowKind::Commands));
    ASSERT_TRUE(cmd);
    EXPECT_TRUE(shown(cmd->editor()).endsWith("; edited"));
}

TEST_F(EditorTest, NotepadNewOpenSaveAsAndSave)
{
    const std::string opened = dir + "notes.txt", copy = dir + "copy.txt";
    test::writeFile(opened, "first\n");
    NotepadWindow pad(app);
    t.dialogs.files.enqueue(QString::fromStdString(opened));
    pad.toolbarAction(TextTool::Open)->trigger();
    ASSERT_EQ(t.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(t.dialogs.fileDialogs[0].directory, QString::fromStdString(dir));
    EXPECT_EQ(shown(pad.editor()), "first\r\n");

    typeAtEnd(pad.editor(), "second");
    t.dialogs.files.enqueue(QString::fromStdString(copy));
    pad.menuAction(MenuCommand::SaveAs)->trigger();
    EXPECT_EQ(test::readFile(copy), "first\nsecond\r\n");
    EXPECT_FALSE(pad.modified());
    EXPECT_EQ(pad.filePath(), QString::fromStdString(copy));
    EXPECT_EQ(pad.windowTitle(), "Notepad - copy.txt[*]");
    // Save writes to the file saved as: the one opened first stays as it was.
    typeAtEnd(pad.editor(), "!");
    pad.toolbarAction(TextTool::Save)->trigger();
    EXPECT_EQ(test::readFile(copy), "first\nsecond!\r\n");
    EXPECT_EQ(test::readFile(opened), "first\n");

    // Open answered No with the dialog cancelled: nothing happened, so text,
    // file and changes all stay.
    typeAtEnd(pad.editor(), "?");
    t.dialogs.clear();
    t.dialogs.answers.enqueue(Answer::No);
    pad.menuAction(MenuCommand::Open)->trigger();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Changes have been made!  Save first?"});
    EXPECT_TRUE(shown(pad.editor()).endsWith("?"));
    EXPECT_EQ(pad.filePath(), QString::fromStdString(copy));
    EXPECT_TRUE(pad.modified());

    // New answered Yes saves the text to its file first.
    t.dialogs.answers.enqueue(Answer::Yes);
    pad.toolbarAction(TextTool::New)->trigger();
    EXPECT_EQ(test::readFile(copy), "first\nsecond!?\r\n");
    EXPECT_EQ(shown(pad.editor()), "");

    // A text without a file: Yes with the save dialog cancelled keeps it, No lets it go.
    typeAtEnd(pad.editor(), "draft");
    t.dialogs.answers.enqueue(Answer::Yes);
    pad.toolbarAction(TextTool::New)->trigger();
    EXPECT_EQ(shown(pad.editor()), "draft");
    EXPECT_TRUE(pad.modified());
    t.dialogs.answers.enqueue(Answer::No);
    pad.menuAction(MenuCommand::New)->trigger();
    EXPECT_EQ(shown(pad.editor()), "");
    EXPECT_TRUE(pad.filePath().isEmpty());
    test::files(app).characterDir.clear();
    t.dialogs.files.enqueue(QString());
    pad.saveAs();
    EXPECT_EQ(t.dialogs.fileDialogs.last().directory, QDir::homePath());
}

TEST_F(EditorTest, OffsetsCountALineBreakAsTwoCharactersAndTheEditCommandsUseThem)
{
    test::writeFile(test::files(app).defFile, "ab\ncd\r\nef");
    DefinitionWindow window(app);
    EditorTextBox* box = window.editor();
    struct Case {
        long start, length, expectStart, expectLength;
        std::u16string selected;
    };
    const Case cases[] = {
        {4, 2, 4, 2, u"cd"},     {3, 0, 2, 0, u""} /* between CR and LF: the end of the line */,
        {1, 4, 1, 4, u"b\r\nc"}, {8, 2, 8, 2, u"ef"},
        {50, 3, 10, 0, u""},
    };
    for (const Case& c : cases) {
        box->setSelection(c.start, c.length);
        EXPECT_EQ(box->selStart(), c.expectStart) << c.start;
        EXPECT_EQ(box->selLength(), c.expectLength) << c.start;
        EXPECT_EQ(box->selText(), c.selected) << c.start;
    }

    QApplication::clipboard()->setText("stale");
    box->setSelection(1, 0);
    window.toolbarAction(TextTool::Cut)->trigger(); // cutting nothing empties the clipboard
    EXPECT_EQ(QApplication::clipboard()->text(), "");
    box->setSelection(1, 4);
    window.menuAction(MenuCommand::Cut)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "b\nc");
    EXPECT_EQ(shown(box), "ad\r\nef");
    QApplication::clipboard()->setText("x\r\ny");
    window.toolbarAction(TextTool::Paste)->trigger();
    EXPECT_EQ(shown(box), "ax\r\nyd\r\nef");
    window.toolbarAction(TextTool::Undo)->trigger();
    EXPECT_EQ(shown(box), "ad\r\nef");
    box->setSelection(0, 2);
    window.menuAction(MenuCommand::Delete)->trigger();
    EXPECT_EQ(shown(box), "\r\nef");
    window.menuAction(MenuCommand::TimeDate)->trigger();
    EXPECT_GT(shown(box).size(), 12);
    EXPECT_TRUE(window.modified());
}

TEST_F(EditorTest, FindFromAWindowSearchesAndReplacesInThatWindowsText)
{
    test::writeFile(test::files(app).commandFile, "abc abc");
    MainWindow main(app);
    registerTextWindows(main);
    auto* cmd = qobject_cast<CommandsWindow*>(main.openWindow(WindowKind::Commands));
    ASSERT_TRUE(cmd && main.openWindow(WindowKind::Definition)); // the other window is the active one
    EditorTextBox* box = cmd->editor();
    box->setSelection(2, 0);
    app.search = SearchSettings{u"", true, kFindDown, 0};
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* find = qobject_cast<FindDialog*>(QApplication::activeModalWidget());
        if (!find)
            return;
        EXPECT_TRUE(find->matchCaseBox->isChecked());
        EXPECT_FALSE(find->findButton->isEnabled());
        find->findEdit->setText("abc");
        find->findButton->click();
        EXPECT_EQ(box->selStart(), 4);
        EXPECT_EQ(box->selLength(), 3);
        find->findButton->click();
        EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Cannot find \"abc\""});
        find->replaceButton->click(); // the first click expands, the second replaces the selected match
        EXPECT_FALSE(find->replaceEdit->isHidden());
        find->replaceEdit->setText("xy");
        box->setSelection(0, 3);
        find->replaceButton->click();
        find->upButton->click();
        find->matchCaseBox->click();
        ran = true;
        find->cancelButton->click();
    });
    cmd->toolbarAction(TextTool::Find)->trigger();
    ASSERT_TRUE(ran);
    EXPECT_EQ(shown(box), "xy abc");
    EXPECT_EQ(box->selStart(), 3);
    EXPECT_TRUE(cmd->modified());
    EXPECT_EQ(main.loadedWindow(WindowKind::Find), nullptr);
    EXPECT_EQ(app.search.findText, u"abc");
    // The choices outlive the dialog.
    FindDialog reopened(app, box);
    EXPECT_TRUE(reopened.upButton->isChecked());
    EXPECT_FALSE(reopened.matchCaseBox->isChecked());
}

TEST(RealCharacters, EveryTextWindowShowsItsFileAndSavesItUnchanged)
{
    for (const char* character : {"winmugen-kfm", "ikemen-kfm"}) {
        TestApp t;
        App& app = *t.app;
        const std::string dir = t.path("chars/kfm/");
        std::filesystem::create_directories(dir);
        for (const char* name : {"kfm.def", "kfm.cns", "kfm.cmd", "kfm.air"}) {
            std::filesystem::copy_file(test::realchars(std::string(character) + "/" + name), dir + name);
            std::filesystem::permissions(dir + name, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
        ASSERT_TRUE(readDefinition(dir + "kfm.def", test::files(app))) << character;
        const std::unique_ptr<TextEditorWindow> windows[] = {
            std::make_unique<DefinitionWindow>(app), std::make_unique<ConstantsWindow>(app),
            std::make_unique<CommandsWindow>(app), std::make_unique<AnimationTextWindow>(app),
            std::make_unique<StateFileWindow>(app)};
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << character;
        for (const auto& window : windows) {
            const std::string path = window->filePath().toStdString();
            ASSERT_FALSE(path.empty()) << character;
            const std::string before = test::readFile(path);
            EXPECT_EQ(window->editor()->text(), joinedWithCrLf(decodeText(before).lines)) << path;
            EXPECT_GT(window->editor()->document()->blockCount(), 10) << path;
            ASSERT_TRUE(window->save()) << path << " " << t.dialogs.messageTexts().join("|").toStdString();
            EXPECT_EQ(test::readFile(path), before) << path;
        }
    }
}

// Both kfm characters name kfm.cns as their constants and their states: the
// two windows are views of one document, so neither save loses the other's edit.
TEST(RealCharacters, TheConstantsAndTheStatesWindowsEditOneDocumentOfKfmCns)
{
    for (const char* character : {"winmugen-kfm", "ikemen-kfm"}) {
        SCOPED_TRACE(character);
        TestApp t;
        App& app = *t.app;
        const std::string dir = t.path("chars/kfm/");
        std::filesystem::create_directories(dir);
        for (const char* name : {"kfm.def", "kfm.cns"}) {
            std::filesystem::copy_file(test::realchars(std::string(character) + "/" + name), dir + name);
            std::filesystem::permissions(dir + name, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
        ASSERT_TRUE(readDefinition(dir + "kfm.def", test::files(app)));
        ASSERT_EQ(test::files(app).constantsFile, test::files(app).stateFiles[0]);
        ConstantsWindow constants(app);
        StateFileWindow states(app);
        ASSERT_EQ(constants.viewedDocument(), states.viewedDocument());

        // The life in the constants window: the states window shows it at once.
        QTextCursor life = constants.editor()->document()->find(QRegularExpression("^life = 1000"));
        ASSERT_FALSE(life.isNull());
        life.insertText("life = 1234");
        EXPECT_TRUE(states.editor()->toPlainText().contains("life = 1234"));
        EXPECT_TRUE(states.modified());

        // A new state in the states window, one save there: both edits are on disk.
        states.editor()->moveCursor(QTextCursor::End);
        states.editor()->insertPlainText("\n[Statedef 9999]\ntype = S\n");
        EXPECT_TRUE(constants.editor()->toPlainText().contains("[Statedef 9999]"));
        ASSERT_TRUE(states.save()) << t.dialogs.messageTexts().join("|");
        const std::string onDisk = test::readFile(dir + "kfm.cns");
        EXPECT_NE(onDisk.find("life = 1234"), std::string::npos);
        // New lines end as the file's lines do (CR LF in one, LF in the other).
        const std::string end =
            test::readFile(test::realchars(std::string(character) + "/kfm.cns")).find('\r') != std::string::npos
            ? "\r\n"
            : "\n";
        EXPECT_NE(onDisk.find("[Statedef 9999]" + end + "type = S" + end), std::string::npos);
        EXPECT_EQ(onDisk.find("life = 1000"), std::string::npos);
        EXPECT_FALSE(constants.modified()) << "saved once, for both windows";
        EXPECT_FALSE(states.modified());
        EXPECT_FALSE(constants.windowTitle().isEmpty());
        EXPECT_FALSE(constants.isWindowModified());

        // Undo in either window goes through the one history.
        constants.viewedDocument()->undoStack()->undo();
        EXPECT_FALSE(states.editor()->toPlainText().contains("[Statedef 9999]"));
        EXPECT_TRUE(constants.isWindowModified());
        EXPECT_TRUE(states.isWindowModified());
    }
}

TEST_F(EditorTest, AShiftJisFileIsShownAndSavedInItsEncodingAndAnUnwritableCharacterIsAskedAbout)
{
    // 0x879A is written 0x81E6 by the encoder: only an unedited line keeps it.
    const std::string file = "; \x83\x4C\x83\x83\x83\x89\r\nname = \"x\"\r\n; \x87\x9A\r\n";
    const auto line2 = [](const std::string& typed) {
        return "; \x83\x4C\x83\x83\x83\x89\r\nname = \"x\"" + typed + "\r\n; \x87\x9A\r\n";
    };
    const QString euro = QString(QChar(0x20AC));
    const QString kanji = QString::fromUtf16(u"\u65E5\u672C");
    const struct {
        QString typed;
        QList<Answer> answers;
        bool saved;
        std::string written;
        QString encodingAfter;
    } cases[] = {
        {kanji, {}, true, line2("\x93\xFA\x96\x7B"), "Shift-JIS"},
        {kanji + euro, {Answer::No}, true, line2("\x93\xFA\x96\x7B?"), "Shift-JIS"},
        {euro, {Answer::Cancel}, false, file, "Shift-JIS"},
        // As UTF-8 every line is written anew.
        {euro,
         {Answer::Yes},
         true,
         "; \xE3\x82\xAD\xE3\x83\xA3\xE3\x83\xA9\r\nname = \"x\"\xE2\x82\xAC\r\n; \xE2\x88\xB5\r\n",
         "UTF-8"},
    };
    for (const auto& c : cases) {
        t.closeDocuments();
        test::writeFile(test::files(app).defFile, file);
        t.dialogs.clear();
        DefinitionWindow window(app);
        EXPECT_EQ(window.encodingBox()->currentText(), "Shift-JIS");
        EXPECT_TRUE(shown(window.editor()).startsWith(QString::fromUtf16(u"; \u30AD\u30E3\u30E9\r\n")));
        EXPECT_EQ(window.windowTitle(), "Character Definition File (DEF) - hero.def[*]");
        window.goToLine(2);
        window.editor()->moveCursor(QTextCursor::EndOfLine);
        typeText(window.editor(), c.typed);
        for (Answer a : c.answers)
            t.dialogs.answers.enqueue(a);
        EXPECT_EQ(window.save(), c.saved) << c.typed.toStdString();
        EXPECT_EQ(test::readFile(test::files(app).defFile), c.written) << c.typed.toStdString();
        EXPECT_EQ(window.modified(), !c.saved);
        EXPECT_EQ(window.encodingBox()->currentText(), c.encodingAfter);
        ASSERT_EQ(t.dialogs.messages.size(), c.answers.size()) << c.typed.toStdString();
        if (!c.answers.isEmpty()) {
            EXPECT_TRUE(t.dialogs.messages[0].text.contains(euro + QString::fromUtf16(u"\u201D on line 2")));
            EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNoCancel);
        }
        // Saved again, the question is not asked twice and nothing changes.
        if (c.saved) {
            ASSERT_TRUE(window.save());
            EXPECT_EQ(test::readFile(test::files(app).defFile), c.written);
            EXPECT_EQ(t.dialogs.messages.size(), c.answers.size());
        }
    }
}

TEST_F(EditorTest, ChoosingAnotherEncodingReadsTheFileAgainAfterAskingAboutEdits)
{
    const std::string file = "caf\x83\x4C\r\n";
    test::writeFile(test::files(app).defFile, file);
    DefinitionWindow window(app);
    QComboBox* box = window.encodingBox();
    EXPECT_EQ(box->currentText(), "Shift-JIS");
    EXPECT_EQ(shown(window.editor()), QString::fromUtf16(u"caf\u30AD\r\n"));

    emit box->activated(box->findText("Latin-1"));
    EXPECT_EQ(shown(window.editor()), QString::fromUtf16(u"caf\u0083L\r\n"));
    EXPECT_EQ(box->currentText(), "Latin-1");
    EXPECT_TRUE(t.dialogs.messages.isEmpty()); // nothing to lose

    // Edited: No keeps the edit and the encoding, Yes reads the file again.
    typeAtEnd(window.editor(), "!");
    t.dialogs.answers.enqueue(Answer::No);
    emit box->activated(box->findText("UTF-8"));
    EXPECT_EQ(box->currentText(), "Latin-1");
    EXPECT_EQ(shown(window.editor()), QString::fromUtf16(u"caf\u0083L\r\n!"));
    EXPECT_EQ(t.dialogs.messages.size(), 1);
    t.dialogs.answers.enqueue(Answer::Yes);
    emit box->activated(box->findText("UTF-8"));
    EXPECT_EQ(box->currentText(), "UTF-8");
    EXPECT_EQ(shown(window.editor()), QString::fromUtf16(u"caf\uFFFDL\r\n"));
    EXPECT_FALSE(window.modified());

    // A typed line in a file read as UTF-8 despite a stray byte: the other bytes stay.
    window.editor()->moveCursor(QTextCursor::Start);
    typeText(window.editor(), QString::fromUtf16(u"\u00E9"));
    QTest::keyClick(window.editor(), Qt::Key_Return);
    ASSERT_TRUE(window.save());
    EXPECT_EQ(test::readFile(test::files(app).defFile), "\xC3\xA9\r\n" + file);

    // The notepad's new text has no file to read: the choice is what Save writes.
    NotepadWindow notepad(app);
    notepad.editor()->setLines({TextLine{u"\u00E9", LineEnd::None}});
    QComboBox* notepadBox = notepad.encodingBox();
    emit notepadBox->activated(notepadBox->findText("Latin-1"));
    const std::string saved = dir + "note.txt";
    t.dialogs.files.enqueue(QString::fromStdString(saved));
    ASSERT_TRUE(notepad.saveAs());
    EXPECT_EQ(test::readFile(saved), "\xE9\r\n");
}

// --- keys and help -------------------------------------------------------------------

TEST_F(EditorTest, EveryTextWindowHasTheStandardKeysEachBoundOnce)
{
    test::files(app).constantsFile = dir + "hero.cns";
    test::files(app).animationFile = dir + "hero.air";
    test::files(app).stateFiles[0] = dir + "hero.st";
    for (const char* file : {"hero.cns", "hero.air", "hero.st"})
        test::writeFile(dir + file, "; x\r\n");
    const std::pair<const char*, QKeySequence::StandardKey> common[] = {
        {"saveAction", QKeySequence::Save},           {"saveAsAction", QKeySequence::SaveAs},
        {"closeAction", QKeySequence::Close},         {"undoAction", QKeySequence::Undo},
        {"redoAction", QKeySequence::Redo},           {"findAction", QKeySequence::Find},
        {"findNextAction", QKeySequence::FindNext},   {"replaceAction", QKeySequence::Replace},
        {"selectAllAction", QKeySequence::SelectAll}, {"helpContentsAction", QKeySequence::HelpContents},
    };
    const struct {
        const char* name;
        std::function<TextEditorWindow*()> make;
    } windows[] = {
        {"DefinitionWindow", [&] { return new DefinitionWindow(app); }},
        {"ConstantsWindow", [&] { return new ConstantsWindow(app); }},
        {"CommandsWindow", [&] { return new CommandsWindow(app); }},
        {"AnimationTextWindow", [&] { return new AnimationTextWindow(app); }},
        {"StateFileWindow", [&] { return new StateFileWindow(app); }},
        {"NotepadWindow", [&] { return new NotepadWindow(app); }},
    };
    for (const auto& w : windows) {
        std::unique_ptr<TextEditorWindow> window(w.make());
        const QMap<QString, QStringList> keys = test::boundKeys(window.get());
        for (const auto& [action, key] : common) {
            // Some desktops have no Save As key: then the usual one.
            const QKeySequence bound = QKeySequence::keyBindings(key).value(
                0, key == QKeySequence::SaveAs ? QKeySequence("Ctrl+Shift+S") : QKeySequence());
            EXPECT_EQ(keys.value(test::keyText(bound)), QStringList{action}) << w.name << " " << action;
        }
        EXPECT_EQ(test::keysBoundTwice(window.get()), QStringList()) << w.name;
        // The toolbar names the keys of the menu entries it repeats.
        EXPECT_TRUE(
            window->toolbarAction(TextTool::Save)->toolTip().endsWith("(" + test::keyText(QKeySequence::Save) + ")"))
            << w.name;
        EXPECT_EQ(window->toolbarAction(TextTool::Help)->toolTip(),
                  (QString(w.name) == "StateFileWindow" ? "Get help on programming States (" : "Help (")
                      + test::keyText(QKeySequence::HelpContents) + ")")
            << w.name;
    }
    NotepadWindow pad(app);
    const QMap<QString, QStringList> keys = test::boundKeys(&pad);
    EXPECT_EQ(keys.value(test::keyText(QKeySequence::New)), QStringList{"newAction"});
    EXPECT_EQ(keys.value(test::keyText(QKeySequence::Open)), QStringList{"openAction"});
    EXPECT_EQ(pad.toolbarAction(TextTool::Open)->toolTip(), "Open (" + test::keyText(QKeySequence::Open) + ")");
}

TEST_F(EditorTest, FindNextRedoSelectAllReplaceAndCloseDoWhatTheySay)
{
    test::writeFile(test::files(app).commandFile, "abc abc");
    auto* window = new CommandsWindow(app);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<CommandsWindow> alive(window);
    window->show();
    EditorTextBox* box = window->editor();
    const auto run = [window](MenuCommand command) { window->menuAction(command)->trigger(); };

    // Find Next looks for the last find text again, from the caret.
    app.search = SearchSettings{u"abc", true, kFindDown, 0};
    box->setSelection(1, 0);
    run(MenuCommand::FindNext);
    EXPECT_EQ(box->selStart(), 4);
    EXPECT_EQ(box->selLength(), 3);
    run(MenuCommand::FindNext);
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{"Cannot find \"abc\""});

    typeAtEnd(box, "d");
    EXPECT_EQ(shown(box), "abc abcd");
    run(MenuCommand::Undo);
    EXPECT_EQ(shown(box), "abc abc");
    run(MenuCommand::Redo);
    EXPECT_EQ(shown(box), "abc abcd");

    run(MenuCommand::SelectAll);
    EXPECT_EQ(box->selStart(), 0);
    EXPECT_EQ(box->selLength(), 8);

    // Replace opens the find dialog with its replace box, and showing it replaces nothing.
    bool replaceShown = false;
    QTimer::singleShot(0, [&] {
        auto* find = qobject_cast<FindDialog*>(QApplication::activeModalWidget());
        if (!find)
            return;
        replaceShown = !find->replaceEdit->isHidden();
        find->cancelButton->click();
    });
    run(MenuCommand::Replace);
    EXPECT_TRUE(replaceShown);
    EXPECT_EQ(shown(box), "abc abcd");

    run(MenuCommand::Close); // the edit stays with the document
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull());
}

TEST_F(EditorTest, HelpOpensTheOneHelpWindowOnItsContentsAndAWindowsKeysReachItsOwnCommands)
{
    test::writeFile(t.path(kHelpFileName),
                    "<html><body><div class=\"topic\" id=\"topic-199\"><h2>Contents</h2>"
                    "<p>every topic</p></div><!-- /topic --></body></html>");
    // A window alone has its own.
    {
        DefinitionWindow window(app);
        window.editor()->setPlainText("type = ChangeState");
        window.toolbarAction(TextTool::Help)->trigger();
        auto* help = window.findChild<HelpViewer*>();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->contextNumber(), kHelpContentsTopic); // no controllers in a .def
        EXPECT_TRUE(help->browser()->toPlainText().contains("every topic"));
    }
    // In the program there is one, the frame's, for its Help and every window's.
    MainWindow main(app);
    registerTextWindows(main);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.findChild<QAction*>("helpContentsAction")->trigger();
    ASSERT_EQ(main.findChildren<HelpViewer*>().size(), 1);
    HelpViewer* help = main.findChild<HelpViewer*>();
    EXPECT_EQ(help->contextNumber(), kHelpContentsTopic);
    EXPECT_TRUE(help->isVisible());
    help->showTopic(app.dataFile(kHelpFileName), 5);
    main.toolbarAction(ToolbarCommand::Help)->trigger();
    EXPECT_EQ(help->contextNumber(), kHelpContentsTopic);
    auto* cmd = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::Commands));
    ASSERT_NE(cmd, nullptr);
    help->showTopic(app.dataFile(kHelpFileName), 5);
    cmd->menuAction(MenuCommand::HelpContents)->trigger();
    EXPECT_EQ(main.findChildren<HelpViewer*>(), QList<HelpViewer*>{help});
    EXPECT_EQ(help->contextNumber(), kHelpContentsTopic);

    // The window's keys reach its own commands: F1 its help, Close it alone.
    cmd->editor()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), cmd->editor());
    help->showTopic(app.dataFile(kHelpFileName), 5);
    QTest::keyClick(cmd->editor(), Qt::Key_F1);
    EXPECT_EQ(main.findChildren<HelpViewer*>(), QList<HelpViewer*>{help});
    EXPECT_EQ(help->contextNumber(), kHelpContentsTopic);
    cmd->editor()->setFocus();
    QTest::keySequence(cmd->editor(), QKeySequence(QKeySequence::Close));
    QApplication::processEvents();
    EXPECT_EQ(main.loadedWindow(WindowKind::Commands), nullptr);
    EXPECT_TRUE(main.isVisible());
}
