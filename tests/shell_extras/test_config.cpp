#include "shell/configuration.h"
#include "shell/frmConfig.h"
#include "shell/frmMain.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace vantrel {
void registerShellWindows(frmMain&);
}

using namespace vantrel;
using test::TestApp;

TEST(Configuration, SliderPositionsZoomsAndLabels)
{
    const struct {
        int position;
        float zoom;
        const char* label;
        const char* stored;
    } table[] = {
        {1, 0.125f, "Default zoom: 0.125x", "0.125"}, {2, 0.25f, "Default zoom: 0.25x", "0.25"},
        {3, 0.5f, "Default zoom: 0.5x", "0.5"},       {4, 1.0f, "Default zoom: 1x", "1"},
        {5, 2.0f, "Default zoom: 2x", "2"},           {6, 4.0f, "Default zoom: 4x", "4"},
        {7, 8.0f, "Default zoom: 8x", "8"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(zoomForPosition(row.position), row.zoom);
        EXPECT_EQ(positionForZoom(row.zoom), row.position);
        EXPECT_EQ(zoomLabel(row.position), row.label);

        TestApp t;
        ConfigChoice choice;
        choice.fontName = "Courier New";
        choice.zoomPosition = row.position;
        SaveConfiguration(*t.store, t.app->settings, choice);
        EXPECT_EQ(t.store->read(kProgramSettings, "DefaultZoom"), row.stored);
    }
    for (float other : {3.0f, 0.0f, 1.0001f, 16.0f})
        EXPECT_EQ(positionForZoom(other), 4) << other;
}

TEST(Configuration, FontSizesAreStoredWithFractionsAndHeldRounded)
{
    const struct {
        double size;
        const char* stored;
        std::int16_t held;
    } cases[] = {{9.75, "9.75", 10}, {10.5, "10.5", 10}, {11.5, "11.5", 12}, {12, "12", 12}, {8.25, "8.25", 8}};
    for (const auto& c : cases) {
        TestApp t;
        ConfigChoice choice;
        choice.fontName = "Mono";
        choice.fontSize = c.size;
        SaveConfiguration(*t.store, t.app->settings, choice);
        EXPECT_EQ(t.store->read(kProgramSettings, "DefaultFontSize"), c.stored);
        EXPECT_EQ(t.app->settings.DefaultFontSize, c.held) << c.size;
        // What the next start reads back agrees with what this run holds.
        EXPECT_EQ(LoadProgramSettings(*t.store).DefaultFontSize, c.held) << c.size;
    }
}

namespace {

struct ConfigWindowTest : ::testing::Test {
    TestApp t;
    std::optional<std::string> stored(const char* key) const { return t.store->read(kProgramSettings, key); }
};

} // namespace

TEST_F(ConfigWindowTest, LoadShowsTheInMemoryDefaults)
{
    t.app->settings.DefaultZoom = 0.25f;
    t.app->settings.DefaultFontName = "DejaVu Sans";
    t.app->settings.DefaultFontSize = 14;
    t.app->settings.DefaultFontBold = true;
    t.app->settings.DefaultTextColour = "255";      // red
    t.app->settings.DefaultBackColour = "16711680"; // blue
    t.app->settings.ShowTips = false;
    frmConfig config(*t.app);
    EXPECT_EQ(config.windowTitle(), "Configuration");
    EXPECT_EQ(config.sdrDefaultZoom->value(), 2);
    EXPECT_EQ(config.Label1->text(), "Default zoom: 0.25x") << "the label follows the slider at load";
    EXPECT_EQ(config.Text1->font().family(), "DejaVu Sans");
    EXPECT_EQ(config.Text1->font().pointSizeF(), 14);
    EXPECT_TRUE(config.Text1->font().bold());
    EXPECT_FALSE(config.Text1->font().italic());
    EXPECT_EQ(config.textColour(), QColor(255, 0, 0));
    EXPECT_EQ(config.backColour(), QColor(0, 0, 255));
    EXPECT_FALSE(config.Check1->isChecked());
}

TEST_F(ConfigWindowTest, UnconvertibleStoredSettingsShowTheirDefaults)
{
    for (const auto& [key, value] : {std::pair{"DefaultFontSize", "abc"}, {"DefaultZoom", "huge"},
                                     {"ShowTips", "maybe"}, {"DefaultTextColour", "red"},
                                     {"DefaultBackColour", ""}, {"DefaultFontBold", "sometimes"}})
        t.store->write(kProgramSettings, key, value);
    t.app->settings = LoadProgramSettings(*t.store);
    frmConfig config(*t.app);
    EXPECT_EQ(config.Text1->font().pointSizeF(), 10);
    EXPECT_FALSE(config.Text1->font().bold());
    EXPECT_EQ(config.sdrDefaultZoom->value(), 4);
    EXPECT_EQ(config.Label1->text(), "Default zoom: 1x");
    EXPECT_TRUE(config.Check1->isChecked());
    EXPECT_EQ(config.textColour(), QColor(Qt::black));
    EXPECT_EQ(config.backColour(), QColor(Qt::white));
}

TEST_F(ConfigWindowTest, OkStoresEverySettingAndTheNewDefaultsApplyAtOnce)
{
    QFont chosen("DejaVu Serif");
    chosen.setPointSizeF(9.75);
    chosen.setItalic(true);
    t.dialogs.fonts.enqueue(chosen);
    t.dialogs.colours.enqueue(QColor(1, 2, 3));
    t.dialogs.colours.enqueue(QColor(250, 240, 230));

    frmConfig config(*t.app);
    config.Command3->click();
    config.Command4->click();
    config.Command5->click();
    config.sdrDefaultZoom->setValue(6);
    EXPECT_EQ(config.Label1->text(), "Default zoom: 4x");
    config.Check1->setChecked(false);
    config.Command1->click();

    EXPECT_EQ(config.result(), QDialog::Accepted);
    EXPECT_EQ(stored("DefaultFontName"), "DejaVu Serif");
    EXPECT_EQ(stored("DefaultFontSize"), "9.75");
    EXPECT_EQ(stored("DefaultFontBold"), "False");
    EXPECT_EQ(stored("DefaultFontItalic"), "True");
    EXPECT_EQ(stored("DefaultTextColour"), std::to_string(1 + 2 * 256 + 3 * 65536));
    EXPECT_EQ(stored("DefaultBackColour"), std::to_string(250 + 240 * 256 + 230 * 65536));
    EXPECT_EQ(stored("DefaultZoom"), "4");
    EXPECT_EQ(stored("ShowTips"), "False");

    const ProgramSettings& s = t.app->settings;
    EXPECT_EQ(s.DefaultFontName, "DejaVu Serif");
    EXPECT_EQ(s.DefaultFontSize, 10);
    EXPECT_TRUE(s.DefaultFontItalic);
    EXPECT_EQ(s.DefaultTextColour, std::to_string(1 + 2 * 256 + 3 * 65536));
    EXPECT_EQ(s.DefaultZoom, 4.0f);
    EXPECT_FALSE(s.ShowTips);
    EXPECT_EQ(t.app->ZoomFactor, 4.0f);
}

TEST_F(ConfigWindowTest, CancelAndCancelledChoosersChangeNothing)
{
    t.store->write(kProgramSettings, "DefaultFontName", "Courier New");
    t.app->settings = LoadProgramSettings(*t.store);
    t.app->ZoomFactor = 2.0f;
    const ProgramSettings before = t.app->settings;

    {
        frmConfig config(*t.app);
        config.Command3->click(); // cancelled chooser: the scripted queues are empty
        config.Command4->click();
        EXPECT_EQ(config.Text1->font().family(), "Courier New");
        EXPECT_EQ(config.textColour(), QColor(Qt::black));

        QFont other("DejaVu Sans");
        other.setPointSize(20);
        t.dialogs.fonts.enqueue(other);
        config.Command3->click();
        EXPECT_EQ(config.Text1->font().family(), "DejaVu Sans");
        config.sdrDefaultZoom->setValue(7);
        config.Command2->click();
        EXPECT_EQ(config.result(), QDialog::Rejected);
    }
    for (const char* key : {"DefaultFontSize", "DefaultFontBold", "DefaultFontItalic", "DefaultTextColour",
                            "DefaultBackColour", "DefaultZoom", "ShowTips"})
        EXPECT_FALSE(stored(key).has_value()) << key;
    EXPECT_EQ(stored("DefaultFontName"), "Courier New");
    EXPECT_EQ(t.app->settings.DefaultFontName, before.DefaultFontName);
    EXPECT_EQ(t.app->settings.DefaultFontSize, before.DefaultFontSize);
    EXPECT_EQ(t.app->settings.DefaultZoom, before.DefaultZoom);
    EXPECT_EQ(t.app->ZoomFactor, 2.0f);
}

TEST_F(ConfigWindowTest, TheSettingsButtonShowsTheDialogModally)
{
    frmMain main(*t.app);
    registerShellWindows(main);
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (auto* config = qobject_cast<frmConfig*>(QApplication::activeModalWidget())) {
            title = config->windowTitle();
            modal = config->isModal();
            config->sdrDefaultZoom->setValue(1);
            config->Command1->click();
        }
    });
    main.Toolbar1_ButtonClick("Settings");
    EXPECT_EQ(title, "Configuration");
    EXPECT_TRUE(modal);
    EXPECT_EQ(stored("DefaultZoom"), "0.125");
    EXPECT_EQ(t.app->ZoomFactor, 0.125f);
}
