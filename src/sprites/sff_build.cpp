#include "sff_build.h"

#include "shell/spawn_script.h"

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
    return options;
}

std::string buildCommandLine(const std::string& appDir, const BuildFlags& flags)
{
    return "./sprmaker " + buildOptionText(flags) + "< " + shellQuote(appDir + "/tempsff.txt") + " tempsff";
}

std::string buildIndexText(const std::string& sffPath, const SpriteWorkspace& ws)
{
    return formatSpriteIndex(sffPath, ws.records());
}

} // namespace vantrel
