#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Translations {

namespace {

// Owned by the application, so they go with it.
bool installFile(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, u"_"_s, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString directory()
{
    return QCoreApplication::applicationDirPath() + u"/../share/vigila/translations"_s;
}

void installEnglishPlurals(const QString &folder)
{
    installFile(QLocale(QLocale::English), u"vigila"_s, folder);
}

void install(const QString &folder)
{
    installEnglishPlurals(folder);
    // Installed last, so looked at first: the user's language wins over the English plurals.
    // Qt's standard buttons follow only when Vigila speaks the language too, so a window never mixes two.
    const QLocale locale = QLocale::system();
    if (installFile(locale, u"vigila"_s, folder))
        installFile(locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace Translations
