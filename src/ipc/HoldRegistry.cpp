#include "HoldRegistry.h"

#include "power/AssertionManager.h"
#include "utilities/Clock.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

using namespace Qt::StringLiterals;

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

std::optional<QUuid> HoldRegistry::hold(const QString &owner, const QString &label, AwakeMode mode)
{
    const auto existing = m_holds.constFind(owner);
    const bool known = existing != m_holds.cend();
    if (m_owners.size() >= maximumTotal || (known && existing->size() >= maximumPerOwner))
        return std::nullopt;
    const QUuid id = QUuid::createUuid();
    m_owners.insert(id, owner);
    m_holds[owner].insert(id);
    if (!known) {
        m_watcher.addWatchedService(owner);
        ask(owner);
    }
    m_assertions.addReason({id, ReasonType::Command, label, m_clock.now(), std::nullopt, mode});
    return id;
}

// Asks the bus for the owner's process, for recognising its own locks among the system's. The
// answer also covers the gap before the watch was in place: the bus answers in order, so an owner
// that left before then is reported as having no owner, and its farewell is not needed.
void HoldRegistry::ask(const QString &owner)
{
    QDBusMessage request =
        QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                                       u"org.freedesktop.DBus"_s, u"GetConnectionUnixProcessID"_s);
    request << owner;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, owner, watcher] {
        watcher->deleteLater();
        if (!m_holds.contains(owner))
            return;
        const QDBusPendingReply<uint> reply = *watcher;
        if (!reply.isError())
            m_pids.insert(owner, reply.value());
        else if (reply.error().name() == u"org.freedesktop.DBus.Error.NameHasNoOwner"_s)
            ownerLeft(owner);
    });
}

bool HoldRegistry::release(const QString &owner, const QUuid &id)
{
    const auto it = m_owners.constFind(id);
    if (it == m_owners.cend() || *it != owner)
        return false;
    forget(id);
    m_assertions.removeReason(id);
    return true;
}

QList<QUuid> HoldRegistry::takeStopped()
{
    QList<QUuid> stopped;
    if (m_owners.isEmpty())
        return stopped;
    // One pass over each list: the holds may number a thousand, the reasons as many.
    QSet<QUuid> present;
    const QList<AwakeReason> &reasons = m_assertions.reasons();
    present.reserve(reasons.size());
    for (const AwakeReason &reason : reasons) {
        if (reason.type == ReasonType::Command)
            present.insert(reason.id);
    }
    for (auto it = m_owners.cbegin(); it != m_owners.cend(); ++it) {
        if (!present.contains(it.key()))
            stopped << it.key();
    }
    for (const QUuid &id : stopped)
        forget(id);
    return stopped;
}

QSet<uint> HoldRegistry::ownerPids() const
{
    QSet<uint> pids;
    for (const uint pid : m_pids)
        pids.insert(pid);
    return pids;
}

void HoldRegistry::forget(const QUuid &id)
{
    const QString owner = m_owners.take(id);
    const auto it = m_holds.find(owner);
    if (it == m_holds.end())
        return;
    it->remove(id);
    if (it->isEmpty()) {
        m_holds.erase(it);
        m_pids.remove(owner);
        m_watcher.removeWatchedService(owner);
    }
}

void HoldRegistry::ownerLeft(const QString &owner)
{
    const QSet<QUuid> ids = m_holds.take(owner);
    if (ids.isEmpty())
        return;
    m_pids.remove(owner);
    m_watcher.removeWatchedService(owner);
    for (const QUuid &id : ids)
        m_owners.remove(id);
    for (const QUuid &id : ids)
        m_assertions.removeReason(id);
}
