#pragma once
// Marks a text of the layers below Qt for translation: the text stays as it
// is here, and Qt's lupdate gathers it under `scope`. The windows show it
// through translatedMessage() or translated() (common/translation.h), in the user's language.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
