#include "formats/character_definition.h"

#include "common/paths.h"
#include "common/text.h"
#include "formats/zss.h"

namespace vantrel {

std::string characterPath(const std::string& charDir, const std::string& value)
{
    return resolvePath(charDir + toSlashes(value));
}

namespace {

std::string_view trimTabsToo(std::string_view text)
{
    return trimBlanksAndTabs(text);
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

} // namespace

std::string DefinitionLine::key() const
{
    const auto eq = text.find('=');
    return toLowerAscii(trimTabsToo(std::string_view(text).substr(0, eq)));
}

std::string DefinitionLine::value() const
{
    const auto eq = text.rfind('=');
    std::string_view value =
        trimBlanks(eq == std::string::npos ? std::string_view(text) : std::string_view(text).substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = trimBlanks(value.substr(1, value.size() - 2));
    return std::string(value);
}

std::vector<DefinitionLine> readDefinitionLines(std::string_view bytes)
{
    std::vector<DefinitionLine> lines;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::string section;
    int number = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        std::string_view raw = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size())
            pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
        ++number;
        if (const auto semicolon = raw.find(';'); semicolon != std::string_view::npos)
            raw = raw.substr(0, semicolon);
        std::string text = trimmed(raw);
        if (text.empty())
            continue;
        const bool header = text.front() == '[' && text.back() == ']';
        if (header)
            section = toLowerAscii(trimTabsToo(std::string_view(text).substr(1, text.size() - 2)));
        lines.push_back({number, std::move(text), section, header});
    }
    return lines;
}

std::string engineName(CharacterEngine engine)
{
    switch (engine) {
    case CharacterEngine::Ikemen: return "IKEMEN GO";
    case CharacterEngine::Mugen11: return "MUGEN 1.1";
    case CharacterEngine::Mugen10: return "MUGEN 1.0";
    case CharacterEngine::WinMugen: return "WinMUGEN";
    }
    return "WinMUGEN";
}

CharacterEngine characterEngine(const std::vector<DefinitionLine>& lines)
{
    bool ikemen = false;
    std::string mugenVersion;
    for (const DefinitionLine& line : lines) {
        if (line.header)
            continue;
        const std::string key = line.key();
        if (line.section == "info") {
            ikemen = ikemen || key == "ikemenversion";
            if (key == "mugenversion")
                mugenVersion = line.value();
        }
        // State, constants and command files in IKEMEN GO's own language.
        const bool codeFile = startsWith(key, "st") || key == "cmd" || key == "cns";
        ikemen = ikemen || (line.section == "files" && codeFile && isZssFileName(line.value()));
    }
    if (ikemen)
        return CharacterEngine::Ikemen;
    if (startsWith(mugenVersion, "1.1"))
        return CharacterEngine::Mugen11;
    if (startsWith(mugenVersion, "1.0") || mugenVersion == "1")
        return CharacterEngine::Mugen10;
    return CharacterEngine::WinMugen;
}

Result<void> readDefinition(const std::string& rawPath, CharacterFiles& files)
{
    const std::string path = trimmed(rawPath);
    files = CharacterFiles{};
    files.characterDir = directoryOf(path);
    files.defFile = path;

    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return Result<void>::failure("The character definition " + path + " cannot be read.");

    const std::string& dir = files.characterDir;
    bool filesSection = false;
    bool spriteNamed = false;
    const std::vector<DefinitionLine> lines = readDefinitionLines(*bytes);
    for (const DefinitionLine& line : lines) {
        filesSection = filesSection || (line.header && line.section == "files");
        const std::string lower = toLowerAscii(line.text);
        const std::string value = line.value();

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
            const int slot = stateSlot(line.text);
            if (slot >= 0 && slot <= 6)
                files.stateFiles[static_cast<std::size_t>(slot)] = characterPath(dir, value);
        }
        if (startsWith(lower, "sound"))
            files.soundFile = characterPath(dir, value);
        if (startsWith(lower, "pal")) {
            std::int64_t slot = 0;
            if (paletteSlot(line.text, slot)) {
                if (slot < 0 || slot > 12)
                    return Result<void>::failure("This character definition names a palette outside the slots 0 to 12: "
                                                     + line.text,
                                                 line.number);
                files.paletteFiles[static_cast<std::size_t>(slot)] = characterPath(dir, value);
            }
        }
    }
    if (!filesSection)
        return Result<void>::failure("This file is not a character definition: it has no [Files] section.");
    if (!spriteNamed)
        return Result<void>::failure("This file is not a character definition: it names no sprite file.");
    files.engine = characterEngine(lines);
    return {};
}

} // namespace vantrel
