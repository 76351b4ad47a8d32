#pragma once
// The spawn script: every outside program (the sprite tools, the engine) is
// started by writing its command lines into spawn.sh in the application
// directory and running that script with /bin/sh there.

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Text to put between double quotes in a shell script: '\', '"', '$' and '`'
// get a backslash, so nothing in it can run as a command.
std::string shellEscape(std::string_view text);
// The text between double quotes.
std::string shellQuote(std::string_view text);

std::string spawnScriptPath(const std::string& appDir);

// Writes the lines, each ended by LF (the script is for a POSIX shell).
bool writeSpawnScript(const std::string& appDir, const std::vector<std::string>& lines);

// The line that unpacks a sprite archive into the workspace.
std::string unpackCommandLine(const std::string& spriteFile);

// The character's directory name: characterDir's last component.
std::string characterNameOf(const std::string& charDir);

// The quick-run script: an empty drive line (there are no drive letters),
// into the character directory, two folders up, and the engine with the
// character's directory name as its two arguments. Empty for an empty characterDir.
std::vector<std::string> quickRunLines(const std::string& charDir);

// True when the file's length can be read and is greater than 0.
bool fileReady(const std::string& path);

} // namespace vantrel
