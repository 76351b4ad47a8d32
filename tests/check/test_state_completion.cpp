// What the state editors offer to complete: the context at the caret, and the
// items each context offers, on state, constants and command text.

#include "check/state_completion.h"
#include "check/state_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace vantrel;

namespace {

// A text with '|' where the caret is, split into lines.
struct Caret {
    std::string text;
    std::vector<std::string_view> lines;
    std::size_t line = 0;
    std::size_t column = 0;

    explicit Caret(std::string marked)
    {
        const auto at = marked.find('|');
        text = marked.erase(at, 1);
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == '\n') {
                if (at >= start && at <= i) {
                    line = lines.size();
                    column = at - start;
                }
                lines.push_back(std::string_view(text).substr(start, i - start));
                start = i + 1;
            }
        }
    }

    CompletionContext context() const { return completionContext(lines, line, column); }
};

std::vector<std::string> texts(const std::vector<CompletionItem>& items)
{
    std::vector<std::string> out;
    for (const CompletionItem& item : items)
        out.push_back(item.text);
    return out;
}

const CompletionItem* itemNamed(const std::vector<CompletionItem>& items, std::string_view text)
{
    const auto at = std::find_if(items.begin(), items.end(), [&](const CompletionItem& i) { return i.text == text; });
    return at == items.end() ? nullptr : &*at;
}

const char* kindName(CompletionKind kind)
{
    switch (kind) {
    case CompletionKind::Controller: return "controller";
    case CompletionKind::Parameter: return "parameter";
    case CompletionKind::Trigger: return "trigger";
    case CompletionKind::CommandKey: return "command key";
    case CompletionKind::CommandName: return "command name";
    case CompletionKind::None: break;
    }
    return "none";
}

} // namespace

