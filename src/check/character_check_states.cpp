// The checker's look at the state files: Statedefs, controllers and their
// parameters, triggers, and the actions, sounds and states they name.

#include "check/character_checker.h"
#include "check/state_library.h"
#include "check/trigger_expression.h"
#include "common/text.h"
#include "formats/character_definition.h"

#include <algorithm>
#include <array>

namespace vantrel::checker {

namespace {

// "[Statedef 200, name]" gives 200; "[State 200, 1]" is not a Statedef.
std::optional<std::int64_t> statedefNumber(std::string_view header, bool& isStatedef)
{
    isStatedef = toLowerAscii(header.substr(0, 8)) == "statedef";
    if (!isStatedef)
        return std::nullopt;
    std::string_view rest = header.substr(8);
    rest = rest.substr(0, rest.find(','));
    return plainNumber(rest);
}

bool isStateHeader(std::string_view header)
{
    const std::string lower = toLowerAscii(header.substr(0, 6));
    return lower == "state" || lower == "state ";
}

// "var(3)" matches "var(*)".
bool parameterMatches(std::string_view key, std::string_view name)
{
    const auto star = name.find("(*)");
    if (star == std::string_view::npos)
        return key == name;
    return key.size() > star + 2 && key.substr(0, star + 1) == name.substr(0, star + 1) && key.back() == ')';
}

enum class NameKind { Controller, Trigger };

// "MapSet is an IKEMEN GO controller; this character is for MUGEN 1.1"
Message newerThanCharacter(std::string_view name, NameKind kind, CharacterEngine since, CharacterEngine engine)
{
    const std::string newer = engineName(since);
    const bool vowel = newer.front() == 'I' || newer.front() == 'E';
    const char* pattern = kind == NameKind::Controller
        ? (vowel ? QT_TRANSLATE_NOOP("Messages", "%1 is an %2 controller; this character is for %3")
                 : QT_TRANSLATE_NOOP("Messages", "%1 is a %2 controller; this character is for %3"))
        : (vowel ? QT_TRANSLATE_NOOP("Messages", "%1 is an %2 trigger; this character is for %3")
                 : QT_TRANSLATE_NOOP("Messages", "%1 is a %2 trigger; this character is for %3"));
    return {pattern, {std::string(name), newer, engineName(engine)}};
}

const SectionEntry* entryOf(const TextSection& section, std::string_view key)
{
    for (const SectionEntry& e : section.entries) {
        if (e.key == key)
            return &e;
    }
    return nullptr;
}

} // namespace

void CharacterChecker::loadStateFiles()
{
    for (const std::string& path : m_statePaths) {
        auto bytes = readText(path);
        if (!bytes) {
            add(m_defName, 0, Severity::Error,
                {QT_TRANSLATE_NOOP("Messages", "%1 cannot be read"), {inQuotes(relativeName(path))}});
            continue;
        }
        if (isZssFileName(path)) {
            auto script = std::make_unique<const ZssScript>(readZss(std::move(*bytes)));
            SectionedText sections = zssSections(*script);
            m_stateFiles.push_back({relativeName(path), std::move(sections), std::move(script)});
        } else {
            m_stateFiles.push_back({relativeName(path), readSections(std::move(*bytes)), nullptr});
        }
        m_fileOrder.push_back(m_stateFiles.back().name);
    }
    for (const StateFile& f : m_stateFiles) {
        if (m_commandFile.exists && f.name == relativeName(m_commandFile.path))
            m_commandText = &f;
    }
}

// The engine's common states: the character's stcommon file, beside it or
// in the engine's data folder (the one the run settings name, else two
// folders up); when neither exists, the engine's own list.
void CharacterChecker::loadCommonStates()
{
    if (m_commonStatesValue.empty())
        return;
    std::string path = m_commonStates.exists ? m_commonStates.path : std::string();
    std::string engine = m_options.engineFolder.empty() ? m_dir + "../../" : m_options.engineFolder;
    if (!engine.ends_with('/'))
        engine += '/';
    if (path.empty()) {
        const std::string inData = characterPath(engine, "data/" + m_commonStatesValue);
        if (isFile(inData))
            path = inData;
    }
    auto bytes = path.empty() ? std::nullopt : readText(path);
    if (!bytes) {
        add(m_defName, m_commonStates.line, Severity::Note,
            {QT_TRANSLATE_NOOP("Messages",
                               "%1 is neither beside the character nor in the engine's data folder here;"
                               " the engine's own common states are assumed"),
             {inQuotes(m_commonStatesValue)}});
        return;
    }
    m_commonFromFile = true;
    if (isZssFileName(path)) {
        for (const ZssState& state : readZss(std::move(*bytes)).states) {
            if (state.number)
                m_commonStateNumbers.insert(*state.number);
        }
        return;
    }
    bool isStatedef = false;
    for (const TextSection& section : readSections(std::move(*bytes)).sections) {
        if (const auto n = statedefNumber(section.header, isStatedef))
            m_commonStateNumbers.insert(*n);
    }
}

bool CharacterChecker::stateExists(std::int64_t n) const
{
    if (m_statedefs.count(n))
        return true;
    return m_commonFromFile ? m_commonStateNumbers.count(n) > 0 : isEngineCommonState(n);
}

// Statedefs, commands, controllers, and the states the opponent is put in.
void CharacterChecker::collectStates()
{
    std::unordered_map<std::int64_t, std::vector<std::int64_t>> changesFrom;
    std::vector<std::int64_t> custom;
    for (const StateFile& file : m_stateFiles) {
        std::optional<std::int64_t> state;
        bool inStatedef = false;
        for (const TextSection& section : file.text.sections) {
            bool isStatedef = false;
            const auto number = statedefNumber(section.header, isStatedef);
            if (isStatedef) {
                inStatedef = true;
                state = number;
                if (!number) {
                    add(file.name, section.line, Severity::Warning,
                        QT_TRANSLATE_NOOP("Messages", "Statedef without a readable state number"));
                    continue;
                }
                const auto [at, inserted] = m_statedefs.emplace(*number, std::make_pair(file.name, section.line));
                // Negative states (-1, -2, -3) may be spread over several files.
                if (!inserted && *number >= 0)
                    add(file.name, section.line, Severity::Warning,
                        {QT_TRANSLATE_NOOP("Messages", "Statedef %1 is defined again (first at %2)"),
                         {std::to_string(*number), at->second.first + ":" + std::to_string(at->second.second)}});
                continue;
            }
            // A state script's function: its controllers belong to no state.
            if (file.script && toLowerAscii(section.header.substr(0, 8)) == "function") {
                inStatedef = true;
                state.reset();
                continue;
            }
            if (&file == m_commandText && toLowerAscii(section.header) == "command") {
                if (const SectionEntry* name = entryOf(section, "name"))
                    m_commands.emplace(withoutQuotes(name->value));
                continue;
            }
            if (!isStateHeader(section.header))
                continue;
            if (!inStatedef)
                add(file.name, section.line, Severity::Warning,
                    QT_TRANSLATE_NOOP("Messages", "controller outside any Statedef"));
            m_controllers.push_back({&file, &section, state});
            const SectionEntry* type = entryOf(section, "type");
            const std::string controller = type ? toLowerAscii(type->value) : std::string();
            auto plain = [&](std::string_view key) -> std::optional<std::int64_t> {
                const SectionEntry* e = entryOf(section, key);
                return e ? plainNumber(e->value) : std::nullopt;
            };
            if (controller == "hitdef" || controller == "reversaldef" || controller == "projectile") {
                if (const auto n = plain("p2stateno"))
                    custom.push_back(*n);
            } else if (controller == "targetstate") {
                if (const auto n = plain("value"))
                    custom.push_back(*n);
            } else if (controller == "changestate" && state) {
                if (const auto n = plain("value"))
                    changesFrom[*state].push_back(*n);
            }
        }
    }
    // A state the opponent is put in may move on to others of ours.
    while (!custom.empty()) {
        const std::int64_t n = custom.back();
        custom.pop_back();
        if (!m_customStates.insert(n).second)
            continue;
        if (const auto it = changesFrom.find(n); it != changesFrom.end())
            custom.insert(custom.end(), it->second.begin(), it->second.end());
    }
}

void CharacterChecker::checkStates()
{
    for (const StateFile& file : m_stateFiles) {
        if (file.script)
            checkScript(file);
        bool isStatedef = false;
        for (const TextSection& section : file.text.sections) {
            const auto number = statedefNumber(section.header, isStatedef);
            if (isStatedef)
                checkStatedefValues(file, section);
            if (isStatedef && number && !m_customStates.count(*number))
                if (const SectionEntry* anim = entryOf(section, "anim"))
                    checkAction(file, *anim, "Statedef " + std::to_string(*number), Severity::Error, true);
        }
    }
    for (const ControllerBlock& block : m_controllers)
        checkController(block);
}

namespace {

// "S1000" names the character's own action or sound; "F1000" the engine's
// common ones, and a plain number too where the engine's are the default.
std::optional<std::string_view> ownPrefixed(std::string_view value)
{
    value = trimBlanksAndTabs(value);
    if (value.empty() || (value.front() != 'S' && value.front() != 's'))
        return std::nullopt;
    return value.substr(1);
}

} // namespace

void CharacterChecker::checkAction(const StateFile& file, const SectionEntry& entry, const std::string& who,
                                   Severity severity, bool fromAir)
{
    std::string_view text = entry.value;
    if (!fromAir) {
        const auto own = ownPrefixed(text);
        if (!own)
            return;
        text = *own;
    }
    const auto n = plainNumber(text);
    if (!m_airLoaded || !n || m_actions.count(*n))
        return;
    add(file.name, entry.line, severity,
        {QT_TRANSLATE_NOOP("Messages", "%1 uses action %2, which %3 does not have"),
         {who, std::to_string(*n), m_airName}});
}

void CharacterChecker::checkController(const ControllerBlock& block)
{
    const StateFile& file = *block.file;
    const TextSection& section = *block.section;
    const SectionEntry* type = entryOf(section, "type");
    checkTriggers(file, section);
    if (!type) {
        add(file.name, section.line, Severity::Error, QT_TRANSLATE_NOOP("Messages", "controller without a type"));
        return;
    }
    const StateController* controller = findStateController(type->value);
    if (!controller) {
        add(file.name, type->line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "unknown controller type %1"), {inQuotes(type->value)}});
        return;
    }
    if (!availableIn(*controller, m_engine)) {
        add(file.name, type->line, Severity::Error,
            newerThanCharacter(controller->name, NameKind::Controller, controller->since, m_engine));
        return;
    }
    // A HitOverride with an empty attr switches its slot off and never
    // sends anyone to its state.
    const SectionEntry* attr = entryOf(section, "attr");
    const bool switchedOff = toLowerAscii(controller->name) == "hitoverride" && attr && attr->value.empty();
    for (const auto& group : controller->required) {
        if (switchedOff && group.size() == 1 && group[0] == "stateno")
            continue;
        const bool met = std::any_of(section.entries.begin(), section.entries.end(), [&](const SectionEntry& e) {
            return std::any_of(group.begin(), group.end(),
                               [&](std::string_view name) { return parameterMatches(e.key, name); });
        });
        if (met) {
            warnEmpty(file, section, group, controller->name, switchedOff);
            continue;
        }
        // "a", "a or b", "a, b or c"
        std::string first;
        for (std::size_t i = 0; i < group.size(); ++i) {
            std::string name(group[i]);
            if (const auto star = name.find("(*)"); star != std::string::npos)
                name.replace(star, 3, "(n)");
            if (i + 1 < group.size()) {
                first += (i == 0 ? "" : ", ") + name;
            } else if (group.size() == 1) {
                add(file.name, section.line, Severity::Error,
                    {QT_TRANSLATE_NOOP("Messages", "%1 without %2"), {std::string(controller->name), name}});
            } else {
                add(file.name, section.line, Severity::Error,
                    {QT_TRANSLATE_NOOP("Messages", "%1 without any of %2 or %3"),
                     {std::string(controller->name), first, name}});
            }
        }
    }

    checkParameters(file, section, *controller);
    checkReferences(block, toLowerAscii(controller->name), std::string(controller->name));
    checkControllerValues(file, section, toLowerAscii(controller->name), std::string(controller->name));
}

