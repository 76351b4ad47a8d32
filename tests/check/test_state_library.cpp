#include "check/state_library.h"
#include "common/encoding.h"
#include "common/text.h"
#include "formats/zss.h"
#include "text/state_extras.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace vantrel;

namespace {

const std::string kDataDir = std::string(VANTREL_SOURCE_DIR) + "/data/";

// The shipped clip library as the state file window reads it, by the controller its "type =" line names.
struct ShippedData {
    TextClipLibrary library = readTextClipFile(kDataDir + "stclips.txt");
    std::string html = readFileBytes(kDataDir + "sctrls.html").value_or("");
    std::map<std::string, const TextClip*> clipByType;

    ShippedData()
    {
        for (std::size_t i = 0; i < library.listNames.size(); ++i) {
            const TextClip* clip = library.clipAt(static_cast<int>(i));
            const std::string body = utf8FromUtf16(clip->body);
            const auto at = body.find("\r\ntype = ");
            if (clip->helpNumber > kLastPlainClipTopic && at != std::string::npos) {
                const auto from = at + 9;
                clipByType[toLowerAscii(body.substr(from, body.find("\r\n", from) - from))] = clip;
            }
        }
    }
};

template <typename Entry> void expectSortedAndUnique(const std::vector<Entry>& table)
{
    ASSERT_FALSE(table.empty());
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(toLowerAscii(table[i - 1].name), toLowerAscii(table[i].name)) << table[i].name;
}

bool inRequiredGroup(const StateController& controller, const ControllerParameter& parameter)
{
    return std::any_of(controller.required.begin(), controller.required.end(), [&](const auto& group) {
        return std::find(group.begin(), group.end(), parameter.name) != group.end();
    });
}

} // namespace

TEST(StateLibrary, TablesAreSortedWithoutDuplicatesAndConsistent)
{
    expectSortedAndUnique(stateControllers());
    expectSortedAndUnique(triggers());
    std::set<int> topics;
    for (const StateController& controller : stateControllers()) {
        EXPECT_GT(controller.helpTopic, kLastPlainClipTopic) << controller.name;
        EXPECT_TRUE(topics.insert(controller.helpTopic).second) << controller.name << " shares its topic";
        std::set<std::string_view> names;
        for (const ControllerParameter& parameter : controller.parameters) {
            EXPECT_TRUE(names.insert(parameter.name).second)
                << controller.name << " lists " << parameter.name << " twice";
            EXPECT_EQ(toLowerAscii(parameter.name), parameter.name) << controller.name;
            EXPECT_FALSE(parameter.values.empty()) << controller.name << " " << parameter.name;
            EXPECT_FALSE(isCommonControllerParameter(parameter.name)) << controller.name << " " << parameter.name;
        }
        for (const auto& group : controller.required) {
            ASSERT_FALSE(group.empty()) << controller.name;
            for (std::string_view name : group)
                EXPECT_TRUE(names.contains(name)) << controller.name << " requires the unknown " << name;
        }
    }
    for (const Trigger& trigger : triggers()) {
        EXPECT_GE(trigger.helpTopic, 1000) << trigger.name;
        EXPECT_NE(trigger.form.find(trigger.name), std::string_view::npos) << trigger.name << ": " << trigger.form;
    }
}

TEST(StateLibrary, RequiredParametersAreThoseTheEngineInsistsOn)
{
    using Groups = std::vector<std::vector<std::string_view>>;
    const std::vector<std::pair<const char*, Groups>> cases = {
        {"HitDef", {{"attr"}}},
        {"ChangeState", {{"value"}}},
        {"SelfState", {{"value"}}},
        {"ChangeAnim", {{"value"}}},
        {"ChangeAnim2", {{"value"}}},
        {"PlaySnd", {{"value"}}},
        {"VarSet", {{"v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)"}}},
        {"VarAdd", {{"v", "fv", "var(*)", "fvar(*)", "sysvar(*)", "sysfvar(*)"}}},
        {"HitOverride", {{"attr"}, {"stateno"}}},
        {"SndPan", {{"channel"}, {"pan", "abspan"}}},
        {"ReversalDef", {{"reversal.attr"}}},
        {"Explod", {{"anim"}}},
        {"TargetBind", {}},
        {"Helper", {}},
        {"VelSet", {}},
        {"Null", {}},
    };
    for (const auto& [name, groups] : cases) {
        const StateController* controller = findStateController(name);
        ASSERT_NE(controller, nullptr) << name;
        EXPECT_EQ(controller->required, groups) << name;
    }
}

