// Go to definition: what the word at the caret names, and the line that
// defines it.

#include "text/definitions.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

std::vector<std::string_view> viewsOf(const std::vector<std::string>& lines)
{
    return {lines.begin(), lines.end()};
}

} // namespace

TEST(Definitions, TheWordAtTheCaretNamesAStateAnActionOrACommand)
{
    const std::vector<std::string> lines = {
        "[Statedef 200]",                             // 0
        "anim = 200",                                 // 1
        "[State 200, 1]",                             // 2
        "type = ChangeState",                         // 3
        "trigger1 = command = \"QCF_x\" && Time > 3", // 4
        "value = 210 ; back to standing",             // 5
        "[State 200, 2]",                             // 6
        "type = ChangeAnim",                          // 7
        "value = 1000 + var(1)",                      // 8
        "[State 200, 3]",                             // 9
        "type = HitDef",                              // 10
        "p2stateno = 5020",                           // 11
        "sparkno = S7000",                            // 12
        "[State 200, 4]",                             // 13
        "type = Explod",                              // 14
        "anim = F60",                                 // 15
        "value = -1",                                 // 16
        "[State 200, 5]",                             // 17
        "type = PlaySnd",                             // 18
        "value = S5, 2",                              // 19
        "[State 200, 6]",                             // 20
        "type = HitDef",                              // 21
        "hitsound = 5,2",                             // 22
        "guardsound = S6, 0 ; own",                   // 23
        "sparkno = 7000",                             // 24
        "[Begin Action 200]",                         // 25
        "200,1, 0,0, 5",                              // 26
        "Clsn2: 1",                                   // 27
    };
    const auto views = viewsOf(lines);
    struct Case {
        std::size_t line, column;
        std::optional<DefinitionKind> kind;
        const char* key;
    };
    const Case cases[] = {
        {1, 8, DefinitionKind::Action, "200"}, // a Statedef's anim
        {5, 9, DefinitionKind::State, "210"},  // ChangeState's value, a comment after it
        {5, 8, DefinitionKind::State, "210"},  // the caret at the word's start
        {4, 24, DefinitionKind::Command, "QCF_x"},
        {8, 9, std::nullopt, ""}, // an expression
        {11, 13, DefinitionKind::State, "5020"},
        {12, 11, DefinitionKind::Action, "7000"}, // "S": the character's own spark
        {24, 11, std::nullopt, ""},               // a plain spark is the engine's
        {15, 8, std::nullopt, ""},                // the engine's own action
        {3, 9, std::nullopt, ""},                 // a word, not a number
        {0, 11, std::nullopt, ""},                // the header itself
        {16, 9, std::nullopt, ""},                // no type: Explod's value is nothing
        {99, 0, std::nullopt, ""},
        {19, 10, DefinitionKind::Sound, "5,2"},
        {22, 12, std::nullopt, ""}, // a hit sound without "S" is the engine's
        {23, 15, DefinitionKind::Sound, "6,0"},
        {23, 22, std::nullopt, ""}, // in the comment
        {26, 1, DefinitionKind::Sprite, "200,1"},
        {26, 5, DefinitionKind::Sprite, "200,1"},
        {26, 8, std::nullopt, ""}, // the offset is no sprite
        {27, 3, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const auto name = definitionNameAt(views, c.line, c.column);
        ASSERT_EQ(name.has_value(), c.kind.has_value()) << c.line << ":" << c.column;
        if (name) {
            EXPECT_EQ(name->kind, *c.kind) << c.line;
            EXPECT_EQ(name->key, c.key) << c.line;
        }
    }
}

TEST(Definitions, TheLineThatDefinesIt)
{
    const std::vector<std::string> states = {"; stand", "[Statedef 0]", "[Statedef 200, Punch]", "[StateDef -1]",
                                             "[Statedef 2000 ; comment]"};
    EXPECT_EQ(definitionLine(viewsOf(states), {DefinitionKind::State, "200"}), 2u);
    EXPECT_EQ(definitionLine(viewsOf(states), {DefinitionKind::State, "-1"}), 3u);
    EXPECT_EQ(definitionLine(viewsOf(states), {DefinitionKind::State, "20"}), std::nullopt) << "not 200's prefix";
    EXPECT_EQ(definitionLine(viewsOf(states), {DefinitionKind::State, "2000"}), 4u);

    const std::vector<std::string> actions = {"[Begin Action 20]", "20,0, 0,0, 5", "[begin action 210]\r"};
    EXPECT_EQ(definitionLine(viewsOf(actions), {DefinitionKind::Action, "210"}), 2u);

    const std::vector<std::string> commands = {"[Command]",        "name = \"qcf_x\"", "[Command]",
                                               "name = \"QCF_x\"", "[Statedef -1]",    "name = \"fake\""};
    EXPECT_EQ(definitionLine(viewsOf(commands), {DefinitionKind::Command, "QCF_x"}), 3u) << "letter case counts";
    EXPECT_EQ(definitionLine(viewsOf(commands), {DefinitionKind::Command, "fake"}), std::nullopt);
}
