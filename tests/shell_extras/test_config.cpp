#include "shell/configuration.h"
#include "shell/main_window.h"
#include "shell/register_windows.h"
#include "shell/settings_dialog.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

using namespace vantrel;

namespace {

struct ConfigTest : ::testing::Test {
    test::TestApp t;
    std::optional<std::string> stored(const char* key) const { return t.store->read(kProgramSettings, key); }
    void save(int zoomPosition, double fontSize)
    {
        saveConfiguration(*t.store, t.app->settings,
                          ConfigChoice{.fontName = "Mono", .fontSize = fontSize, .zoomPosition = zoomPosition});
    }
};

} // namespace

TEST_F(ConfigTest, SliderPositionsZoomsLabelsAndFontSizes)
{
    const char* zooms[] = {"0.125", "0.25", "0.5", "1", "2", "4", "8"};
    for (int position = 1; position <= 7; ++position) {
        const std::string zoom = zooms[position - 1];
        EXPECT_EQ(zoomForPosition(position), std::stof(zoom));
        EXPECT_EQ(positionForZoom(std::stof(zoom)), position);
        EXPECT_EQ(zoomLabel(position), "Default zoom: " + zoom + "x");
        save(position, 10);
        EXPECT_EQ(stored("DefaultZoom"), zoom);
    }
    for (float other : {3.0f, 0.0f, 1.0001f, 16.0f})
        EXPECT_EQ(positionForZoom(other), 4) << other;
    // Font sizes are stored with their fractions and held rounded.
    const std::tuple<double, const char*, std::int16_t> cases[] = {
        {9.75, "9.75", 10}, {10.5, "10.5", 10}, {11.5, "11.5", 12}, {12, "12", 12}, {8.25, "8.25", 8}};
    for (const auto& [size, text, held] : cases) {
        save(4, size);
        EXPECT_EQ(stored("DefaultFontSize"), text);
        EXPECT_EQ(t.app->settings.defaultFontSize, held) << size;
        EXPECT_EQ(loadProgramSettings(*t.store).defaultFontSize, held) << size; // what the next start reads
    }
}

TEST_F(ConfigTest, LoadShowsTheDefaultsOrWhatUnconvertibleSettingsFallBackTo)
{
    auto& s = t.app->settings;
    s.defaultZoom = 0.25f, s.defaultFontName = "DejaVu Sans", s.defaultFontSize = 14, s.defaultFontBold = true;
    s.defaultTextColour = "255", s.defaultBackColour = "16711680", s.showTips = false;
    {
        SettingsDialog config(*t.app);
        EXPECT_EQ(config.defaultZoomSlider->value(), 2);
        EXPECT_EQ(config.defaultZoomLabel->text(), "Default zoom: 0.25x") << "the label follows the slider at load";
        const QFont font = config.sampleText->font();
        EXPECT_EQ(std::tuple(font.family(), font.pointSizeF(), font.bold()), std::tuple("DejaVu Sans", 14.0, true));
        EXPECT_EQ(std::pair(config.textColour(), config.backColour()), std::pair(QColor(Qt::red), QColor(Qt::blue)));
        EXPECT_FALSE(config.showTipsBox->isChecked());
    }
    for (const auto& [key, value] : {std::pair{"DefaultFontSize", "abc"},
                                     {"DefaultZoom", "huge"},
                                     {"ShowTips", "maybe"},
                                     {"DefaultTextColour", "red"},
                                     {"DefaultBackColour", ""},
                                     {"DefaultFontBold", "sometimes"}})
        t.store->write(kProgramSettings, key, value);
    s = loadProgramSettings(*t.store);
    SettingsDialog config(*t.app);
    EXPECT_EQ(config.sampleText->font().pointSizeF(), 10);
    EXPECT_FALSE(config.sampleText->font().bold());
    EXPECT_EQ(config.defaultZoomLabel->text(), "Default zoom: 1x");
    EXPECT_TRUE(config.showTipsBox->isChecked());
    EXPECT_EQ(std::pair(config.textColour(), config.backColour()), std::pair(QColor(Qt::black), QColor(Qt::white)));
}

