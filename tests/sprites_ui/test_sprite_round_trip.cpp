// The whole road with the real sprite tools on a real character: open it,
// edit in the sprite window, build the SFF, open the result again.

#include "image/pcx.h"
#include "sprite_fixtures.h"
#include "sprites/frmSFF.h"
#include "shell/frmMain.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <tuple>

namespace vantrel {
void registerSpritesWindows(frmMain& main);
}

using namespace vantrel;
using test::TestApp;

namespace {

// What a sprite looks like, independent of how the archive stores it: its
// numbers, every non-zero pixel relative to the axis, and the colours used.
struct SpriteLook {
    std::int64_t group = 0, image = 0;
    std::vector<std::tuple<std::int64_t, std::int64_t, int>> pixels;
    std::vector<Rgb> colours; // of the indexes the pixels use, in pixel order
};

SpriteLook lookOf(const SpriteWorkspace& ws, int index, std::int64_t axisShiftX = 0)
{
    const SpriteRecord& r = ws.record(index);
    SpriteLook look;
    look.group = r.group();
    look.image = r.imageNo();
    DecoderState decoder;
    EXPECT_EQ(LoadPCX(decoder, ws.imagePath(r), kPaletteFromFile, 0), PcxStatus::Ok) << r.PcxFile;
    const DecodedImage& img = decoder.DecodedPixels;
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const int p = img.at(x, y);
            if (p == 0)
                continue;
            look.pixels.emplace_back(x - r.axisX() - axisShiftX, y - r.axisY(), p);
            look.colours.push_back(img.palette[static_cast<std::size_t>(p)]);
        }
    }
    return look;
}

bool toolsBuilt()
{
    return std::filesystem::exists(std::string(VANTREL_APP_DIR) + "/sff2pcx") &&
           std::filesystem::exists(std::string(VANTREL_APP_DIR) + "/sprmaker");
}

} // namespace

TEST(SpriteRoundTrip, AnEditedCharacterBuildsAndReopensWithOnlyTheEdits)
{
    if (!toolsBuilt())
        GTEST_SKIP() << "the sprite tools are not built";
    TestApp t;
    const std::string app = t.dir().toStdString();
    test::installRealTools(app);
    frmMain main(*t.app);
    registerSpritesWindows(main);
    main.OpenCharacter(QString::fromStdString(test::realchars("winmugen-kfm/kfm.def")));
    ASSERT_TRUE(main.characterOpen()) << t.dialogs.messageTexts().join("|").toStdString();

    const int count = t.app->sprites.count();
    ASSERT_GT(count, 100);
    std::vector<SpriteLook> before;
    for (int r = 1; r <= count; ++r)
        before.push_back(lookOf(t.app->sprites, r));

    auto* window = qobject_cast<frmSFF*>(main.openWindow("frmSFF"));
    ASSERT_NE(window, nullptr);
    const int moved = 5, regrouped = 7;
    ASSERT_FALSE(before[moved - 1].pixels.empty());
    window->hscIndex->setValue(moved);
    const std::int64_t axisX = t.app->sprites.record(moved).axisX();
    window->txtX->setText(QString::number(axisX + 3));
    window->hscIndex->setValue(regrouped);
    window->txtGroup->setText("999");
    ASSERT_TRUE(t.app->sprites.modified());

    const std::string out = app + "/out";
    std::filesystem::create_directories(out);
    t.dialogs.files.enqueue(QString::fromStdString(out + "/kfm.sff"));
    test::answerParameters(true, true, true, true);
    window->Toolbar1_ButtonClick("Save");
    ASSERT_TRUE(window->waitForBuild()) << t.dialogs.messageTexts().join("|").toStdString();
    EXPECT_EQ(t.dialogs.messageTexts().last(),
              QStringLiteral("The SFF file %1/kfm.sff was written with %2 sprites.")
                  .arg(QString::fromStdString(out))
                  .arg(count));
    EXPECT_EQ(test::readFile(app + "/spawn.sh"), "./sprmaker -c -f -p < \"" + app + "/tempsff.txt\" tempsff\n");

    // Re-open the written archive as a character of its own.
    test::writeFile(out + "/kfm.def", "[Files]\r\nsprite = kfm.sff\r\n");
    t.dialogs.clear();
    main.OpenCharacter(QString::fromStdString(out + "/kfm.def"));
    ASSERT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join("|").toStdString();
    ASSERT_EQ(t.app->sprites.count(), count);
    before[regrouped - 1].group = 999;
    for (int r = 1; r <= count; ++r) {
        // The moved sprite's pixels now sit 3 further left of its axis.
        const SpriteLook after = lookOf(t.app->sprites, r, r == moved ? -3 : 0);
        const SpriteLook& expected = before[static_cast<std::size_t>(r - 1)];
        EXPECT_EQ(after.group, expected.group) << r;
        EXPECT_EQ(after.image, expected.image) << r;
        EXPECT_EQ(after.pixels, expected.pixels) << r;
        EXPECT_EQ(after.colours, expected.colours) << r;
    }
}

// Set VANTREL_SCREENSHOT to a PNG path to look at the sprite window on a real
// character at zoom 2 with the onion skin on.
TEST(SpriteRoundTrip, Screenshot)
{
    const char* target = std::getenv("VANTREL_SCREENSHOT");
    if (!target || !toolsBuilt())
        GTEST_SKIP() << "set VANTREL_SCREENSHOT to take the screenshot";
    TestApp t;
    test::installRealTools(t.dir().toStdString());
    frmMain main(*t.app);
    registerSpritesWindows(main);
    main.MDIForm_Load();
    main.resize(1000, 700);
    main.OpenCharacter(QString::fromStdString(test::realchars("winmugen-kfm/kfm.def")));
    ASSERT_TRUE(main.characterOpen());
    auto* window = qobject_cast<frmSFF*>(main.openWindow("frmSFF"));
    ASSERT_NE(window, nullptr);
    if (QMdiSubWindow* frame = main.subWindowOf(window))
        frame->resize(900, 580);
    window->Toolbar1_ButtonClick("ZoomIn");
    // Walking frame 2 over walking frame 1.
    const auto walk2 = t.app->sprites.FindSpriteRecord("20", "1");
    ASSERT_TRUE(walk2.has_value());
    window->hscIndex->setValue(*walk2);
    window->txtJumpGroup->setText("20");
    window->txtJumpImage->setText("0");
    window->chkOnionskin->click();
    window->chkTransparent->click();
    QTest::qWait(300);
    EXPECT_TRUE(main.grab().save(QString::fromLocal8Bit(target)));
}
