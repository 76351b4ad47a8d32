#pragma once
// The SFF build: the index the build tool reads and the command line that
// runs it through the spawn script. Vantrel writes no SFF itself.

#include "sprites/workspace.h"

#include <string>

namespace vantrel {

// "-c ", "-f ", "-p " in this order, each when its flag is 1, then "-v1 " or
// "-v2 " when a version was chosen over the workspace's own.
std::string buildOptionText(const BuildFlags& flags);

// The spawn script line: "<toolsDir>/sprmaker" <options>< "<workspaceDir>/tempsff.txt" tempsff
std::string buildCommandLine(const std::string& toolsDir, const std::string& workspaceDir, const BuildFlags& flags);

// The index the tool reads: the SFF to write on line 1, then the records.
std::string buildIndexText(const std::string& sffPath, const SpriteWorkspace& ws);

// What a change of SFF version would cost: the archive's version, its
// palette table (SFF v2) with the palettes no record's picture was unpacked
// with, and the records whose pictures are true-colour PNGs.
struct VersionFacts {
    int archiveVersion = 1;
    int palettes = 0;
    int unusedPalettes = 0;
    int trueColourRecords = 0;
    int archiveMinorVersion = 1; // of a version 2 archive: 0 for 2.00, 1 for 2.01
};
VersionFacts versionFacts(const SpriteWorkspace& ws);

// "1", "2.00" or "2.01": how the archive's version is written.
std::string versionText(int version, int minorVersion);

} // namespace vantrel
