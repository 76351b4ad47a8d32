#include "sff_build.h"

#include "common/text.h"
#include "documents/spawn_script.h"
#include "formats/archive_description.h"
#include "formats/png.h"

#include <fstream>
#include <set>

namespace vantrel {

std::string buildOptionText(const BuildFlags& flags)
{
    std::string options;
    if (flags.crop == 1)
        options += "-c ";
    if (flags.duplicatePalettes == 1)
        options += "-f ";
    if (flags.duplicateImages == 1)
        options += "-p ";
    // A version 2 archive written as another minor version names it in full.
    if (flags.version == 1)
        options += "-v1 ";
    else if ((flags.version == 2 || flags.version == 0) && (flags.minorVersion == 0 || flags.minorVersion == 1))
        options += "-v" + versionText(2, flags.minorVersion) + " ";
    else if (flags.version == 2)
        options += "-v2 ";
    return options;
}

std::string buildCommandLine(const std::string& toolsDir, const std::string& workspaceDir, const BuildFlags& flags)
{
    return toolCommand(toolsDir, "sprmaker") + " " + buildOptionText(flags) + "< "
        + shellQuote(workspaceDir + "/tempsff.txt") + " tempsff";
}

std::string buildIndexText(const std::string& sffPath, const SpriteWorkspace& ws)
{
    return formatSpriteIndex(sffPath, ws.records());
}

namespace {

// True when the file is a PNG whose pixels have colours rather than palette indices.
bool isTrueColourPng(const std::string& path)
{
    char start[8] = {};
    if (!std::ifstream(path, std::ios::binary).read(start, sizeof start)
        || !sfflib::looksLikePng({start, sizeof start}))
        return false;
    const auto bytes = readFileBytes(path);
    const auto info = bytes ? sfflib::readPngInfo(*bytes) : sfflib::Result<sfflib::PngInfo>::failure({});
    return info && !info->indexed;
}

} // namespace

VersionFacts versionFacts(const SpriteWorkspace& ws)
{
    VersionFacts facts;
    facts.archiveVersion = ws.archiveVersion();
    const auto description = sfflib::readArchiveDescription(ws.descriptionPath());
    std::set<int> used;
    for (const SpriteRecord& record : ws.records()) {
        if (description && *description)
            used.insert((*description)->paletteOfPicture(record.pcxFile));
        if (isTrueColourPng(ws.imagePath(record)))
            ++facts.trueColourRecords;
    }
    if (description && *description) {
        used.erase(-1);
        facts.palettes = static_cast<int>((*description)->palettes.size());
        facts.unusedPalettes = facts.palettes - static_cast<int>(used.size());
        facts.archiveMinorVersion = (*description)->version == "2.00" ? 0 : 1;
    }
    return facts;
}

std::string versionText(int version, int minorVersion)
{
    if (version != 2)
        return "1";
    return minorVersion == 0 ? "2.00" : "2.01";
}

} // namespace vantrel
