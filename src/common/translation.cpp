#include "common/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace vantrel {

namespace {

// The translators in use, kept for the next call to replace them.
std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

QStringList languagesToTry(const QString& chosen)
{
    if (!chosen.isEmpty())
        return {chosen};
    // Qt reads LANGUAGE first, then the locale of LC_ALL, LC_MESSAGES or LANG.
    return QLocale::system().uiLanguages();
}

QString installTranslations(QCoreApplication& application, const QString& translationsDir, const QStringList& wanted)
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    for (const QString& name : wanted) {
        const QLocale locale(name);
        // English is the sources' own: nothing to load, and no later
        // language in the list is taken over it.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return QString();
        auto own = std::make_unique<QTranslator>();
        if (!own->load(locale, QStringLiteral("vantrel"), QStringLiteral("_"), translationsDir))
            continue;
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installed().push_back(std::move(qt));
        QString language = own->language();
        installed().push_back(std::move(own));
        for (const auto& translator : installed())
            application.installTranslator(translator.get());
        return language;
    }
    return QString();
}

QString translatedMessage(const std::string& text)
{
    return QCoreApplication::translate("Messages", text.c_str());
}

QString translated(const Message& message)
{
    if (message.isVerbatim())
        return QString::fromStdString(message.pattern());
    std::vector<std::string> values;
    values.reserve(message.values().size());
    for (const Message& value : message.values())
        values.push_back(translated(value).toStdString());
    return QString::fromStdString(fillPlaces(translatedMessage(message.pattern()).toStdString(), values));
}

QString translatedOr(const Message& message, const std::string& english)
{
    return message.pattern().empty() ? translatedMessage(english) : translated(message);
}

QString translated(const Failure& failure)
{
    return translatedOr(failure.text, failure.message);
}

} // namespace vantrel
