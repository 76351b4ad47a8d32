// The animation tools on the real characters, unpacked by the real sprite
// tools: the standing and punching actions loop with their own sprites.

#include "anim/animation_preview.h"
#include "anim/box_canvas.h"
#include "anim/collision_box_window.h"
#include "anim/register_windows.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cctype>

using namespace vantrel;

TEST(AnimationOnRealCharacters, StandingAndPunchLoopWithTheirSprites)
{
    for (const auto& [def, actionCount] :
         {std::pair{"winmugen-kfm/kfm.def", 108}, std::pair{"ikemen-kfm/kfm.def", 117}}) {
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        registerAnimWindows(main);
        main.openCharacter(QString::fromStdString(test::realchars(def)));
        ASSERT_EQ(main.statusText(), "Status: OK") << def;

        auto* w = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
        ASSERT_TRUE(w) << def;
        w->finishOpening();
        EXPECT_EQ(w->actionCombo->count(), actionCount) << def;
        w->loopBox->setChecked(true);
        for (const QString action : {"0", "200"}) {
            w->actionCombo->setCurrentIndex(w->actionCombo->findText(action));
            const AnimAction& a = w->player().action();
            ASSERT_GT(a.frameCount(), 2) << def;
            w->playButton->click();
            // Every frame shows its own sprite, then the loop comes back to frame 0.
            for (int step = 0; step <= a.frameCount(); ++step) {
                const int i = step % a.frameCount();
                EXPECT_EQ(std::pair(w->frameScrollBar->value(), w->groupLabel->text()),
                          std::pair(i, "Group: " + action));
                EXPECT_FALSE(w->stage->spriteRect().isEmpty()) << def << " frame " << i;
                EXPECT_FALSE(a.frames[static_cast<std::size_t>(i)].imagePath.empty()) << def << " frame " << i;
                ASSERT_TRUE(w->frameTimer->isActive());
                EXPECT_EQ(w->frameTimer->interval(),
                          static_cast<int>(a.frames[static_cast<std::size_t>(i)].duration) * 10);
                w->frameTimer->stop();
                w->advanceFrame();
            }
            w->stopButton->click();
        }
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << def;
        auto* boxes = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
        EXPECT_EQ(boxes ? boxes->actionScrollBar->maximum() : -1, actionCount) << def;
    }
}

namespace {

// The frame lines of each action, counted apart from the model: lines whose
// text before any comment starts with a number and has at least four commas.
std::vector<int> frameLinesPerAction(const std::string& text)
{
    std::vector<int> counts;
    std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        line = line.substr(0, line.find(';'));
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        if (line[first] == '[')
            counts.push_back(0);
        else if ((std::isdigit(static_cast<unsigned char>(line[first])) || line[first] == '-') && !counts.empty()
                 && std::ranges::count(line, ',') >= 4)
            ++counts.back();
    }
    return counts;
}

} // namespace

TEST(AnimationOnRealCharacters, PreviewAndBoxEditorNumberEveryFrameAlike)
{
    for (const char* name : {"winmugen-kfm", "ikemen-kfm"}) {
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        registerAnimWindows(main);
        main.openCharacter(QString::fromStdString(test::realchars(std::string(name) + "/kfm.def")));
        ASSERT_EQ(main.statusText(), "Status: OK") << name;
        auto* preview = qobject_cast<AnimationPreview*>(main.openWindow(WindowKind::AnimationPreview));
        auto* editor = qobject_cast<CollisionBoxWindow*>(main.openWindow(WindowKind::CollisionBoxes));
        ASSERT_TRUE(preview && editor) << name;
        preview->finishOpening();
        const std::vector<int> expected = frameLinesPerAction(test::readFile(test::files(*t.app).animationFile));
        ASSERT_EQ(static_cast<int>(expected.size()), preview->actionCombo->count()) << name;
        int missing = 0;
        for (int i = 0; i < preview->actionCombo->count(); ++i) {
            preview->actionCombo->setCurrentIndex(i);
            editor->actionScrollBar->setValue(i + 1);
            ASSERT_EQ(preview->actionCombo->currentText(), editor->actionNumberLabel->text()) << name << " " << i;
            const AnimAction& shown = preview->player().action();
            const AnimAction& edited = editor->frames();
            ASSERT_EQ(shown.frameCount(), expected[static_cast<std::size_t>(i)]) << name << " action " << i;
            ASSERT_EQ(edited.frameCount(), shown.frameCount()) << name << " action " << i;
            EXPECT_EQ(editor->frameScrollBar->maximum(), std::max(shown.lastFrameIndex(), 0));
            for (int f = 0; f < shown.frameCount(); ++f) {
                const AnimFrame& a = shown.frames[static_cast<std::size_t>(f)];
                const AnimFrame& b = edited.frames[static_cast<std::size_t>(f)];
                EXPECT_EQ(std::tuple(a.group, a.image, a.imagePath, a.duration),
                          std::tuple(b.group, b.image, b.imagePath, b.duration))
                    << name << " action " << i << " frame " << f;
                missing += a.spriteMissing ? 1 : 0;
            }
        }
        EXPECT_EQ(missing, 0) << name << ": every sprite of the real character is in its archive";
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << name;
    }
}
