#pragma once

#include <QString>

// Vigila's texts in the user's language. The .qm files live in <prefix>/share/vigila/translations,
// which is ../share/vigila/translations from the executable both once installed and in the build
// tree.
namespace Translations {

// The folder of the .qm files, next to the running executable.
QString directory();

// Installs, on the running QCoreApplication: the English plural forms ("1 reason", "2 reasons"),
// then Vigila's and Qt's own translations for the first of the user's languages (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG) that has them. English needs nothing more.
void install(const QString &folder = directory());

// Only the English plural forms: what the tests see, whatever the language of the machine.
void installEnglishPlurals(const QString &folder);

} // namespace Translations
