// The character checker: each fault planted in a copy of a real character is
// found at its file and line and nothing else changes; a small hand-made
// character shows every other check; the program prints and exits as promised.

#include "../sound/sound_fixtures.h"
#include "check/character_check.h"
#include "check/state_library.h"
#include "check/trigger_expression.h"
#include "formats/sff.h"
#include "formats/sff_sprite_list.h"
#include "large_character.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sys/wait.h>

using namespace vantrel;

namespace {

namespace fs = std::filesystem;

std::string tempPath(const QTemporaryDir& dir, const std::string& name)
{
    return dir.path().toStdString() + "/" + name;
}

// Copies a real character into a fresh folder (writable, unlike the originals).
void copyCharacter(const std::string& from, const std::string& to)
{
    for (const auto& entry : fs::directory_iterator(from))
        test::writeFile(to + "/" + entry.path().filename().string(), test::readFile(entry.path().string()));
}

std::set<std::string> formatted(const std::vector<Finding>& findings)
{
    std::set<std::string> out;
    for (const Finding& f : findings)
        out.insert(formatFinding(f));
    return out;
}

std::vector<std::string> formattedInOrder(const std::vector<Finding>& findings)
{
    std::vector<std::string> out;
    for (const Finding& f : findings)
        out.push_back(formatFinding(f));
    return out;
}

int lineAt(const std::string& text, std::size_t pos)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

struct CommandResult {
    int status = -1;
    std::string output;
};

// `environment`: settings put before the command ("LANGUAGE=ja ").
CommandResult runChecker(const std::string& arguments, const std::string& environment = "LANGUAGE=en ")
{
    CommandResult r;
    const std::string command =
        environment + std::string(VANTREL_APP_DIR) + "/vantrel-check " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        r.output.append(buffer, n);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

} // namespace

TEST(CharacterCheck, EachFaultPlantedInARealCharacterIsFoundAloneAtItsLine)
{
    struct Fault {
        const char* name;
        const char* file;
        std::vector<const char*> anchors; // found in turn; the change is made after the last
        const char* from;
        const char* to;
        bool atSectionHeader; // reported at the [State] line rather than at the change
        Severity severity;
        const char* message;
    };
    const std::vector<Fault> faults = {
        {"frame naming a missing sprite",
         "kfm.air",
         {"[Begin Action 200]"},
         "200,0, 0,0, 2",
         "200,77, 0,0, 2",
         false,
         Severity::Warning,
         "frame 0 of action 200 shows sprite 200,77, which kfm.sff does not have"},
        {"box count disagreeing",
         "kfm.air",
         {"[Begin Action 0]"},
         "Clsn2Default: 2",
         "Clsn2Default: 3",
         false,
         Severity::Error,
         "Clsn2 count says 3 but 2 boxes follow"},
        {"ChangeAnim to a missing action",
         "kfm.cns",
         {"[State 210, 3]"},
         "value = 210",
         "value = 2109",
         false,
         Severity::Error,
         "ChangeAnim uses action 2109, which kfm.air does not have"},
        {"PlaySnd of a missing sound",
         "kfm.cns",
         {"[Statedef 200]", "type = PlaySnd"},
         "value = 0, 0",
         "value = 0, 70",
         false,
         Severity::Error,
         "PlaySnd plays sound 0,70, which kfm.snd does not have"},
        {"ChangeState to a missing state",
         "kfm.cns",
         {"[Statedef 200]", "type = ChangeState"},
         "value = 0",
         "value = 4321",
         false,
         Severity::Error,
         "ChangeState to state 4321, which no state file defines"},
        {"TargetState to a missing state",
         "kfm.cns",
         {"type = TargetState"},
         "value = 821",
         "value = 1234",
         false,
         Severity::Error,
         "TargetState to state 1234, which no state file defines"},
        {"Explod of a missing action",
         "kfm.cns",
         {"[State 191, Wood 1]"},
         "anim = 191",
         "anim = 9999",
         false,
         Severity::Error,
         "Explod uses action 9999, which kfm.air does not have"},
        {"HitDef sound of the character's own that it lacks",
         "kfm.cns",
         {"[Statedef 200]"},
         "hitsound = 5, 0",
         "hitsound = S77,0",
         false,
         Severity::Error,
         "HitDef plays sound 77,0, which kfm.snd does not have"},
        {"attack attribute the engine refuses",
         "kfm.cns",
         {"[Statedef 200]"},
         "attr = S, NA",
         "attr = C, QQ",
         false,
         Severity::Error,
         "HitDef attr \"C, QQ\": \"QQ\" is not an attack attribute (N, S, H or A, then A, T or P)"},
        {"variable number out of range",
         "kfm.cns",
         {"[Statedef 200]", "type = ChangeState"},
         "value = 0",
         "value = var(75)",
         false,
         Severity::Error,
         "var(75) is out of range: var goes from 0 to 59"},
        {"missing required parameter",
         "kfm.cns",
         {"[Statedef 200]", "type = ChangeState"},
         "value = 0",
         "; value = 0",
         true,
         Severity::Error,
         "ChangeState without value"},
        {"misspelt parameter",
         "kfm.cns",
         {"[Statedef 200]", "type = ChangeState"},
         "ctrl = 1",
         "crtl = 1",
         false,
         Severity::Warning,
         "crtl: did you mean ctrl?"},
        {"VarSet with no value",
         "kfm.cns",
         {"[State 810, Holding fwd?]"},
         "var(2) = command = \"holdfwd\"",
         "v = 2",
         true,
         Severity::Error,
         "VarSet without a value"},
        {"unclosed parenthesis in a parameter",
         "kfm.cns",
         {"[State 240, 3]"},
         "x = 12",
         "x = ifelse(var(1), 2, 3",
         false,
         Severity::Error,
         "unbalanced parentheses in x of PosAdd"},
        {"unknown name in a parameter",
         "kfm.cns",
         {"[State 240, 3]"},
         "x = 12",
         "x = Tiem * 2",
         false,
         Severity::Error,
         "unknown trigger \"Tiem\" in x of PosAdd"},
        {"unknown trigger",
         "kfm.cns",
         {"[State 210, 3]"},
         "trigger1 = movecontact",
         "trigger1 = movecontakt",
         false,
         Severity::Error,
         "unknown trigger \"movecontakt\" in trigger1"},
        {"unbalanced parenthesis",
         "kfm.cns",
         {"[State 210, 3]"},
         "AnimElemTime(6) <= 0",
         "AnimElemTime(6 <= 0",
         false,
         Severity::Error,
         "unbalanced parentheses in trigger1"},
        {"unknown controller",
         "kfm.cns",
         {"[State 210, 3]"},
         "type = ChangeAnim",
         "type = ChangeAmin",
         false,
         Severity::Error,
         "unknown controller type \"ChangeAmin\""},
        {"command never defined",
         "kfm.cmd",
         {"[Statedef -1]"},
         "command = \"x\"",
         "command = \"xyzzy\"",
         false,
         Severity::Error,
         "command \"xyzzy\" is not defined in kfm.cmd"},
    };
    for (const char* character : {"winmugen-kfm", "ikemen-kfm"}) {
        QTemporaryDir dir;
        const std::string folder = tempPath(dir, "kfm");
        copyCharacter(test::realchars(character), folder);
        const std::string def = folder + "/kfm.def";
        const CheckReport clean = checkCharacter(def);
        ASSERT_TRUE(clean.readable) << character;
        EXPECT_FALSE(clean.hasErrors()) << character;
        const auto before = formatted(clean.findings);

        for (const Fault& fault : faults) {
            const std::string path = folder + "/" + fault.file;
            const std::string original = test::readFile(path);
            std::size_t at = 0;
            for (const char* anchor : fault.anchors) {
                at = original.find(anchor, at);
                ASSERT_NE(at, std::string::npos) << character << ": " << fault.name << ": " << anchor;
            }
            at = original.find(fault.from, at);
            ASSERT_NE(at, std::string::npos) << character << ": " << fault.name;
            std::string broken = original;
            broken.replace(at, std::string_view(fault.from).size(), fault.to);
            test::writeFile(path, broken);

            const int line =
                fault.atSectionHeader ? lineAt(original, original.rfind("[State", at)) : lineAt(original, at);
            const Finding expected{fault.file, line, fault.severity, fault.message};
            const auto after = formatted(checkCharacter(def).findings);
            std::vector<std::string> added, removed;
            std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
            std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(removed));
            EXPECT_EQ(added, std::vector<std::string>{formatFinding(expected)}) << character << ": " << fault.name;
            EXPECT_TRUE(removed.empty()) << character << ": " << fault.name;
            test::writeFile(path, original);
        }
    }
}

