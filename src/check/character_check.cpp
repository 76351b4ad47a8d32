#include "character_check.h"

#include "check/character_checker.h"
#include "common/paths.h"
#include "common/text.h"
#include "formats/character_definition.h"
#include "formats/snd_format.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <new>
#include <stdexcept>

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

namespace checker {

bool isFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

std::uint32_t spriteKey(int group, int image)
{
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(group)) << 16) | static_cast<std::uint16_t>(image);
}

std::string spriteText(int group, int image)
{
    return std::to_string(group) + "," + std::to_string(image);
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

CharacterChecker::CharacterChecker(const std::string& defPath, const CheckOptions& options)
        : m_defPath(trimmed(defPath)), m_options(options)
{
    m_dir = directoryOf(m_defPath);
}

CheckReport CharacterChecker::run()
{
    CheckReport report;
    const auto bytes = readText(m_defPath);
    if (!bytes) {
        add(fileNameOf(m_defPath), 0, Severity::Error,
            QT_TRANSLATE_NOOP("Messages", "cannot read the character definition"));
        report.findings = std::move(m_findings);
        return report;
    }
    report.readable = true;
    m_defName = relativeName(m_defPath);
    const std::vector<DefinitionLine> def = readDefinitionLines(*bytes);
    m_engine = characterEngine(def);
    checkEngineVersion(def);
    readDefinitionFiles(def);
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

std::optional<std::string> CharacterChecker::readText(const std::string& path) const
{
    if (m_options.readText) {
        if (auto text = m_options.readText(path))
            return text;
    }
    return readFileBytes(path);
}

void CharacterChecker::add(const std::string& file, std::int32_t line, Severity severity, Message message)
{
    if (severity == Severity::Note && !m_options.notes)
        return;
    std::string english = message.english();
    m_findings.push_back({file, line, severity, std::move(english), std::move(message)});
}

int CharacterChecker::rank(const std::string& file)
{
    const auto it = std::find(m_fileOrder.begin(), m_fileOrder.end(), file);
    if (it != m_fileOrder.end())
        return static_cast<int>(it - m_fileOrder.begin());
    m_fileOrder.push_back(file);
    return static_cast<int>(m_fileOrder.size()) - 1;
}

std::string CharacterChecker::relativeName(const std::string& path) const
{
    if (!m_dir.empty() && startsWith(path, m_dir))
        return path.substr(m_dir.size());
    return path;
}

// --- the .def ---------------------------------------------------------

// IKEMEN GO reads its version as numbers separated by dots ("0.99", "1.0.2").
void CharacterChecker::checkEngineVersion(const std::vector<DefinitionLine>& def)
{
    for (const DefinitionLine& line : def) {
        if (line.header || line.section != "info" || line.key() != "ikemenversion")
            continue;
        const std::string value(trimBlanksAndTabs(line.value()));
        bool readable =
            !value.empty() && value.front() != '.' && value.back() != '.' && value.find("..") == std::string_view::npos;
        for (const char c : value)
            readable = readable && ((c >= '0' && c <= '9') || c == '.');
        if (!readable)
            add(m_defName, line.number, Severity::Error,
                {QT_TRANSLATE_NOOP("Messages", "ikemenversion %1 is not a version number (such as 0.99 or 1.0)"),
                 {inQuotes(value)}});
    }
}

void CharacterChecker::readDefinitionFiles(const std::vector<DefinitionLine>& def)
{
    m_fileOrder.push_back(m_defName);
    for (const DefinitionLine& line : def) {
        if (line.header || (line.section != "files" && line.section != "arcade")
            || line.text.find('=') == std::string::npos)
            continue;
        const std::string key = line.key();
        const std::string value(trimBlanksAndTabs(line.value()));
        if (value.empty())
            continue;
        NamedFile named{characterPath(m_dir, value), line.number, false};
        named.exists = isFile(named.path);
        if (line.section == "arcade") {
            if (!named.exists && (key == "intro.storyboard" || key == "ending.storyboard"))
                missing(named, value, Severity::Warning);
            continue;
        }
        classifyFile(key, value, named);
    }
}

void CharacterChecker::missing(const NamedFile& named, std::string_view value, Severity severity)
{
    add(m_defName, named.line, severity, {QT_TRANSLATE_NOOP("Messages", "%1 does not exist"), {inQuotes(value)}});
}

void CharacterChecker::classifyFile(const std::string& key, std::string_view value, const NamedFile& named)
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
    const bool essential =
        key == "sprite" || key == "anim" || key == "sound" || key == "cmd" || key == "cns" || stateKey || paletteKey;
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

void CharacterChecker::loadSprites()
{
    if (!m_spriteFile.exists)
        return;
    const auto bytes = readFileBytes(m_spriteFile.path);
    auto list = bytes ? sfflib::readSffSpriteNumbers(*bytes)
                      : sfflib::Result<std::vector<sfflib::SpriteNumber>>::failure("the file cannot be read");
    if (!list) {
        add(m_defName, m_spriteFile.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 cannot be read: %2"),
             {inQuotes(relativeName(m_spriteFile.path)), list.error()}});
        return;
    }
    m_spriteName = relativeName(m_spriteFile.path);
    m_spriteList = std::move(*list);
    m_sprites.reserve(m_spriteList.size() * 2);
    std::unordered_set<std::uint32_t> reported;
    for (const auto& s : m_spriteList) {
        const std::uint32_t key = spriteKey(s.group, s.imageNo);
        if (!m_sprites.insert(key).second && reported.insert(key).second)
            add(m_defName, m_spriteFile.line, Severity::Error,
                {QT_TRANSLATE_NOOP("Messages", "sprite %1 appears twice in %2"),
                 {spriteText(s.group, s.imageNo), m_spriteName}});
    }
    m_spritesLoaded = true;
}

void CharacterChecker::loadSounds()
{
    if (!m_soundFile.exists)
        return;
    const auto bytes = readFileBytes(m_soundFile.path);
    if (!bytes) {
        add(m_defName, m_soundFile.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 cannot be read"), {inQuotes(relativeName(m_soundFile.path))}});
        return;
    }
    const Result<SoundBank> bank = parseSndFile(*bytes);
    if (!bank) {
        add(m_defName, m_soundFile.line, Severity::Error,
            {QT_TRANSLATE_NOOP("Messages", "%1 is not a sound bank that can be read"),
             {inQuotes(relativeName(m_soundFile.path))}});
        return;
    }
    m_soundName = relativeName(m_soundFile.path);
    for (const SoundSample& s : bank->samples)
        m_sounds.insert((static_cast<std::uint64_t>(static_cast<std::uint32_t>(s.groupNumber)) << 32)
                        | static_cast<std::uint32_t>(s.sampleNumber));
    m_soundsLoaded = true;
}

// --- notes --------------------------------------------------------------------

void CharacterChecker::noteUnusedSprites()
{
    if (!m_options.notes || !m_spritesLoaded || !m_airLoaded)
        return;
    std::unordered_set<std::uint32_t> reported;
    for (const auto& s : m_spriteList) {
        // Group 9000 holds the portraits the engine shows itself.
        if (s.group == 9000 || m_usedSprites.count(spriteKey(s.group, s.imageNo))
            || !reported.insert(spriteKey(s.group, s.imageNo)).second)
            continue;
        add(m_spriteName, 0, Severity::Note,
            {QT_TRANSLATE_NOOP("Messages", "sprite %1 is used by no action"), {spriteText(s.group, s.imageNo)}});
    }
}

} // namespace checker

CheckReport checkCharacter(const std::string& defPath, const CheckOptions& options)
{
    try {
        return checker::CharacterChecker(defPath, options).run();
    } catch (const std::bad_alloc&) {
        CheckReport report;
        report.findings.push_back({fileNameOf(defPath), 0, Severity::Error, "the character is too large to check",
                                   QT_TRANSLATE_NOOP("Messages", "the character is too large to check")});
        return report;
    } catch (const std::exception& e) {
        // A folder that vanishes while it is listed, and the like.
        CheckReport report;
        report.findings.push_back({fileNameOf(defPath),
                                   0,
                                   Severity::Error,
                                   std::string("cannot check: ") + e.what(),
                                   {QT_TRANSLATE_NOOP("Messages", "cannot check: %1"), {std::string(e.what())}}});
        return report;
    }
}

} // namespace vantrel
