// Opening real characters end to end: the main window runs the real sprite
// tools and fills the sprite table.

#include "documents/spawn_script.h"
#include "shell/main_window.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace vantrel;

TEST(OpenRealCharacters, BothEditionsUnpackWithTheRealTools)
{
    const struct {
        const char* def;
        int records;
    } cases[] = {
        {"winmugen-kfm/kfm.def", 274},
        {"ikemen-kfm/kfm.def", 281},
    };
    for (const auto& c : cases) {
        test::TestApp t;
        test::installRealTools(t.dir().toStdString());
        MainWindow main(*t.app);
        main.openCharacter(QString::fromStdString(test::realchars(c.def)));
        EXPECT_TRUE(t.dialogs.messages.isEmpty()) << c.def << ": " << main.statusText().toStdString();
        EXPECT_EQ(main.statusText(), "Status: OK") << c.def;
        SpriteDocument* sprites = test::spritesOf(*t.app);
        ASSERT_NE(sprites, nullptr) << c.def;
        ASSERT_EQ(sprites->workspace().count(), c.records) << c.def;
        // Every record's picture is there, and the standing sprite can be found.
        for (const auto& r : sprites->workspace().records())
            EXPECT_TRUE(fileReady(sprites->workspace().imagePath(r))) << r.pcxFile;
        EXPECT_TRUE(sprites->workspace().findSpriteRecord("0", "0").has_value()) << c.def;
    }
}
