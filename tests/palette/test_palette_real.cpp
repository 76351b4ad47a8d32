// The palette editor on a real character opened by the main window: the
// sample is the first unpacked sprite, and each of the six palettes
// recolours it.

#include "palette/act.h"
#include "palette/frmAct.h"
#include "shell/frmMain.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMdiSubWindow>
#include <QSet>

namespace vantrel {
void registerPaletteWindows(frmMain& main);
}

using namespace vantrel;

TEST(PaletteOnRealCharacter, SwitchingPalettesRecoloursTheFirstSprite)
{
    test::TestApp t;
    test::installRealTools(t.dir().toStdString());
    frmMain main(*t.app);
    registerPaletteWindows(main);
    main.resize(900, 640);
    main.show();
    main.OpenCharacter(QString::fromStdString(test::realchars("winmugen-kfm/kfm.def")));
    ASSERT_EQ(main.statusText(), "Status: OK");
    ASSERT_GT(t.app->sprites.count(), 0);

    main.Toolbar1_ButtonClick("ACT");
    auto* w = qobject_cast<frmAct*>(main.window("frmAct"));
    ASSERT_TRUE(w);
    if (QMdiSubWindow* frame = main.subWindowOf(w))
        frame->resize(frame->minimumSizeHint().width(), 560);
    EXPECT_EQ(w->SampleImagePath(), QString::fromStdString(t.app->sprites.imagePath(t.app->sprites.record(1))));
    for (int n = 7; n <= 12; ++n)
        EXPECT_FALSE(w->toolbarAction(QStringLiteral("Act%1").arg(n))->isEnabled()) << n;

    // The sprite's pixels stay; the colours they show are each palette's.
    const QImage first = w->samplePicture();
    ASSERT_FALSE(first.isNull());
    // A pixel of the fighter himself, not of the background (index 0).
    QPoint body(-1, -1);
    for (int y = first.height() / 2; y < first.height() && body.x() < 0; ++y) {
        for (int x = 0; x < first.width(); ++x) {
            if (first.pixelIndex(x, y) != 0) {
                body = QPoint(x, y);
                break;
            }
        }
    }
    ASSERT_GE(body.x(), 0);
    QSet<QRgb> shown;
    const char* screenshots = std::getenv("VANTREL_SCREENSHOT_DIR");
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        w->toolbarAction(QStringLiteral("Act%1").arg(n))->trigger();
        const Palette palette = readActFile(t.app->files.PalFiles[n]).palette;
        ASSERT_EQ(t.app->WorkingPalette, palette);
        const QImage sample = w->samplePicture();
        ASSERT_EQ(sample.size(), first.size());
        const int x = body.x();
        const int y = body.y();
        const int index = sample.pixelIndex(x, y);
        EXPECT_EQ(index, first.pixelIndex(x, y));
        EXPECT_EQ(sample.pixel(x, y), qRgb(palette[index].r, palette[index].g, palette[index].b));
        shown.insert(sample.pixel(x, y));
        if (screenshots && (n == 1 || n == 4))
            main.grab().save(QStringLiteral("%1/act-editor-palette%2.png").arg(QString::fromLocal8Bit(screenshots)).arg(n));
    }
    EXPECT_GT(shown.size(), 1);

    // Another sample, the standing sprite, follows the palette the same way.
    const auto standing = t.app->sprites.FindSpriteRecord("0", "0");
    ASSERT_TRUE(standing);
    t.dialogs.files.enqueue(QString::fromStdString(t.app->sprites.imagePath(t.app->sprites.record(*standing))));
    w->toolbarAction("OpenPic")->trigger();
    for (int n : {2, 5}) {
        w->toolbarAction(QStringLiteral("Act%1").arg(n))->trigger();
        const Palette palette = readActFile(t.app->files.PalFiles[n]).palette;
        const QImage sample = w->samplePicture();
        ASSERT_FALSE(sample.isNull());
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(sample.color(i), qRgb(palette[i].r, palette[i].g, palette[i].b));
        if (screenshots)
            main.grab().save(QStringLiteral("%1/act-editor-standing%2.png").arg(QString::fromLocal8Bit(screenshots)).arg(n));
    }
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}
