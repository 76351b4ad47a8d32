#include "documents/spawn_script.h"

#include "common/atomic_file.h"

#include <filesystem>
#include <system_error>

namespace vantrel {

std::string shellEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\' || c == '"' || c == '$' || c == '`')
            out += '\\';
        out += c;
    }
    return out;
}

std::string shellQuote(std::string_view text)
{
    return "\"" + shellEscape(text) + "\"";
}

std::string spawnScriptPath(const std::string& workDir)
{
    return workDir + "/spawn.sh";
}

bool writeSpawnScript(const std::string& workDir, const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return writeFileAtomic(spawnScriptPath(workDir), text).ok();
}

std::string toolCommand(const std::string& toolsDir, const std::string& tool)
{
    return shellQuote(toolsDir + "/" + tool);
}

std::string unpackCommandLine(const std::string& toolsDir, const std::string& spriteFile)
{
    return toolCommand(toolsDir, "sff2pcx") + " " + shellQuote(spriteFile) + " tempsff";
}

std::string characterNameOf(const std::string& charDir)
{
    if (charDir.size() < 2)
        return {};
    // Search backwards from the second-to-last character, so that the
    // directory's own trailing '/' is skipped.
    const auto slash = charDir.rfind('/', charDir.size() - 2);
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    return charDir.substr(start, charDir.size() - 1 - start);
}

bool fileReady(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && size > 0;
}

} // namespace vantrel
