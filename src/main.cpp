#include "utilities/Log.h"

#include <QCoreApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(u"Quillmere"_s);
    QCoreApplication::setApplicationName(u"Vigila"_s);
    Log::info(u"Vigila launched."_s);
    // The tray arrives with the application lifecycle; until then start and leave cleanly.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int status = QCoreApplication::exec();
    Log::info(u"Vigila terminating \u2014 assertions released."_s);
    return status;
}
