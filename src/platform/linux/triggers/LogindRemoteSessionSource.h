#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>
#include <QMap>
#include <QSet>

namespace DBusFollow {
class SignalRelay;
}

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
    // The latest read of each session known; an answer to an older one, or to a read of a
    // session removed since, is dropped, so it cannot undo what a later signal said.
    QMap<QString, quint64> m_reads;
    quint64 m_readCount = 0;
    // A listing under way (it counts for the service owner it was sent to), and the sessions
    // removed since it was sent, which it may still name.
    bool m_listing = false;
    quint64 m_owners = 0;
    QSet<QString> m_removedWhileListing;
    QMap<QString, RemoteSession> m_sessions;
};
