#pragma once
// The spawn script: the sprite tools are started by writing their command
// lines into spawn.sh in the running copy's own folder (workspace_folders.h)
// and running that script with /bin/sh there. (The engine of a quick-run starts without a script: see engine.h.)

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Text to put between double quotes in a shell script: '\', '"', '$' and '`'
// get a backslash, so nothing in it can run as a command.
std::string shellEscape(std::string_view text);
// The text between double quotes.
std::string shellQuote(std::string_view text);

std::string spawnScriptPath(const std::string& workDir);

// Writes the lines, each ended by LF (the script is for a POSIX shell).
bool writeSpawnScript(const std::string& workDir, const std::vector<std::string>& lines);

// The line that unpacks a sprite archive into the workspace, with the tool
// named by its full path in `toolsDir`.
std::string unpackCommandLine(const std::string& toolsDir, const std::string& spriteFile);

// A tool of `toolsDir` as a script names it: its full path, quoted.
std::string toolCommand(const std::string& toolsDir, const std::string& tool);

// The character's directory name: characterDir's last component.
std::string characterNameOf(const std::string& charDir);

// True when the file's length can be read and is greater than 0.
bool fileReady(const std::string& path);

} // namespace vantrel
