#include "LogindRemoteSessionSource.h"

#include "DBusFollow.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>

#include <unistd.h>

#include <utility>

using namespace Qt::StringLiterals;
using namespace DBusFollow;

namespace {

const QString service = u"org.freedesktop.login1"_s;
const QString managerPath = u"/org/freedesktop/login1"_s;
const QString managerInterface = u"org.freedesktop.login1.Manager"_s;
const QString sessionInterface = u"org.freedesktop.login1.Session"_s;
// Nobody has thousands of sessions open; a listing longer than this is read no further.
constexpr qsizetype maxSessions = 256;

// The uid of a session's User property, a (uo) struct.
std::optional<uint> userId(const QVariant &user)
{
    if (!user.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = user.value<QDBusArgument>();
    if (argument.currentSignature() != u"(uo)"_s)
        return std::nullopt;
    uint uid = 0;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> uid >> path;
    argument.endStructure();
    return uid;
}

} // namespace

LogindRemoteSessionSource::LogindRemoteSessionSource(QDBusConnection systemBus, QObject *parent)
    : RemoteSessionSource(parent)
    , m_bus(std::move(systemBus))
{
}

LogindRemoteSessionSource::~LogindRemoteSessionSource() = default;

void LogindRemoteSessionSource::setFollowing(bool on)
{
    if (on == (m_period != nullptr))
        return;
    if (!on) {
        m_relay->dropAll();
        m_period->deleteLater();
        m_period = nullptr;
        m_relay = nullptr;
        m_sessions.clear();
        m_roster.reset();
        return;
    }
    if (!m_bus.isConnected())
        return;
    m_period = new QObject(this);
    m_relay = new SignalRelay(m_bus, m_period);
    auto *watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, m_period);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, m_period,
            [this, period = m_period](const QString &, const QString &, const QString &owner) {
                if (period != m_period)
                    return; // let go, waiting for deletion
                const bool had = !m_sessions.isEmpty();
                m_sessions.clear();
                m_roster.reset();
                if (had)
                    emit changed();
                if (!owner.isEmpty())
                    listSessions();
            });
    m_relay->follow(service, managerPath, managerInterface, u"SessionNew"_s, [this](const QDBusMessage &signal) {
        const QVariantList args = signal.arguments();
        if (args.size() == 2)
            readSession(args.at(0).toString(), args.at(1).value<QDBusObjectPath>().path());
    });
    m_relay->follow(service, managerPath, managerInterface, u"SessionRemoved"_s,
                    [this](const QDBusMessage &signal) { forget(signal.arguments().value(0).toString()); });
    listSessions();
}

void LogindRemoteSessionSource::listSessions()
{
    QObject *period = m_period;
    const quint64 ticket = m_roster.listingSent();
    call(m_bus, QDBusMessage::createMethodCall(service, managerPath, managerInterface, u"ListSessions"_s), period,
         [this, period, ticket](const QDBusMessage &reply) {
             if (period != m_period || !m_roster.listingAnswered(ticket))
                 return;
             if (reply.type() != QDBusMessage::ReplyMessage)
                 return;
             const QDBusArgument listing = reply.arguments().value(0).value<QDBusArgument>();
             if (listing.currentSignature() != u"a(susso)"_s)
                 return;
             listing.beginArray();
             for (qsizetype count = 0; !listing.atEnd() && count < maxSessions; ++count) {
                 QString id, user, seat;
                 uint uid = 0;
                 QDBusObjectPath path;
                 listing.beginStructure();
                 listing >> id >> uid >> user >> seat >> path;
                 listing.endStructure();
                 if (m_roster.takesListed(id))
                     readSession(id, path.path());
             }
             listing.endArray();
         });
}

void LogindRemoteSessionSource::readSession(const QString &id, const QString &path)
{
    if (id.isEmpty() || path.isEmpty())
        return;
    QObject *period = m_period;
    const quint64 ticket = m_roster.readSent(id);
    call(m_bus, propertyGetAll(service, path, sessionInterface), period,
         [this, period, ticket, id](const QDBusMessage &reply) {
             if (period != m_period || !m_roster.readCounts(id, ticket))
                 return;
             // A session gone before it could be read was never there for us.
             const std::optional<QVariantMap> properties = gotProperties(reply);
             if (!properties || !properties->value(u"Remote"_s).toBool() ||
                 properties->value(u"State"_s).toString() == u"closing"_s)
                 return;
             const std::optional<uint> uid = userId(properties->value(u"User"_s));
             const RemoteSession session{id, properties->value(u"Name"_s).toString(),
                                         properties->value(u"RemoteHost"_s).toString(),
                                         properties->value(u"Service"_s).toString(), uid && *uid == ::getuid()};
             if (m_sessions.value(id) == session && m_sessions.contains(id))
                 return;
             m_sessions.insert(id, session);
             emit changed();
         });
}

void LogindRemoteSessionSource::forget(const QString &id)
{
    // A read still under way cannot bring it back.
    m_roster.removed(id);
    if (m_sessions.remove(id))
        emit changed();
}