TEST(StateCompletion, ContextAtTheCaret)
{
    struct Case {
        const char* text;
        CompletionKind kind;
        const char* prefix;
        const char* controller = "";
    };
    const std::string state = "[Statedef 200]\ntype = S\n\n[State 200, 1]\n";
    const std::vector<Case> cases = {
        // A controller after "type =", however it is spaced, in any [State] block.
        {"[State 200, 1]\ntype = |", CompletionKind::Controller, ""},
        {"[State 200, 1]\ntype = Chan|", CompletionKind::Controller, "Chan"},
        {"[State 200, 1]\n  TYPE=velS|et", CompletionKind::Controller, "velS"},
        {"[State -1, Punch]\ntype = |\ntrigger1 = 1", CompletionKind::Controller, ""},
        // The Statedef's own type is a letter, not a controller; other sections offer nothing.
        {"[Statedef 200]\ntype = |", CompletionKind::None, ""},
        {"[Data]\nlife = |", CompletionKind::None, ""},
        {"[Data]\nli|", CompletionKind::None, ""},
        {"[State 200, 1]\ntype = Change Anim|", CompletionKind::None, ""},
        {"[State 200, 1]\ntype = ChangeAnim ; comm|", CompletionKind::None, ""},
        {"[State 200, |1]", CompletionKind::None, ""},
        // Parameters at the start of a line, of the block's controller wherever its type line is.
        {"[State 200, 1]\ntype = ChangeAnim\nel|", CompletionKind::Parameter, "el", "ChangeAnim"},
        {"[State 200, 1]\n|\ntype = HitDef ; the attack\n[State 200, 2]\ntype = Null", CompletionKind::Parameter, "",
         "HitDef"},
        {"[State 200, 1]\n  ground.vel|\ntype = HitDef", CompletionKind::Parameter, "ground.vel", "HitDef"},
        {"[State 200, 1]\nvar(3|", CompletionKind::Parameter, "var(3", ""},
        {"[State 200, 1]\nval| = 3\ntype = VarSet", CompletionKind::Parameter, "val", "VarSet"},
        {"[State 200, 1]\nvalue 3|", CompletionKind::None, ""},
        // Triggers in a trigger's value, not in strings, numbers or other values.
        {"[State 200, 1]\ntrigger1 = |", CompletionKind::Trigger, ""},
        {"[State 200, 1]\ntrigger12 = Time > 3 && AnimEl|", CompletionKind::Trigger, "AnimEl"},
        {"[State 200, 1]\nTriggerAll = !(root,Li|", CompletionKind::Trigger, "Li"},
        {"[State 200, 1]\ntrigger1 = command = \"hol|", CompletionKind::CommandName, "hol"},
        {"[State -1, x]\ntriggerall = Command != \"|", CompletionKind::CommandName, ""},
        {"[State 200, 1]\ntrigger1 = AnimElem = \"x|", CompletionKind::None, ""},
        {"[State 200, 1]\ntrigger1 = mycommand = \"x|", CompletionKind::None, ""},
        {"[State 200, 1]\ntrigger1 = 1 ; command = \"x|", CompletionKind::None, ""},
        {"[State 200, 1]\ntrigger1 = command = \"x\" && st|", CompletionKind::Trigger, "st"},
        {"[State 200, 1]\ntrigger1 = Time = 1|", CompletionKind::None, ""},
        {"[State 200, 1]\ntrigger1 = Time ;Ti|", CompletionKind::None, ""},
        {"[State 200, 1]\nvalue = Ti|", CompletionKind::None, ""},
        // Values that are expressions take triggers too; words and strings do not.
        {"[State 200, 1]\ntype = ChangeState\nvalue = 200 + Ti|", CompletionKind::Trigger, "Ti", "ChangeState"},
        {"[State 200, 1]\ntype = HitDef\nhitflag = M|", CompletionKind::None, ""},
        {"[State 200, 1]\ntype = HitDef\nattr = S|", CompletionKind::None, ""},
        {"[State 200, 1]\ntype = HitDef\nground.type = Hi|", CompletionKind::None, ""},
        {"[State 200, 1]\ntype = VarSet\npersistent = Ti|", CompletionKind::Trigger, "Ti", "VarSet"},
        // The keys of a command file's blocks at the start of a line.
        {"[Command]\nname = \"x\"\nbuf|", CompletionKind::CommandKey, "buf"},
        {"[Remap]\n|", CompletionKind::CommandKey, ""},
        {"[Defaults]\ncommand.t|", CompletionKind::CommandKey, "command.t"},
        {"[Command]\ncommand = ~D, |", CompletionKind::None, ""},
        {"[State 200, 1]\ntriggerx = Ti|", CompletionKind::None, ""},
    };
    for (const Case& c : cases) {
        const CompletionContext context = Caret(state + c.text).context();
        EXPECT_STREQ(kindName(context.kind), kindName(c.kind)) << c.text;
        if (c.kind != CompletionKind::None) {
            EXPECT_EQ(context.prefix, c.prefix) << c.text;
            EXPECT_EQ(context.controller, c.controller) << c.text;
        }
    }
    // The caret in the Statedef's lines before the first controller offers nothing.
    EXPECT_EQ(Caret("[Statedef 200]\nty|pe = S\n[State 200, 1]\ntype = Null").context().kind, CompletionKind::None);
    // Before any header there is no block.
    EXPECT_EQ(Caret("trigger1 = Ti|\n[State 0, 1]").context().kind, CompletionKind::None);
}

TEST(StateCompletion, ItemsOfEachContext)
{
    struct Case {
        const char* text;
        std::vector<std::string> first; // the items' texts from the start
        std::vector<std::string> absent;
        std::size_t count = 0; // 0: not checked
    };
    const std::vector<Case> cases = {
        {"[State 0, 1]\ntype = |", {"AfterImage", "AfterImageTime", "AllPalFX"}, {}, stateControllers().size()},
        {"[State 0, 1]\ntype = chang|", {"ChangeAnim", "ChangeAnim2", "ChangeState"}, {}, 3},
        {"[State 0, 1]\ntype = Zoo|", {"Zoom"}, {}, 1},
        {"[State 0, 1]\ntrigger1 = |", {"Abs", "ACos", "AILevel"}, {}, triggers().size()},
        {"[State 0, 1]\ntrigger1 = 1 && statet|", {"StateType"}, {"StateTime"}, 1},
        // Parameters the block has are not offered again; the next trigger number follows the highest.
        {"[State 0, 1]\ntype = ChangeAnim\ntrigger1 = 1\ntrigger3 = 1\nvalue = 5\n|",
         {"elem", "readplayerid", "triggerall", "trigger4", "persistent", "ignorehitpause", "redirectid"},
         {"value", "type", "trigger1"}},
        {"[State 0, 1]\ntype = VarSet\nv|", {"v", "value", "var(n)"}, {"fv"}},
        {"[State 0, 1]\n|\ntype = nonsense",
         {"triggerall", "trigger1", "persistent", "ignorehitpause", "redirectid"},
         {"type"},
         5},
        {"[State 0, 1]\nper|", {"persistent"}, {}, 1},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> got = texts(completionItems(Caret(c.text).context()));
        ASSERT_GE(got.size(), c.first.size()) << c.text;
        EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + static_cast<long>(c.first.size())), c.first)
            << c.text;
        for (const std::string& absent : c.absent)
            EXPECT_EQ(std::find(got.begin(), got.end(), absent), got.end()) << c.text << " offers " << absent;
        if (c.count)
            EXPECT_EQ(got.size(), c.count) << c.text;
    }
}

