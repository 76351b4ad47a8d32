#include "ui/dropped_files.h"

#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace vantrel {

QStringList droppedFiles(const QMimeData* data, std::initializer_list<const char*> suffixes)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        const auto endsIn = [&path](const char* suffix) {
            return path.endsWith(QLatin1StringView(suffix), Qt::CaseInsensitive);
        };
        if (url.isLocalFile() && std::any_of(suffixes.begin(), suffixes.end(), endsIn))
            files << path;
    }
    return files;
}

} // namespace vantrel
