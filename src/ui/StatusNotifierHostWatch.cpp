#include "StatusNotifierHostWatch.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

const QString watcherService = u"org.kde.StatusNotifierWatcher"_s;
const QString watcherPath = u"/StatusNotifierWatcher"_s;

} // namespace

StatusNotifierHostWatch::StatusNotifierHostWatch(const QDBusConnection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_serviceWatcher(
          new QDBusServiceWatcher(watcherService, connection, QDBusServiceWatcher::WatchForOwnerChange, this))
{
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                ++m_generation;
                if (newOwner.isEmpty())
                    setHostRegistered(false);
                else
                    ask();
            });
    // A watcher that starts without a host announces the host when it comes.
    m_connection.connect(watcherService, watcherPath, watcherService, u"StatusNotifierHostRegistered"_s, this,
                         SLOT(hostRegisteredSignal()));
    ask();
}

void StatusNotifierHostWatch::ask()
{
    // Asking a watcher that is not there fails, which is the answer "no host".
    QDBusMessage get = QDBusMessage::createMethodCall(watcherService, watcherPath,
                                                      u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << watcherService << u"IsStatusNotifierHostRegistered"_s;
    auto *call = new QDBusPendingCallWatcher(m_connection.asyncCall(get, 5000), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, generation = m_generation] {
        call->deleteLater();
        if (generation != m_generation)
            return;
        const QDBusPendingReply<QDBusVariant> reply = *call;
        setHostRegistered(!reply.isError() && reply.value().variant().toBool());
    });
}

void StatusNotifierHostWatch::hostRegisteredSignal()
{
    setHostRegistered(true);
}

void StatusNotifierHostWatch::setHostRegistered(bool registered)
{
    const bool first = !m_known;
    m_known = true;
    if (!first && registered == m_hostRegistered)
        return;
    m_hostRegistered = registered;
    emit changed();
}