TEST(StateCompletion, OffersOnlyWhatTheCharactersEngineReads)
{
    struct Case {
        CharacterEngine engine;
        const char* text;
        std::vector<std::string> offered; // all of them, in order
    };
    using E = CharacterEngine;
    const std::vector<Case> cases = {
        {E::Ikemen, "[State 0, 1]\ntype = maps|", {"MapSet"}},
        {E::Mugen11, "[State 0, 1]\ntype = maps|", {}},
        {E::WinMugen, "[State 0, 1]\ntype = maps|", {}},
        {E::Mugen11, "[State 0, 1]\ntype = zo|", {"Zoom"}},
        {E::Mugen10, "[State 0, 1]\ntype = zo|", {}},
        {E::Ikemen, "[State 0, 1]\ntrigger1 = ailevel|", {"AILevel", "AILevelF"}},
        {E::WinMugen, "[State 0, 1]\ntrigger1 = ailevel|", {"AILevel"}},
        {E::Mugen11, "[State 0, 1]\ntrigger1 = Life > 0 && playeri|", {"PlayerID", "PlayerIDExist"}},
        {E::Ikemen,
         "[State 0, 1]\ntrigger1 = Life > 0 && playeri|",
         {"PlayerID", "PlayerIDExist", "PlayerIndex", "PlayerIndexExist"}},
        {E::Ikemen, "[State 0, 1]\ntype = ChangeState\nco|", {"continue"}},
        {E::Mugen11, "[State 0, 1]\ntype = ChangeState\nco|", {}},
        {E::Ikemen, "[State 0, 1]\ntype = Null\nre|", {"redirectid"}},
        {E::Mugen11, "[State 0, 1]\ntype = Null\nre|", {}},
        {E::WinMugen, "[State 0, 1]\ntype = Explod\nan|", {"anim"}},
        {E::Mugen10, "[State 0, 1]\ntype = Explod\nan|", {"anim", "angle"}},
    };
    for (const Case& c : cases) {
        CompletionContext context = Caret(c.text).context();
        context.engine = c.engine;
        EXPECT_EQ(texts(completionItems(context)), c.offered) << engineName(c.engine) << ": " << c.text;
    }
}

