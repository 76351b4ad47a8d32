#pragma once
// A language for tests that puts every text in brackets (or every text of
// some contexts), so a text shown without them never went through the
// translation; it notes each context and text it was asked for.

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <set>
#include <utility>

namespace vantrel::test {

class BracketLanguage : public QTranslator {
public:
    // Only the texts of `contexts` (named without "vantrel::"), or all when empty.
    explicit BracketLanguage(QStringList contexts = {}) : contexts_(std::move(contexts)) { }

    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        const QString scope = QString::fromUtf8(context);
        if (!contexts_.isEmpty() && !contexts_.contains(QString(scope).remove(QStringLiteral("vantrel::"))))
            return QString();
        asked.insert(scope + QLatin1Char('|') + QString::fromUtf8(source));
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }

    mutable std::set<QString> asked; // "context|text"

private:
    QStringList contexts_;
};

} // namespace vantrel::test
