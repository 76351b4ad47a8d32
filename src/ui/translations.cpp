#include "ui/translations.h"
#include "ui/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vantrel {

namespace {

constexpr const char* kLanguageKey = "Language";

// The translators in use, kept for the next call to replace them.
std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

const std::vector<Language>& languages()
{
    static const std::vector<Language> list{
        {QString(), QStringLiteral("System language")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
    };
    return list;
}

QString chosenLanguage(const SettingsStore& store)
{
    const auto stored = store.read(kProgramSettings, kLanguageKey);
    const QString code = stored ? QString::fromStdString(*stored).trimmed() : QString();
    for (const Language& language : languages())
        if (language.code == code)
            return code;
    return QString();
}

void setChosenLanguage(SettingsStore& store, const QString& code)
{
    store.write(kProgramSettings, kLanguageKey, code.toStdString());
}

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
        const QString language = own->language();
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

} // namespace vantrel
