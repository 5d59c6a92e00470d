#pragma once

#include "power/AwakeReason.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

class AssertionManager;
class Clock;

// Reasons held for clients of the session bus (a terminal's `vigila run`). Each hold ends with
// its owner: on release(), or when the owner's connection leaves the bus (exit, crash, SIGKILL),
// so a dead client never keeps the computer awake. The user may also stop one from the menu.
class HoldRegistry final : public QObject {
    Q_OBJECT
public:
    // Watches owners on the given connection. The manager and the clock must outlive the registry.
    HoldRegistry(AssertionManager &assertions, const Clock &clock, const QDBusConnection &connection,
                 QObject *parent = nullptr);
    ~HoldRegistry() override;

    // Adds a command reason for owner (a unique bus name) and returns its id.
    QUuid hold(const QString &owner, const QString &label, AwakeMode mode);
    // Ends a hold of this owner; false when owner holds none with this id.
    bool release(const QString &owner, const QUuid &id);
    // Holds whose reason was removed by someone else since the last call; they are forgotten.
    QList<QUuid> takeStopped();

private:
    void forget(const QUuid &id);
    void ownerLeft(const QString &owner);

    AssertionManager &m_assertions;
    const Clock &m_clock;
    QDBusConnection m_connection;
    QDBusServiceWatcher m_watcher;
    QHash<QUuid, QString> m_owners; // hold id → unique bus name of its owner
};
