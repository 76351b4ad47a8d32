// Finding one's way in the real character's text: references of a state in a
// window of their own, a sound or sprite named in the text opening its
// window there, folding a state, and the help of a controller under the pointer.

#include "common/text.h"
#include "shell/main_window.h"
#include "sound/register_windows.h"
#include "sound/sound_window.h"
#include "sprites/register_windows.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "text/block_folder.h"
#include "text/editor_text_box.h"
#include "text/fault_span.h"
#include "text/references_window.h"
#include "text/register_windows.h"
#include "text/text_editor_window.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <filesystem>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

// The WinMUGEN kfm copied into the test's folder, read as opening it does.
std::string openKfm(test::TestApp& t)
{
    const std::string folder = t.path("chars/kfm");
    for (const auto& entry : fs::directory_iterator(test::realchars("winmugen-kfm")))
        test::writeFile(folder + "/" + entry.path().filename().string(), test::readFile(entry.path().string()));
    EXPECT_TRUE(readDefinition(folder + "/kfm.def", test::files(*t.app)));
    return folder;
}

// The text windows made known to the frame, and the constants window open.
TextEditorWindow* openConstants(MainWindow& main)
{
    registerTextWindows(main);
    return qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::Constants));
}

// The caret `column` characters into the `nth` match (from 0) of `text`.
void putCaret(EditorTextBox* box, const QString& text, int column, int nth = 0)
{
    box->finishLoading();
    QTextCursor match;
    for (int k = 0; k <= nth; ++k) {
        match = box->document()->find(text, match);
        ASSERT_FALSE(match.isNull()) << text.toStdString();
    }
    QTextCursor caret(box->document());
    caret.setPosition(match.selectionStart() + column);
    box->setTextCursor(caret);
}

} // namespace

TEST(FindReferences, ListsEveryReturnToStandingAndGoesToEach)
{
    test::TestApp t;
    const std::string folder = openKfm(t);
    MainWindow main(*t.app);
    TextEditorWindow* constants = openConstants(main);
    ASSERT_NE(constants, nullptr);
    // A return to standing typed and not saved is found too.
    EditorTextBox* box = constants->editor();
    putCaret(box, QStringLiteral("[Statedef 200]"), 0);
    box->textCursor().insertText(QStringLiteral("[State 0, typed]\ntype = ChangeState\ntrigger1 = 1\nvalue = 0\n\n"));
    putCaret(box, QStringLiteral("[State 0, typed]"), 0);
    QTextCursor typed = box->textCursor();
    typed.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 3);
    typed.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 8);
    box->setTextCursor(typed);
    constants->menuAction(MenuCommand::FindReferences)->trigger();
    EXPECT_EQ(constants->menuAction(MenuCommand::FindReferences)->shortcut(), QKeySequence("Shift+F12"));

    auto* references = qobject_cast<ReferencesWindow*>(main.loadedWindow(WindowKind::References));
    ASSERT_NE(references, nullptr);
    QListWidget* list = references->referenceList();
    ASSERT_EQ(list->count(), 23);
    EXPECT_EQ(references->summaryLabel()->text(), "23 places name state 0.");
    const std::vector<std::string> lines = splitLines(test::readFile(folder + "/kfm.cns"));
    // The list shows each place as file:line: text, from the text as typed.
    EXPECT_EQ(list->item(0)->text().toStdString(), "kfm.cns:158: value = 0");
    const int typedAt = static_cast<int>(std::find(lines.begin(), lines.end(), "[Statedef 200]") - lines.begin());
    int typedRow = -1;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == QStringLiteral("kfm.cns:%1: value = 0").arg(typedAt + 4))
            typedRow = row;
    }
    EXPECT_GE(typedRow, 0);

    // Enter on a place goes there, in the constants window.
    box->setTextCursor(QTextCursor(box->document()));
    list->setCurrentRow(5);
    const int line = list->item(5)->text().section(QLatin1Char(':'), 1, 1).toInt();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->textCursor().blockNumber() + 1, line);
    EXPECT_EQ(box->textCursor().block().text(), QStringLiteral("value = 0"));
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), main.subWindowOf(constants));

    // A command's references run across the command and state files.
    auto* commands = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::Commands));
    ASSERT_NE(commands, nullptr);
    putCaret(commands->editor(), QStringLiteral("command = \"FF\""), 12);
    commands->findReferences();
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith("kfm.cmd:226: name = \"FF\"")) << list->item(0)->text();
    EXPECT_TRUE(list->item(0)->text().endsWith("(definition)"));
}

