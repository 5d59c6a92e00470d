#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

// Whether a StatusNotifier host (the tray of GNOME's AppIndicator extension, KDE's, and others')
// is on the session bus, learnt from the bus rather than by asking again and again: the watcher
// service appearing or going, and its signal when a host registers.
class StatusNotifierHostWatch final : public QObject {
    Q_OBJECT
public:
    explicit StatusNotifierHostWatch(const QDBusConnection &connection, QObject *parent = nullptr);

    // Whether the first answer has come; until then hostRegistered() is false.
    bool isKnown() const { return m_known; }
    bool hostRegistered() const { return m_hostRegistered; }

signals:
    // After the first answer, and whenever the answer changes.
    void changed();

private:
    void ask();
    void setHostRegistered(bool registered);
    Q_SLOT void hostRegisteredSignal();

    QDBusConnection m_connection;
    QDBusServiceWatcher *m_serviceWatcher = nullptr;
    bool m_known = false;
    bool m_hostRegistered = false;
    // Answers to questions asked before the last change of owner are stale.
    int m_generation = 0;
};
