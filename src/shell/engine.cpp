#include "engine.h"

#include "common/text.h"
#include "documents/spawn_script.h"

#include <filesystem>

#include <unistd.h>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

const char* const kProgram = "Program";
const char* const kArguments = "Arguments";
const char* const kWorkingFolder = "WorkingFolder";
const char* const kSaveBeforeRun = "SaveBeforeRun";

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
    if (!isWindowsProgram(program))
        return {EngineLaunch{program, std::move(arguments), folder}, {}};
    const std::string wine = findOnPath("wine", pathVariable);
    if (wine.empty())
        return {std::nullopt, program + " is a Windows program, and wine is not installed."};
    arguments.insert(arguments.begin(), program);
    return {EngineLaunch{wine, std::move(arguments), folder}, {}};
}

} // namespace

EngineSettings loadEngineSettings(const SettingsStore& store)
{
    auto text = [&](const char* key) { return trimmed(store.read(kEngineSettings, key).value_or(std::string())); };
    return {text(kProgram), text(kArguments), text(kWorkingFolder), parseBool(text(kSaveBeforeRun)).value_or(false)};
}

void saveEngineSettings(SettingsStore& store, const EngineSettings& settings)
{
    store.write(kEngineSettings, kProgram, trimmed(settings.program));
    store.write(kEngineSettings, kArguments, trimmed(settings.arguments));
    store.write(kEngineSettings, kWorkingFolder, trimmed(settings.workingFolder));
    store.write(kEngineSettings, kSaveBeforeRun, boolText(settings.saveBeforeRun));
}

const std::vector<std::string>& engineNames()
{
    static const std::vector<std::string> names = {"Ikemen_GO", "Ikemen_GO_Linux", "mugen", "mugen.exe"};
    return names;
}

std::vector<std::string> engineArguments(const std::string& text, const std::string& characterName,
                                         const std::string& defFile)
{
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
        } else if (c == '%' && k + 1 < text.size() && std::string_view("cdf%").find(text[k + 1]) != std::string::npos) {
            const char key = text[++k];
            word += key == 'c' ? characterName
                : key == 'd'   ? defFile
                : key == 'f'   ? characterName + "/" + fs::path(defFile).filename().string()
                               : std::string("%");
        } else {
            word += c;
        }
    }
    if (inWord)
        arguments.push_back(word);
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
    auto arguments = engineArguments(settings.arguments.empty() ? kDefaultEngineArguments : settings.arguments,
                                     characterNameOf(characterDir), defFile);

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
        return launchOf(program, std::move(arguments), folder, pathVariable);
    }

    std::string windowsOnly;
    for (const std::string& name : engineNames()) {
        const std::string program = joined(folder, name);
        if (isWindowsProgram(name) ? !isFile(program) : !isExecutable(program))
            continue;
        EngineChoice choice = launchOf(program, arguments, folder, pathVariable);
        if (choice.launch)
            return choice;
        windowsOnly = "\n" + choice.missing;
    }
    return {std::nullopt,
            "No engine was found in " + folder + ".\nLooked for " + listOf(engineNames()) + " (run through wine)."
                + windowsOnly};
}

} // namespace vantrel
