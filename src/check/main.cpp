// vantrel-check: checks a character and prints what is wrong with it.
//
//   vantrel-check [--json] [--notes] [--engine DIR] path/to/char.def
//
// Exit status: 0 without errors, 1 with errors, 2 when the character could
// not be read (or the command line is wrong).
//
// The messages come in the system's language (LANGUAGE, LANG) where the
// program has a translation; "error", "warning" and "note" stay English, as
// editors and build tools read them, and so does the JSON, which is for
// other programs.

#include "check/character_check.h"
#include "common/app_paths.h"
#include "common/translation.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage = "usage: vantrel-check [--json] [--notes] [--engine DIR] path/to/char.def\n"
                               "  --engine DIR  the engine's folder, whose data/ holds its common states\n";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const vantrel::AppPaths paths = vantrel::findAppPaths(QCoreApplication::applicationDirPath());
    vantrel::installTranslations(application, paths.dataDir + QStringLiteral("/translations"),
                                 vantrel::languagesToTry(QString()));

    bool json = false;
    vantrel::CheckOptions options;
    std::string def;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--notes") {
            options.notes = true;
        } else if (arg == "--engine" && i + 1 < argc) {
            options.engineFolder = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            std::fprintf(stderr, "vantrel-check: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        } else if (def.empty()) {
            def = arg;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (def.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    const vantrel::CheckReport report = vantrel::checkCharacter(def, options);
    if (json) {
        std::fputs(vantrel::findingsJson(report.findings).c_str(), stdout);
    } else {
        for (vantrel::Finding f : report.findings) {
            f.message = vantrel::translatedOr(f.text, f.message).toStdString();
            std::printf("%s\n", vantrel::formatFinding(f).c_str());
        }
    }
    return report.exitStatus();
}
