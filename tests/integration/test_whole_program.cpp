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

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>

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

} // namespace

TEST(WholeProgram, SampleCharacterThroughEveryWindow)
{
    const std::string def = std::string(VANTREL_APP_DIR) + "/samples/kit/kit.def";
    ASSERT_TRUE(std::filesystem::exists(def)) << "the build generates the sample character";

    test::TestApp t;
    test::installRealTools(t.dir().toStdString());
    t.store->write(kProgramSettings, "ShowTips", "False");
    MainWindow main(*t.app);
    registerWindows(main);
    main.MDIForm_Load();
    main.openCharacter(QString::fromStdString(def));
    ASSERT_EQ(main.statusText(), "Status: OK");
    ASSERT_EQ(t.app->sprites.count(), 28);

    // Sprites: navigate, then the onion skin over the next frame.
    auto* sff = qobject_cast<SpriteWindow*>(main.openWindow("SpriteWindow"));
    ASSERT_NE(sff, nullptr);
    EXPECT_TRUE(t.app->decoder.spritePaletteCaptured);
    sff->hscIndex->setValue(6);
    EXPECT_EQ(sff->currentIndex(), 6);
    EXPECT_EQ(t.app->decoder.decodedPixels.height, 124);
    sff->chkOnionskin->setChecked(true);
    sff->chkOnionskin_Click();
    sff->hscIndex->setValue(7);
    EXPECT_EQ(t.app->decoder.decodedPixels.width, 128);

    // Sounds: the bank's first sample plays on the dummy driver.
    auto* snd = qobject_cast<SoundWindow*>(main.openWindow("SoundWindow"));
    ASSERT_NE(snd, nullptr);
    snd->mnuPlaySnd_Click();
    EXPECT_TRUE(snd->player().playing());
    snd->mnuStopSnd_Click();
    EXPECT_FALSE(snd->player().playing());

    // Palettes: another palette recolours the working palette.
    auto* act = qobject_cast<PaletteWindow*>(main.openWindow("PaletteWindow"));
    ASSERT_NE(act, nullptr);
    const Palette first = t.app->workingPalette;
    act->Toolbar1_ButtonClick("Act2");
    EXPECT_NE(t.app->workingPalette, first);

    // Every text window shows its file, unmodified.
    for (const char* name : {"DefinitionWindow", "ConstantsWindow", "CommandsWindow", "AnimationTextWindow", "StateFileWindow"}) {
        auto* text = qobject_cast<TextEditorWindow*>(main.openWindow(name));
        ASSERT_NE(text, nullptr) << name;
        EXPECT_FALSE(text->txtEdit()->toPlainText().isEmpty()) << name;
        EXPECT_FALSE(text->modified()) << name;
    }
    auto* air = qobject_cast<AnimationTextWindow*>(main.window("AnimationTextWindow"));
    closeNextModal();
    air->Find();

    // The animation preview, from the AIR window: play the standing action.
    air->Toolbar1_ButtonClick("Anim");
    auto* anim = qobject_cast<AnimationPreview*>(main.window("AnimationPreview"));
    ASSERT_NE(anim, nullptr);
    anim->Form_Load();
    anim->cboAnim->setCurrentIndex(0);
    anim->cboAnim_Click();
    anim->Check1->setChecked(true); // loop
    anim->Command1_Click();
    for (int tick = 0; tick < 6; ++tick)
        anim->tmrAnim_Timer();
    EXPECT_EQ(anim->lblGroup->text(), "Group: 0");
    anim->Command2_Click();

    air->Toolbar1_ButtonClick("CLSN");
    EXPECT_NE(main.window("CollisionBoxWindow"), nullptr);

    // The calculator and the settings dialog.
    auto* calc = qobject_cast<CalculatorWindow*>(main.openWindow("CalculatorWindow"));
    ASSERT_NE(calc, nullptr);
    for (char key : std::string("7+2*3="))
        calc->Form_KeyPress(key);
    closeNextModal();
    main.Toolbar1_ButtonClick("Settings");

    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join(" | ").toStdString();

    // Nothing was changed, so the program closes without a question and
    // takes its workspace with it.
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(t.dialogs.messages.isEmpty()) << t.dialogs.messageTexts().join(" | ").toStdString();
    EXPECT_FALSE(std::filesystem::exists(t.path("tempsff")));
}
