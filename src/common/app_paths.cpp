#include "common/app_paths.h"

#include <QDir>
#include <QFileInfo>

namespace vantrel {

namespace {

// The installed layout relative to the executable's folder; CMake passes the
// one the install rules use.
#ifndef VANTREL_TOOLS_FROM_BIN
#define VANTREL_TOOLS_FROM_BIN "../libexec/vantrel"
#endif
#ifndef VANTREL_DATA_FROM_BIN
#define VANTREL_DATA_FROM_BIN "../share/vantrel"
#endif

// The first folder that holds `file`, else the first folder.
QString folderHolding(const QString& file, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (QFileInfo(QDir(folder).filePath(file)).isFile())
            return folder;
    }
    return folders.first();
}

} // namespace

AppPaths findAppPaths(const QString& executableDir)
{
    const QDir bin(executableDir);
    const QString home = QDir::cleanPath(bin.absolutePath());
    const QString tools = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral(VANTREL_TOOLS_FROM_BIN)));
    const QString data = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral(VANTREL_DATA_FROM_BIN)));
    return {folderHolding(QStringLiteral("sff2pcx"), {home, tools}),
            folderHolding(QStringLiteral("tips.txt"), {home, data})};
}

} // namespace vantrel
