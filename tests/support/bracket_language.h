#pragma once
// A language for tests that puts every text in brackets, so a text shown
// without them never went through the translation; it notes each context
// and text it was asked for.

#include <QString>
#include <QTranslator>

#include <set>

namespace vantrel::test {

class BracketLanguage : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        asked.insert(QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source));
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }

    mutable std::set<QString> asked; // "context|text"
};

} // namespace vantrel::test
