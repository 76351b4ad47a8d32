#include "character_check.h"

#include "anim/air_document.h"
#include "check/section_text.h"
#include "check/state_library.h"
#include "check/trigger_expression.h"
#include "common/paths.h"
#include "common/text.h"
#include "sfflib/sff_sprite_list.h"
#include "shell/character_files.h"
#include "sound/snd_format.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <new>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace vantrel {

bool CheckReport::hasErrors() const
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

int CheckReport::exitStatus() const
{
    if (!readable)
        return 2;
    return hasErrors() ? 1 : 0;
}

bool isEngineCommonState(long long n)
{
    static constexpr long long single[] = {0, 10, 11, 12, 20, 40, 45, 50, 51, 52, 100, 105, 106, 5500, 5900};
    if (std::find(std::begin(single), std::end(single), n) != std::end(single))
        return true;
    // Guard states, the round's end and intro states a character may leave
    // to the engine, and every get-hit state.
    return (n >= 110 && n <= 155) || (n >= 170 && n <= 199) || (n >= 5000 && n <= 5210);
}

namespace {

namespace fs = std::filesystem;

bool isFile(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

std::uint32_t spriteKey(int group, int image)
{
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(group)) << 16) | static_cast<std::uint16_t>(image);
}

std::string inQuotes(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string_view withoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// "[Statedef 200, name]" gives 200; "[State 200, 1]" is not a Statedef.
std::optional<std::int64_t> statedefNumber(std::string_view header, bool& isStatedef)
{
    isStatedef = lowerCase(header.substr(0, 8)) == "statedef";
    if (!isStatedef)
        return std::nullopt;
    std::string_view rest = header.substr(8);
    rest = rest.substr(0, rest.find(','));
    return plainNumber(rest);
}

bool isStateHeader(std::string_view header)
{
    const std::string lower = lowerCase(header.substr(0, 6));
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

std::string spriteText(int group, int image)
{
    return std::to_string(group) + "," + std::to_string(image);
}

struct StateFile {
    std::string name; // relative to the character's folder
    SectionedText text;
};

// A [State] block: its section and the state it belongs to.
struct ControllerBlock {
    const StateFile* file = nullptr;
    const TextSection* section = nullptr;
    std::optional<std::int64_t> state; // nothing before any Statedef
};

const SectionEntry* entryOf(const TextSection& section, std::string_view key)
{
    for (const SectionEntry& e : section.entries) {
        if (e.key == key)
            return &e;
    }
    return nullptr;
}

class CharacterChecker {
public:
    CharacterChecker(const std::string& defPath, const CheckOptions& options)
            : m_defPath(trimmed(defPath)), m_options(options)
    {
        m_dir = directoryOf(m_defPath);
    }

    CheckReport run()
    {
        CheckReport report;
        const auto bytes = readFileBytes(m_defPath);
        if (!bytes) {
            add(fileNameOf(m_defPath), 0, Severity::Error, "cannot read the character definition");
            report.findings = std::move(m_findings);
            return report;
        }
        report.readable = true;
        m_defName = relativeName(m_defPath);
        readDefinitionFiles(readSections(*bytes));
        loadSprites();
        loadSounds();
        checkAnimations();
        loadStateFiles();
        loadCommonStates();
        collectStates();
        checkStates();
        noteUnusedSprites();

        std::stable_sort(m_findings.begin(), m_findings.end(), [this](const Finding& a, const Finding& b) {
            const int ra = rank(a.file), rb = rank(b.file);
            return ra != rb ? ra < rb : a.line < b.line;
        });
        report.findings = std::move(m_findings);
        return report;
    }

private:
    // Where a file named in the .def was found.
    struct NamedFile {
        std::string path; // resolved; empty when none was named
        std::int32_t line = 0;
        bool exists = false;
    };

    void add(const std::string& file, std::int32_t line, Severity severity, std::string message)
    {
        if (severity == Severity::Note && !m_options.notes)
            return;
        m_findings.push_back({file, line, severity, std::move(message)});
    }

    int rank(const std::string& file)
    {
        const auto it = std::find(m_fileOrder.begin(), m_fileOrder.end(), file);
        if (it != m_fileOrder.end())
            return static_cast<int>(it - m_fileOrder.begin());
        m_fileOrder.push_back(file);
        return static_cast<int>(m_fileOrder.size()) - 1;
    }

    std::string relativeName(const std::string& path) const
    {
        if (!m_dir.empty() && startsWith(path, m_dir))
            return path.substr(m_dir.size());
        return path;
    }

    // --- the .def ---------------------------------------------------------

    void readDefinitionFiles(const SectionedText& def)
    {
        m_fileOrder.push_back(m_defName);
        for (const TextSection& section : def.sections) {
            const std::string header = lowerCase(section.header);
            if (header != "files" && header != "arcade")
                continue;
            for (const SectionEntry& entry : section.entries) {
                const std::string_view value = trimBlanksAndTabs(withoutQuotes(entry.value));
                if (value.empty())
                    continue;
                NamedFile named{characterPath(m_dir, std::string(value)), entry.line, false};
                named.exists = isFile(named.path);
                if (header == "arcade") {
                    if (!named.exists && (entry.key == "intro.storyboard" || entry.key == "ending.storyboard"))
                        missing(named, value, Severity::Warning);
                    continue;
                }
                classifyFile(entry.key, value, named);
            }
        }
    }

    void missing(const NamedFile& named, std::string_view value, Severity severity)
    {
        add(m_defName, named.line, severity, inQuotes(value) + " does not exist");
    }

    void classifyFile(const std::string& key, std::string_view value, const NamedFile& named)
    {
        const bool stateKey = key == "st"
            || (key.size() >= 3 && startsWith(key, "st")
                && std::all_of(key.begin() + 2, key.end(), [](char c) { return c >= '0' && c <= '9'; }));
        const bool paletteKey = key.size() >= 4 && startsWith(key, "pal")
            && std::all_of(key.begin() + 3, key.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (key == "stcommon") {
            m_commonStates = named;
            m_commonStatesValue = std::string(value);
            return; // looked for in the engine's folder too
        }
        const bool essential = key == "sprite" || key == "anim" || key == "sound" || key == "cmd" || key == "cns"
            || stateKey || paletteKey;
        // Other keys (pal.defaults in the wrong section, an engine's own
        // additions) may hold anything but a file name.
        if (!essential && key != "ai")
            return;
        if (!named.exists) {
            missing(named, value, essential ? Severity::Error : Severity::Warning);
            return;
        }
        if (key == "sprite")
            m_spriteFile = named;
        else if (key == "anim")
            m_airFile = named;
        else if (key == "sound")
            m_soundFile = named;
        if (key == "cmd")
            m_commandFile = named;
        if (key == "cmd" || key == "cns" || stateKey) {
            if (std::find(m_statePaths.begin(), m_statePaths.end(), named.path) == m_statePaths.end())
                m_statePaths.push_back(named.path);
        }
    }

    // --- sprites and sounds -------------------------------------------------

    void loadSprites()
    {
        if (!m_spriteFile.exists)
            return;
        const auto bytes = readFileBytes(m_spriteFile.path);
        auto list = bytes ? sfflib::readSffSpriteNumbers(*bytes)
                          : sfflib::Result<std::vector<sfflib::SpriteNumber>>::failure("the file cannot be read");
        if (!list) {
            add(m_defName, m_spriteFile.line, Severity::Error,
                inQuotes(relativeName(m_spriteFile.path)) + " cannot be read: " + list.error());
            return;
        }
        m_spriteName = relativeName(m_spriteFile.path);
        m_spriteList = std::move(*list);
        m_sprites.reserve(m_spriteList.size() * 2);
        for (const auto& s : m_spriteList)
            m_sprites.insert(spriteKey(s.group, s.imageNo));
        m_spritesLoaded = true;
    }

    void loadSounds()
    {
        if (!m_soundFile.exists)
            return;
        const auto bytes = readFileBytes(m_soundFile.path);
        if (!bytes) {
            add(m_defName, m_soundFile.line, Severity::Error,
                inQuotes(relativeName(m_soundFile.path)) + " cannot be read");
            return;
        }
        const SndLoadResult result = parseSndFile(*bytes);
        if (result.status != SndLoadStatus::Loaded) {
            add(m_defName, m_soundFile.line, Severity::Error,
                inQuotes(relativeName(m_soundFile.path)) + " is not a sound bank that can be read");
            return;
        }
        m_soundName = relativeName(m_soundFile.path);
        for (const SoundSample& s : result.bank.samples)
            m_sounds.insert((static_cast<std::uint64_t>(static_cast<std::uint32_t>(s.groupNumber)) << 32)
                            | static_cast<std::uint32_t>(s.sampleNumber));
        m_soundsLoaded = true;
    }

    // --- the AIR --------------------------------------------------------------

    void checkAnimations()
    {
        if (!m_airFile.exists)
            return;
        auto bytes = readFileBytes(m_airFile.path);
        if (!bytes) {
            add(m_defName, m_airFile.line, Severity::Error, inQuotes(relativeName(m_airFile.path)) + " cannot be read");
            return;
        }
        m_air = AirDocument::parse(std::move(*bytes));
        if (!m_air.ok()) {
            add(m_defName, m_airFile.line, Severity::Error,
                inQuotes(relativeName(m_airFile.path)) + " is too large to read");
            return;
        }
        m_airName = relativeName(m_airFile.path);
        m_airLoaded = true;
        m_fileOrder.push_back(m_airName);

        std::unordered_map<std::int32_t, std::int32_t> firstHeader;
        for (const AirAction& action : m_air.actions()) {
            if (!action.numberReadable)
                continue;
            m_actions.insert(action.number);
            const auto [at, inserted] = firstHeader.emplace(action.number, action.headerLine);
            if (!inserted)
                add(m_airName, action.headerLine + 1, Severity::Warning,
                    "action " + std::to_string(action.number) + " is defined again (first at line "
                        + std::to_string(at->second + 1) + ")");
            const auto frames = m_air.frames(action);
            for (std::size_t i = 0; i < frames.size(); ++i) {
                const AirFrame& frame = frames[i];
                if (!frame.readable || frame.group < 0)
                    continue;
                m_usedSprites.insert(spriteKey(frame.group, frame.image));
                if (m_spritesLoaded && !m_sprites.count(spriteKey(frame.group, frame.image)))
                    add(m_airName, frame.line + 1, Severity::Error,
                        "frame " + std::to_string(i) + " of action " + std::to_string(action.number) + " shows sprite "
                            + spriteText(frame.group, frame.image) + ", which " + m_spriteName + " does not have");
            }
        }
        for (const AirProblem& p : m_air.problems())
            reportAirProblem(p);
    }

    void reportAirProblem(const AirProblem& p)
    {
        const AirBoxBlock* block = p.block >= 0 ? &m_air.blocks()[static_cast<std::size_t>(p.block)] : nullptr;
        const std::string kind = block && block->kind == BoxKind::Clsn1 ? "Clsn1" : "Clsn2";
        Severity severity = Severity::Warning;
        std::string message = describe(p.kind);
        switch (p.kind) {
        case AirProblemKind::BoxReversed: return; // the engine takes either corner first
        case AirProblemKind::BoxUnreadable:
        case AirProblemKind::BoxOutOfRange:
        case AirProblemKind::CountUnreadable:
        case AirProblemKind::FrameUnreadable:
        case AirProblemKind::HeaderUnreadable: severity = Severity::Error; break;
        case AirProblemKind::CountMismatch:
            severity = Severity::Error;
            message = kind + " count says " + std::to_string(block->declaredCount) + " but "
                + std::to_string(block->boxCount) + (block->boxCount == 1 ? " box follows" : " boxes follow");
            break;
        case AirProblemKind::BoxKindMismatch:
            message = std::string(kind == "Clsn1" ? "Clsn2" : "Clsn1") + " box under a " + kind + " count line";
            break;
        case AirProblemKind::LoopstartLast:
            message = "Loopstart is the last line of its action: no frame follows it";
            break;
        default: break;
        }
        add(m_airName, p.line + 1, severity, message);
    }

    // --- the state files --------------------------------------------------------

    void loadStateFiles()
    {
        for (const std::string& path : m_statePaths) {
            auto bytes = readFileBytes(path);
            if (!bytes) {
                add(m_defName, 0, Severity::Error, inQuotes(relativeName(path)) + " cannot be read");
                continue;
            }
            m_stateFiles.push_back({relativeName(path), readSections(std::move(*bytes))});
            m_fileOrder.push_back(m_stateFiles.back().name);
        }
        for (const StateFile& f : m_stateFiles) {
            if (m_commandFile.exists && f.name == relativeName(m_commandFile.path))
                m_commandText = &f;
        }
    }

    // The engine's common states: the character's stcommon file, beside it or
    // in the engine's data folder; when neither exists, the engine's own list.
    void loadCommonStates()
    {
        if (m_commonStatesValue.empty())
            return;
        std::string path = m_commonStates.exists ? m_commonStates.path : std::string();
        if (path.empty()) {
            const std::string inData = characterPath(m_dir, "../../data/" + m_commonStatesValue);
            if (isFile(inData))
                path = inData;
        }
        auto bytes = path.empty() ? std::nullopt : readFileBytes(path);
        if (!bytes) {
            add(m_defName, m_commonStates.line, Severity::Note,
                inQuotes(m_commonStatesValue)
                    + " is neither beside the character nor in the engine's data folder here;"
                      " the engine's own common states are assumed");
            return;
        }
        m_commonFromFile = true;
        bool isStatedef = false;
        for (const TextSection& section : readSections(std::move(*bytes)).sections) {
            if (const auto n = statedefNumber(section.header, isStatedef))
                m_commonStateNumbers.insert(*n);
        }
    }

    bool stateExists(std::int64_t n) const
    {
        if (m_statedefs.count(n))
            return true;
        return m_commonFromFile ? m_commonStateNumbers.count(n) > 0 : isEngineCommonState(n);
    }

    // Statedefs, commands, controllers, and the states the opponent is put in.
    void collectStates()
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
                        add(file.name, section.line, Severity::Warning, "Statedef without a readable state number");
                        continue;
                    }
                    const auto [at, inserted] = m_statedefs.emplace(*number, std::make_pair(file.name, section.line));
                    // Negative states (-1, -2, -3) may be spread over several files.
                    if (!inserted && *number >= 0)
                        add(file.name, section.line, Severity::Warning,
                            "Statedef " + std::to_string(*number) + " is defined again (first at " + at->second.first
                                + ":" + std::to_string(at->second.second) + ")");
                    continue;
                }
                if (&file == m_commandText && lowerCase(section.header) == "command") {
                    if (const SectionEntry* name = entryOf(section, "name"))
                        m_commands.insert(lowerCase(withoutQuotes(name->value)));
                    continue;
                }
                if (!isStateHeader(section.header))
                    continue;
                if (!inStatedef)
                    add(file.name, section.line, Severity::Warning, "controller outside any Statedef");
                m_controllers.push_back({&file, &section, state});
                const SectionEntry* type = entryOf(section, "type");
                const std::string controller = type ? lowerCase(type->value) : std::string();
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

    void checkStates()
    {
        for (const StateFile& file : m_stateFiles) {
            bool isStatedef = false;
            for (const TextSection& section : file.text.sections) {
                const auto number = statedefNumber(section.header, isStatedef);
                if (isStatedef && number && !m_customStates.count(*number))
                    if (const SectionEntry* anim = entryOf(section, "anim"))
                        checkAction(file, *anim, "Statedef " + std::to_string(*number), Severity::Error);
            }
        }
        for (const ControllerBlock& block : m_controllers)
            checkController(block);
    }

    void checkAction(const StateFile& file, const SectionEntry& entry, const std::string& who, Severity severity)
    {
        const auto n = plainNumber(entry.value);
        if (!m_airLoaded || !n || m_actions.count(*n))
            return;
        add(file.name, entry.line, severity,
            who + " uses action " + std::to_string(*n) + ", which " + m_airName + " does not have");
    }

    void checkController(const ControllerBlock& block)
    {
        const StateFile& file = *block.file;
        const TextSection& section = *block.section;
        const SectionEntry* type = entryOf(section, "type");
        checkTriggers(file, section);
        if (!type) {
            add(file.name, section.line, Severity::Error, "controller without a type");
            return;
        }
        const StateController* controller = findStateController(type->value);
        if (!controller) {
            add(file.name, type->line, Severity::Error, "unknown controller type " + inQuotes(type->value));
            return;
        }
        // A HitOverride with an empty attr switches its slot off and never
        // sends anyone to its state.
        const SectionEntry* attr = entryOf(section, "attr");
        const bool switchedOff = lowerCase(controller->name) == "hitoverride" && attr && attr->value.empty();
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
            std::string names;
            for (std::size_t i = 0; i < group.size(); ++i) {
                std::string name(group[i]);
                if (const auto star = name.find("(*)"); star != std::string::npos)
                    name.replace(star, 3, "(n)");
                names += (i == 0 ? "" : i + 1 == group.size() ? " or " : ", ") + name;
            }
            add(file.name, section.line, Severity::Error,
                std::string(controller->name) + " without " + (group.size() > 1 ? "any of " : "") + names);
        }

        const std::string name = lowerCase(controller->name);
        const bool custom = block.state && m_customStates.count(*block.state);
        const std::string who = std::string(controller->name);
        const SectionEntry* value = entryOf(section, "value");
        if (name == "changeanim" && value && !custom)
            checkAction(file, *value, who, Severity::Error);
        else if (name == "changeanim2" && value)
            checkAction(file, *value, who, Severity::Warning);
        else if (name == "playsnd" && value)
            checkSound(file, *value);
        else if ((name == "changestate" || (name == "selfstate" && !custom)) && value) {
            const auto n = plainNumber(value->value);
            if (n && !stateExists(*n))
                add(file.name, value->line, Severity::Error,
                    who + " to state " + std::to_string(*n) + ", which no state file defines");
            if (const SectionEntry* anim = entryOf(section, "anim"); anim && !custom)
                checkAction(file, *anim, who, Severity::Error);
        }
    }

    // A required parameter written without a value (as templates leave them):
    // one warning when no line of the group has one.
    void warnEmpty(const StateFile& file, const TextSection& section, const std::vector<std::string_view>& group,
                   std::string_view controller, bool switchedOff)
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
            add(file.name, empty->line, Severity::Warning, empty->key + " of " + std::string(controller) + " is empty");
    }

    void checkSound(const StateFile& file, const SectionEntry& value)
    {
        if (!m_soundsLoaded)
            return;
        const std::string_view text = trimBlanksAndTabs(value.value);
        const auto comma = text.find(',');
        if (comma == std::string_view::npos)
            return;
        const auto group = plainNumber(text.substr(0, comma));
        const auto number = plainNumber(text.substr(comma + 1));
        // "F5, 0" plays from the engine's common sounds; "S" prefixes and
        // expressions are left alone.
        if (!group || !number)
            return;
        const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(*group)) << 32)
            | static_cast<std::uint32_t>(*number);
        if (!m_sounds.count(key))
            add(file.name, value.line, Severity::Error,
                "PlaySnd plays sound " + std::to_string(*group) + "," + std::to_string(*number) + ", which "
                    + m_soundName + " does not have");
    }

    void checkTriggers(const StateFile& file, const TextSection& section)
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
            add(file.name, section.line, Severity::Error, "controller without any trigger");
            return;
        }
        if (!first) {
            add(file.name, section.line, Severity::Warning, "controller without trigger1: it never runs");
            return;
        }
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (numbers[i] != numbers[i - 1] + 1) {
                add(file.name, section.line, Severity::Warning,
                    "trigger" + std::to_string(numbers[i - 1] + 1)
                        + " is missing: the triggers after it are never read");
                break;
            }
        }
    }

    void checkTriggerExpression(const StateFile& file, const SectionEntry& e, const std::string& which)
    {
        if (trimBlanksAndTabs(e.value).empty()) {
            add(file.name, e.line, Severity::Warning, which + " is empty");
            return;
        }
        const ExpressionReport r = checkExpression(e.value);
        if (!r.bracketsBalanced)
            add(file.name, e.line, Severity::Error, "unbalanced parentheses in " + which);
        if (!r.stringClosed)
            add(file.name, e.line, Severity::Error, "string without its closing quote in " + which);
        for (const std::string& name : r.unknownNames)
            add(file.name, e.line, Severity::Error, "unknown trigger " + inQuotes(name) + " in " + which);
        if (!m_commandText)
            return;
        for (const std::string& name : r.commandNames) {
            // Compared without regard to case: a difference there is not worth a report.
            if (!m_commands.count(lowerCase(name)))
                add(file.name, e.line, Severity::Warning,
                    "command " + inQuotes(name) + " is not defined in " + m_commandText->name);
        }
    }

    // --- notes --------------------------------------------------------------------

    void noteUnusedSprites()
    {
        if (!m_options.notes || !m_spritesLoaded || !m_airLoaded)
            return;
        std::unordered_set<std::uint32_t> reported;
        for (const auto& s : m_spriteList) {
            // Group 9000 holds the portraits the engine shows itself.
            if (s.group == 9000 || m_usedSprites.count(spriteKey(s.group, s.imageNo))
                || !reported.insert(spriteKey(s.group, s.imageNo)).second)
                continue;
            add(m_spriteName, 0, Severity::Note, "sprite " + spriteText(s.group, s.imageNo) + " is used by no action");
        }
    }

    std::string m_defPath;
    CheckOptions m_options;
    std::string m_dir;
    std::string m_defName;
    std::vector<Finding> m_findings;
    std::vector<std::string> m_fileOrder;

    NamedFile m_spriteFile, m_airFile, m_soundFile, m_commandFile, m_commonStates;
    std::string m_commonStatesValue;
    std::vector<std::string> m_statePaths;

    bool m_spritesLoaded = false;
    std::string m_spriteName;
    std::vector<sfflib::SpriteNumber> m_spriteList;
    std::unordered_set<std::uint32_t> m_sprites;
    std::unordered_set<std::uint32_t> m_usedSprites;

    bool m_soundsLoaded = false;
    std::string m_soundName;
    std::unordered_set<std::uint64_t> m_sounds;

    bool m_airLoaded = false;
    std::string m_airName;
    AirDocument m_air;
    std::unordered_set<std::int64_t> m_actions;

    std::vector<StateFile> m_stateFiles;
    const StateFile* m_commandText = nullptr;
    std::unordered_set<std::string> m_commands;
    std::unordered_map<std::int64_t, std::pair<std::string, std::int32_t>> m_statedefs;
    bool m_commonFromFile = false;
    std::unordered_set<std::int64_t> m_commonStateNumbers;
    std::unordered_set<std::int64_t> m_customStates;
    std::vector<ControllerBlock> m_controllers;
};

} // namespace

CheckReport checkCharacter(const std::string& defPath, const CheckOptions& options)
{
    try {
        return CharacterChecker(defPath, options).run();
    } catch (const std::bad_alloc&) {
        CheckReport report;
        report.findings.push_back({fileNameOf(defPath), 0, Severity::Error, "the character is too large to check"});
        return report;
    } catch (const std::exception& e) {
        // A folder that vanishes while it is listed, and the like.
        CheckReport report;
        report.findings.push_back({fileNameOf(defPath), 0, Severity::Error, std::string("cannot check: ") + e.what()});
        return report;
    }
}

} // namespace vantrel
