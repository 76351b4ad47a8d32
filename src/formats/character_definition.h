#pragma once
// The character definition (.def): the one reader of its lines, which the
// editor and the checker share, and the record every editor takes its paths
// from.

#include "common/result.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The engine a character is written for.
enum class CharacterEngine { WinMugen, Mugen10, Mugen11, Ikemen };

// "IKEMEN GO", "MUGEN 1.1", "MUGEN 1.0" or "WinMUGEN".
std::string engineName(CharacterEngine engine);

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
    // An "ikemenversion" in [Info], or a .zss among the state files: IKEMEN GO;
    // else "mugenversion" 1.1 or 1.0; else (none, or the date WinMUGEN wrote) WinMUGEN.
    CharacterEngine engine = CharacterEngine::WinMugen;
};

// A line of a .def that says something. Lines end at CR LF, CR or LF; a
// UTF-8 byte-order mark is skipped; everything from the first ';' on is a
// comment; blanks (not tabs) around the rest are removed, and lines left
// empty are dropped.
struct DefinitionLine {
    int number = 0;      // from 1
    std::string text;    // without its comment
    std::string section; // the header above it in lower case ("files"); empty before the first
    bool header = false; // the line is a "[...]" section header itself

    // The text before the first '=', lower case, blanks and tabs around it removed.
    std::string key() const;
    // The text after the last '=' (the whole line without one), blanks
    // around it and a pair of double quotes around a file name removed.
    std::string value() const;
};

std::vector<DefinitionLine> readDefinitionLines(std::string_view bytes);

// The engine a .def's lines say the character is for (see CharacterFiles::engine):
// an "ikemenversion" in [Info] or a .zss named in [Files] makes it IKEMEN GO.
CharacterEngine characterEngine(const std::vector<DefinitionLine>& lines);

// Reads a .def file into `files`, which starts from an empty record. Keys
// match by prefix on every line, whatever the section; values are joined to
// the .def's directory. Fails when the file cannot be read, has no [Files]
// section, names no sprite file, or a palette slot lies outside 0 to 12
// (with its line); fields stored before the failure keep their new values.
Result<void> readDefinition(const std::string& path, CharacterFiles& files);

// characterDir + value, with '\' as a separator and the letter case of the file on
// disk when the value's differs.
std::string characterPath(const std::string& charDir, const std::string& value);

} // namespace vantrel
