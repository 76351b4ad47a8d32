#pragma once
// The character definition (.def) reader and the record every editor takes
// its paths from.

#include <array>
#include <string>

namespace vantrel {

// The paths of the open character. Fields are never cleared between
// characters: a key the new .def lacks keeps the previous character's value.
struct CharacterFiles {
    std::string defFile;
    std::string characterDir; // directory of defFile, with its trailing '/'
    std::string spriteFile;
    std::string animationFile;
    std::string soundFile;
    std::string commandFile;
    std::string constantsFile;
    std::string commonStatesFile;
    std::array<std::string, 7> stateFiles;   // "st" is slot 0, "st1".."st6"
    std::array<std::string, 13> paletteFiles; // slots 1 to 12 are the palettes
};

struct DefinitionResult {
    bool ok = false;
    std::string error; // why reading stopped, for the log of a test; the user sees the fixed message
    explicit operator bool() const { return ok; }
};

// Reads a .def file into `files`. Keys match by prefix on every line, whatever
// the section; values are joined to the .def's directory. Fails when the file
// cannot be read or a palette slot lies outside 0 to 12; fields stored before
// the failure keep their new values.
DefinitionResult readDefinition(const std::string& path, CharacterFiles& files);

// characterDir + value, with '\' as a separator and the letter case of the file on
// disk when the value's differs.
std::string characterPath(const std::string& charDir, const std::string& value);

} // namespace vantrel