namespace {

// The values whose words are numbers and triggers.
constexpr std::array<std::string_view, 17> kNumericValues = {
    "number", "ticks",   "x, y",      "pixels",          "r, g, b",       "state number",
    "x",      "degrees", "0 or 1",    "1 or -1",         "0 or -1",       "0, 1 or -1",
    "time",   "percent", "low, high", "least, greatest", "element number"};

// The known name nearest to `written`, when it is near enough to be a slip of the keys.
std::string nearestName(std::string_view written, const std::vector<std::string>& known)
{
    // Names are short: one slip in up to five letters, one more in each three after.
    std::string best;
    std::size_t bestDistance = std::max<std::size_t>(1, written.size() / 3) + 1;
    if (written.size() > 64)
        return best;
    for (const std::string& name : known) {
        const std::size_t distance = editDistance(written, name);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

} // namespace

bool takesNumbers(const StateController& controller, std::string_view parameter)
{
    const ControllerParameter* p = findParameter(controller, parameter);
    return p && std::find(kNumericValues.begin(), kNumericValues.end(), p->values) != kNumericValues.end();
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    // Letters inserted, removed, changed or swapped with the next ("valeu").
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

void CharacterChecker::checkParameters(const StateFile& file, const TextSection& section,
                                       const StateController& controller)
{
    std::vector<std::string> known = {"type", "triggerall", "trigger1", "persistent", "ignorehitpause"};
    for (const ControllerParameter& p : controller.parameters) {
        if (availableIn(p, m_engine))
            known.emplace_back(p.name);
    }
    const bool script = file.script != nullptr;
    bool hasValue = false;
    const SectionEntry* shortVariable = nullptr; // "v = 3" or "fv = 1", which need a value line
    for (const SectionEntry& e : section.entries) {
        if (e.key == "type" || isCommonControllerParameter(e.key, m_engine))
            continue;
        const ControllerParameter* parameter = findParameter(controller, e.key, m_engine);
        if (!parameter) {
            const std::string nearest = nearestName(e.key, known);
            add(file.name, e.line, Severity::Warning,
                nearest.empty() ? Message(QT_TRANSLATE_NOOP("Messages", "%1 is not a parameter of %2"),
                                          {e.key, std::string(controller.name)})
                                : Message(QT_TRANSLATE_NOOP("Messages", "%1: did you mean %2?"), {e.key, nearest}));
            continue;
        }
        hasValue = hasValue || parameter->name == "value" || parameter->name.ends_with("(*)");
        if (parameter->name == "v" || parameter->name == "fv")
            shortVariable = shortVariable ? shortVariable : &e;
        // A script's values are read with the script.
        if (script || !takesNumbers(controller, e.key) || trimBlanksAndTabs(e.value).empty())
            continue;
        reportExpression(file, e.line, checkExpression(e.value, m_engine),
                         {QT_TRANSLATE_NOOP("Messages", "%1 of %2"), {e.key, std::string(controller.name)}});
    }
    const std::string lower = toLowerAscii(controller.name);
    const bool setsVariable =
        lower == "varset" || lower == "varadd" || lower == "parentvarset" || lower == "parentvaradd";
    if (setsVariable && shortVariable && !hasValue)
        add(file.name, section.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 without a value"), {std::string(controller.name)}});
}

// The states, actions and sounds a controller names with a plain number.
// In a state the opponent is put in, actions are the opponent's (but for
// ChangeAnim2's), and SelfState returns the opponent to its own states.
void CharacterChecker::checkReferences(const ControllerBlock& block, const std::string& name, const std::string& who)
{
    const StateFile& file = *block.file;
    const TextSection& section = *block.section;
    const bool custom = block.state && m_customStates.count(*block.state);
    const auto state = [&](std::string_view key) {
        if (const SectionEntry* e = entryOf(section, key))
            checkState(file, *e, who);
    };
    const auto action = [&](std::string_view key, bool fromAir) {
        const SectionEntry* e = entryOf(section, key);
        if (e && !custom)
            checkAction(file, *e, who, Severity::Error, fromAir);
    };
    const auto sound = [&](std::string_view key) {
        if (const SectionEntry* e = entryOf(section, key))
            checkSound(file, *e, who, true);
    };
    // With p2getp1state = 0 the opponent goes to a state of its own.
    const SectionEntry* getP1State = entryOf(section, "p2getp1state");
    const bool p2InOurs = !getP1State || plainNumber(getP1State->value) != 0;

    if (name == "changeanim") {
        action("value", true);
    } else if (name == "changeanim2") {
        if (const SectionEntry* value = entryOf(section, "value"))
            checkAction(file, *value, who, Severity::Warning, true);
    } else if (name == "playsnd") {
        if (const SectionEntry* value = entryOf(section, "value"))
            checkSound(file, *value, who, false);
    } else if (name == "changestate" || (name == "selfstate" && !custom)) {
        state("value");
        action("anim", true);
    } else if (name == "targetstate") {
        state("value");
    } else if (name == "hitoverride" || name == "helper") {
        state("stateno");
    } else if (name == "hitdef" || name == "reversaldef" || name == "projectile") {
        state("p1stateno");
        if (p2InOurs)
            state("p2stateno");
        action("sparkno", false);
        action("guard.sparkno", false);
        sound("hitsound");
        sound("guardsound");
        if (name == "projectile") {
            // -1 shows no animation at all.
            for (const char* key : {"projanim", "projhitanim", "projremanim", "projcancelanim"}) {
                const SectionEntry* e = entryOf(section, key);
                if (e && plainNumber(e->value) != -1)
                    action(key, true);
            }
        }
    } else if (name == "explod") {
        action("anim", true);
    } else if (name == "superpause") {
        action("anim", false);
        sound("sound");
    }
}

void CharacterChecker::checkState(const StateFile& file, const SectionEntry& entry, const std::string& who)
{
    const auto n = plainNumber(entry.value);
    if (n && !stateExists(*n))
        add(file.name, entry.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 to state %2, which no state file defines"), {who, std::to_string(*n)}});
}

// A required parameter written without a value (as templates leave them):
// one warning when no line of the group has one.
void CharacterChecker::warnEmpty(const StateFile& file, const TextSection& section,
                                 const std::vector<std::string_view>& group, std::string_view controller,
                                 bool switchedOff)
{
    const SectionEntry* empty = nullptr;
    for (const SectionEntry& e : section.entries) {
        const bool inGroup = std::any_of(group.begin(), group.end(),
                                         [&](std::string_view name) { return parameterMatches(e.key, name); });
        if (!inGroup)
            continue;
        if (!trimBlanksAndTabs(e.value).empty() || (switchedOff && e.key == "attr"))
            return;
        empty = empty ? empty : &e;
    }
    if (empty)
        add(file.name, empty->line, Severity::Warning,
            {QT_TRANSLATE_NOOP("Messages", "%1 of %2 is empty"), {empty->key, std::string(controller)}});
}

// "group, number"; with `prefixed`, only "Sgroup, number" is the
// character's own sound. PlaySnd's "F5, 0" plays from the engine's common
// sounds; its "S" prefix and expressions are left alone.
void CharacterChecker::checkSound(const StateFile& file, const SectionEntry& value, const std::string& who,
                                  bool prefixed)
{
    if (!m_soundsLoaded)
        return;
    std::string_view text = trimBlanksAndTabs(value.value);
    if (prefixed) {
        const auto own = ownPrefixed(text);
        if (!own)
            return;
        text = *own;
    }
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return;
    const auto group = plainNumber(text.substr(0, comma));
    const auto number = plainNumber(text.substr(comma + 1));
    if (!group || !number)
        return;
    const std::uint64_t key =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(*group)) << 32) | static_cast<std::uint32_t>(*number);
    if (!m_sounds.count(key))
        add(file.name, value.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 plays sound %2, which %3 does not have"),
             {who, std::to_string(*group) + "," + std::to_string(*number), m_soundName}});
}

void CharacterChecker::checkTriggers(const StateFile& file, const TextSection& section)
{
    bool any = false;
    bool first = false;
    std::vector<std::int64_t> numbers;
    for (const SectionEntry& e : section.entries) {
        std::string which;
        if (e.key == "triggerall") {
            which = "triggerall";
        } else if (startsWith(e.key, "trigger")) {
            const auto n = plainNumber(std::string_view(e.key).substr(7));
            if (!n || *n < 1)
                continue;
            numbers.push_back(*n);
            first = first || *n == 1;
            which = e.key;
        } else {
            continue;
        }
        any = true;
        checkTriggerExpression(file, e, which);
    }
    if (!any) {
        add(file.name, section.line, Severity::Error, QT_TRANSLATE_NOOP("Messages", "controller without any trigger"));
        return;
    }
    if (!first) {
        add(file.name, section.line, Severity::Error, QT_TRANSLATE_NOOP("Messages", "controller without trigger1"));
        return;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        if (numbers[i] != numbers[i - 1] + 1) {
            add(file.name, section.line, Severity::Warning,
                {QT_TRANSLATE_NOOP("Messages", "%1 is missing: the triggers after it are never read"),
                 {"trigger" + std::to_string(numbers[i - 1] + 1)}});
            break;
        }
    }
}

void CharacterChecker::reportExpression(const StateFile& file, std::int32_t line, const ExpressionReport& r,
                                        const Message& which)
{
    if (!r.bracketsBalanced)
        add(file.name, line, Severity::Error, {QT_TRANSLATE_NOOP("Messages", "unbalanced parentheses in %1"), {which}});
    if (!r.stringClosed)
        add(file.name, line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "string without its closing quote in %1"), {which}});
    for (const std::string& name : r.unknownNames)
        add(file.name, line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "unknown trigger %1 in %2"), {inQuotes(name), which}});
    for (const Trigger* trigger : r.newerTriggers)
        add(file.name, line, Severity::Error,
            newerThanCharacter(trigger->name, NameKind::Trigger, trigger->since, m_engine));
}

void CharacterChecker::checkTriggerExpression(const StateFile& file, const SectionEntry& e, const Message& which)
{
    if (trimBlanksAndTabs(e.value).empty()) {
        add(file.name, e.line, Severity::Warning, {QT_TRANSLATE_NOOP("Messages", "%1 is empty"), {which}});
        return;
    }
    const ExpressionReport r = checkExpression(e.value, m_engine);
    checkVariables(file, e.line, e.value);
    reportExpression(file, e.line, r, which);
    if (!m_commandText)
        return;
    for (const std::string& name : r.commandNames) {
        // The engines compare command names with their letter case, and
        // refuse a character that asks for one its command file lacks.
        if (!m_commands.count(name))
            add(file.name, e.line, Severity::Error,
                {QT_TRANSLATE_NOOP("Messages", "command %1 is not defined in %2"),
                 {inQuotes(name), m_commandText->name}});
    }
}

} // namespace vantrel::checker
