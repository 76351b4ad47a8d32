// Find references: every place naming a state, an action or a command, and
// nothing that merely looks like it.

#include "text/references.h"

#include "common/text.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantrel;

namespace {

struct Found {
    std::size_t line;
    std::string text;
    bool definition;
    bool operator==(const Found&) const = default;
};

std::vector<Found> referencesIn(const std::vector<std::string>& lines, DefinitionKind kind, const std::string& key)
{
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    std::vector<Found> found;
    for (const ReferenceSpan& span : referencesTo(views, {kind, key}))
        found.push_back({span.line, lines[span.line].substr(span.column, span.length), span.definition});
    return found;
}

} // namespace

TEST(References, StatesActionsAndCommandsAreFoundExactly)
{
    const std::vector<std::string> lines = {
        "[Statedef 0]",                                                 // 0
        "anim = 0",                                                     // 1
        "[State 0, a]",                                                 // 2
        "value = 0",                                                    // 3: the type comes after it
        "type = ChangeState",                                           // 4
        "trigger1 = stateno != 0 && prevstateno = 10 && p2stateno = 0", // 5
        "[State 0, b]",                                                 // 6
        "type = ChangeState",                                           // 7
        "value = 200 ; not 0",                                          // 8
        "anim = 0",                                                     // 9
        "[State 0, c]",                                                 // 10
        "type = VarSet",                                                // 11
        "value = 0",                                                    // 12: a variable, no state
        "[State 0, d]",                                                 // 13
        "type = HitDef",                                                // 14
        "p1stateno = 0",                                                // 15
        "sparkno = 0",                                                  // 16: the engine's spark
        "[State 0, e]",                                                 // 17
        "type = SelfState",                                             // 18
        "  value = 0",                                                  // 19
        "[Statedef 10]",                                                // 20
        "[Command]",                                                    // 21
        "name = \"QCF_x\"",                                             // 22
        "[State -1, f]",                                                // 23
        "type = ChangeState",                                           // 24
        "trigger1 = command = \"QCF_x\" || command != \"qcf_x\"",       // 25
        "value = 00",                                                   // 26: not written as 0
    };
    EXPECT_EQ(
        referencesIn(lines, DefinitionKind::State, "0"),
        (std::vector<Found>{{0, "0", true}, {3, "0", false}, {5, "0", false}, {15, "0", false}, {19, "0", false}}));
    EXPECT_EQ(referencesIn(lines, DefinitionKind::State, "10"),
              (std::vector<Found>{{5, "10", false}, {20, "10", true}}));
    EXPECT_EQ(referencesIn(lines, DefinitionKind::Action, "0"), (std::vector<Found>{{1, "0", false}, {9, "0", false}}));
    EXPECT_EQ(referencesIn(lines, DefinitionKind::Command, "QCF_x"),
              (std::vector<Found>{{22, "QCF_x", true}, {25, "QCF_x", false}}))
        << "letter case counts";
}

TEST(References, EveryChangeStateToStandingInTheRealCharacter)
{
    const std::pair<const char*, std::size_t> characters[] = {{"winmugen-kfm", 22}, {"ikemen-kfm", 28}};
    for (const auto& [character, returns] : characters) {
        const auto lines = readLines(test::realchars(std::string(character) + "/kfm.cns"));
        ASSERT_TRUE(lines) << character;
        const std::vector<Found> found = referencesIn(*lines, DefinitionKind::State, "0");
        // Every return to standing is a ChangeState's "value = 0"; the
        // variables, sounds and positions set to 0 are not.
        ASSERT_EQ(found.size(), returns) << character;
        for (const Found& f : found) {
            EXPECT_EQ(f.text, "0");
            EXPECT_FALSE(f.definition) << "state 0 is defined in the engine's common states";
            std::size_t k = f.line;
            while (k > 0 && !trimmed((*lines)[k]).starts_with("type"))
                --k;
            EXPECT_EQ(toLowerAscii(trimmed((*lines)[k])), "type = changestate") << character << ":" << f.line + 1;
        }
    }
    const auto commands = readLines(test::realchars("winmugen-kfm/kfm.cmd"));
    ASSERT_TRUE(commands);
    EXPECT_EQ(referencesIn(*commands, DefinitionKind::Command, "FF"),
              (std::vector<Found>{{225, "FF", true}, {517, "FF", false}}));
    const auto actions = readLines(test::realchars("winmugen-kfm/kfm.air"));
    ASSERT_TRUE(actions);
    EXPECT_EQ(referencesIn(*actions, DefinitionKind::Action, "0"), (std::vector<Found>{{5, "0", true}}));
}