TEST(StateCompletion, ItemsCarryTheirInsertionAndHelpTopic)
{
    const auto items = [](const char* text) { return completionItems(Caret(text).context()); };

    const auto controllers = items("[State 0, 1]\ntype = hitd|");
    ASSERT_EQ(controllers.size(), 1u);
    EXPECT_EQ(controllers[0].insert, "HitDef");
    EXPECT_EQ(controllers[0].helpTopic, findStateController("HitDef")->helpTopic);

    const auto triggerItems = items("[State 0, 1]\ntrigger1 = animelemt|");
    ASSERT_EQ(triggerItems.size(), 1u);
    EXPECT_EQ(triggerItems[0].insert, "AnimElemTime");
    EXPECT_EQ(triggerItems[0].detail, "AnimElemTime(elem)");
    EXPECT_EQ(triggerItems[0].helpTopic, findTrigger("AnimElemTime")->helpTopic);

    // A parameter goes in as its name alone: the '=' is the user's to type.
    const auto parameters = items("[State 0, 1]\ntype = PlaySnd\nvol|");
    ASSERT_EQ(texts(parameters), (std::vector<std::string>{"volumescale", "volume"}));
    EXPECT_EQ(parameters[0].insert, "volumescale");
    EXPECT_EQ(parameters[0].helpTopic, findStateController("PlaySnd")->helpTopic);
    EXPECT_EQ(parameters[0].detail, "percent");
    EXPECT_EQ(items("[State 0, 1]\ntype = PlaySnd\nvol| = 50")[1].insert, "volume");
    EXPECT_EQ(itemNamed(items("[State 0, 1]\ntype = VarAdd\n|"), "fvar(n)")->insert, "fvar(");
    EXPECT_EQ(itemNamed(items("[State 0, 1]\ntype = ChangeAnim\n|"), "trigger1")->insert, "trigger1");
    // Without a known controller the common parameters take the general topic.
    EXPECT_EQ(itemNamed(items("[State 0, 1]\n|"), "persistent")->helpTopic, 199);
}

TEST(StateCompletion, ScriptContextsAndTheirItems)
{
    struct Case {
        const char* text;
        CompletionKind kind;
        const char* prefix;
        const char* controller = ""; // Parameter: the controller named before the braces
        std::vector<std::string> written = {};
    };
    const char* head = "[StateDef 200; type: S;]\n";
    const std::vector<std::pair<std::string, Case>> cases = {
        {"statement start", {"|", CompletionKind::Controller, ""}},
        {"a word at a line's start", {"if Time = 0 {\n\tChangeSt|", CompletionKind::Controller, "ChangeSt"}},
        {"after a brace on the line", {"if Time = 0 { Pla|", CompletionKind::Controller, "Pla"}},
        {"after the prefixes", {"ignoreHitPause persistent(0) Var|", CompletionKind::Controller, "Var"}},
        {"after a case's colon", {"switch $a { case 1: Pl|", CompletionKind::Controller, "Pl"}},
        {"in a condition", {"if Time = 0 && Anim|", CompletionKind::Trigger, "Anim"}},
        {"in a let", {"let a = Ti|", CompletionKind::Trigger, "Ti"}},
        {"in an if spread over lines", {"if Time = 0 &&\n   Anim|", CompletionKind::Trigger, "Anim"}},
        {"a parameter after the brace", {"HitDef{da|", CompletionKind::Parameter, "da", "HitDef"}},
        {"a parameter after others",
         {"if 1 {\n\tHitDef{attr: S, NA; damage: 2, 0;\n\t\tpause|",
          CompletionKind::Parameter,
          "pause",
          "HitDef",
          {"attr", "damage"}}},
        {"a parameter on a new line without ';'",
         {"VarSet{v: 1\n  val|", CompletionKind::Parameter, "val", "VarSet", {"v"}}},
        {"a value", {"VarSet{v: |", CompletionKind::None, ""}},
        {"a value spread over lines", {"VarSet{value: 1 +\n  Ti|", CompletionKind::None, "Ti"}},
        {"after the controller closed", {"VarSet{v: 1; value: 2}\nCh|", CompletionKind::Controller, "Ch"}},
        {"an else's brace is no controller", {"if 1 {} else {\n\tCh|", CompletionKind::Controller, "Ch"}},
        {"in a comment", {"# Ch|", CompletionKind::None, ""}},
        {"in a string", {"let a = \"Ch|", CompletionKind::None, ""}},
        {"in a header", {"[StateDef 3; ty|", CompletionKind::None, ""}},
        {"a local", {"let a = $co|", CompletionKind::None, ""}},
    };
    for (const auto& [name, c] : cases) {
        const Caret caret(head + std::string(c.text));
        const CompletionContext context = scriptCompletionContext(caret.lines, caret.line, caret.column);
        EXPECT_STREQ(kindName(context.kind), kindName(c.kind)) << name;
        if (context.kind == CompletionKind::None)
            continue;
        EXPECT_EQ(context.prefix, c.prefix) << name;
        EXPECT_EQ(context.controller, c.controller) << name;
        EXPECT_EQ(context.written, c.written) << name;
    }

    // Parameters are written "name: value", only the controller's own, those written left out.
    const Caret caret(std::string(head) + "ChangeState{value: 0; |}");
    const auto items = completionItems(scriptCompletionContext(caret.lines, caret.line, caret.column));
    // A script is IKEMEN GO's: its own ChangeState parameters come too.
    EXPECT_EQ(texts(items), (std::vector<std::string>{"ctrl", "anim", "continue", "readplayerid"}));
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].insert, "ctrl");
}

