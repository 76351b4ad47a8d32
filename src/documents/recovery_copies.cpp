#include "documents/recovery_copies.h"

#include "common/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace vantrel {

namespace {

const QString kSuffix = QStringLiteral(".json");

// The kind of file the window of a copy as earlier versions kept it edited.
DocumentKind kindOfWindow(const QString& window)
{
    static const QHash<QString, DocumentKind> kinds{
        {QStringLiteral("DefinitionWindow"), DocumentKind::Definition},
        {QStringLiteral("ConstantsWindow"), DocumentKind::Constants},
        {QStringLiteral("CommandsWindow"), DocumentKind::Commands},
        {QStringLiteral("StateFileWindow"), DocumentKind::States},
        {QStringLiteral("AnimationTextWindow"), DocumentKind::Animations},
    };
    return kinds.value(window, DocumentKind::Text);
}

} // namespace

QString RecoveryCopies::pathOf(const QString& name) const
{
    return folder_ + QLatin1Char('/') + name + kSuffix;
}

bool RecoveryCopies::write(const QString& name, const RecoveryCopy& copy) const
{
    if (!enabled() || !QDir().mkpath(folder_))
        return false;
    const QJsonObject object{{"character", copy.character},
                             {"file", copy.file},
                             {"kind", static_cast<int>(copy.kind)},
                             {"bytes", QString::fromLatin1(copy.bytes.toBase64())}};
    const QByteArray bytes = QJsonDocument(object).toJson();
    return writeFileAtomic(QFile::encodeName(pathOf(name)).toStdString(),
                           std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        .ok();
}

void RecoveryCopies::remove(const QString& name) const
{
    if (enabled())
        QFile::remove(pathOf(name));
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
        RecoveryCopy copy;
        copy.character = object.value(QStringLiteral("character")).toString();
        copy.file = object.value(QStringLiteral("file")).toString();
        if (object.value(QStringLiteral("bytes")).isString()) {
            const int kind = object.value(QStringLiteral("kind")).toInt(-1);
            if (kind < 0 || kind > static_cast<int>(DocumentKind::Text))
                continue;
            copy.kind = static_cast<DocumentKind>(kind);
            copy.bytes = QByteArray::fromBase64(object.value(QStringLiteral("bytes")).toString().toLatin1());
        } else if (object.value(QStringLiteral("text")).isString()) {
            // A copy of text as earlier versions kept it, per window.
            copy.kind = kindOfWindow(object.value(QStringLiteral("window")).toString());
            copy.bytes = object.value(QStringLiteral("text")).toString().toUtf8();
        } else {
            continue;
        }
        found.append({file.fileName(), copy});
    }
    return found;
}

} // namespace vantrel
