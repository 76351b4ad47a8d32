#include "ui/translations.h"
#include "ui/settings.h"

namespace vantrel {

namespace {

constexpr const char* kLanguageKey = "Language";

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
    QString code = stored ? QString::fromStdString(*stored).trimmed() : QString();
    for (const Language& language : languages())
        if (language.code == code)
            return code;
    return QString();
}

void setChosenLanguage(SettingsStore& store, const QString& code)
{
    store.write(kProgramSettings, kLanguageKey, code.toStdString());
}

} // namespace vantrel
