#include "formats/character_definition.h"

#include "common/paths.h"
#include "common/text.h"

namespace vantrel {

std::string characterPath(const std::string& charDir, const std::string& value)
{
    return resolvePath(charDir + toSlashes(value));
}

namespace {

// Everything from the first ';' on is a comment.
std::string stripComment(std::string line)
{
    const auto semicolon = line.find(';');
    if (semicolon != std::string::npos)
        line.erase(semicolon);
    return trimmed(line);
}

std::string valueOf(const std::string& line)
{
    const auto eq = line.rfind('=');
    return trimmed(eq == std::string::npos ? std::string_view(line) : std::string_view(line).substr(eq + 1));
}

// "st" keys: only the one character right after "st" chooses the slot.
int stateSlot(const std::string& line)
{
    std::string digit = line.size() > 2 ? trimmed(line.substr(2, 1)) : std::string();
    if (digit == "=")
        digit = "0";
    return static_cast<int>(numericValue(digit));
}

// "pal" keys: the two characters after "pal" choose the slot. Returns false
// for lines that name no palette (pal.defaults).
bool paletteSlot(const std::string& line, std::int64_t& slot)
{
    std::string text = trimmed(line.size() > 3 ? line.substr(3, 2) : std::string());
    if (toLowerAscii(text) == ".d")
        return false;
    if (text.find('=') != std::string::npos)
        text = text.substr(0, 1);
    if (text.empty() || text.find('=') != std::string::npos)
        text = "1";
    slot = numericValue(text);
    return true;
}

// "[Files]", whatever the letter case and the blanks inside the brackets.
bool isFilesSection(const std::string& lowerLine)
{
    return lowerLine.size() >= 2 && lowerLine.front() == '[' && lowerLine.back() == ']'
        && trimmed(std::string_view(lowerLine).substr(1, lowerLine.size() - 2)) == "files";
}

DefinitionResult refused(DefinitionProblem problem, std::string error)
{
    return {false, problem, std::move(error)};
}

} // namespace

DefinitionResult readDefinition(const std::string& rawPath, CharacterFiles& files)
{
    const std::string path = trimmed(rawPath);
    files = CharacterFiles{};
    files.characterDir = directoryOf(path);
    files.defFile = path;

    const auto lines = readLines(path);
    if (!lines)
        return refused(DefinitionProblem::Unreadable, "The character definition " + path + " cannot be read.");

    const std::string& dir = files.characterDir;
    bool filesSection = false;
    bool spriteNamed = false;
    for (const std::string& raw : *lines) {
        const std::string line = stripComment(raw);
        const std::string lower = toLowerAscii(line);
        if (lower.empty())
            continue;
        filesSection = filesSection || isFilesSection(lower);
        const std::string value = valueOf(line);

        if (startsWith(lower, "sprite")) {
            files.spriteFile = characterPath(dir, value);
            spriteNamed = !value.empty();
        }
        if (startsWith(lower, "cmd"))
            files.commandFile = characterPath(dir, value);
        if (startsWith(lower, "anim"))
            files.animationFile = characterPath(dir, value);
        if (startsWith(lower, "cns"))
            files.constantsFile = characterPath(dir, value);
        if (startsWith(lower, "stcommon"))
            files.commonStatesFile = characterPath(dir, value);
        if (startsWith(lower, "st") && !startsWith(lower, "stcommon")) {
            const int slot = stateSlot(line);
            if (slot >= 0 && slot <= 6)
                files.stateFiles[static_cast<std::size_t>(slot)] = characterPath(dir, value);
        }
        if (startsWith(lower, "sound"))
            files.soundFile = characterPath(dir, value);
        if (startsWith(lower, "pal")) {
            std::int64_t slot = 0;
            if (paletteSlot(line, slot)) {
                if (slot < 0 || slot > 12)
                    return refused(DefinitionProblem::PaletteOutOfRange,
                                   "This character definition names a palette outside the slots 0 to 12: " + line);
                files.paletteFiles[static_cast<std::size_t>(slot)] = characterPath(dir, value);
            }
        }
    }
    if (!filesSection)
        return refused(DefinitionProblem::NoFilesSection,
                       "This file is not a character definition: it has no [Files] section.");
    if (!spriteNamed)
        return refused(DefinitionProblem::NoSpriteFile,
                       "This file is not a character definition: it names no sprite file.");
    return {true, DefinitionProblem::None, {}};
}

} // namespace vantrel
