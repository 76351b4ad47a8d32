#pragma once
// The languages the program speaks and the choice of one. English is the
// language of the sources; the others come from .qm files in the data
// folder's translations/ (vantrel_<language>.qm) and Qt's own.

#include "common/translation.h"

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

} // namespace vantrel
