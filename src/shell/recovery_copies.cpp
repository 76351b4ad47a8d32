#include "recovery_copies.h"

#include "common/atomic_file.h"
#include "shell/qt_text.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantrel {

namespace {

const QString kSuffix = QStringLiteral(".json");

} // namespace

QString RecoveryCopies::pathOf(const QString& window) const
{
    return folder_ + QLatin1Char('/') + window + kSuffix;
}

bool RecoveryCopies::write(const RecoveryText& copy) const
{
    if (!enabled() || !QDir().mkpath(folder_))
        return false;
    const QJsonObject object{
        {"window", copy.window}, {"character", copy.character}, {"file", copy.file}, {"text", copy.text}};
    const QByteArray bytes = QJsonDocument(object).toJson();
    return writeFileAtomic(sstr(pathOf(copy.window)), std::string_view(bytes.constData(), bytes.size())).ok;
}

void RecoveryCopies::remove(const QString& window) const
{
    if (enabled())
        QFile::remove(pathOf(window));
}

QList<StoredCopy> RecoveryCopies::readAll() const
{
    QList<StoredCopy> found;
    if (!enabled())
        return found;
    const QDir dir(folder_);
    for (const QString& name : dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
        const QString window = object.value(QStringLiteral("window")).toString();
        if (window.isEmpty() || !object.value(QStringLiteral("text")).isString())
            continue;
        found.append(
            {file.fileName(),
             {window, object.value(QStringLiteral("character")).toString(),
              object.value(QStringLiteral("file")).toString(), object.value(QStringLiteral("text")).toString()}});
    }
    return found;
}

} // namespace vantrel
