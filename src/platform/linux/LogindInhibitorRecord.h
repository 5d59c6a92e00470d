#pragma once

#include <QDBusArgument>
#include <QMetaType>
#include <QString>

// One entry of logind's ListInhibitors, a(ssssuu).
struct LogindInhibitorRecord {
    QString what;
    QString who;
    QString why;
    QString mode;
    uint uid = 0;
    uint pid = 0;
};
Q_DECLARE_METATYPE(LogindInhibitorRecord)

inline QDBusArgument &operator<<(QDBusArgument &argument, const LogindInhibitorRecord &record)
{
    argument.beginStructure();
    argument << record.what << record.who << record.why << record.mode << record.uid << record.pid;
    argument.endStructure();
    return argument;
}

inline const QDBusArgument &operator>>(const QDBusArgument &argument, LogindInhibitorRecord &record)
{
    argument.beginStructure();
    argument >> record.what >> record.who >> record.why >> record.mode >> record.uid >> record.pid;
    argument.endStructure();
    return argument;
}
