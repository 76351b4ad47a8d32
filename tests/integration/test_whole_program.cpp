// The whole program on the bundled sample character, as a new user would try
// it: every window once, with no message but the expected ones.

#include "anim/animation_preview.h"
#include "app/editors.h"
#include "calc/calculator_window.h"
#include "palette/palette_window.h"
#include "shell/main_window.h"
#include "sound/sound_window.h"
#include "sprites/sprite_window.h"
#include "test_support.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/state_file_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <map>

using namespace vantrel;

namespace {

// Closes the modal dialog that the next call opens, once it is up.
void closeNextModal()
{
    QTimer::singleShot(50, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

// Every file under a folder with its bytes.
std::map<std::string, std::string> filesUnder(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file())
            files[entry.path().string()] = test::readFile(entry.path().string());
    }
    return files;
}

} // namespace

TEST(WholeProgram, CharactersThatFailToOpenLeaveTheOpenOneAsItWas)
{
    test::TestApp t;
    test::installRealTools(t.dir().toStdString());
    t.store->write(kProgramSettings, "ShowTips", "False");
    const std::string kit = t.path("chars/kit/");
    const std::string broken = t.path("chars/broken/");
    for (const std::string& dir : {kit, broken}) {
        std::filesystem::create_directories(dir);
        std::filesystem::copy(std::string(VANTREL_APP_DIR) + "/samples/kit", dir,
                              std::filesystem::copy_options::recursive);
    }
    // A sprite archive cut off in its picture data, and a .def of random bytes.
    const std::string sff = test::readFile(broken + "kit.sff");
    test::writeFile(broken + "kit.sff", sff.substr(0, sff.size() / 3));
    std::string noise(6000, '\0');
    std::uint32_t seed = 12345;
    for (char& byte : noise) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 24);
    }
    test::writeFile(t.path("chars/noise.def"), noise);

    MainWindow main(*t.app);
    registerWindows(main);
    main.startUp();
    const QString def = QString::fromStdString(kit + "kit.def");
    main.openCharacter(def);
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    ASSERT_EQ(test::spritesOf(*t.app)->workspace().count(), 28);
    auto* constants = qobject_cast<TextEditorWindow*>(main.openWindow(WindowKind::Constants));
    ASSERT_NE(constants, nullptr);
    const auto before = filesUnder(t.dir().toStdString());

    main.openCharacter(QString::fromStdString(t.path("chars/noise.def")));
    main.openCharacter(QString::fromStdString(broken + "kit.def"));
    const QStringList messages = t.dialogs.messageTexts();
    ASSERT_EQ(messages.size(), 2) << messages.join(" | ").toStdString();
    EXPECT_EQ(messages[0], "This file is not a character definition: it has no [Files] section.");
    const std::string unpacked = "The sprite file " + broken + "kit.sff cannot be unpacked: sff2pcx: ";
    EXPECT_TRUE(messages[1].startsWith(QString::fromStdString(unpacked))) << messages[1].toStdString();

    // The kit is still open, its workspace and files untouched, and editable.
    EXPECT_EQ(main.fileText(), def);
    EXPECT_EQ(test::files(*t.app).defFile, kit + "kit.def");
    EXPECT_EQ(test::spritesOf(*t.app)->workspace().count(), 28);
    auto after = filesUnder(t.dir().toStdString());
    after.erase(t.path("spawn.sh")); // the script of the last tool run
    auto expected = before;
    expected.erase(t.path("spawn.sh"));
    EXPECT_EQ(after, expected);
    ASSERT_EQ(main.loadedWindow(WindowKind::Constants), constants);
    constants->editor()->moveCursor(QTextCursor::End);
    constants->editor()->insertPlainText("; still the kit");
    EXPECT_TRUE(constants->modified());
    ASSERT_TRUE(constants->save());
    EXPECT_NE(test::readFile(kit + "kit.cns").find("; still the kit"), std::string::npos);
    EXPECT_EQ(test::readFile(broken + "kit.cns"), before.at(broken + "kit.cns"));
}

