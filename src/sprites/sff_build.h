#pragma once
// The SFF build: the index the build tool reads and the command line that
// runs it through the spawn script. Vantrel writes no SFF itself.

#include "sprites/workspace.h"

#include <string>

namespace vantrel {

// "-c ", "-f ", "-p " in this order, each when its flag is 1.
std::string buildOptionText(const BuildFlags& flags);

// The spawn script line: ./sprmaker <options>< "<appDir>/tempsff.txt" tempsff
std::string buildCommandLine(const std::string& appDir, const BuildFlags& flags);

// The index the tool reads: the SFF to write on line 1, then the records.
std::string buildIndexText(const std::string& sffPath, const SpriteWorkspace& ws);

} // namespace vantrel
