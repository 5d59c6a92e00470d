#pragma once

#include "power/AwakeReason.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUuid>

#include <optional>

class AssertionManager;
class Clock;

// Reasons held for clients of the session bus (a terminal's `vigila run`). Each hold ends with
// its owner: on release(), or when the owner's connection leaves the bus (exit, crash, SIGKILL),
// so a dead client never keeps the computer awake. The user may also stop one from the menu.
//
// Holds are bounded per owner and in total, so a runaway or hostile client cannot grow the list
// of reasons (and the menu) without end. Nothing here waits for the bus.
class HoldRegistry final : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype maximumPerOwner = 64;
    static constexpr qsizetype maximumTotal = 1024;

    // Watches owners on the given connection. The manager and the clock must outlive the registry.
    HoldRegistry(AssertionManager &assertions, const Clock &clock, const QDBusConnection &connection,
                 QObject *parent = nullptr);
    ~HoldRegistry() override;

    // Adds a command reason for owner (a unique bus name) and returns its id; nothing when the
    // owner, or everyone together, already holds as many as allowed.
    std::optional<QUuid> hold(const QString &owner, const QString &label, AwakeMode mode);
    // Ends a hold of this owner; false when owner holds none with this id.
    bool release(const QString &owner, const QUuid &id);
    // Holds whose reason was removed by someone else since the last call; they are forgotten.
    QList<QUuid> takeStopped();

    qsizetype count() const { return m_owners.size(); }
    qsizetype countOf(const QString &owner) const { return m_holds.value(owner).size(); }
    // The unique bus names holding anything now.
    QList<QString> owners() const { return m_holds.keys(); }
    // Their process ids, as far as the bus has told them yet.
    QSet<uint> ownerPids() const;

private:
    void ask(const QString &owner);
    void forget(const QUuid &id);
    void ownerLeft(const QString &owner);

    AssertionManager &m_assertions;
    const Clock &m_clock;
    QDBusConnection m_connection;
    QDBusServiceWatcher m_watcher;
    QHash<QUuid, QString> m_owners;      // hold id → unique bus name of its owner
    QHash<QString, QSet<QUuid>> m_holds; // owner → its holds; an owner is here while it holds one
    QHash<QString, uint> m_pids;         // owner → its process, once the bus answered
};