TEST(StateLibrary, LookupsIgnoreCase)
{
    const std::vector<std::pair<const char*, const char*>> controllers = {
        {"hitdef", "HitDef"}, {"CHANGEANIM2", "ChangeAnim2"}, {"changeanim", "ChangeAnim"}, {"bgpalfx", "BGPalFX"},
        {"Width", "Width"},   {"afterimage", "AfterImage"},   {"Statedef", nullptr},        {"zoom", "Zoom"},
        {"", nullptr},        {"HitDefs", nullptr},
    };
    for (const auto& [key, expected] : controllers) {
        const StateController* found = findStateController(key);
        EXPECT_EQ(found ? found->name : "(none)", std::string_view(expected ? expected : "(none)")) << key;
    }
    const std::vector<std::pair<const char*, const char*>> triggerCases = {
        {"animelemtime", "AnimElemTime"},
        {"ANIMELEM", "AnimElem"},
        {"const240p", "Const240p"},
        {"PROJHIT1000", "ProjHit"},
        {"projcontact", "ProjContact"},
        {"ProjGuarded5", "ProjGuarded"},
        {"Var5", nullptr},
        {"ProjHitTime3", nullptr},
        {"winko", "WinKO"},
        {"STATETIME", nullptr},
        {"ailevelf", "AILevelF"},
        {"NUMTEXT", "NumText"},
        {"topbounddist", "TopBoundDist"},
        {"BotBoundDist", "BotBoundDist"},
        {"enemynear", "EnemyNear"},
        {"Foo", nullptr},
        {"", nullptr},
    };
    for (const auto& [key, expected] : triggerCases) {
        const Trigger* found = findTrigger(key);
        EXPECT_EQ(found ? found->name : "(none)", std::string_view(expected ? expected : "(none)")) << key;
    }
    for (const char* redirection : {"parent", "PLAYER", "playerindex", "HelperIndex", "p2", "stateowner"}) {
        ASSERT_NE(findTrigger(redirection), nullptr) << redirection;
        EXPECT_TRUE(findTrigger(redirection)->redirection) << redirection;
    }
    for (const char* trigger : {"ParentDist", "PlayerIndexExist", "P2Life", "HelperIndexExist"})
        EXPECT_FALSE(findTrigger(trigger)->redirection) << trigger;
    ASSERT_NE(findStateController("MAPSET"), nullptr);
    EXPECT_EQ(findStateController("MAPSET")->name, "MapSet");
}

TEST(StateLibrary, ParametersMatchWrittenForms)
{
    struct Case {
        const char* controller;
        const char* written;
        const char* found; // null: not a parameter of the controller
    };
    const Case cases[] = {
        {"VarSet", "var(12)", "var(*)"},
        {"VarSet", "FVAR(3)", "fvar(*)"},
        {"VarSet", "sysvar(0)", "sysvar(*)"},
        {"VarSet", "var()", nullptr},
        {"VarSet", "var", nullptr},
        {"ParentVarSet", "sysvar(1)", nullptr},
        {"HitDef", "Ground.Velocity", "ground.velocity"},
        {"HitDef", "velocity", nullptr},
        {"Projectile", "velocity", "velocity"},
        {"Projectile", "ground.velocity", "ground.velocity"},
        {"Projectile", "ProjID", "projid"},
        {"ModifyExplod", "removetime", "removetime"},
        {"ModifyExplod", "anim", nullptr},
        {"ReversalDef", "attr", nullptr},
        {"AllPalFX", "sinadd", "sinadd"},
    };
    for (const Case& c : cases) {
        const StateController* controller = findStateController(c.controller);
        ASSERT_NE(controller, nullptr) << c.controller;
        const ControllerParameter* found = findParameter(*controller, c.written, CharacterEngine::Mugen11);
        EXPECT_EQ(found ? found->name : "(none)", std::string_view(c.found ? c.found : "(none)"))
            << c.controller << " " << c.written;
    }
    for (const char* common : {"type", "Trigger1", "trigger12", "TRIGGERALL", "persistent", "IgnoreHitPause"})
        EXPECT_TRUE(isCommonControllerParameter(common)) << common;
    for (const char* other : {"trigger", "triggerx", "trigger1a", "value", "", "triggeralls"})
        EXPECT_FALSE(isCommonControllerParameter(other)) << other;
}

