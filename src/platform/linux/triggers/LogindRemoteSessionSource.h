#pragma once

#include "DBusFollow.h"
#include "triggers/TriggerSources.h"

#include <QDBusConnection>
#include <QMap>

// The login sessions that came in over the network, as logind lists them: ListSessions when
// following starts (or logind appears), then SessionNew / SessionRemoved. A session counts while
// its Remote property is true and it is not closing.
class LogindRemoteSessionSource final : public RemoteSessionSource {
    Q_OBJECT
public:
    explicit LogindRemoteSessionSource(QDBusConnection systemBus, QObject *parent = nullptr);
    ~LogindRemoteSessionSource() override;

    void setFollowing(bool on) override;
    QList<RemoteSession> remoteSessions() const override { return m_sessions.values(); }

private:
    void listSessions();
    void readSession(const QString &id, const QString &path);
    void forget(const QString &id);

    QDBusConnection m_bus;
    QObject *m_period = nullptr;
    DBusFollow::SignalRelay *m_relay = nullptr;
    DBusFollow::Roster m_roster;
    QMap<QString, RemoteSession> m_sessions;
};