namespace {

// A small character whose every file the test controls.
struct MiniCharacter {
    std::map<std::string, std::string> files{
        {"mini.def",
         "[Info]\n"                 // 1
         "name = \"Mini\"\n"        // 2
         "[Files]\n"                // 3
         "cmd = mini.cmd\n"         // 4
         "cns = mini.cns\n"         // 5
         "st = mini.st\n"           // 6
         "stcommon = common1.cns\n" // 7
         "sprite = mini.sff\n"      // 8
         "anim = mini.air\n"        // 9
         "sound = mini.snd\n"},     // 10
        {"mini.air",
         "[Begin Action 0]\n"         // 1
         "Clsn2Default: 1\n"          // 2
         " Clsn2[0] = -10,-80,10,0\n" // 3
         "0,0, 0,0, 5\n"              // 4
         "0,1, 0,0, 5\n"},            // 5
        {"mini.cmd",
         "[Command]\n"                    // 1
         "name = \"x\"\n"                 // 2
         "command = x\n"                  // 3
         "[Statedef -1]\n"                // 4
         "[State -1, x]\n"                // 5
         "type = ChangeState\n"           // 6
         "triggerall = command = \"x\"\n" // 7
         "trigger1 = ctrl\n"              // 8
         "value = 200\n"},                // 9
        {"mini.cns",
         "[Data]\n"              // 1
         "life = 1000\n"         // 2
         "[Statedef 0]\n"        // 3
         "type = S\n"            // 4
         "anim = 0\n"            // 5
         "[State 0, 1]\n"        // 6
         "type = PlaySnd\n"      // 7
         "trigger1 = Time = 0\n" // 8
         "value = 1, 2\n"},      // 9
        {"mini.st",
         "[Statedef 200]\n"          // 1
         "anim = 0\n"                // 2
         "[State 200, 1]\n"          // 3
         "type = ChangeState\n"      // 4
         "trigger1 = AnimTime = 0\n" // 5
         "value = 0\n"},             // 6; additions start at line 7
    };

    std::vector<std::pair<int, int>> spriteNumbers{{0, 0}, {0, 1}, {9000, 0}, {5, 5}};

    void write(const std::string& folder) const
    {
        for (const auto& [name, text] : files)
            test::writeFile(folder + "/" + name, text);
        std::vector<sfflib::SpriteSource> sprites;
        for (const auto& [group, image] : spriteNumbers) {
            sfflib::SpriteSource s;
            s.image.width = s.image.height = 1;
            s.image.pixels = {1};
            s.group = static_cast<std::int16_t>(group);
            s.imageNo = static_cast<std::int16_t>(image);
            sprites.push_back(s);
        }
        test::writeFile(folder + "/mini.sff", *sfflib::writeSffV1(sprites, {}));
        test::writeFile(folder + "/mini.snd", test::makeBank({{0, 0, test::makeTone(5)}, {1, 2, test::makeTone(5)}}));
    }
};

} // namespace