TEST(StateLibrary, EachEngineHasWhatItReads)
{
    using E = CharacterEngine;
    // Controllers and triggers: the oldest engine that has them, and the one before it that does not.
    const std::vector<std::pair<const char*, E>> controllers = {
        {"HitDef", E::WinMugen}, {"Zoom", E::Mugen11},        {"RemoveText", E::Mugen11},
        {"MapSet", E::Ikemen},   {"ModifyHitDef", E::Ikemen}, {"TagIn", E::Ikemen},
    };
    const std::vector<std::pair<const char*, E>> triggerCases = {
        {"Life", E::WinMugen}, {"NumText", E::Mugen11}, {"TopBoundDist", E::Mugen11}, {"AILevelF", E::Ikemen},
        {"Map", E::Ikemen},    {"Player", E::Ikemen},   {"StateOwner", E::Ikemen},    {"PrevAnim", E::Ikemen},
    };
    const auto expectFirstIn = [](const auto* entry, const char* name, E first) {
        ASSERT_NE(entry, nullptr) << name;
        for (E engine : {E::WinMugen, E::Mugen10, E::Mugen11, E::Ikemen})
            EXPECT_EQ(availableIn(*entry, engine), engine >= first) << name << " in " << engineName(engine);
    };
    for (const auto& [name, first] : controllers)
        expectFirstIn(findStateController(name), name, first);
    for (const auto& [name, first] : triggerCases)
        expectFirstIn(findTrigger(name), name, first);

    // Parameters IKEMEN GO reads on MUGEN's controllers are unknown to MUGEN.
    struct Parameter {
        const char* controller;
        const char* name;
        E first;
    };
    const Parameter parameters[] = {
        {"HitDef", "ground.velocity", E::WinMugen},
        {"HitDef", "DizzyPoints", E::Ikemen},
        {"Projectile", "projangle", E::Ikemen},
        {"Projectile", "redlife", E::Ikemen},
        {"ReversalDef", "p2clsncheck", E::Ikemen},
        {"Explod", "angle", E::Mugen10},
        {"Explod", "space", E::Mugen11},
        {"Explod", "interpolation.time", E::Ikemen},
        {"ChangeState", "continue", E::Ikemen},
        {"VelSet", "z", E::Ikemen},
        {"ModifyHitDef", "sparkxy", E::WinMugen},
        {"ModifyProjectile", "projid", E::WinMugen},
    };
    for (const Parameter& p : parameters) {
        const StateController* controller = findStateController(p.controller);
        ASSERT_NE(controller, nullptr) << p.controller;
        for (E engine : {E::WinMugen, E::Mugen10, E::Mugen11, E::Ikemen})
            EXPECT_EQ(findParameter(*controller, p.name, engine) != nullptr, engine >= p.first)
                << p.controller << " " << p.name << " in " << engineName(engine);
    }
    // redirectid is IKEMEN GO's on every controller.
    EXPECT_TRUE(isCommonControllerParameter("RedirectID", E::Ikemen));
    EXPECT_FALSE(isCommonControllerParameter("redirectid", E::Mugen11));
    EXPECT_EQ(findParameter(*findStateController("HitDef"), "redirectid"), nullptr);
}

TEST(ShippedStateLibrary, EveryControllerHasATemplateAndAHelpTopic)
{
    const ShippedData data;
    ASSERT_FALSE(data.html.empty());
    EXPECT_FALSE(data.library.truncated);
    EXPECT_LE(data.library.listNames.size(), static_cast<std::size_t>(kMaxTextClips));
    const std::string contents = helpTopic(data.html, 199);
    ASSERT_FALSE(contents.empty());
    for (const StateController& controller : stateControllers()) {
        const std::string name(controller.name);
        const auto clip = data.clipByType.find(toLowerAscii(name));
        ASSERT_NE(clip, data.clipByType.end()) << name << " has no template";
        EXPECT_EQ(utf8FromUtf16(clip->second->name), name);
        EXPECT_EQ(clip->second->helpNumber, controller.helpTopic) << name;

        // Header, type and trigger; then only known parameters, empty only where a value must be typed.
        const std::vector<std::string> lines = splitLines(utf8FromUtf16(clip->second->body));
        ASSERT_GE(lines.size(), 3u) << name;
        EXPECT_EQ(lines[0], "[State %x%, ]") << name;
        EXPECT_EQ(lines[1], "type = " + name);
        EXPECT_EQ(lines[2], "trigger1 = ") << name;
        std::set<std::string> written;
        for (std::size_t i = 3; i < lines.size(); ++i) {
            const auto equals = lines[i].find(" = ");
            ASSERT_NE(equals, std::string::npos) << name << ": " << lines[i];
            const ControllerParameter* parameter = findParameter(controller, lines[i].substr(0, equals));
            ASSERT_NE(parameter, nullptr) << name << ": " << lines[i];
            written.insert(std::string(parameter->name));
            if (trimmed(lines[i].substr(equals + 3)).empty()) {
                EXPECT_TRUE(inRequiredGroup(controller, *parameter)) << name << " leaves the optional " << lines[i];
            }
        }
        const auto isWritten = [&](std::string_view parameter) { return written.contains(std::string(parameter)); };
        for (const auto& group : controller.required)
            EXPECT_TRUE(std::any_of(group.begin(), group.end(), isWritten)) << name << " misses " << group.front();

        // The help topic names the controller and documents each parameter.
        const std::string topic = helpTopic(data.html, controller.helpTopic);
        ASSERT_FALSE(topic.empty()) << name << " has no topic " << controller.helpTopic;
        EXPECT_NE(topic.find("<h2>" + name + "</h2>"), std::string::npos) << name;
        EXPECT_EQ(topic.find("IKEMEN GO only") != std::string::npos, controller.since == CharacterEngine::Ikemen)
            << name;
        const std::string lowerTopic = toLowerAscii(topic);
        for (const ControllerParameter& parameter : controller.parameters) {
            std::string shown(parameter.name);
            if (shown.ends_with("(*)"))
                shown.replace(shown.size() - 2, 1, "n");
            EXPECT_NE(lowerTopic.find(shown), std::string::npos) << name << " does not document " << shown;
        }
        EXPECT_NE(contents.find("href=\"#topic-" + std::to_string(controller.helpTopic) + "\""), std::string::npos)
            << name << " is missing from the contents";
    }
    // And no template names a controller the engine does not have.
    for (const auto& [type, clip] : data.clipByType)
        EXPECT_NE(findStateController(type), nullptr) << type;
}

