#pragma once
// The character definition (.def) reader and the record every editor takes
// its paths from.

#include <array>
#include <string>

namespace vantrel {

// The paths of the open character. Each .def is read into a fresh record:
// a key the .def lacks leaves its field empty.
struct CharacterFiles {
    std::string defFile;
    std::string characterDir; // directory of defFile, with its trailing '/'
    std::string spriteFile;
    std::string animationFile;
    std::string soundFile;
    std::string commandFile;
    std::string constantsFile;
    std::string commonStatesFile;
    std::array<std::string, 7> stateFiles;    // "st" is slot 0, "st1".."st6"
    std::array<std::string, 13> paletteFiles; // slots 1 to 12 are the palettes
};

enum class DefinitionProblem {
    None,
    Unreadable,        // the .def itself cannot be read
    NoFilesSection,    // not a character definition: no [Files] section
    NoSpriteFile,      // not a character definition: no sprite file named
    PaletteOutOfRange, // a palette slot outside 0 to 12
};

struct DefinitionResult {
    bool ok = false;
    DefinitionProblem problem = DefinitionProblem::None;
    std::string error; // why the .def was refused, as a sentence for the user
    explicit operator bool() const { return ok; }
};

// Reads a .def file into `files`, which starts from an empty record. Keys
// match by prefix on every line, whatever the section; values are joined to
// the .def's directory. Fails when the file cannot be read, has no [Files]
// section, names no sprite file, or a palette slot lies outside 0 to 12;
// fields stored before the failure keep their new values.
DefinitionResult readDefinition(const std::string& path, CharacterFiles& files);

// characterDir + value, with '\' as a separator and the letter case of the file on
// disk when the value's differs.
std::string characterPath(const std::string& charDir, const std::string& value);

} // namespace vantrel
