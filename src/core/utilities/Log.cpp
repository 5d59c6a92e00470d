#include "Log.h"

Q_LOGGING_CATEGORY(lcApp, "app", QtInfoMsg)

namespace Log {

// "%s" keeps the message verbatim: it is never treated as a format string.
void info(const QString &message)
{
    qCInfo(lcApp, "%s", qUtf8Printable(message));
}

void warning(const QString &message)
{
    qCWarning(lcApp, "%s", qUtf8Printable(message));
}

void error(const QString &message)
{
    qCCritical(lcApp, "%s", qUtf8Printable(message));
}

void debug(const QString &message)
{
    qCDebug(lcApp, "%s", qUtf8Printable(message));
}

} // namespace Log
