// Linked into every test: the English texts as the app shows them, with "1 reason" and "2 reasons"
// from the English plural forms, and never the language of the machine the tests run on.
#include "utilities/Translations.h"

#include <QCoreApplication>

namespace {

void installEnglishPlurals()
{
    Translations::installEnglishPlurals(QStringLiteral(VIGILA_TRANSLATIONS_DIR));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglishPlurals)
