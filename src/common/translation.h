#pragma once
// Loading the program's translations, and the messages of the layers below
// Qt in the user's language. English is the sources' own language; the others
// come from vantrel_<language>.qm files in a translations folder, with Qt's
// own beside them.

#include "common/message.h"
#include "common/result.h"

#include <QString>
#include <QStringList>

#include <string>

class QCoreApplication;

namespace vantrel {

// The languages to try in turn for a choice: the choice itself, or the
// system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when it follows the system
// (an empty choice).
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

// `message` in the user's language: its pattern translated where marked, and
// its values put in, themselves translated.
QString translated(const Message& message);

// `message` in the user's language when it was made (it has a pattern),
// else `english` as translatedMessage() gives it.
QString translatedOr(const Message& message, const std::string& english);

// Why a reader or writer failed, in the user's language.
QString translated(const Failure& failure);

} // namespace vantrel
