// The text windows in another language: every caption, menu entry, tip and
// message they show goes through the translation, under the context its
// text was marked with.

#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/find_dialog.h"
#include "text/notepad_window.h"
#include "text/references_window.h"
#include "text/state_file_window.h"

#include "bracket_language.h"
#include "shown_texts.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>

using namespace vantrel;

namespace {

// The texts a window shows that its language did not give: captions, labels,
// titles, menu entries and tool tips.
QStringList untranslatedTexts(QWidget* root)
{
    // Names of files and engine words, which stay as they are.
    static const QStringList kept = {"st1", "st2",  "st3",   "st4",       "st5",    "st6",
                                     "stc", "CLSN", "UTF-8", "Shift-JIS", "Latin-1"};
    QStringList found;
    for (const test::ShownText& shown : test::shownTexts(root)) {
        // The bar every view of a document shares says what it says itself.
        const QWidget* w = shown.widget;
        if (w->inherits("vantrel::ChangedOnDiskBar")
            || (w != root && w->parentWidget()->inherits("vantrel::ChangedOnDiskBar")))
            continue;
        if (!shown.text.startsWith(QLatin1Char('[')) && !kept.contains(shown.text))
            found << shown.text;
    }
    return found;
}

struct TranslatedWindows : ::testing::Test {
    test::TestApp t;
    App& app = *t.app;
    std::string dir = t.path("chars/hero/");
    test::BracketLanguage language;

    void SetUp() override
    {
        test::files(app).characterDir = dir;
        test::files(app).defFile = dir + "hero.def";
        test::files(app).commandFile = dir + "hero.cmd";
        test::files(app).stateFiles[0] = dir + "hero.st";
        test::writeFile(test::files(app).defFile, "[Info]\r\nname = \"Hero\"\r\n");
        test::writeFile(test::files(app).commandFile, "[Command]\r\nname = \"x\"\r\ncommand = x\r\n");
        test::writeFile(test::files(app).stateFiles[0], "[Statedef 200]\r\ntype = S\r\n");
        QCoreApplication::installTranslator(&language);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&language); }
};

} // namespace

TEST_F(TranslatedWindows, EveryEditorShowsOnlyTranslatedTexts)
{
    std::vector<std::unique_ptr<TextEditorWindow>> windows;
    windows.push_back(std::make_unique<DefinitionWindow>(app));
    windows.push_back(std::make_unique<CommandsWindow>(app));
    windows.push_back(std::make_unique<ConstantsWindow>(app));
    windows.push_back(std::make_unique<AnimationTextWindow>(app));
    windows.push_back(std::make_unique<StateFileWindow>(app));
    windows.push_back(std::make_unique<NotepadWindow>(app));
    for (const auto& window : windows)
        EXPECT_EQ(untranslatedTexts(window.get()), QStringList()) << window->metaObject()->className();

    // The tables' captions and tips are asked for under the context they were marked with.
    for (const char* marked :
         {"TextEditorWindow|Revert to saved state", "TextEditorWindow|Saves the .cmd file",
          "TextEditorWindow|States (ST)", "TextEditorWindow|Open State file %1 from the .DEF file"})
        EXPECT_EQ(language.asked.count(QString::fromLatin1(marked)), 1u) << marked;
    EXPECT_TRUE(windows[0]->windowTitle().startsWith("[Character Definition File (DEF)]"));
    // The state window's caption follows the caret, in the language too.
    auto* states = static_cast<StateFileWindow*>(windows[4].get());
    states->editor()->setTextCursor(QTextCursor(states->editor()->document()->findBlockByNumber(1)));
    EXPECT_TRUE(states->windowTitle().startsWith("[State 200 of ")) << states->windowTitle();
}

TEST_F(TranslatedWindows, DialogsAndMessagesAreTranslated)
{
    DefinitionWindow window(app);
    FindDialog find(app, window.editor());
    find.findEdit->setText("nowhere");
    find.replaceButton->click(); // shows the replace box
    EXPECT_EQ(untranslatedTexts(&find), QStringList());
    find.findButton->click();

    ReferencesWindow references(app);
    EXPECT_EQ(untranslatedTexts(&references), QStringList());

    t.dialogs.texts.enqueue(QStringLiteral("99"));
    window.menuAction(MenuCommand::GoToLine)->trigger();
    ASSERT_EQ(t.dialogs.messageTexts().size(), 2);
    for (const QString& message : t.dialogs.messageTexts())
        EXPECT_TRUE(message.startsWith(QLatin1Char('['))) << message;
}
