// Every text clip the state file window inserts passes the checker: a clip put
// into an empty state of a tiny character gives no error, only a warning for
// each value the template leaves for the user to type; once they are typed in,
// no finding at all.

#include "../sound/sound_fixtures.h"
#include "check/character_check.h"
#include "check/state_library.h"
#include "common/encoding.h"
#include "common/text.h"
#include "formats/sff.h"
#include "test_support.h"
#include "text/state_extras.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>

using namespace vantrel;

namespace {

// What a user types where a template leaves a value empty: 1 for a trigger
// and most numbers; for a value that names something of the character, a
// thing the tiny character has (action 0, sound 0,0, state 0).
std::string typedValue(const StateController* controller, const std::string& key)
{
    if (key.starts_with("trigger"))
        return "1";
    static const std::map<std::string_view, std::string> byKind = {
        {"action number", "0"},  {"state number", "0"},   {"group, number", "0, 0"},  {"attribute string", "SCA"},
        {"flag name", "nowalk"}, {"arg1, arg2", "S, NA"}, {"\"format\"", "\"text\""},
    };
    const ControllerParameter* parameter = controller ? findParameter(*controller, key) : nullptr;
    const auto kind = parameter ? byKind.find(parameter->values) : byKind.end();
    return kind == byKind.end() ? "1" : kind->second;
}

// The clip as the state file window inserts it at the end of state 0; with
// `typed`, its empty values typed in.
std::string insertedClip(const TextClip& clip, long insertionPoint, bool typed)
{
    const ClipInsertion insertion = clipInsertion(insertionPoint, clip, 0);
    std::u16string text = insertion.text;
    if (insertion.nameAt)
        text.insert(static_cast<std::size_t>(*insertion.nameAt - insertionPoint), clip.name);

    const StateController* controller = nullptr;
    std::string out;
    for (std::string line : splitLines(utf8FromUtf16(text))) {
        if (line == "[Statedef ]")
            line = "[Statedef 1]"; // the number is the user's to type
        const auto equals = line.find(" = ");
        if (equals != std::string::npos) {
            const std::string key = line.substr(0, equals);
            if (key == "type")
                controller = findStateController(line.substr(equals + 3));
            if (typed && trimmed(line.substr(equals + 3)).empty())
                line += typedValue(controller, key);
        }
        out += line + "\r\n";
    }
    return out;
}

} // namespace

TEST(TemplateCheck, EveryClipPassesTheChecker)
{
    const TextClipLibrary library = readTextClipFile(std::string(VANTREL_SOURCE_DIR) + "/data/stclips.txt");
    ASSERT_GT(library.listNames.size(), 80u);

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    // For IKEMEN GO, which reads every engine's controllers.
    test::writeFile(folder + "/t.def",
                    "[Info]\nname = \"T\"\nikemenversion = 0.99\n[Files]\nsprite = t.sff\nanim = t.air\n"
                    "sound = t.snd\ncns = t.cns\nst = t.cns\n");
    test::writeFile(folder + "/t.air", "[Begin Action 0]\n0,0, 0,0, 5\n");
    sfflib::SpriteSource sprite;
    sprite.image.width = sprite.image.height = 1;
    sprite.image.pixels = {1};
    test::writeFile(folder + "/t.sff", *sfflib::writeSffV1({sprite}, {}));
    test::writeFile(folder + "/t.snd", test::makeBank({{0, 0, test::makeTone(5)}}));

    const std::string emptyState = "[Data]\r\nlife = 1000\r\n\r\n[Statedef 0]\r\ntype = S\r\nanim = 0\r\n";
    const int triggerLine = 10; // after the six lines, the blank line the clip starts with, its header and type
    for (std::size_t i = 0; i < library.listNames.size(); ++i) {
        const TextClip* clip = library.clipAt(static_cast<int>(i));
        ASSERT_NE(clip, nullptr);
        const std::string name = utf8FromUtf16(clip->name);
        const bool controller = clip->helpNumber > kLastPlainClipTopic;

        // As inserted: the empty values are warned about, and nothing is an error.
        std::string cns = emptyState + insertedClip(*clip, static_cast<long>(emptyState.size()), false);
        test::writeFile(folder + "/t.cns", cns);
        CheckReport report = checkCharacter(folder + "/t.def");
        EXPECT_TRUE(report.readable) << name;
        EXPECT_FALSE(report.hasErrors()) << name;
        bool triggerWarned = false;
        for (const Finding& finding : report.findings) {
            EXPECT_EQ(finding.severity, Severity::Warning) << name << ": " << formatFinding(finding);
            EXPECT_TRUE(finding.message.ends_with(" is empty")) << name << ": " << formatFinding(finding);
            triggerWarned = triggerWarned
                || formatFinding(finding) == "t.cns:" + std::to_string(triggerLine) + ": warning: trigger1 is empty";
        }
        EXPECT_EQ(triggerWarned, controller) << name;

        // Typed in: nothing at all to report.
        cns = emptyState + insertedClip(*clip, static_cast<long>(emptyState.size()), true);
        test::writeFile(folder + "/t.cns", cns);
        report = checkCharacter(folder + "/t.def");
        for (const Finding& finding : report.findings)
            ADD_FAILURE() << name << ": " << formatFinding(finding) << "\n" << cns;
    }
}