TEST(GoToDefinition, ASoundOrASpriteOpensItsWindowThere)
{
    test::TestApp t;
    openKfm(t);
    test::writeFile(t.path("tempsff/a.pcx"), test::readFile(test::realchars("pcx/gmarbles.pcx")));
    test::setSprites(*t.app,
                     {{"tempsff/a.pcx", "0", "0", "0", "0"},
                      {"tempsff/a.pcx", "200", "1", "0", "0"},
                      {"tempsff/a.pcx", "200", "2", "0", "0"}});
    MainWindow main(*t.app);
    registerSoundWindows(main);
    registerSpritesWindows(main);

    // PlaySnd's "value = 0, 0" in [Statedef 200]: the sound window at sound 0,0.
    TextEditorWindow* constants = openConstants(main);
    ASSERT_NE(constants, nullptr);
    putCaret(constants->editor(), QStringLiteral("value = 0, 0"), 9);
    constants->goToDefinition();
    auto* sounds = qobject_cast<SoundWindow*>(main.loadedWindow(WindowKind::Sounds));
    ASSERT_NE(sounds, nullptr) << t.dialogs.messageTexts().join("|").toStdString();
    ASSERT_NE(sounds->editor().currentSample(), nullptr);
    EXPECT_EQ(sounds->editor().currentSample()->groupNumber, 0);
    EXPECT_EQ(sounds->editor().currentSample()->sampleNumber, 0);
    putCaret(constants->editor(), QStringLiteral("value = 0, 4"), 9);
    constants->goToDefinition();
    EXPECT_EQ(sounds->editor().currentSample()->sampleNumber, 4);
    // The engine's own sound ("F5,2") is none of the character's: nothing happens.
    putCaret(constants->editor(), QStringLiteral("value = F5,2"), 10);
    constants->goToDefinition();
    EXPECT_EQ(sounds->editor().currentSample()->sampleNumber, 4);

    // A frame's sprite in the AIR: the sprite window at it; one the sprites lack is said.
    auto* air = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::AnimationText));
    ASSERT_NE(air, nullptr);
    putCaret(air->editor(), QStringLiteral("200,2, 0,0,"), 4);
    air->goToDefinition();
    auto* sprites = qobject_cast<SpriteWindow*>(main.loadedWindow(WindowKind::Sprites));
    ASSERT_NE(sprites, nullptr);
    EXPECT_EQ(sprites->currentIndex(), 3); // records count from 1
    EXPECT_EQ(sprites->groupEdit->text(), "200");
    EXPECT_EQ(sprites->imageEdit->text(), "2");
    putCaret(air->editor(), QStringLiteral("0,0, 0,0, 10"), 0);
    air->goToDefinition();
    EXPECT_EQ(sprites->currentIndex(), 1);
    putCaret(air->editor(), QStringLiteral("210,0, 0,0,"), 1);
    air->goToDefinition();
    EXPECT_EQ(t.dialogs.messageTexts().last(), "The character has no sprite 210,0.");
    EXPECT_EQ(sprites->currentIndex(), 1);
}

TEST(Folding, AStateFoldsFromTheGutterAndOpensWhereTheCaretGoes)
{
    test::TestApp t;
    openKfm(t);
    MainWindow main(*t.app);
    TextEditorWindow* constants = openConstants(main);
    ASSERT_NE(constants, nullptr);
    EditorTextBox* box = constants->editor();
    BlockFolder* folder = box->folder();
    putCaret(box, QStringLiteral("[Statedef 200]"), 0);
    const int header = box->textCursor().blockNumber();
    putCaret(box, QStringLiteral("[Statedef 210]"), 0);
    const int next = box->textCursor().blockNumber();
    EXPECT_TRUE(folder->isFoldable(header));
    EXPECT_FALSE(folder->isFoldable(header + 1));

    // A click on the header's marker folds the state up to the comment naming the next one.
    box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(header)));
    box->ensureCursorVisible();
    const int y = box->cursorRect().center().y();
    QWidget* gutter = box->lineNumberArea();
    QTest::mouseClick(gutter, Qt::LeftButton, {}, QPoint(gutter->width() - folder->markerWidth() / 2, y));
    ASSERT_TRUE(folder->isFolded(header));
    const QTextDocument* document = box->document();
    EXPECT_TRUE(document->findBlockByNumber(header).isVisible());
    EXPECT_FALSE(document->findBlockByNumber(header + 1).isVisible());
    int lastHidden = header + 1;
    while (!document->findBlockByNumber(lastHidden + 1).isVisible())
        ++lastHidden;
    EXPECT_EQ(document->findBlockByNumber(lastHidden).text(), "ctrl = 1") << "its last controller's last line";
    for (int k = lastHidden + 1; k < next; ++k) {
        const std::string text = trimmed(document->findBlockByNumber(k).text().toStdString());
        EXPECT_TRUE(text.empty() || text.starts_with(";")) << "the comment above the next state stays: " << text;
    }

    // The caret going into it (Go to Line, find) opens it; folding again and
    // typing a new header above keeps the right lines folded.
    constants->goToLine(header + 3);
    EXPECT_FALSE(folder->isFolded(header));
    EXPECT_TRUE(document->findBlockByNumber(header + 2).isVisible());
    ASSERT_TRUE(folder->setFolded(header, true));
    box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(header)));
    box->textCursor().insertText(QStringLiteral("; a note\n"));
    EXPECT_TRUE(folder->isFolded(header + 1));
    EXPECT_TRUE(document->findBlockByNumber(header).isVisible());
    EXPECT_FALSE(document->findBlockByNumber(header + 2).isVisible());
    // The header deleted: nothing stays hidden under another block.
    QTextCursor line(document->findBlockByNumber(header + 1));
    line.select(QTextCursor::LineUnderCursor);
    line.removeSelectedText();
    box->setTextCursor(line);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        ASSERT_TRUE(block.isVisible() || folder->isFolded(static_cast<int>(block.blockNumber()) - 1)
                    || !block.previous().isVisible())
            << block.blockNumber();
    EXPECT_TRUE(document->findBlockByNumber(header + 2).isVisible());
}