TEST_F(ConfigTest, OkStoresEverySettingAndTheNewDefaultsApplyAtOnce)
{
    QFont chosen("DejaVu Serif");
    chosen.setPointSizeF(9.75);
    chosen.setItalic(true);
    t.dialogs.fonts.enqueue(chosen);
    t.dialogs.colours.enqueue(QColor(1, 2, 3));
    t.dialogs.colours.enqueue(QColor(250, 240, 230));
    SettingsDialog config(*t.app);
    for (QPushButton* chooser : {config.fontButton, config.textColourButton, config.backColourButton})
        chooser->click();
    config.defaultZoomSlider->setValue(6);
    EXPECT_EQ(config.defaultZoomLabel->text(), "Default zoom: 4x");
    config.showTipsBox->setChecked(false);
    config.okButton->click();

    EXPECT_EQ(config.result(), QDialog::Accepted);
    const std::pair<const char*, std::string> expected[] = {
        {"DefaultFontName", "DejaVu Serif"},
        {"DefaultFontSize", "9.75"},
        {"DefaultFontBold", "False"},
        {"DefaultFontItalic", "True"},
        {"DefaultTextColour", std::to_string(1 + 2 * 256 + 3 * 65536)},
        {"DefaultBackColour", std::to_string(250 + 240 * 256 + 230 * 65536)},
        {"DefaultZoom", "4"},
        {"ShowTips", "False"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(stored(key), value) << key;
    const ProgramSettings& s = t.app->settings;
    EXPECT_EQ(std::tuple(s.defaultFontName, s.defaultFontSize, s.defaultFontItalic, s.defaultTextColour),
              std::tuple("DejaVu Serif", 10, true, expected[4].second));
    EXPECT_EQ(std::tuple(s.defaultZoom, s.showTips, t.app->zoomFactor), std::tuple(4.0f, false, 4.0f));
}

TEST_F(ConfigTest, CancelAndCancelledChoosersChangeNothing)
{
    t.store->write(kProgramSettings, "DefaultFontName", "Courier New");
    t.app->settings = loadProgramSettings(*t.store);
    t.app->zoomFactor = 2.0f;
    {
        SettingsDialog config(*t.app);
        config.fontButton->click(); // cancelled choosers: the scripted queues are empty
        config.textColourButton->click();
        EXPECT_EQ(config.sampleText->font().family(), "Courier New");
        EXPECT_EQ(config.textColour(), QColor(Qt::black));
        t.dialogs.fonts.enqueue(QFont("DejaVu Sans", 20));
        config.fontButton->click();
        EXPECT_EQ(config.sampleText->font().family(), "DejaVu Sans");
        config.defaultZoomSlider->setValue(7);
        config.cancelButton->click();
        EXPECT_EQ(config.result(), QDialog::Rejected);
    }
    for (const char* key : {"DefaultFontSize", "DefaultFontBold", "DefaultFontItalic", "DefaultTextColour",
                            "DefaultBackColour", "DefaultZoom", "ShowTips"})
        EXPECT_FALSE(stored(key).has_value()) << key;
    EXPECT_EQ(stored("DefaultFontName"), "Courier New");
    const ProgramSettings& s = t.app->settings;
    EXPECT_EQ(std::tuple(s.defaultFontName, s.defaultFontSize, s.defaultZoom, t.app->zoomFactor),
              std::tuple("Courier New", 10, 1.0f, 2.0f));
}

TEST_F(ConfigTest, TheSettingsButtonShowsTheDialogModally)
{
    MainWindow main(*t.app);
    registerShellWindows(main);
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (auto* config = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget())) {
            modal = config->isModal();
            config->defaultZoomSlider->setValue(1);
            config->okButton->click();
        }
    });
    main.toolbarAction(ToolbarCommand::Settings)->trigger();
    EXPECT_TRUE(modal);
    EXPECT_EQ(stored("DefaultZoom"), "0.125");
    EXPECT_EQ(t.app->zoomFactor, 0.125f);
}