TEST(CharacterCheck, HandMadeCharacterFindsExactlyWhatIsThere)
{
    struct Case {
        const char* name;
        std::map<std::string, std::string> replaced; // whole files
        std::map<std::string, std::string> appended;
        std::vector<std::string> expected; // in report order
        bool notes = false;
    };
    const std::string st = "mini.st";
    const std::vector<Case> cases = {
        {"nothing wrong", {}, {}, {}},
        {"notes: the common states file and a sprite no action shows (not the portrait)",
         {},
         {},
         {"mini.def:7: note: \"common1.cns\" is neither beside the character nor in the engine's data folder here; "
          "the engine's own common states are assumed",
          "mini.sff: note: sprite 5,5 is used by no action"},
         true},
        {"a file name in another letter case is found",
         {{"mini.def",
           "[Files]\nSPRITE = MINI.SFF\nanim = Mini.Air\nsound = mini.snd\ncns = mini.cns\nst = mini.st\n"}},
         {},
         {}},
        {"missing files: essential ones are errors, others warnings",
         {{"mini.def",
           "[Files]\nsprite = gone.sff\nai = gone.ai\npal3 = gone.act\nanim = mini.air\n"
           "[Arcade]\nintro.storyboard = gone.def\nending.storyboard =\n"
           "[Files]\npal.defaults = 1,2\nmovelist = whatever\n"}},
         {},
         {"mini.def:2: error: \"gone.sff\" does not exist", "mini.def:3: warning: \"gone.ai\" does not exist",
          "mini.def:4: error: \"gone.act\" does not exist", "mini.def:7: warning: \"gone.def\" does not exist"}},
        {"values left empty: a trigger, a required parameter, one of a group; a switched-off HitOverride is meant",
         {},
         {{st,
           "[State 200, 2]\ntype = ChangeAnim\ntrigger1 =\ntriggerall = \t\nvalue = ; later\n"    // 7..11
           "[State 200, 3]\ntype = VarSet\ntrigger1 = 1\nv = \nvar(2) =\n"                        // 12..16
           "[State 200, 4]\ntype = VarSet\ntrigger1 = 1\nv = \nfv = 3\n"                          // 17..21
           "[State 200, 5]\ntype = HitOverride\ntrigger1 = 1\nattr = \nstateno = \nslot = 1\n"}}, // 22..27
         {"mini.st:9: warning: trigger1 is empty", "mini.st:10: warning: triggerall is empty",
          "mini.st:11: warning: value of ChangeAnim is empty", "mini.st:15: warning: v of VarSet is empty",
          // v and fv name the variable; without a value line the engine refuses the controller.
          "mini.st:17: error: VarSet without a value"}},
        {"states of the engine's common file are known when it is absent",
         {},
         {{st,
           "[State 200, 2]\ntype = ChangeState\ntrigger1 = 1\nvalue = 5050\n"
           "[State 200, 3]\ntype = SelfState\ntrigger1 = 1\nvalue = 4999\n"}},
         {"mini.st:14: error: SelfState to state 4999, which no state file defines"}},
        {"a common states file beside the character is the one that counts",
         {{"common1.cns", "[Statedef 5050]\n[Statedef 4999]\n"}},
         {{st,
           "[State 200, 2]\ntype = ChangeState\ntrigger1 = 1\nvalue = 4999\n"
           "[State 200, 3]\ntype = ChangeState\ntrigger1 = 1\nvalue = 52\n"}},
         {"mini.st:14: error: ChangeState to state 52, which no state file defines"}},
        {"a common states file in the engine's data folder counts too",
         {{"../../data/common1.cns", "[Statedef 4999]\n"}},
         {{st,
           "[State 200, 2]\ntype = ChangeState\ntrigger1 = 1\nvalue = 4999\n"
           "[State 200, 3]\ntype = ChangeState\ntrigger1 = 1\nvalue = 5050\n"}},
         {"mini.st:14: error: ChangeState to state 5050, which no state file defines"}},
        {"states the opponent is put in use the opponent's animations",
         {},
         {{st,
           "[State 200, 2]\ntype = HitDef\ntrigger1 = 1\nattr = S, NA\np2stateno = 900\n" // 7..11
           "[Statedef 900]\nanim = 4444\n"                                                // 12, 13
           "[State 900, 1]\ntype = ChangeAnim\ntrigger1 = 1\nvalue = 12345\n"             // 14..17
           "[State 900, 2]\ntype = ChangeAnim2\ntrigger1 = 1\nvalue = 777\n"              // 18..21
           "[State 900, 3]\ntype = ChangeState\ntrigger1 = 1\nvalue = 901\n"              // 22..25
           "[Statedef 901]\n"                                                             // 26
           "[State 901, 1]\ntype = ChangeAnim\ntrigger1 = 1\nvalue = 778\n"               // 27..30
           "[State 901, 2]\ntype = SelfState\ntrigger1 = 1\nvalue = 8888\n"}},            // 31..34
         {"mini.st:21: warning: ChangeAnim2 uses action 777, which mini.air does not have"}},
        {"actions, sounds and states of the character's own states",
         {},
         {{st,
           "[Statedef 201]\nanim = 4444\n"                                               // 7, 8
           "[State 201, 1]\ntype = ChangeAnim\ntrigger1 = 1\nvalue = 12345\n"            // 9..12
           "[State 201, 2]\ntype = PlaySnd\ntrigger1 = 1\nvalue = 1, 3\n"                // 13..16
           "[State 201, 3]\ntype = PlaySnd\ntrigger1 = 1\nvalue = F5, 0\n"               // 17..20
           "[State 201, 4]\ntype = PlaySnd\ntrigger1 = 1\nvalue = S1, 2\n"               // 21..24
           "[State 201, 5]\ntype = ChangeAnim\ntrigger1 = 1\nvalue = var(3)\n"           // 25..28
           "[State 201, 6]\ntype = ChangeState\ntrigger1 = 1\nvalue = 0\nanim = 99\n"}}, // 29..33
         {"mini.st:8: error: Statedef 201 uses action 4444, which mini.air does not have",
          "mini.st:12: error: ChangeAnim uses action 12345, which mini.air does not have",
          "mini.st:16: error: PlaySnd plays sound 1,3, which mini.snd does not have",
          "mini.st:33: error: ChangeState uses action 99, which mini.air does not have"}},
        {"every controller's states, actions and sounds; F prefixes and plain sparks are the engine's",
         {},
         {{st,
           "[State 200, 2]\ntype = TargetState\ntrigger1 = 1\nvalue = 1234\n" // 7..10
           "[State 200, 3]\ntype = HitDef\ntrigger1 = 1\nattr = S, NA\np1stateno = 1301\np2stateno = 1302\n"
           "sparkno = S77\nguard.sparkno = F77\nhitsound = S77,0\nguardsound = 5,0\n" // 11..20
           "[State 200, 4]\ntype = HitDef\ntrigger1 = 1\nattr = S, NA\np2stateno = 1303\np2getp1state = 0\n"
           "sparkno = 77\n"                                                                               // 21..27
           "[State 200, 5]\ntype = ReversalDef\ntrigger1 = 1\nreversal.attr = SA, AA\np1stateno = 1304\n" // 28..32
           "[State 200, 6]\ntype = HitOverride\ntrigger1 = 1\nattr = SA, AA\nstateno = 1305\n"            // 33..37
           "[State 200, 7]\ntype = Helper\ntrigger1 = 1\nstateno = 1306\n"                                // 38..41
           "[State 200, 8]\ntype = Projectile\ntrigger1 = 1\nattr = S, NP\nprojanim = 0\nprojhitanim = 1307\n"
           "projremanim = 1308\nprojcancelanim = 1309\np1stateno = 200\n"
           "[State 200, 9]\ntype = Explod\ntrigger1 = 1\nanim = 9999\n"                            // 51..54
           "[State 200, 10]\ntype = Explod\ntrigger1 = 1\nanim = F9999\n"                          // 55..58
           "[State 200, 11]\ntype = SuperPause\ntrigger1 = 1\nanim = S30\nsound = S1,3\n"          // 59..63
           "[State 200, 12]\ntype = SuperPause\ntrigger1 = 1\nanim = 30\nsound = 1,3\n"            // 64..68
           "[State 200, 13]\ntype = Projectile\ntrigger1 = 1\nattr = S, NP\nprojhitanim = -1\n"}}, // 69..73
         {"mini.st:10: error: TargetState to state 1234, which no state file defines",
          "mini.st:15: error: HitDef to state 1301, which no state file defines",
          "mini.st:16: error: HitDef to state 1302, which no state file defines",
          "mini.st:17: error: HitDef uses action 77, which mini.air does not have",
          "mini.st:19: error: HitDef plays sound 77,0, which mini.snd does not have",
          "mini.st:32: error: ReversalDef to state 1304, which no state file defines",
          "mini.st:37: error: HitOverride to state 1305, which no state file defines",
          "mini.st:41: error: Helper to state 1306, which no state file defines",
          "mini.st:47: error: Projectile uses action 1307, which mini.air does not have",
          "mini.st:48: error: Projectile uses action 1308, which mini.air does not have",
          "mini.st:49: error: Projectile uses action 1309, which mini.air does not have",
          "mini.st:54: error: Explod uses action 9999, which mini.air does not have",
          "mini.st:62: error: SuperPause uses action 30, which mini.air does not have",
          "mini.st:63: error: SuperPause plays sound 1,3, which mini.snd does not have"}},
        {"letters and variable numbers the engine refuses; expressions and what it takes are left alone",
         {},
         {{st,
           "[Statedef 210]\ntype = Q\nmovetype = X\nphysics = Z\n"                                         // 7..10
           "[State 210, 1]\ntype = HitDef\ntrigger1 = var(75) = 1 && fvar(39) > 0\nattr = C, QQ\n"         // 11..14
           "hitflag = MAFQ\nguardflag = MAF\nsparkno = 0\n"                                                // 15..17
           "[State 210, 2]\ntype = HitBy\ntrigger1 = 1\nvalue = sca , na,sp\n"                             // 18..21
           "[State 210, 3]\ntype = NotHitBy\ntrigger1 = 1\nvalue = Q, NA\n"                                // 22..25
           "[State 210, 4]\ntype = StateTypeSet\ntrigger1 = 1\nstatetype = Q\nmovetype = u\nphysics = n\n" // 26..31
           "[State 210, 5]\ntype = Explod\ntrigger1 = 1\nanim = 0\npostype = P3\n"                         // 32..36
           "[State 210, 6]\ntype = Explod\ntrigger1 = 1\nanim = 0\npostype = Back\n"                       // 37..41
           "[State 210, 7]\ntype = VarSet\ntrigger1 = sysvar(4) = 0 && SysFVar(5) = 0\n"                   // 42..44
           "var(60) = var(59) + fvar(40)\n"                                                                // 45
           "[State 210, 8]\ntype = VarSet\ntrigger1 = 1\nvar(-1) = 1\n"                                    // 46..49
           "[State 210, 9]\ntype = ChangeState\ntrigger1 = 1\nvalue = 200 + var(80 - 30)\n"}},             // 50..53
         {"mini.st:8: error: type \"Q\" is not one of S, C, A, L, U",
          "mini.st:9: error: movetype \"X\" is not one of A, I, H, U",
          "mini.st:10: error: physics \"Z\" is not one of S, C, A, N, U",
          "mini.st:13: error: var(75) is out of range: var goes from 0 to 59",
          "mini.st:14: error: HitDef attr \"C, QQ\": \"QQ\" is not an attack attribute (N, S, H or A, then A, T or P)",
          "mini.st:15: error: hitflag \"MAFQ\" holds \"Q\", which the engine does not take",
          "mini.st:16: error: guardflag \"MAF\" holds \"F\", which the engine does not take",
          "mini.st:25: error: NotHitBy value \"Q, NA\": \"Q\" is not state letters (S, C, A)",
          "mini.st:29: error: statetype \"Q\" is not one of S, C, A, L",
          "mini.st:30: error: movetype \"u\" is not one of A, I, H",
          "mini.st:36: error: postype \"P3\" is not one of p1, p2, front, back, left, right",
          "mini.st:44: error: SysFVar(5) is out of range: sysfvar goes from 0 to 4",
          "mini.st:45: error: var(60) is out of range: var goes from 0 to 59",
          "mini.st:45: error: fvar(40) is out of range: fvar goes from 0 to 39",
          "mini.st:49: error: var(-1) is out of range: var goes from 0 to 59"}},
        {"controller blocks: type, triggers and required parameters",
         {},
         {{st,
           "[State 200, 2]\ntrigger1 = 1\nvalue = 0\n"                            // 7..9
           "[State 200, 3]\ntype = Null\n"                                        // 10, 11
           "[State 200, 4]\ntype = Null\ntriggerall = 1\n"                        // 12..14
           "[State 200, 5]\ntype = Null\ntrigger1 = 1\ntrigger3 = 1\n"            // 15..18
           "[State 200, 6]\ntype = VarSet\ntrigger1 = 1\nvar(3) = 1\n"            // 19..22
           "[State 200, 7]\ntype = VarSet\ntrigger1 = 1\nvalue = 1\n"             // 23..26
           "[State 200, 8]\ntype = HitOverride\ntrigger1 = 1\nattr =\ntime = 0\n" // 27..31
           "[State 200, 9]\ntype = HitOverride\ntrigger1 = 1\nattr = SA, AA\n"    // 32..35
           "[State 200, 10]\ntype = Nothing\ntrigger1 = 1\n"}},                   // 36..38
         {"mini.st:7: error: controller without a type", "mini.st:10: error: controller without any trigger",
          "mini.st:12: error: controller without trigger1",
          "mini.st:15: warning: trigger2 is missing: the triggers after it are never read",
          "mini.st:23: error: VarSet without any of v, fv, var(n), fvar(n), sysvar(n) or sysfvar(n)",
          "mini.st:32: error: HitOverride without stateno", "mini.st:37: error: unknown controller type \"Nothing\""}},
        {"triggers: words in their places, faults in theirs",
         {},
         {{st,
           "[State 200, 2]\ntype = Null\n"                                              // 7, 8
           "trigger1 = statetype = A && p2movetype != H && hitdefattr = SCA, NA, SA\n"  // 9
           "trigger2 = root, Pos Y > const(size.height) && enemynear(0), Vel X < 0\n"   // 10
           "trigger3 = Time = [0, 3) && ProjHit1200 = 1 && gethitvar(fall.yvel) != 0\n" // 11
           "trigger4 = (Tiem = 1 || AnimElem = 2, >= 0\n"                               // 12
           "trigger5 = command = \"y\" && name = \"Mini \"\n"                           // 13
           "trigger6 = stateno = 200 && \"open\n"                                       // 14
           "trigger7 = command = \"x\" || command = \"X\"\n"}},                         // 15
         {"mini.st:12: error: unbalanced parentheses in trigger4",
          "mini.st:12: error: unknown trigger \"Tiem\" in trigger4",
          "mini.st:13: error: command \"y\" is not defined in mini.cmd",
          "mini.st:14: error: string without its closing quote in trigger6",
          "mini.st:15: error: command \"X\" is not defined in mini.cmd"}},
        {"duplicate states and actions",
         {{"mini.air", "[Begin Action 0]\n0,0, 0,0, 5\nLoopstart\n[Begin Action 0]\n0,1, 0,0, 5\n"}},
         {{st, "[Statedef 200]\n[Statedef -1]\n"}},
         {"mini.air:3: warning: Loopstart is the last line of its action: no frame follows it",
          "mini.air:4: warning: action 0 is defined again (first at line 1)",
          "mini.st:7: warning: Statedef 200 is defined again (first at mini.st:1)"}},
        {"a WinMUGEN character: later engines' names are errors that say whose they are",
         {},
         {{st,
           "[State 200, 2]\ntype = Zoom\ntrigger1 = NumText = 0 && AILevelF > 0 || StateTime = 1\n" // 7..9
           "[State 200, 3]\ntype = MapSet\ntrigger1 = TopBoundDist < 5\nmap = \"a\"\n"}},           // 10..13
         {"mini.st:8: error: Zoom is a MUGEN 1.1 controller; this character is for WinMUGEN",
          "mini.st:9: error: NumText is a MUGEN 1.1 trigger; this character is for WinMUGEN",
          "mini.st:9: error: AILevelF is an IKEMEN GO trigger; this character is for WinMUGEN",
          "mini.st:11: error: MapSet is an IKEMEN GO controller; this character is for WinMUGEN",
          "mini.st:12: error: TopBoundDist is a MUGEN 1.1 trigger; this character is for WinMUGEN"}},
        {"a MUGEN 1.1 character has MUGEN 1.1's names",
         {},
         {{"mini.def", "[Info]\nmugenversion = 1.1\n"},
          {st,
           "[State 200, 2]\ntype = Zoom\ntrigger1 = NumText(1) = 0 && TopBoundDist < 5 && BotBoundDist < 5\n"
           "[State 200, 3]\ntype = RemoveText\ntrigger1 = NumText\n"}},
         {}},
        {"an ikemenversion that does not read",
         {},
         {{"mini.def", "[Info]\nikemenversion = 0.99\nikemenversion = v1.0\nikemenversion = 1..0\nikemenversion =\n"}},
         {"mini.def:13: error: ikemenversion \"v1.0\" is not a version number (such as 0.99 or 1.0)",
          "mini.def:14: error: ikemenversion \"1..0\" is not a version number (such as 0.99 or 1.0)",
          "mini.def:15: error: ikemenversion \"\" is not a version number (such as 0.99 or 1.0)"}},
        {"a frame naming no sprite is fine, one naming a missing sprite draws nothing",
         {{"mini.air", "[Begin Action 0]\n-1,0, 0,0, 5\n0,2, 0,0, 5\n0,0, 0,0\n"}},
         {},
         {"mini.air:3: warning: frame 1 of action 0 shows sprite 0,2, which mini.sff does not have",
          "mini.air:4: error: frame line does not read as group, image, x, y, time"}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        // Deep enough for the engine's data folder to lie inside the temporary one.
        const std::string folder = tempPath(dir, "chars/mini");
        MiniCharacter mini;
        for (const auto& [name, text] : c.replaced)
            mini.files[name] = text;
        for (const auto& [name, text] : c.appended)
            mini.files[name] += text;
        mini.write(folder);
        const CheckReport report = checkCharacter(folder + "/mini.def", {c.notes});
        EXPECT_EQ(formattedInOrder(report.findings), c.expected) << c.name;
        EXPECT_EQ(report.exitStatus(), report.hasErrors() ? 1 : 0) << c.name;
    }
}

TEST(CharacterCheck, SpriteNumbersTheSffHoldsTwiceAreErrorsAtTheDefsSpriteLine)
{
    QTemporaryDir dir;
    const std::string folder = tempPath(dir, "chars/mini");
    MiniCharacter mini;
    mini.spriteNumbers.insert(mini.spriteNumbers.end(), {{9000, 0}, {0, 1}, {0, 1}, {1, 0}});
    mini.write(folder);
    EXPECT_EQ(formattedInOrder(checkCharacter(folder + "/mini.def").findings),
              (std::vector<std::string>{"mini.def:8: error: sprite 9000,0 appears twice in mini.sff",
                                        "mini.def:8: error: sprite 0,1 appears twice in mini.sff"}));
}

// The run settings may put the engine elsewhere than two folders above the
// character: its data/ folder holds the common states then.
TEST(CharacterCheck, TheCommonStatesOfTheEngineTheRunSettingsName)
{
    QTemporaryDir dir;
    const std::string folder = tempPath(dir, "work/mini");
    MiniCharacter mini;
    mini.files["mini.st"] += "[State 200, 2]\ntype = ChangeState\ntrigger1 = 1\nvalue = 7777\n";
    mini.write(folder);
    test::writeFile(tempPath(dir, "games/engine/data/common1.cns"), "[Statedef 7777]\ntype = S\n");
    const std::string undefined = "mini.st:10: error: ChangeState to state 7777, which no state file defines";

    EXPECT_EQ(formattedInOrder(checkCharacter(folder + "/mini.def").findings), std::vector<std::string>{undefined});
    CheckOptions options;
    options.engineFolder = tempPath(dir, "games/engine");
    EXPECT_EQ(formattedInOrder(checkCharacter(folder + "/mini.def", options).findings), std::vector<std::string>{});
    options.engineFolder = tempPath(dir, "games/nowhere");
    EXPECT_EQ(formattedInOrder(checkCharacter(folder + "/mini.def", options).findings),
              std::vector<std::string>{undefined});
}

TEST(CharacterCheck, IkemenCodeIsValidOnlyInAnIkemenCharacter)
{
    // Every controller IKEMEN GO adds, with what it must have, and its triggers and redirections.
    const std::string code = test::readFile(std::string(VANTREL_SOURCE_DIR) + "/tests/check/data/ikemen_states.cns");
    ASSERT_FALSE(code.empty());
    const std::string name = "ikemen_states.cns";
    const auto checkAs = [&](const std::string& info) {
        QTemporaryDir dir;
        const std::string folder = tempPath(dir, "chars/mini");
        MiniCharacter mini;
        mini.files["mini.def"] = "[Info]\n" + info + "\n" + mini.files["mini.def"].substr(7) + "st1 = " + name + "\n";
        mini.files[name] = code;
        mini.write(folder);
        return checkCharacter(folder + "/mini.def");
    };

    EXPECT_EQ(formattedInOrder(checkAs("ikemenversion = 0.99").findings), std::vector<std::string>{});

    // For MUGEN 1.1: each IKEMEN GO controller at its type line, each IKEMEN GO trigger at its line.
    std::vector<std::string> expected;
    const std::vector<std::pair<std::string, std::string>> triggersUsed = {
        {"AILevelF", "AILevelF > 0"}, {"IsHost", "&& IsHost"},           {"Alpha", "Alpha Source"},
        {"Dizzy", "Dizzy &&"},        {"GuardBreak", "!GuardBreak"},     {"Map", "Map(combo)"},
        {"PrevAnim", "PrevAnim"},     {"HelperIndex", "HelperIndex(1)"}, {"StateOwner", "StateOwner,"},
        {"Player", "Player(2)"},      {"PlayerIndex", "PlayerIndex(0)"}, {"P2", "P2,"},
        {"ComboCount", "ComboCount"},
    };
    std::map<int, std::vector<std::string>> triggerErrors;
    for (const auto& [trigger, written] : triggersUsed) {
        const auto at = code.find(written);
        ASSERT_NE(at, std::string::npos) << written;
        triggerErrors[lineAt(code, at)].push_back(name + ":" + std::to_string(lineAt(code, at)) + ": error: " + trigger
                                                  + " is an IKEMEN GO trigger; this character is for MUGEN 1.1");
    }
    int controllers = 0;
    for (std::size_t at = code.find("\ntype = "); at != std::string::npos; at = code.find("\ntype = ", at + 1)) {
        const std::size_t from = at + 8;
        const std::string type = code.substr(from, code.find('\n', from) - from);
        const int line = lineAt(code, from);
        if (type == "S" || type == "ChangeState")
            continue;
        ++controllers;
        expected.push_back(name + ":" + std::to_string(line) + ": error: " + type
                           + " is an IKEMEN GO controller; this character is for MUGEN 1.1");
        // The trigger line follows the type line.
        for (const std::string& error : triggerErrors[line + 1])
            expected.push_back(error);
    }
    EXPECT_EQ(controllers, 53);
    EXPECT_EQ(formattedInOrder(checkAs("mugenversion = 1.1").findings), expected);
}

TEST(TriggerExpression, NamesBracketsAndCommands)
{
    struct Case {
        const char* text;
        bool balanced;
        std::vector<std::string> unknown;
        std::vector<std::string> commands;
    };
    const std::vector<Case> cases = {
        {"Time = [0, 3)", true, {}, {}},
        {"AnimElemTime(2) >= 0 && (StateNo = 200", false, {}, {}},
        {"AnimElemTime(2)) >= 0", false, {}, {}},
        {"root, Pos X > 10 && helper(1000), NumTarget", true, {}, {}},
        {"enemynear(0), statetype = A || p2statetype != L", true, {}, {}},
        {"hitdefattr = SCA, NA, SA, HA && MoveContact", true, {}, {}},
        {"const(velocity.walk.fwd.x) < 0 || GetHitVar(fall.yvel) > 2", true, {}, {}},
        {"ProjHit1200 = 1 && ProjContactTime(5) < 10", true, {}, {}},
        {"command = \"QCF_x\" || command != \"hold;fwd\"", true, {}, {"QCF_x", "hold;fwd"}},
        {"Tiem = 0 && Foo(1) && Tiem", true, {"Tiem", "Foo"}, {}},
        {"movetype = H && Bar", true, {"Bar"}, {}},
        {"var(3) := 5 && fvar(1) ** 2 > .5", true, {}, {}},
        {"ifelse(statetype = A, 1, 0) = 1 && teammode = simul", true, {}, {}},
        {"StateTime >= 7", true, {}, {}}, // no trigger of the library, but the engines read it as Time
        // IKEMEN GO: maps, the assignment operator, its redirections and its ...Var(name) family.
        {"Map(combo) >= 3 && (Var(1) := Map(hits)) > 0", true, {}, {}},
        {"Player(2), Life < 100 && PlayerIndex(0), Alive && HelperIndex(1), Time > 0", true, {}, {}},
        {"P2, StateType != L && StateOwner, Var(10) = 1 && Alpha Source = 256", true, {}, {}},
        {"ExplodVar(100, 0, pos x) > 160 || GameMode = \"training\" || PrevStateType = A", true, {}, {}},
        {"SelfCommand = \"QCF_x\" && AILevelF > 4.5", true, {}, {"QCF_x"}},
    };
    for (const Case& c : cases) {
        const ExpressionReport r = checkExpression(c.text);
        EXPECT_EQ(r.bracketsBalanced, c.balanced) << c.text;
        EXPECT_EQ(r.unknownNames, c.unknown) << c.text;
        EXPECT_EQ(r.commandNames, c.commands) << c.text;
        EXPECT_TRUE(r.stringClosed) << c.text;
    }
    EXPECT_FALSE(checkExpression("name = \"Kung").stringClosed);

    // Triggers of a later engine are known but reported, each once, for an older one.
    struct Later {
        const char* text;
        CharacterEngine engine;
        std::vector<std::string> newer; // as the library writes them
    };
    const Later later[] = {
        {"ailevelf > 2 && IsHost && AILevelF < 6", CharacterEngine::WinMugen, {"AILevelF", "IsHost"}},
        {"Player(2), Life && P2, NumText(3)", CharacterEngine::Mugen10, {"Player", "P2", "NumText"}},
        {"Player(2), Life && P2, NumText(3)", CharacterEngine::Mugen11, {"Player", "P2"}},
        {"Map(combo) > TopBoundDist", CharacterEngine::Ikemen, {}},
    };
    for (const Later& c : later) {
        const ExpressionReport r = checkExpression(c.text, c.engine);
        std::vector<std::string> newer;
        for (const Trigger* trigger : r.newerTriggers)
            newer.emplace_back(trigger->name);
        EXPECT_EQ(newer, c.newer) << c.text;
        EXPECT_TRUE(r.unknownNames.empty()) << c.text;
    }
}

TEST(CharacterCheck, ProgramPrintsFindingsAndExitsWithTheirWeight)
{
    QTemporaryDir dir;
    const std::string folder = tempPath(dir, "kfm");
    copyCharacter(test::realchars("winmugen-kfm"), folder);
    const std::string air = test::readFile(folder + "/kfm.air");
    const std::string broken = folder + "/broken";
    copyCharacter(test::realchars("winmugen-kfm"), broken);
    std::string changed = air;
    changed.replace(changed.find("0,0, 0,0, 10"), 12, "0,99, 0,0, 10");
    test::writeFile(broken + "/kfm.air", changed);

    struct Case {
        std::string arguments;
        int status;
        std::vector<std::string> lines; // each must be in the output
        std::vector<std::string> absent;
    };
    const std::vector<Case> cases = {
        {folder + "/kfm.def", 0, {"kfm.air:964: warning: Clsn2 box under a Clsn1 count line\n"}, {"error", "note"}},
        {"--notes " + folder + "/kfm.def", 0, {"kfm.sff: note: sprite 42,2 is used by no action\n"}, {"error"}},
        {broken + "/kfm.def",
         0,
         {"kfm.air:10: warning: frame 0 of action 0 shows sprite 0,99, which kfm.sff does not have\n"},
         {}},
        {"--json " + broken + "/kfm.def",
         0,
         {"{\"file\": \"kfm.air\", \"line\": 10, \"severity\": \"warning\", \"message\": \"frame 0 of action 0 shows "
          "sprite "
          "0,99, which kfm.sff does not have\"}",
          "\"errors\": 0,"},
         {}},
        {std::string(VANTREL_APP_DIR) + "/samples/kit/kit.def", 0, {}, {"error", "warning", "note"}},
        {folder + "/nothing.def", 2, {}, {"kfm"}},
        {"", 2, {}, {"kfm"}},
        {"--bogus " + folder + "/kfm.def", 2, {}, {"kfm"}},
    };
    for (const Case& c : cases) {
        const CommandResult r = runChecker(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.output;
        for (const std::string& line : c.lines)
            EXPECT_NE(r.output.find(line), std::string::npos) << c.arguments << "\n" << r.output;
        for (const std::string& word : c.absent)
            EXPECT_EQ(r.output.find(word), std::string::npos) << c.arguments << "\n" << r.output;
    }

    // In the system's language: the messages, but not the words editors read
    // nor the JSON, which is for programs.
    const CommandResult ja = runChecker(broken + "/kfm.def", "LANGUAGE=ja ");
    EXPECT_NE(ja.output.find("kfm.air:10: warning: アクション 0 のフレーム 0 はスプライト 0,99 を表示しますが、kfm.sff "
                             "にはありません\n"),
              std::string::npos)
        << ja.output;
    const CommandResult json = runChecker("--json " + broken + "/kfm.def", "LANGUAGE=pt_BR ");
    EXPECT_NE(json.output.find("\"message\": \"frame 0 of action 0 shows"), std::string::npos) << json.output;
}

TEST(CharacterCheck, FindingsPrintInCompilerFormAndValidJson)
{
    const std::vector<Finding> findings = {
        {"kfm.cns", 12, Severity::Error, "unknown trigger \"x\" in trigger1"},
        {"kfm.sff", 0, Severity::Note, "tab\there \xff"},
        {"dir/a.st", 3, Severity::Warning, "back\\slash"},
    };
    EXPECT_EQ(formatFinding(findings[0]), "kfm.cns:12: error: unknown trigger \"x\" in trigger1");
    EXPECT_EQ(formatFinding(findings[1]), "kfm.sff: note: tab\there \xff");
    EXPECT_EQ(formatFinding(findings[2]), "dir/a.st:3: warning: back\\slash");
    EXPECT_EQ(findingsJson(findings),
              "{\n  \"findings\": [\n"
              "    {\"file\": \"kfm.cns\", \"line\": 12, \"severity\": \"error\", \"message\": \"unknown trigger "
              "\\\"x\\\" in trigger1\"},\n"
              "    {\"file\": \"kfm.sff\", \"line\": null, \"severity\": \"note\", \"message\": \"tab\\u0009here "
              "\xEF\xBF\xBD\"},\n"
              "    {\"file\": \"dir/a.st\", \"line\": 3, \"severity\": \"warning\", \"message\": \"back\\\\slash\"}\n"
              "  ],\n  \"errors\": 1,\n  \"warnings\": 1,\n  \"notes\": 1\n}\n");
    EXPECT_EQ(findingsJson({}), "{\n  \"findings\": [],\n  \"errors\": 0,\n  \"warnings\": 0,\n  \"notes\": 0\n}\n");
}

TEST(SffSpriteNumbers, MatchTheFullReaderWithoutDecoding)
{
    for (const char* file : {"winmugen-kfm/kfm.sff", "ikemen-kfm/kfm.sff"}) {
        const std::string bytes = test::readFile(test::realchars(file));
        const auto full = sfflib::readSff(bytes);
        const auto numbers = sfflib::readSffSpriteNumbers(bytes);
        ASSERT_TRUE(full) << file;
        ASSERT_TRUE(numbers) << file << numbers.error();
        ASSERT_EQ(numbers->size(), full->sprites.size()) << file;
        for (std::size_t i = 0; i < numbers->size(); ++i) {
            EXPECT_EQ((*numbers)[i].group, full->sprites[i].group) << file << " " << i;
            EXPECT_EQ((*numbers)[i].imageNo, full->sprites[i].imageNo) << file << " " << i;
        }
        // Damaged copies fail with a sentence instead of reading past the end.
        for (const std::size_t keep : {std::size_t{10}, std::size_t{40}, std::size_t{600}}) {
            const auto cut = sfflib::readSffSpriteNumbers(std::string_view(bytes).substr(0, keep));
            EXPECT_FALSE(cut) << file << " " << keep;
            EXPECT_NE(cut.error().find("SFF"), std::string::npos) << file << " " << keep;
        }
    }
    EXPECT_FALSE(sfflib::readSffSpriteNumbers("not an archive at all"));
}

// Thousands of linked sprites and a state file of many states hold nothing to
// report, notes included. bench/bench_check times the full-size one.
TEST(CharacterCheck, LargeCharacterWithoutFaultsHasNothingToReport)
{
    QTemporaryDir dir;
    const std::string folder = tempPath(dir, "big");
    fs::create_directories(folder);
    ASSERT_TRUE(test::writeLargeCharacter(folder, 3000, 100'000));
    const CheckReport report = checkCharacter(folder + "/big.def", {true});
    EXPECT_TRUE(report.readable);
    EXPECT_EQ(formattedInOrder(report.findings), std::vector<std::string>{});
}

namespace {

std::string checkData(const std::string& name)
{
    return test::readFile(std::string(VANTREL_SOURCE_DIR) + "/tests/check/data/" + name);
}

// The hand-made character with its states in a script instead of mini.st.
CheckReport checkScriptCharacter(const std::string& script, const std::string& common = {})
{
    QTemporaryDir dir;
    const std::string folder = tempPath(dir, "chars/mini");
    MiniCharacter mini;
    std::string& def = mini.files["mini.def"];
    def.replace(def.find("st = mini.st"), 12, "st = mini.zss");
    if (!common.empty()) {
        def.replace(def.find("common1.cns"), 11, "common1.zss");
        mini.files["common1.zss"] = common;
    }
    mini.files.erase("mini.st");
    mini.files["mini.zss"] = script;
    mini.write(folder);
    return checkCharacter(folder + "/mini.def");
}

} // namespace

TEST(ZssCheck, EachFaultOfAScriptIsReportedAtItsLine)
{
    const CheckReport report = checkScriptCharacter(checkData("faults.zss"));
    EXPECT_EQ(formattedInOrder(report.findings),
              (std::vector<std::string>{
                  "mini.zss:3: error: '{' is never closed",
                  "mini.zss:8: error: '(' is never closed",
                  "mini.zss:11: error: string without its closing quote",
                  "mini.zss:12: error: StateDef without a readable state number",
                  "mini.zss:14: error: unknown controller type \"ChangeAmin\"",
                  "mini.zss:15: error: ChangeState without value",
                  "mini.zss:16: error: unknown trigger \"Tiem\" in the condition of if",
                  "mini.zss:17: error: ChangeState to state 4321, which no state file defines",
                  "mini.zss:19: error: ChangeAnim uses action 2109, which mini.air does not have",
                  "mini.zss:20: error: PlaySnd plays sound 0,70, which mini.snd does not have",
                  "mini.zss:21: error: unknown statement \"Foo\"",
                  "mini.zss:22: error: unknown trigger \"Vell\" in x of VelSet",
              }));
    EXPECT_EQ(report.exitStatus(), 1);
}

TEST(ZssCheck, ScriptsInTheStyleOfTheEnginesCommonStatesCheckClean)
{
    // As the character's states, and as its common states file, whose
    // states then count as defined.
    EXPECT_EQ(formattedInOrder(checkScriptCharacter(checkData("clean.zss")).findings), std::vector<std::string>{});
    const CheckReport withCommon =
        checkScriptCharacter("[StateDef 200;]\nChangeState{value: 5120}\nChangeState{value: 5121}\n",
                             "[StateDef 5120; type: L;]\nif Time = 0 { ChangeState{value: 0} }\n");
    EXPECT_EQ(formattedInOrder(withCommon.findings),
              std::vector<std::string>{"mini.zss:3: error: ChangeState to state 5121, which no state file defines"});
}

TEST(ZssCheck, VariableNumbersOutOfRangeAreReportedOnceInConditionsAndParameters)
{
    const CheckReport report =
        checkScriptCharacter("[StateDef 200;]\nif var(75) = 1 || fvar(39) {\n\tChangeState{value: 0 + sysvar(5)}\n}\n");
    EXPECT_EQ(formattedInOrder(report.findings),
              (std::vector<std::string>{"mini.zss:2: error: var(75) is out of range: var goes from 0 to 59",
                                        "mini.zss:3: error: sysvar(5) is out of range: sysvar goes from 0 to 4"}));
}

TEST(ZssCheck, BadScriptsGiveAnErrorAtTheirLineAndTheCheckReturns)
{
    std::string deep = "[StateDef 200;]\n";
    for (int i = 0; i < 100000; ++i)
        deep += "if Time {\n";
    std::string names = "[StateDef 200;]\nif Time";
    while (names.size() < (1 << 20))
        names += " + t" + std::to_string(names.size());
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {deep, {"mini.zss:100001: error: '{' is never closed"}},
        {names + " {}\n",
         {"mini.zss:2: warning: the expression in the condition of if is too long to check its names"}},
        {"[StateDef 200;]\nlet a = \"" + std::string(1 << 20, 'x') + "\nChangeState{value: 0}\n",
         {"mini.zss:2: error: string without its closing quote",
          "mini.zss:2: warning: the expression in let is too long to check its names"}},
    };
    for (const auto& [script, expected] : cases) {
        const CheckReport report = checkScriptCharacter(script);
        EXPECT_EQ(formattedInOrder(report.findings), expected);
    }
}

TEST(CharacterCheck, HugeAndDeepStateFilesAreCheckedInProportion)
{
    // Additions go after the hand-made character's mini.st (from line 7).
    std::string nested = "[State 200, deep]\ntype = Null\ntrigger1 = ";
    nested += std::string(100000, '(') + "1" + std::string(100000, ')') + "\n";
    std::string selfNamed;
    for (int i = 0; i < 100000; ++i)
        selfNamed += "[State 200, " + std::to_string(i) + "]\ntype = ChangeState\ntrigger1 = Time = 0\nvalue = 200\n";
    std::string longLine = "[State 200, long]\ntype = Null\ntrigger1 = Time";
    while (longLine.size() < (1 << 20))
        longLine += " + Time";
    longLine += "\n";
    std::string unclosed = "[State 200, open]\ntype = Null\ntrigger1 = " + std::string(1 << 20, '(') + "\n";

    QTemporaryDir dir;
    const std::string* additions[] = {&nested, &selfNamed, &longLine, &unclosed};
    for (std::size_t k = 0; k < std::size(additions); ++k) {
        const std::string folder = tempPath(dir, "mini" + std::to_string(k));
        MiniCharacter mini;
        mini.files["mini.st"] += *additions[k];
        mini.write(folder);
        const CheckReport report = checkCharacter(folder + "/mini.def");
        EXPECT_TRUE(report.readable);
        // A few findings at most: one report for what is wrong, never one per character or controller.
        EXPECT_LE(report.findings.size(), 3u) << formattedInOrder(report.findings).front();
        for (const Finding& finding : report.findings)
            EXPECT_EQ(finding.line, 9) << formattedInOrder(report.findings).front();
    }
}
