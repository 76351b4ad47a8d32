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
// The engines' own arguments when none are set: the .def opened against the
// second player, with the stage and the second player's AI level when set.
inline constexpr const char* kIkemenArguments = "-p1 %f -p2 %2 -windowed";
inline constexpr const char* kMugenArguments = "%f %2";
// The highest AI level the engines know; 0 leaves the second player to a person.
inline constexpr int kMaxAiLevel = 8;
// How many named run profiles are kept.
inline constexpr int kMaxRunProfiles = 10;

struct EngineSettings {
    std::string program{};       // empty: look for the engine in the working folder
    std::string arguments{};     // empty: the engine's own (kIkemenArguments, kMugenArguments)
    std::string workingFolder{}; // empty: two folders above the character's folder
    // Unsaved changes are saved before the engine starts, without a question.
    bool saveBeforeRun = false;
    // The second player: a character folder of the engine's chars folder, or a
    // .def in one ("kfm/kfm720.def"); empty: the character opened, again.
    std::string opponent{};
    std::string stage{}; // as the engine names it ("stages/kfm.def"); empty: the engine's choice
    int aiLevel = 0;     // the second player's, 1 to kMaxAiLevel; 0: none given
};

// "Program", "Arguments", "WorkingFolder", "SaveBeforeRun", "Opponent",
// "Stage" and "AILevel" of the "Engine" section; a missing key reads as
// empty (false, 0).
EngineSettings loadEngineSettings(const SettingsStore& store);
void saveEngineSettings(SettingsStore& store, const EngineSettings& settings);

// Named run profiles: each keeps a whole EngineSettings in a section of its
// own ("Run Profile <name>"); the "Engine" section lists their names and the
// one last chosen. A name is trimmed, not empty and holds no '|'.
std::vector<std::string> runProfileNames(const SettingsStore& store);
std::string currentRunProfile(const SettingsStore& store); // empty: none chosen
void setCurrentRunProfile(SettingsStore& store, const std::string& name);
std::optional<EngineSettings> loadRunProfile(const SettingsStore& store, const std::string& name);
// Adds or replaces the profile; false (nothing stored) for a name that
// cannot be one, or a new name when kMaxRunProfiles are kept.
bool saveRunProfile(SettingsStore& store, const std::string& name, const EngineSettings& settings);
void removeRunProfile(SettingsStore& store, const std::string& name);

enum class EngineFamily { Mugen, Ikemen };
// IKEMEN GO for a program called Ikemen_GO... (any letter case), else MUGEN.
EngineFamily engineFamilyOf(const std::string& program);
const char* defaultEngineArguments(EngineFamily family);

// The names looked for when no program is set, in order. The last is a
// Windows program, run through wine when wine is installed.
const std::vector<std::string>& engineNames();

// What the placeholders of the argument text stand for.
struct RunPlayers {
    std::string characterName{}; // the character's folder name
    std::string defFile{};       // the .def opened, a full path
    std::string opponent{};      // as EngineSettings::opponent
    std::string stage{};
    int aiLevel = 0;
};

// The argument text as a list: blanks separate arguments, double or single
// quotes keep blanks inside one. In every argument %c becomes the character's
// folder name, %f the .def as the engine names it under its chars folder
// ("Red Fox/fox.def": the file opened, not the folder's namesake), %2 the
// second player (the opponent, else %f), %d the .def file's path and %% one
// %. Nothing else is interpreted, so a name with blanks, quotes or $(...)
// stays one argument. A stage and an AI level that are set follow the
// arguments as "-s <stage>" and "-p2.ai <level>", unless the text names them
// itself (%s, %a).
std::vector<std::string> engineArguments(const std::string& text, const RunPlayers& players);

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
    std::string name; // the engine's program name, as the user knows it ("Ikemen_GO", "mugen.exe")
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