TEST(HoverHelp, AControllerOrTriggerShowsItsHelpBesideTheProblem)
{
    test::TestApp t;
    test::writeFile(t.path("sctrls.html"), test::readFile(std::string(VANTREL_SOURCE_DIR) + "/data/sctrls.html"));
    openKfm(t);
    MainWindow main(*t.app);
    TextEditorWindow* constants = openConstants(main);
    ASSERT_NE(constants, nullptr);
    EditorTextBox* box = constants->editor();
    const auto tipOn = [&](const QString& text, int column, int nth = 0) {
        putCaret(box, text, column, nth);
        box->ensureCursorVisible();
        return box->toolTipAt(box->cursorRect().center() + QPoint(2, 0));
    };
    const QString changeState = tipOn(QStringLiteral("type = ChangeState"), 9);
    EXPECT_TRUE(changeState.contains("<b>ChangeState</b><br>Changes the player")) << changeState.toStdString();
    EXPECT_TRUE(tipOn(QStringLiteral("trigger1 = AnimTime = 0"), 13).contains("<b>AnimTime</b>"));
    EXPECT_EQ(tipOn(QStringLiteral("anim = "), 1), "") << "a parameter, not the Anim trigger";
    EXPECT_EQ(tipOn(QStringLiteral("value = 0"), 3), "");

    // On a faulty line the problem comes first, then the help.
    putCaret(box, QStringLiteral("type = ChangeState"), 0);
    const int line = box->textCursor().blockNumber() + 1;
    box->setProblemLines(
        {{line, QStringLiteral("error: <something> wrong"), QStringLiteral("error: <something> wrong")}});
    const QString both = tipOn(QStringLiteral("type = ChangeState"), 9);
    EXPECT_TRUE(both.startsWith("<qt>error: &lt;something&gt; wrong<hr><b>ChangeState</b>")) << both.toStdString();
}

TEST(FaultSpan, TheUnderlineMarksWhatTheMessageIsAbout)
{
    struct Case {
        const char* line;
        const char* message;
        const char* marked;
    };
    const Case cases[] = {
        {"value = 9190 ; back", "error: ChangeAnim uses action 9190, which kfm.air does not have", "9190"},
        {"  crtl = 1", "warning: crtl: did you mean ctrl?", "crtl"},
        {"x = 2", "warning: x is not a parameter of PosFreeze", "x"},
        {"trigger1 = Tiem > 3 && AnimTime = 0", "error: unknown trigger \"Tiem\" in trigger1", "Tiem"},
        {"type = ChangeStat", "error: unknown controller type \"ChangeStat\"", "ChangeStat"},
        {"trigger1 = (Time > 3", "error: unbalanced parentheses in trigger1", "(Time > 3"},
        {"anim =  ", "warning: anim of Explod is empty", "anim"},
        {"xanim = 3", "warning: x is not a parameter of Null", "3"}, // "x" is not the key "xanim"
        {"[State 200, 1]", "error: controller without a type", "[State 200, 1]"},
        {"   ", "error: anything", ""},
    };
    for (const Case& c : cases) {
        const QString line = QString::fromLatin1(c.line);
        const auto [first, last] = faultSpan(line, QString::fromLatin1(c.message));
        EXPECT_EQ(line.mid(first, last - first), QString::fromLatin1(c.marked)) << c.line;
    }
}
