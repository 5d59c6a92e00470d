#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

// Small pieces shared by the trigger sources that read D-Bus services.
namespace DBusFollow {

// Async calls answer within this, so a hung service leaves a source "unknown" rather than
// waiting out D-Bus's default of 25 s.
constexpr int callTimeoutMs = 5000;

using ReplyHandler = std::function<void(const QDBusMessage &reply)>;

// Sends message without blocking; done runs with the reply (or the error) unless context has
// gone first, which is how a source drops the answers to a period of following it ended.
void call(const QDBusConnection &bus, const QDBusMessage &message, QObject *context, ReplyHandler done);

// org.freedesktop.DBus.Properties.Get / GetAll as messages.
QDBusMessage propertyGet(const QString &service, const QString &path, const QString &interface,
                         const QString &property);
QDBusMessage propertyGetAll(const QString &service, const QString &path, const QString &interface);

// The value of a Get reply; nullopt for an error.
std::optional<QVariant> gotProperty(const QDBusMessage &reply);
// The map of a GetAll reply; nullopt for an error.
std::optional<QVariantMap> gotProperties(const QDBusMessage &reply);

// A PropertiesChanged signal: the interface, the changed values and the names invalidated.
struct PropertiesChange {
    QString interface;
    QVariantMap changed;
    QStringList invalidated;

    bool touches(const QString &property) const
    {
        return changed.contains(property) || invalidated.contains(property);
    }
};
PropertiesChange propertiesChange(const QDBusMessage &signal);

// The objects a manager lists at once and then announces one by one (…New, …Removed), each read
// on its own: which answers still count, so that a late one cannot undo what a later signal said.
// A listing counts unless reset() came after it; it gives no object announced (being read) or
// removed while it was under way. A read counts while it is the latest of its object and the
// object has not been removed since.
class Roster {
public:
    // Nothing sent so far counts any more (the service went or came anew, or following ended).
    void reset();
    // A listing is sent: its ticket.
    quint64 listingSent();
    // Its answer is in; false when it no longer counts. Then takesListed() for each object it names.
    bool listingAnswered(quint64 ticket);
    bool takesListed(const QString &id) const;
    // A read of one object is sent: its ticket.
    quint64 readSent(const QString &id);
    bool readCounts(const QString &id, quint64 ticket) const;
    void removed(const QString &id);

private:
    QMap<QString, quint64> m_reads;
    quint64 m_tickets = 0;
    quint64 m_listing = 0; // the listing under way, 0 for none
    QSet<QString> m_removedWhileListing;
};

// The bus signals a source follows while it follows anything; every match is dropped with
// dropAll() or when the relay goes, and from then on nothing reaches a handler.
class SignalRelay : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QDBusMessage &signal)>;

    SignalRelay(QDBusConnection bus, QObject *parent = nullptr);
    ~SignalRelay() override;

    // Follows one signal; path may be empty for any object. arg0 (when not empty) filters on the
    // first argument in the bus daemon, so unrelated signals never reach the process.
    bool follow(const QString &service, const QString &path, const QString &interface, const QString &name,
                Handler handler, const QString &arg0 = {});
    // Stops following the signals of one object path.
    void unfollowPath(const QString &path);
    // Stops following everything; safe from within a handler.
    void dropAll();

private slots:
    void deliver(const QDBusMessage &signal);

private:
    struct Match {
        QString service;
        QString path;
        QString interface;
        QString name;
        QString arg0;
        Handler handler;
    };
    void disconnectMatch(const Match &match);

    QDBusConnection m_bus;
    QList<Match> m_matches;
};

} // namespace DBusFollow
