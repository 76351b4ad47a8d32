// The sprite window and its dialogs in another language: every text they
// show goes through the translation, none stays behind in English.

#include "pcx_builder.h"
#include "sprites/build_options_dialog.h"
#include "sprites/pcx_browser.h"
#include "sprites/sprite_list.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>

using namespace vantrel;

namespace {

// Puts every text of the sprite windows' contexts in brackets, so a text
// shown without them never went through the translation.
class BracketTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const QStringList ours = {"SpriteWindow",     "BuildOptionsDialog", "PcxBrowser",     "SffBuilder",
                                         "SpriteTableModel", "SpriteDocument",     "SpriteCommands", "Messages"};
        const QString scope = QString::fromLatin1(context).remove(QStringLiteral("vantrel::"));
        return ours.contains(scope) ? QStringLiteral("[%1]").arg(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// The texts of `root` that hold a word but no bracket; file paths, the edit
// menu and the "changed on disk" bar (the program's shared ones) aside.
QStringList untranslated(QWidget* root)
{
    QStringList found;
    auto check = [&found](const QString& text) {
        if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))) && !text.contains(QLatin1Char('['))
            && !text.startsWith(QLatin1Char('/')))
            found << text;
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenuBar*>(w->parentWidget())
            || w->objectName() == QLatin1String("changedOnDiskBar")
            || (w->parentWidget() && w->parentWidget()->objectName() == QLatin1String("changedOnDiskBar")))
            continue;
        check(w->windowTitle());
        check(w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            check(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            check(group->title());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                check(combo->itemText(i));
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs->tabText(i));
        for (QAction* action : w->actions()) {
            if (action->objectName().startsWith(QLatin1String("edit")))
                continue;
            check(action->text());
            check(action->toolTip());
        }
    }
    return found;
}

struct SpriteLanguage : ::testing::Test {
    BracketTranslator translator;
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
