// The palette editor on a real character opened by the main window: the
// sample is the first unpacked sprite, and each of the six palettes
// recolours it.

#include "formats/act.h"
#include "palette/palette_window.h"
#include "palette/register_windows.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiSubWindow>

using namespace vantrel;

TEST(PaletteOnRealCharacter, SwitchingPalettesRecoloursTheFirstSprite)
{
    test::TestApp t;
    test::installRealTools(t.dir().toStdString());
    MainWindow main(*t.app);
    registerPaletteWindows(main);
    main.resize(900, 640);
    main.show();
    main.openCharacter(QString::fromStdString(test::realchars("winmugen-kfm/kfm.def")));
    ASSERT_EQ(main.statusText(), "Status: OK");
    const SpriteDocument* sprites = test::spritesOf(*t.app);
    ASSERT_TRUE(sprites && sprites->workspace().count() > 0);

    main.toolbarAction(ToolbarCommand::Palettes)->trigger();
    auto* w = qobject_cast<PaletteWindow*>(main.loadedWindow(WindowKind::Palettes));
    ASSERT_TRUE(w);
    if (QMdiSubWindow* frame = main.subWindowOf(w))
        frame->resize(frame->minimumSizeHint().width(), 560);
    EXPECT_EQ(w->sampleImagePath(),
              QString::fromStdString(sprites->workspace().imagePath(sprites->workspace().record(1))));
    for (int n = 7; n <= 12; ++n)
        EXPECT_FALSE(w->paletteAction(n)->isEnabled()) << n;

    // The sprite's pixels stay; the colours they show are each palette's.
    const QImage first = w->samplePicture();
    ASSERT_FALSE(first.isNull());
    const char* screenshots = std::getenv("VANTREL_SCREENSHOT_DIR");
    QList<QList<QRgb>> shown;
    for (int n = 1; n <= 6; ++n) {
        w->paletteAction(n)->trigger();
        const Result<Palette> read = readActFile(test::files(*t.app).paletteFiles[n]);
        ASSERT_TRUE(read) << read.error();
        const Palette& palette = *read;
        ASSERT_EQ(w->model().workingPalette, palette) << n;
        QImage sample = w->samplePicture();
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(sample.color(i), qRgb(palette[i].r, palette[i].g, palette[i].b)) << n << " " << i;
        shown << sample.colorTable();
        sample.setColorTable(first.colorTable());
        EXPECT_EQ(sample, first) << n;
        if (screenshots && (n == 1 || n == 4))
            main.grab().save(
                QStringLiteral("%1/act-editor-palette%2.png").arg(QString::fromLocal8Bit(screenshots)).arg(n));
    }
    EXPECT_NE(shown[0], shown[3]);
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}
