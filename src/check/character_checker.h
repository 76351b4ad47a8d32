#pragma once
// The character checker's working state, shared by the files that check each
// kind of character file: character_check.cpp (the .def, sprites, sounds),
// character_check_air.cpp, character_check_states.cpp and
// character_check_values.cpp. Not for use outside
// the checker; checkCharacter() in character_check.h is its entry point.

#include "check/character_check.h"
#include "check/state_library.h"
#include "check/trigger_expression.h"
#include "formats/air_document.h"
#include "formats/character_definition.h"
#include "formats/section_text.h"
#include "formats/sff_sprite_list.h"
#include "formats/zss.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace vantrel::checker {

bool isFile(const std::string& path);
std::uint32_t spriteKey(int group, int image);
// "group,image", as messages name a sprite.
std::string spriteText(int group, int image);
std::string inQuotes(std::string_view text);
std::string_view withoutQuotes(std::string_view value);

// Whether the parameter's value is an expression of numbers (a trigger
// expression), not words ("S, NA"), names or prefixed numbers ("S8000").
bool takesNumbers(const StateController& controller, std::string_view parameter);

// The distance between two names (letters inserted, removed or changed), for
// "did you mean".
std::size_t editDistance(std::string_view a, std::string_view b);

struct StateFile {
    std::string name; // relative to the character's folder
    // A .zss file's states and controllers are turned into sections, so that
    // the checks of the section files run on them; their views point into
    // the script's bytes.
    SectionedText text;
    std::unique_ptr<const ZssScript> script; // null for a section file
};

// The sections a state script stands for: "[Statedef n]" with the header's
// parameters for each StateDef, "[Function ...]" for each function, and a
// "[State]" block for each controller with its type, its parameters and an
// always true trigger1 (the if around it is checked once, apart), all at the
// script's lines. Controllers under an unreadable header are left out.
SectionedText zssSections(const ZssScript& script);

// A [State] block: its section and the state it belongs to.
struct ControllerBlock {
    const StateFile* file = nullptr;
    const TextSection* section = nullptr;
    std::optional<std::int64_t> state; // nothing before any Statedef
};

// "var(75) is out of range: var goes from 0 to 59" for each var, fvar, sysvar
// or sysfvar of `text` whose number is written out and out of the engine's range.
std::vector<Message> variablesOutOfRange(std::string_view text);

class CharacterChecker {
public:
    CharacterChecker(const std::string& defPath, const CheckOptions& options);

    CheckReport run();

private:
    // Where a file named in the .def was found.
    struct NamedFile {
        std::string path; // resolved; empty when none was named
        std::int32_t line = 0;
        bool exists = false;
    };

    void add(const std::string& file, std::int32_t line, Severity severity, Message message);
    // A text file's bytes: the editor's text when it hands one over, else the file's.
    std::optional<std::string> readText(const std::string& path) const;
    int rank(const std::string& file);
    std::string relativeName(const std::string& path) const;

    // The .def, the sprites and the sounds (character_check.cpp).
    // The files the .def's [Files] section names (and the storyboards of its
    // [Arcade]), by the keys the engine knows.
    void readDefinitionFiles(const std::vector<DefinitionLine>& def);
    void checkEngineVersion(const std::vector<DefinitionLine>& def);
    void missing(const NamedFile& named, std::string_view value, Severity severity);
    void classifyFile(const std::string& key, std::string_view value, const NamedFile& named);
    void loadSprites();
    void loadSounds();
    void noteUnusedSprites();

    // The AIR (character_check_air.cpp).
    void checkAnimations();
    void reportAirProblem(const AirProblem& p);

    // The state files (character_check_states.cpp).
    void loadStateFiles();
    void loadCommonStates();
    bool stateExists(std::int64_t n) const;
    void collectStates();
    void checkStates();
    // `fromAir`: a plain number is an action of the AIR; otherwise only an
    // "S" prefixed one is ("S1000"), the others being the engine's effects.
    void checkAction(const StateFile& file, const SectionEntry& entry, const std::string& who, Severity severity,
                     bool fromAir);
    void checkController(const ControllerBlock& block);
    void checkReferences(const ControllerBlock& block, const std::string& name, const std::string& who);
    void checkState(const StateFile& file, const SectionEntry& entry, const std::string& who);
    void warnEmpty(const StateFile& file, const TextSection& section, const std::vector<std::string_view>& group,
                   std::string_view controller, bool switchedOff);
    void checkSound(const StateFile& file, const SectionEntry& value, const std::string& who, bool prefixed);
    void checkTriggers(const StateFile& file, const TextSection& section);
    void checkTriggerExpression(const StateFile& file, const SectionEntry& e, const Message& which);
    // Letters and numbers the engine refuses (character_check_values.cpp).
    void checkStatedefValues(const StateFile& file, const TextSection& section);
    void checkControllerValues(const StateFile& file, const TextSection& section, const std::string& name,
                               const std::string& who);
    void checkLetter(const StateFile& file, const SectionEntry& entry, std::string_view allowed);
    void checkVariables(const StateFile& file, std::int32_t line, std::string_view text);
    // What only a state script has (character_check_zss.cpp): its reading's
    // problems, and the names in its conditions, statements and parameter values.
    void checkScript(const StateFile& file);
    // Parameter names the controller does not take, VarSet without a value,
    // and parameter values that are expressions of numbers read as triggers.
    void checkParameters(const StateFile& file, const TextSection& section, const StateController& controller);
    // What a trigger expression's reading found wrong, at `line`.
    void reportExpression(const StateFile& file, std::int32_t line, const ExpressionReport& r, const Message& which);
    void checkScriptExpression(const StateFile& file, std::int32_t line, std::string_view text, const Message& which);

    std::string m_defPath;
    CheckOptions m_options;
    std::string m_dir;
    std::string m_defName;
    CharacterEngine m_engine = CharacterEngine::WinMugen; // the one the .def says
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

} // namespace vantrel::checker
