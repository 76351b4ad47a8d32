// The state script reader: what a script holds, read at its lines, and bad
// input answered with a problem at its line in time and memory in
// proportion to the file.

#include "formats/zss.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantrel;

namespace {

const char* const kScript = "# a comment\n"                                                                    // 1
                            "[StateDef 200; type: S; movetype: A; anim: 200; velset: 0, 0;]\n"                 // 2
                            "if Time = 0 {\n"                                                                  // 3
                            "\tPlaySnd{value: 0, 0}\n"                                                         // 4
                            "}\n"                                                                              // 5
                            "if AnimElem = 3 && !MoveContact {\n"                                              // 6
                            "\tif var(1) = \"a;b{\" { HitDef{attr: S, NA; damage: 23, 0; p2stateno: 5000} }\n" // 7
                            "} else if AnimTime = 0 {\n"                                                       // 8
                            "\tChangeState{value: 0; ctrl: 1;}\n"                                              // 9
                            "}\n"                                                                              // 10
                            "else { Null{} }\n"                                                                // 11
                            "let count = $count + 1;\n"                                                        // 12
                            "ignoreHitPause persistent(0) if var(1) := 3 { VarSet{v: 2; value: $count} }\n"    // 13
                            "for i = 0; 10 { VarAdd{v: 3; value: $i} }\n"                                      // 14
                            "while $count < 3 { let count = $count + 1; break; }\n"                            // 15
                            "switch $count { case 1: PlaySnd{value: 1, 0} default: PlaySnd{value: 2, 0} }\n"   // 16
                            "[Function Double(n) ret]\r\n"                                                     // 17
                            "let ret = $n * 2;\r"                                                              // 18
                            "[StateDef -1;]\n"                                                                 // 19
                            "persistent(2) ignoreHitPause VarSet{var(5): 1}\n"                                 // 20
                            "call Double(2);\n"                                                                // 21
                            "ignoreHitPause { Null{} }\n";                                                     // 22

std::string conditionsOf(const ZssScript& s, const ZssController& c)
{
    std::string out;
    for (int at = c.condition; at >= 0; at = s.conditions[static_cast<std::size_t>(at)].parent)
        out += std::string(s.conditions[static_cast<std::size_t>(at)].text) + " | ";
    return out;
}

} // namespace

TEST(ZssReader, StatesControllersConditionsAndExpressionsAtTheirLines)
{
    const ZssScript s = readZss(kScript);
    EXPECT_TRUE(s.problems.empty()) << s.problems.front().line << ": " << s.problems.front().message.english();
    EXPECT_EQ(s.lineCount, 22);

    ASSERT_EQ(s.states.size(), 3u);
    EXPECT_EQ(s.states[0].number, 200);
    EXPECT_EQ(s.states[0].line, 2);
    EXPECT_EQ(s.states[0].header, "StateDef 200");
    ASSERT_EQ(s.states[0].parameters.size(), 4u);
    EXPECT_EQ(s.states[0].parameters[2].key, "anim");
    EXPECT_EQ(s.states[0].parameters[3].value, "0, 0");
    EXPECT_TRUE(s.states[1].function);
    EXPECT_EQ(s.states[1].name, "Double");
    EXPECT_EQ(s.states[1].line, 17);
    EXPECT_EQ(s.states[2].number, -1);
    EXPECT_EQ(s.states[2].line, 19);

    struct Expected {
        const char* name;
        std::int32_t line;
        int state;
        const char* conditions; // innermost first
        const char* parameters; // name=value;...
        bool ignoreHitPause;
    };
    const std::vector<Expected> expected = {
        {"PlaySnd", 4, 0, "Time = 0 | ", "value=0, 0;", false},
        {"HitDef", 7, 0, "var(1) = \"a;b{\" | AnimElem = 3 && !MoveContact | ",
         "attr=S, NA;damage=23, 0;p2stateno=5000;", false},
        {"ChangeState", 9, 0, "AnimTime = 0 | ", "value=0;ctrl=1;", false},
        {"Null", 11, 0, "", "", false},
        {"VarSet", 13, 0, "var(1) := 3 | ", "v=2;value=$count;", false},
        {"VarAdd", 14, 0, "", "v=3;value=$i;", false},
        {"PlaySnd", 16, 0, "", "value=1, 0;", false},
        {"PlaySnd", 16, 0, "", "value=2, 0;", false},
        {"VarSet", 20, 2, "", "var(5)=1;", true},
        {"Null", 22, 2, "", "", false},
    };
    ASSERT_EQ(s.controllers.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ZssController& c = s.controllers[i];
        std::string parameters;
        for (const ZssParameter& p : c.parameters)
            parameters += p.name + "=" + std::string(p.value) + ";";
        EXPECT_EQ(c.name, expected[i].name) << i;
        EXPECT_EQ(c.line, expected[i].line) << i;
        EXPECT_EQ(c.state, expected[i].state) << i;
        EXPECT_EQ(conditionsOf(s, c), expected[i].conditions) << i;
        EXPECT_EQ(parameters, expected[i].parameters) << i;
        EXPECT_EQ(c.ignoreHitPause, expected[i].ignoreHitPause) << i;
    }

    std::vector<std::string> expressions;
    for (const ZssExpression& e : s.expressions)
        expressions.push_back(std::to_string(e.line) + " " + std::string(e.what) + ": " + std::string(e.text));
    EXPECT_EQ(expressions,
              (std::vector<std::string>{"12 let: $count + 1", "13 persistent: (0)", "14 for: 0", "14 for: 10",
                                        "15 while: $count < 3", "15 let: $count + 1", "16 switch: $count", "16 case: 1",
                                        "18 let: $n * 2", "20 persistent: (2)", "21 call: (2)"}));
}

