#pragma once
// Quick-run: which engine program starts the open character, with which
// arguments and in which folder. The "Engine" settings choose; where they
// leave the program open, the engines' usual names are looked for in the
// working folder. Nothing here runs a shell: the result is a program and an
// argument list.

#include "ui/settings.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr const char* kEngineSettings = "Engine";
// The character's folder name twice: the engine's two players.
inline constexpr const char* kDefaultEngineArguments = "%f %f";

struct EngineSettings {
    std::string program;       // empty: look for the engine in the working folder
    std::string arguments;     // empty: kDefaultEngineArguments
    std::string workingFolder; // empty: two folders above the character's folder
    // Unsaved changes are saved before the engine starts, without a question.
    bool saveBeforeRun = false;
};

// "Program", "Arguments", "WorkingFolder" and "SaveBeforeRun" of the
// "Engine" section; a missing key reads as empty (false).
EngineSettings loadEngineSettings(const SettingsStore& store);
void saveEngineSettings(SettingsStore& store, const EngineSettings& settings);

// The names looked for when no program is set, in order. The last is a
// Windows program, run through wine when wine is installed.
const std::vector<std::string>& engineNames();

// The argument text as a list: blanks separate arguments, double or single
// quotes keep blanks inside one. In every argument %c becomes the character's
// folder name, %f the .def as the engine names it under its chars folder
// ("Red Fox/fox.def": the file opened, not the folder's namesake), %d the
// .def file's path and %% one %. Nothing else is
// interpreted, so a name with blanks, quotes or $(...) stays one argument.
std::vector<std::string> engineArguments(const std::string& text, const std::string& characterName,
                                         const std::string& defFile);

// The working folder: the setting (relative to the character's folder when
// it is relative), else two folders above the character's folder.
std::string engineWorkingFolder(const EngineSettings& settings, const std::string& characterDir);

// The first executable file called `name` in the folders of a PATH value;
// empty when there is none.
std::string findOnPath(const std::string& name, const std::string& pathVariable);

struct EngineLaunch {
    std::string program; // a full path
    std::vector<std::string> arguments;
    std::string workingFolder;
};

struct EngineChoice {
    std::optional<EngineLaunch> launch;
    std::string missing; // when there is no launch: what was looked for and where
};

// The engine for the character with this folder and .def file. `pathVariable`
// is PATH, searched for wine and for a program set by its bare name.
EngineChoice chooseEngine(const EngineSettings& settings, const std::string& characterDir, const std::string& defFile,
                          const std::string& pathVariable);

} // namespace vantrel
