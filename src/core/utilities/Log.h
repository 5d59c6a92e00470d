#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

// The application's log: one record per message under the category "app". Qt routes it to the
// journal when running under systemd, otherwise to stderr. Safe to call from any thread.
namespace Log {
void info(const QString &message);
void warning(const QString &message);
void error(const QString &message);
void debug(const QString &message);
} // namespace Log
