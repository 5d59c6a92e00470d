#include "DBusFollow.h"

#include <QDBusArgument>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace DBusFollow {

namespace {

const QString propertiesInterface = u"org.freedesktop.DBus.Properties"_s;

} // namespace

void call(const QDBusConnection &bus, const QDBusMessage &message, QObject *context, ReplyHandler done)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, callTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, done = std::move(done)] {
                         watcher->deleteLater();
                         done(watcher->reply());
                     });
}

QDBusMessage propertyGet(const QString &service, const QString &path, const QString &interface,
                         const QString &property)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, propertiesInterface, u"Get"_s);
    message.setArguments({interface, property});
    return message;
}

QDBusMessage propertyGetAll(const QString &service, const QString &path, const QString &interface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, propertiesInterface, u"GetAll"_s);
    message.setArguments({interface});
    return message;
}

std::optional<QVariant> gotProperty(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

std::optional<QVariantMap> gotProperties(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return qdbus_cast<QVariantMap>(reply.arguments().constFirst());
}

PropertiesChange propertiesChange(const QDBusMessage &signal)
{
    const QVariantList args = signal.arguments();
    if (args.size() < 3)
        return {};
    return {args.at(0).toString(), qdbus_cast<QVariantMap>(args.at(1)), qdbus_cast<QStringList>(args.at(2))};
}

void Roster::reset()
{
    m_reads.clear();
    m_removedWhileListing.clear();
    m_listing = 0;
}

quint64 Roster::listingSent()
{
    m_removedWhileListing.clear();
    m_listing = ++m_tickets;
    return m_listing;
}

bool Roster::listingAnswered(quint64 ticket)
{
    if (ticket != m_listing)
        return false;
    m_listing = 0;
    return true;
}

bool Roster::takesListed(const QString &id) const
{
    return !m_reads.contains(id) && !m_removedWhileListing.contains(id);
}

quint64 Roster::readSent(const QString &id)
{
    const quint64 ticket = ++m_tickets;
    m_reads.insert(id, ticket);
    return ticket;
}

bool Roster::readCounts(const QString &id, quint64 ticket) const
{
    return m_reads.value(id) == ticket;
}

void Roster::removed(const QString &id)
{
    m_reads.remove(id);
    if (m_listing)
        m_removedWhileListing.insert(id);
}

SignalRelay::SignalRelay(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

SignalRelay::~SignalRelay()
{
    dropAll();
}

void SignalRelay::dropAll()
{
    for (const Match &match : std::as_const(m_matches))
        disconnectMatch(match);
    m_matches.clear();
}

bool SignalRelay::follow(const QString &service, const QString &path, const QString &interface,
                         const QString &name, Handler handler, const QString &arg0)
{
    const QStringList argumentMatch = arg0.isEmpty() ? QStringList() : QStringList{arg0};
    if (!m_bus.connect(service, path, interface, name, argumentMatch, QString(), this,
                       SLOT(deliver(QDBusMessage))))
        return false;
    m_matches.append({service, path, interface, name, arg0, std::move(handler)});
    return true;
}

void SignalRelay::unfollowPath(const QString &path)
{
    for (qsizetype i = m_matches.size() - 1; i >= 0; --i) {
        if (m_matches.at(i).path == path) {
            disconnectMatch(m_matches.at(i));
            m_matches.removeAt(i);
        }
    }
}

void SignalRelay::disconnectMatch(const Match &match)
{
    const QStringList argumentMatch = match.arg0.isEmpty() ? QStringList() : QStringList{match.arg0};
    m_bus.disconnect(match.service, match.path, match.interface, match.name, argumentMatch, QString(), this,
                     SLOT(deliver(QDBusMessage)));
}

void SignalRelay::deliver(const QDBusMessage &signal)
{
    // A handler may unfollow, or end the following altogether: what it dropped is not called.
    const QList<Match> matches = m_matches;
    for (const Match &match : matches) {
        const bool stillFollowed = std::any_of(m_matches.cbegin(), m_matches.cend(), [&](const Match &m) {
            return m.path == match.path && m.interface == match.interface && m.name == match.name &&
                   m.arg0 == match.arg0 && m.service == match.service;
        });
        if (!stillFollowed)
            continue;
        if (match.interface != signal.interface() || match.name != signal.member())
            continue;
        if (!match.path.isEmpty() && match.path != signal.path())
            continue;
        if (!match.arg0.isEmpty() && signal.arguments().value(0).toString() != match.arg0)
            continue;
        match.handler(signal);
    }
}

} // namespace DBusFollow
