// The animation tools on the real characters, unpacked by the real sprite
// tools: the standing and punching actions loop with their own sprites.

#include "anim/animation_preview.h"
#include "anim/collision_box_window.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace vantrel {
void registerAnimWindows(MainWindow& main);
}

using namespace vantrel;

TEST(AnimationOnRealCharacters, StandingAndPunchLoopWithTheirSprites)
{
    for (const auto& [def, actionCount] : {std::pair{"winmugen-kfm/kfm.def", 108}, std::pair{"ikemen-kfm/kfm.def", 117}}) {
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        registerAnimWindows(main);
        main.openCharacter(QString::fromStdString(test::realchars(def)));
        ASSERT_EQ(main.statusText(), "Status: OK") << def;

        auto* w = qobject_cast<AnimationPreview*>(main.openWindow("AnimationPreview"));
        ASSERT_TRUE(w) << def;
        w->Form_Load();
        EXPECT_EQ(w->cboAnim->count(), actionCount) << def;
        w->Check1->setChecked(true);
        for (const QString action : {"0", "200"}) {
            w->cboAnim->setCurrentIndex(w->cboAnim->findText(action));
            const AnimAction& a = w->player().action();
            ASSERT_GT(a.frameCount(), 2) << def;
            w->Command1->click();
            // Every frame shows its own sprite, then the loop comes back to frame 0.
            for (int step = 0; step <= a.frameCount(); ++step) {
                const int i = step % a.frameCount();
                EXPECT_EQ(std::pair(w->hscFrame->value(), w->lblGroup->text()), std::pair(i, "Group: " + action));
                EXPECT_FALSE(w->picInlay->pixmap().isNull()) << def << " frame " << i;
                ASSERT_TRUE(w->tmrAnim->isActive());
                EXPECT_EQ(w->tmrAnim->interval(), static_cast<int>(a.frames[static_cast<std::size_t>(i)].duration) * 10);
                w->tmrAnim->stop();
                w->tmrAnim_Timer();
            }
            w->Command2->click();
        }
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << def;
        auto* boxes = qobject_cast<CollisionBoxWindow*>(main.openWindow("CollisionBoxWindow"));
        EXPECT_EQ(boxes ? boxes->hscAction->maximum() : -1, actionCount) << def;
    }
}
