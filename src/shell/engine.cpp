#include "engine.h"

#include "common/text.h"
#include "documents/spawn_script.h"

#include <algorithm>
#include <filesystem>

#include <unistd.h>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

const char* const kProgram = "Program";
const char* const kArguments = "Arguments";
const char* const kWorkingFolder = "WorkingFolder";
const char* const kSaveBeforeRun = "SaveBeforeRun";
const char* const kOpponent = "Opponent";
const char* const kStage = "Stage";
const char* const kAiLevel = "AILevel";
const char* const kProfiles = "Profiles";
const char* const kProfile = "Profile";
const std::string kProfileSectionPrefix = "Run Profile ";

EngineSettings readSettings(const SettingsStore& store, const std::string& section)
{
    auto text = [&](const char* key) { return trimmed(store.read(section, key).value_or(std::string())); };
    EngineSettings settings{text(kProgram), text(kArguments), text(kWorkingFolder),
                            parseBool(text(kSaveBeforeRun)).value_or(false)};
    settings.opponent = text(kOpponent);
    settings.stage = text(kStage);
    const auto level = parseInt16(text(kAiLevel));
    settings.aiLevel = level && *level > 0 && *level <= kMaxAiLevel ? static_cast<int>(*level) : 0;
    return settings;
}

void writeSettings(SettingsStore& store, const std::string& section, const EngineSettings& settings)
{
    store.write(section, kProgram, trimmed(settings.program));
    store.write(section, kArguments, trimmed(settings.arguments));
    store.write(section, kWorkingFolder, trimmed(settings.workingFolder));
    store.write(section, kSaveBeforeRun, boolText(settings.saveBeforeRun));
    store.write(section, kOpponent, trimmed(settings.opponent));
    store.write(section, kStage, trimmed(settings.stage));
    store.write(section, kAiLevel, std::to_string(std::clamp(settings.aiLevel, 0, kMaxAiLevel)));
}

void writeProfileNames(SettingsStore& store, const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : "|") + name;
    store.write(kEngineSettings, kProfiles, list);
}

bool isProfileName(const std::string& name)
{
    return !name.empty() && name == trimmed(name) && name.find('|') == std::string::npos;
}

bool isFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

bool isExecutable(const std::string& path)
{
    return isFile(path) && ::access(path.c_str(), X_OK) == 0;
}

bool isWindowsProgram(const std::string& path)
{
    const std::string lower = toLowerAscii(path);
    return lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".exe") == 0;
}

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string joined(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).lexically_normal().string();
}

std::string listOf(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k)
        text += (k == 0 ? "" : k + 1 == names.size() ? " and " : ", ") + names[k];
    return text;
}

// A launch of `program` (a Windows one through wine), or the reason there is none.
EngineChoice launchOf(const std::string& program, std::vector<std::string> arguments, const std::string& folder,
                      const std::string& pathVariable)
{
    const std::string name = fs::path(program).filename().string();
    if (!isWindowsProgram(program))
        return {EngineLaunch{program, std::move(arguments), folder, name}, {}};
    const std::string wine = findOnPath("wine", pathVariable);
    if (wine.empty())
        return {std::nullopt, program + " is a Windows program, and wine is not installed."};
    arguments.insert(arguments.begin(), program);
    return {EngineLaunch{wine, std::move(arguments), folder, name}, {}};
}

} // namespace

EngineSettings loadEngineSettings(const SettingsStore& store)
{
    return readSettings(store, kEngineSettings);
}

void saveEngineSettings(SettingsStore& store, const EngineSettings& settings)
{
    writeSettings(store, kEngineSettings, settings);
}

