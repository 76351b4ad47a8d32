// The sprite window and its dialogs in another language: every text they
// show goes through the translation, none stays behind in English.

#include "bracket_language.h"
#include "pcx_builder.h"
#include "shown_texts.h"
#include "sprites/build_options_dialog.h"
#include "sprites/pcx_browser.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

using namespace vantrel;

namespace {

// The texts of `root` that hold a word but no bracket; file paths, the edit
// menu and the "changed on disk" bar (the program's shared ones) aside.
QStringList untranslated(QWidget* root)
{
    const auto shared = [](const test::ShownText& shown) {
        const QWidget* w = shown.widget;
        const QWidget* parent = w->parentWidget();
        return qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenuBar*>(parent)
            || w->objectName() == QLatin1String("changedOnDiskBar")
            || (parent && parent->objectName() == QLatin1String("changedOnDiskBar"))
            || (shown.action && shown.action->objectName().startsWith(QLatin1String("edit")));
    };
    QStringList found;
    for (const test::ShownText& shown : test::shownTexts(root)) {
        const QString& text = shown.text;
        if (!shared(shown) && text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))
            && !text.contains(QLatin1Char('[')) && !text.startsWith(QLatin1Char('/')))
            found << text;
    }
    return found;
}

struct SpriteLanguage : ::testing::Test {
    // The sprite windows' own contexts; the program's shared texts stay as they are.
    test::BracketLanguage translator{{"SpriteWindow", "BuildOptionsDialog", "PcxBrowser", "SffBuilder",
                                      "SpriteTableModel", "SpriteDocument", "SpriteCommands", "Messages"}};
    test::TestApp t;
    void SetUp() override { QCoreApplication::installTranslator(&translator); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }
};

} // namespace

TEST_F(SpriteLanguage, TheWindowAndItsDialogsShowNoEnglish)
{
    const std::string app = t.dir().toStdString();
    test::files(*t.app).characterDir = app + "/chars/hero/";
    test::writeFile(app + "/tempsff/a.pcx",
                    test::makePcx({4, 3, 4, 8, 1, std::vector<std::uint8_t>(12, 5), Palette{}}));
    test::setSprites(*t.app, {{"tempsff/a.pcx", "0", "1", "2", "3"}});
    SpriteWindow w(*t.app);
    EXPECT_EQ(untranslated(&w), QStringList());
    EXPECT_EQ(w.positionLabel->text(), "[1 of 1]");
    w.showRecord(1);
    EXPECT_EQ(w.positionLabel->text(), "[ 1 of 1 ]");
    EXPECT_EQ(untranslated(w.selectionMenu), QStringList());
    // The list's tip for a sprite names its file and axis.
    EXPECT_EQ(w.spriteList->model()->index(0, 0).data(Qt::ToolTipRole).toString(), "[a.pcx\nAxis  2, 3]");

    // The parameters, with every warning the version box can give.
    BuildFlags flags;
    BuildOptionsDialog options(flags, {2, 7, 2, 3});
    for (int i = 0; i < options.versionBox->count(); ++i) {
        options.versionBox->setCurrentIndex(i);
        EXPECT_EQ(untranslated(&options), QStringList()) << i;
    }
    options.versionBox->setCurrentIndex(0);
    EXPECT_EQ(options.warningLabel->text().count(QLatin1Char('[')), 2);

    PcxBrowser browser(*t.app, w);
    EXPECT_EQ(untranslated(&browser), QStringList());
    EXPECT_FALSE(browser.setFolder(QString::fromStdString(app + "/missing")));
    ASSERT_FALSE(t.dialogs.messageTexts().isEmpty());
    EXPECT_TRUE(t.dialogs.messageTexts().last().startsWith(QStringLiteral("[Error: [The folder ")));

    // A message of the layers below the window.
    EXPECT_EQ(translatedMessage(kTooManyImages), "[Too many images!]");
}