TEST(StateCompletion, OpensByItselfOnlyWhereANameStarts)
{
    const std::vector<std::pair<const char*, bool>> cases = {
        {"[State 0, 1]\ntype = C|", true},
        {"[State 0, 1]\ntrigger1 =T|", true},
        {"[State 0, 1]\ntriggerall = T|", true},
        {"[State 0, 1]\ntrigger2 = Time > 3 && A|", true},
        {"[State 0, 1]\ntrigger1 = !(A|", true},
        {"[State 0, 1]\ntrigger1 = ifelse(1, T|", true},
        {"[State 0, 1]\ntrigger1 = Time && !T|", true},
        {"[State 0, 1]\ntype = ChangeState\nvalue = T|", true},
        // After a number, a name or a bracket that closes, no operand starts.
        {"[State 0, 1]\ntrigger1 = Time T|", false},
        {"[State 0, 1]\ntrigger1 = (1) T|", false},
        {"[State 0, 1]\ntrigger1 = 10 T|", false},
        // Parameters, keys and command names wait for Ctrl+Space.
        {"[State 0, 1]\nty|", false},
        {"[Command]\nna|", false},
        {"[State 0, 1]\ntrigger1 = command = \"q|", false},
    };
    for (const auto& [text, opens] : cases)
        EXPECT_EQ(Caret(text).context().opensOnTyping, opens) << text;

    const auto script = [](const char* text) {
        const Caret caret(std::string("[StateDef 200; type: S;]\n") + text);
        return scriptCompletionContext(caret.lines, caret.line, caret.column).opensOnTyping;
    };
    EXPECT_TRUE(script("if A|"));
    EXPECT_TRUE(script("if Time = 0 && A|"));
    EXPECT_TRUE(script("Pla|"));
    EXPECT_FALSE(script("if Time A|"));
}

TEST(StateCompletion, CommandFileKeysAndNames)
{
    using E = CharacterEngine;
    const auto offered = [](const char* text, E engine, std::vector<std::string> commands = {}) {
        CompletionContext context = Caret(text).context();
        context.engine = engine;
        context.commands = std::move(commands);
        return texts(completionItems(context));
    };
    using Names = std::vector<std::string>;
    // A [Command] block offers what it lacks; IKEMEN GO's own keys only to its characters.
    EXPECT_EQ(offered("[Command]\nname = \"x\"\n|\ncommand = x", E::Mugen11), (Names{"time", "buffer.time"}));
    EXPECT_EQ(offered("[Command]\nbuffer.|", E::Ikemen), (Names{"buffer.time", "buffer.hitpause", "buffer.pauseend"}));
    EXPECT_EQ(offered("[Remap]\n|", E::WinMugen), (Names{"x", "y", "z", "a", "b", "c", "s"}));
    EXPECT_EQ(offered("[Remap]\nx = y\n|", E::Ikemen).size(), 9u);
    EXPECT_EQ(offered("[Defaults]\n|", E::Mugen10), (Names{"command.time", "command.buffer.time"}));
    // Command names: the file's own, each once, filtered by what is typed between the quotes.
    const Names commands = {"QCF_x", "QCF_y", "FF", "QCF_x", ""};
    EXPECT_EQ(offered("[State -1, x]\ntriggerall = command = \"qcf|\"", E::Mugen11, commands),
              (Names{"QCF_x", "QCF_y"}));
    const auto item = completionItems(Caret("[State -1, x]\ntrigger1 = command = \"|").context());
    EXPECT_TRUE(item.empty());
    CompletionContext named = Caret("[State -1, x]\ntrigger1 = command = \"F|").context();
    named.commands = commands;
    const auto items = completionItems(named);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].insert, "FF");
    EXPECT_EQ(items[0].helpTopic, findTrigger("Command")->helpTopic);
}