std::vector<std::string> runProfileNames(const SettingsStore& store)
{
    std::vector<std::string> names;
    const std::string list = store.read(kEngineSettings, kProfiles).value_or(std::string());
    std::size_t start = 0;
    while (start < list.size() && names.size() < static_cast<std::size_t>(kMaxRunProfiles)) {
        const std::size_t end = std::min(list.find('|', start), list.size());
        const std::string name = trimmed(list.substr(start, end - start));
        if (isProfileName(name) && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

std::string currentRunProfile(const SettingsStore& store)
{
    const std::string name = trimmed(store.read(kEngineSettings, kProfile).value_or(std::string()));
    const std::vector<std::string> names = runProfileNames(store);
    return std::find(names.begin(), names.end(), name) != names.end() ? name : std::string();
}

void setCurrentRunProfile(SettingsStore& store, const std::string& name)
{
    store.write(kEngineSettings, kProfile, name);
}

std::optional<EngineSettings> loadRunProfile(const SettingsStore& store, const std::string& name)
{
    const std::vector<std::string> names = runProfileNames(store);
    if (std::find(names.begin(), names.end(), name) == names.end())
        return std::nullopt;
    return readSettings(store, kProfileSectionPrefix + name);
}

bool saveRunProfile(SettingsStore& store, const std::string& name, const EngineSettings& settings)
{
    if (!isProfileName(name))
        return false;
    std::vector<std::string> names = runProfileNames(store);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        if (names.size() >= static_cast<std::size_t>(kMaxRunProfiles))
            return false;
        names.push_back(name);
    }
    writeSettings(store, kProfileSectionPrefix + name, settings);
    writeProfileNames(store, names);
    return true;
}

void removeRunProfile(SettingsStore& store, const std::string& name)
{
    std::vector<std::string> names = runProfileNames(store);
    std::erase(names, name);
    writeProfileNames(store, names);
    if (trimmed(store.read(kEngineSettings, kProfile).value_or(std::string())) == name)
        setCurrentRunProfile(store, {});
}

EngineFamily engineFamilyOf(const std::string& program)
{
    return toLowerAscii(fs::path(program).filename().string()).starts_with("ikemen") ? EngineFamily::Ikemen
                                                                                     : EngineFamily::Mugen;
}

const char* defaultEngineArguments(EngineFamily family)
{
    return family == EngineFamily::Ikemen ? kIkemenArguments : kMugenArguments;
}

const std::vector<std::string>& engineNames()
{
    static const std::vector<std::string> names = {"Ikemen_GO", "Ikemen_GO_Linux", "mugen", "mugen.exe"};
    return names;
}

std::vector<std::string> engineArguments(const std::string& text, const RunPlayers& players)
{
    const std::string opened = players.characterName + "/" + fs::path(players.defFile).filename().string();
    const std::string level = players.aiLevel > 0 ? std::to_string(players.aiLevel) : std::string();
    bool namesStage = false;
    bool namesLevel = false;
    std::vector<std::string> arguments;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (!quote && (c == ' ' || c == '\t')) {
            if (inWord)
                arguments.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (quote ? c == quote : c == '"' || c == '\'') {
            quote = quote ? 0 : c;
        } else if (c == '%' && k + 1 < text.size()
                   && std::string_view("cdf2sa%").find(text[k + 1]) != std::string::npos) {
            const char key = text[++k];
            namesStage = namesStage || key == 's';
            namesLevel = namesLevel || key == 'a';
            word += key == 'c' ? players.characterName
                : key == 'd'   ? players.defFile
                : key == 'f'   ? opened
                : key == '2'   ? (players.opponent.empty() ? opened : players.opponent)
                : key == 's'   ? players.stage
                : key == 'a'   ? level
                               : std::string("%");
        } else {
            word += c;
        }
    }
    if (inWord)
        arguments.push_back(word);
    if (!players.stage.empty() && !namesStage)
        arguments.insert(arguments.end(), {"-s", players.stage});
    if (!level.empty() && !namesLevel)
        arguments.insert(arguments.end(), {"-p2.ai", level});
    return arguments;
}

std::string engineWorkingFolder(const EngineSettings& settings, const std::string& characterDir)
{
    const std::string dir = characterDir.empty() ? std::string("./") : characterDir;
    if (settings.workingFolder.empty())
        return withoutTrailingSlash(joined(dir, "../.."));
    if (settings.workingFolder.front() == '/')
        return withoutTrailingSlash(fs::path(settings.workingFolder).lexically_normal().string());
    return withoutTrailingSlash(joined(dir, settings.workingFolder));
}

std::string findOnPath(const std::string& name, const std::string& pathVariable)
{
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        const std::size_t end = std::min(pathVariable.find(':', start), pathVariable.size());
        const std::string folder = pathVariable.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/' && isExecutable(joined(folder, name)))
            return joined(folder, name);
        start = end + 1;
    }
    return {};
}

EngineChoice chooseEngine(const EngineSettings& settings, const std::string& characterDir, const std::string& defFile,
                          const std::string& pathVariable)
{
    const std::string folder = engineWorkingFolder(settings, characterDir);
    const RunPlayers players{characterNameOf(characterDir), defFile, settings.opponent, settings.stage,
                             settings.aiLevel};
    // The arguments depend on the engine found: its own unless some are set.
    auto argumentsFor = [&](const std::string& program) {
        return engineArguments(
            settings.arguments.empty() ? defaultEngineArguments(engineFamilyOf(program)) : settings.arguments, players);
    };

    if (!settings.program.empty()) {
        const std::string& set = settings.program;
        std::string program;
        if (set.front() == '/')
            program = set;
        else if (set.find('/') != std::string::npos || isFile(joined(folder, set)))
            program = joined(folder, set);
        else
            program = findOnPath(set, pathVariable);
        const bool usable = isWindowsProgram(program) ? isFile(program) : isExecutable(program);
        if (!usable) {
            const std::string where = set.front() == '/' ? ""
                : set.find('/') != std::string::npos     ? " in " + folder
                                                         : " in " + folder + " nor on the PATH";
            return {std::nullopt, "The engine program " + set + " was not found" + where + "."};
        }
        return launchOf(program, argumentsFor(program), folder, pathVariable);
    }

    std::string windowsOnly;
    for (const std::string& name : engineNames()) {
        const std::string program = joined(folder, name);
        if (isWindowsProgram(name) ? !isFile(program) : !isExecutable(program))
            continue;
        EngineChoice choice = launchOf(program, argumentsFor(program), folder, pathVariable);
        if (choice.launch)
            return choice;
        windowsOnly = "\n" + choice.missing;
    }
    return {std::nullopt,
            "No engine was found in " + folder + ".\nLooked for " + listOf(engineNames()) + " (run through wine)."
                + windowsOnly};
}

} // namespace vantrel
