#pragma once
// Where the program finds what it ships: the sprite tools and the data files
// (tips, text clips, help, the sample character). In the build tree they sit
// beside the executable; an installed copy keeps the tools in
// <prefix>/libexec/vantrel and the data in <prefix>/share/vantrel.

#include <QString>

namespace vantrel {

struct AppPaths {
    QString toolsDir; // holds sff2pcx and sprmaker
    QString dataDir;  // holds tips.txt, stclips.txt, sctrls.html and samples/
};

// Looks for the files themselves, beside the executable first and then in
// the installed layout around it. Where neither has them, the executable's
// folder is taken (the program then reports the missing file where it needs it).
AppPaths findAppPaths(const QString& executableDir);

} // namespace vantrel