TEST(ShippedStateLibrary, EveryTriggerHasAHelpTopic)
{
    const ShippedData data;
    const std::string contents = helpTopic(data.html, 999);
    ASSERT_FALSE(contents.empty());
    for (const Trigger& trigger : triggers()) {
        const std::string name(trigger.name);
        const std::string topic = helpTopic(data.html, trigger.helpTopic);
        ASSERT_FALSE(topic.empty()) << name << " has no topic " << trigger.helpTopic;
        EXPECT_NE(topic.find(name), std::string::npos) << name;
        EXPECT_NE(topic.find("Example"), std::string::npos) << name;
        EXPECT_EQ(topic.find("IKEMEN GO only") != std::string::npos, trigger.since == CharacterEngine::Ikemen) << name;
        EXPECT_NE(contents.find("href=\"#topic-" + std::to_string(trigger.helpTopic) + "\""), std::string::npos)
            << name << " is missing from the contents";
    }
}

TEST(ShippedStateLibrary, StatedefClipComesFirstAndLeavesTheNumberToType)
{
    const ShippedData data;
    const TextClip* statedef = data.library.clipAt(0);
    ASSERT_NE(statedef, nullptr);
    EXPECT_EQ(utf8FromUtf16(statedef->name), "Statedef");
    const ClipInsertion insertion = clipInsertion(10, *statedef, 200);
    EXPECT_EQ(insertion.text.find(u"200"), std::u16string::npos);
    EXPECT_EQ(insertion.text.rfind(u"\r\n[Statedef ]\r\n", 0), 0u);
    EXPECT_FALSE(insertion.nameAt);
}

// In a state script every template goes in as the script writes it: the
// Statedef as a header, a controller as an if block around Name{...}. With its
// blanks filled in, each reads back as that controller with its parameters.
TEST(ShippedStateLibrary, EveryTemplateConvertsToAScriptThatReadsBack)
{
    const ShippedData data;
    const TextClip statedef = scriptClip(*data.library.clipAt(0));
    EXPECT_EQ(utf8FromUtf16(statedef.body).rfind("[StateDef ; type: S; movetype: I;", 0), 0u)
        << utf8FromUtf16(statedef.body);
    for (const auto& [type, clip] : data.clipByType) {
        std::string body = utf8FromUtf16(scriptClip(*clip).body);
        ASSERT_EQ(body.rfind("if  {\r\n\t", 0), 0u) << type << ": " << body;
        // Fill the blanks a user would: the condition, and the values left empty.
        body.replace(3, 0, "1");
        for (std::size_t at;
             (at = body.find(": ;")) != std::string::npos || (at = body.find(": }")) != std::string::npos;)
            body.replace(at, 2, ": 1");
        const ZssScript script = readZss("[StateDef 100;]\r\n" + body + "\r\n");
        EXPECT_TRUE(script.problems.empty()) << type << ": " << body << "\n"
                                             << script.problems.front().message.english();
        ASSERT_EQ(script.controllers.size(), 1u) << type;
        EXPECT_EQ(toLowerAscii(std::string(script.controllers[0].name)), type);
        EXPECT_EQ(script.controllers[0].parameters.size(), std::count(body.begin(), body.end(), ':')) << type;
    }
    // A plain clip stays as it is.
    const TextClip* plain = nullptr;
    for (std::size_t i = 1; !plain && i < data.library.listNames.size(); ++i) {
        const TextClip* clip = data.library.clipAt(static_cast<int>(i));
        if (clip->helpNumber <= kLastPlainClipTopic && clip->body.find(u"[State") == std::u16string::npos)
            plain = clip;
    }
    if (plain)
        EXPECT_EQ(scriptClip(*plain).body, plain->body);
}