TEST(ZssReader, BrokenScriptsGiveAProblemAtTheFaultsLine)
{
    struct Case {
        const char* name;
        std::string script;
        std::int32_t line;
        const char* message;
    };
    const std::string head = "[StateDef 1;]\n";
    const std::vector<Case> cases = {
        {"a brace never closed", head + "if Time {\n  Null{}\n\n[StateDef 2;]\n", 2, "'{' is never closed"},
        {"a brace closing nothing", head + "Null{}\n}\n", 3, "'}' without its '{'"},
        {"a controller's brace never closed", head + "Null{value: 1\n[StateDef 2;]\n", 2,
         "'{' of Null is never closed"},
        {"a parenthesis never closed", head + "\nif (Time = 1 {}\n", 3, "'(' is never closed"},
        {"a parenthesis closing nothing", head + "let a = 1);\n", 2, "')' without its opening bracket"},
        {"a string never closed", head + "Null{value: \"abc}\n}\n", 2, "string without its closing quote"},
        {"a header never closed", head + "[StateDef 3; type: S\n", 2, "state header without its closing ']'"},
        {"a StateDef without its number", "\n[StateDef x;]\n", 2, "StateDef without a readable state number"},
        {"a header part without its colon", "[StateDef 4; type S;]\n", 1,
         "state header part \"type S\" is not \"key: value\""},
        {"a header of no known kind", "[Statedeff 4;]\n", 1,
         "unknown header [Statedeff]: a state starts with [StateDef n; ...]"},
        {"a statement of no known kind", head + "Null;\n", 2, "unknown statement \"Null\""},
        {"a parameter without its name", head + "Null{1: 2}\n", 2, "parameter of Null without its \"name:\""},
        {"an else after no if", head + "Null{}\nelse {}\n", 3, "else without its if"},
        {"an if without its brace", head + "if Time = 1\nNull{}\n", 2, "if without its '{'"},
        {"a let cut short by the end of the file", head + "\nlet", 3, "let without \"name =\""},
        {"a call cut short by the end of the file", head + "call", 2, "call without \"Function(...)\""},
        {"code before any state", "Null{}\n[StateDef 1;]\n", 1, "code outside any [StateDef] or [Function]"},
    };
    for (const Case& c : cases) {
        const ZssScript s = readZss(c.script);
        ASSERT_FALSE(s.problems.empty()) << c.name;
        EXPECT_EQ(s.problems.front().line, c.line) << c.name;
        EXPECT_EQ(s.problems.front().message.english(), c.message) << c.name;
    }
}

TEST(ZssReader, HugeAndDeepInputIsReadInProportion)
{
    const std::size_t mb = 1 << 20;
    struct Case {
        const char* name;
        std::string script;
        std::int32_t line;
        const char* message;
    };
    std::string deep = "[StateDef 1;]\n";
    for (int i = 0; i < 100000; ++i)
        deep += "if a {\n";
    std::string names = "[StateDef 1;]\nlet a = 1";
    while (names.size() < mb)
        names += " + t" + std::to_string(names.size());
    const std::vector<Case> cases = {
        {"100 000 ifs never closed", deep, 100001, "'{' is never closed"},
        {"a 1 MB line of open parentheses", "[StateDef 1;]\nlet a = " + std::string(mb, '(') + ";\n", 2,
         "'(' is never closed"},
        {"a 1 MB line of closing braces", "[StateDef 1;]\n" + std::string(mb, '}'), 2, "'}' without its '{'"},
        {"a 1 MB string never closed", "[StateDef 1;]\n\nlet a = \"" + std::string(mb, 'x'), 3,
         "string without its closing quote"},
        {"a 1 MB header never closed", "[StateDef 1;" + std::string(mb, ' '), 1,
         "state header without its closing ']'"},
        {"100 000 braces opened on one line", "[StateDef 1;]\n" + std::string(100000, '{'), 2, "'{' is never closed"},
    };
    for (const Case& c : cases) {
        const ZssScript s = readZss(c.script);
        ASSERT_FALSE(s.problems.empty()) << c.name;
        EXPECT_LE(s.problems.size(), kMaxZssProblems + 1) << c.name;
        EXPECT_EQ(s.problems.front().line, c.line) << c.name;
        EXPECT_EQ(s.problems.front().message.english(), c.message) << c.name;
    }
    // A long line without a fault reads whole.
    const ZssScript long_ = readZss(names + ";\nNull{}\n");
    EXPECT_TRUE(long_.problems.empty());
    ASSERT_EQ(long_.expressions.size(), 1u);
    EXPECT_GT(long_.expressions[0].text.size(), mb - 32);
    ASSERT_EQ(long_.controllers.size(), 1u);
    EXPECT_EQ(long_.controllers[0].line, 3);
}
