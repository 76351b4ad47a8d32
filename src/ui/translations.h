#pragma once
// The languages the program speaks and the choice of one. English is the
// language of the sources; the others come from .qm files in the data
// folder's translations/ (vantrel_<language>.qm) and Qt's own.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QCoreApplication;

namespace vantrel {

class SettingsStore;

struct Language {
    QString code; // "ja", "pt_BR"…; empty: follow the system
    QString name; // in its own language
};

// Follow the system, English, then each translation shipped.
const std::vector<Language>& languages();

// The language chosen in Settings ("" follows the system).
QString chosenLanguage(const SettingsStore& store);
void setChosenLanguage(SettingsStore& store, const QString& code);

// The languages to try in turn for a choice: the choice itself, or the
// system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when it follows the system.
QStringList languagesToTry(const QString& chosen);

// Installs the program's and Qt's translations into `application` for the
// first of `wanted` that has the program's; English (none installed) when
// none has. Returns the language installed, or "" for English. Translators
// installed by an earlier call are removed first.
QString installTranslations(QCoreApplication& application, const QString& translationsDir, const QStringList& wanted);

// A message of the layers below Qt, in the user's language when it is one
// marked there with QT_TRANSLATE_NOOP("Messages", …) (common/translatable.h);
// any other text as it is.
QString translatedMessage(const std::string& text);

} // namespace vantrel