TEST(WholeProgram, SampleCharacterThroughEveryWindow)
{
    const std::string def = std::string(VANTREL_APP_DIR) + "/samples/kit/kit.def";
    ASSERT_TRUE(std::filesystem::exists(def)) << "the build generates the sample character";

    test::TestApp t;
    test::installRealTools(t.dir().toStdString());
    t.store->write(kProgramSettings, "ShowTips", "False");
    MainWindow main(*t.app);
    registerWindows(main);
    main.startUp();
    main.openCharacter(QString::fromStdString(def));
    ASSERT_EQ(main.statusText(), "Status: OK");
    ASSERT_NE(test::spritesOf(*t.app), nullptr);
    ASSERT_EQ(test::spritesOf(*t.app)->workspace().count(), 28);

    // Sprites: navigate, then the onion skin over the next frame.
    auto* sff = qobject_cast<SpriteWindow*>(main.openWindow(WindowKind::Sprites));
    ASSERT_NE(sff, nullptr);
    EXPECT_TRUE(test::spritesOf(*t.app)->decoder().spritePaletteCaptured);
    sff->indexScrollBar->setValue(6);
    EXPECT_EQ(sff->currentIndex(), 6);
    EXPECT_EQ(test::spritesOf(*t.app)->decoder().decodedPixels.height, 124);
    sff->onionSkinBox->setChecked(true);
    sff->applyOnionSkinChoice();
    sff->indexScrollBar->setValue(7);
    EXPECT_EQ(test::spritesOf(*t.app)->decoder().decodedPixels.width, 128);

    // Sounds: the bank's first sample plays on the dummy driver.
    auto* snd = qobject_cast<SoundWindow*>(main.openWindow(WindowKind::Sounds));
    ASSERT_NE(snd, nullptr);
    snd->play();
    EXPECT_TRUE(snd->player().playing());
    snd->stop();
    EXPECT_FALSE(snd->player().playing());

    // Palettes: another palette recolours the working palette.
    auto* act = qobject_cast<PaletteWindow*>(main.openWindow(WindowKind::Palettes));
    ASSERT_NE(act, nullptr);
    const Palette first = act->model().workingPalette;
    act->switchToPalette(2);
    EXPECT_NE(act->model().workingPalette, first);

    // Every text window shows its file, unmodified.
    for (WindowKind kind : {WindowKind::Definition, WindowKind::Constants, WindowKind::Commands,
                            WindowKind::AnimationText, WindowKind::States}) {
        const QString name = windowKey(kind);
        auto* text = qobject_cast<TextEditorWindow*>(main.openWindow(kind));
        ASSERT_NE(text, nullptr) << name;
        EXPECT_FALSE(text->editor()->toPlainText().isEmpty()) << name;
        EXPECT_FALSE(text->modified()) << name;
    }
    auto* air = qobject_cast<AnimationTextWindow*>(main.loadedWindow(WindowKind::AnimationText));
    closeNextModal();
    air->showFindDialog();

    // The animation preview, from the AIR window: play the standing action.
    air->showAnimationPreview();
    auto* anim = qobject_cast<AnimationPreview*>(main.loadedWindow(WindowKind::AnimationPreview));
    ASSERT_NE(anim, nullptr);
    anim->finishOpening();
    anim->actionCombo->setCurrentIndex(0);
    anim->loadAnimation();
    anim->loopBox->setChecked(true);
    anim->play();
    for (int tick = 0; tick < 6; ++tick)
        anim->advanceFrame();
    EXPECT_EQ(anim->groupLabel->text(), "Group: 0");
    anim->stop();

    air->showCollisionBoxes();
    EXPECT_NE(main.loadedWindow(WindowKind::CollisionBoxes), nullptr);

    // The calculator and the settings dialog.
    auto* calc = qobject_cast<CalculatorWindow*>(main.openWindow(WindowKind::Calculator));
    ASSERT_NE(calc, nullptr);
    for (char key : std::string("7+2*3="))
        calc->typeKey(key);
    closeNextModal();
    main.toolbarAction(ToolbarCommand::Settings)->trigger();

    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join(" | ").toStdString();

    // Nothing was changed, so the program closes without a question and
    // takes its workspace with it.
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join(" | ").toStdString();
    EXPECT_FALSE(std::filesystem::exists(t.path("tempsff")));
}
