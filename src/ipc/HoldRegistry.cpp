#include "HoldRegistry.h"

#include "power/AssertionManager.h"
#include "utilities/Clock.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>

#include <algorithm>

HoldRegistry::HoldRegistry(AssertionManager &assertions, const Clock &clock,
                           const QDBusConnection &connection, QObject *parent)
    : QObject(parent)
    , m_assertions(assertions)
    , m_clock(clock)
    , m_connection(connection)
{
    m_watcher.setConnection(connection);
    m_watcher.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &HoldRegistry::ownerLeft);
}

// The reasons stay: at exit the lock is released with everything else.
HoldRegistry::~HoldRegistry() = default;

QUuid HoldRegistry::hold(const QString &owner, const QString &label, AwakeMode mode)
{
    const QUuid id = QUuid::createUuid();
    if (!m_owners.values().contains(owner))
        m_watcher.addWatchedService(owner);
    m_owners.insert(id, owner);
    m_assertions.addReason({id, ReasonType::Command, label, m_clock.now(), std::nullopt, mode});
    // An owner that left before the watch was in place sent its farewell unheard. The bus answers
    // in order, so asking now covers that gap.
    const QDBusReply<bool> present = m_connection.interface()->isServiceRegistered(owner);
    if (present.isValid() && !present.value())
        ownerLeft(owner);
    return id;
}

bool HoldRegistry::release(const QString &owner, const QUuid &id)
{
    if (!m_owners.contains(id) || m_owners.value(id) != owner)
        return false;
    forget(id);
    m_assertions.removeReason(id);
    return true;
}

QList<QUuid> HoldRegistry::takeStopped()
{
    QList<QUuid> stopped;
    const QList<AwakeReason> &reasons = m_assertions.reasons();
    for (auto it = m_owners.cbegin(); it != m_owners.cend(); ++it) {
        const QUuid id = it.key();
        if (std::none_of(reasons.cbegin(), reasons.cend(), [&](const AwakeReason &r) { return r.id == id; }))
            stopped << id;
    }
    for (const QUuid &id : stopped)
        forget(id);
    return stopped;
}

void HoldRegistry::forget(const QUuid &id)
{
    const QString owner = m_owners.take(id);
    if (!m_owners.values().contains(owner))
        m_watcher.removeWatchedService(owner);
}

void HoldRegistry::ownerLeft(const QString &owner)
{
    const QList<QUuid> ids = m_owners.keys(owner);
    for (const QUuid &id : ids)
        forget(id);
    for (const QUuid &id : ids)
        m_assertions.removeReason(id);
}
