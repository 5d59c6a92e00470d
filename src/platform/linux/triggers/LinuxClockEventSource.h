#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>

class QFileSystemWatcher;
class QSocketNotifier;
namespace DBusFollow {
class SignalRelay;
}

// Moments the wall clock may have jumped, each reported by changed():
// - the resume from sleep (logind's PrepareForSleep(false));
// - the clock set: a CLOCK_REALTIME timerfd armed far ahead with TFD_TIMER_CANCEL_ON_SET fails
//   its read with ECANCELED when that happens;
// - the time zone changed: timedated's PropertiesChanged of Timezone, and, for changes made by
//   other means, the directory holding the localtime link watched through inotify.
// Nothing is armed or watched while not following.
class LinuxClockEventSource final : public ClockEventSource {
    Q_OBJECT
public:
    explicit LinuxClockEventSource(QDBusConnection systemBus, QString localtimePath = QStringLiteral("/etc/localtime"),
                                   QObject *parent = nullptr);
    ~LinuxClockEventSource() override;

    void setFollowing(bool on) override;
    bool clockSetWatched() const { return m_timerFd >= 0; }

private:
    void armClockTimer();
    void clockTimerReadable();
    void closeClockTimer();
    void localtimeDirectoryChanged();
    QString localtimeIdentity() const;

    QDBusConnection m_bus;
    QString m_localtimePath;
    QObject *m_period = nullptr;
    DBusFollow::SignalRelay *m_relay = nullptr;
    int m_timerFd = -1;
    QSocketNotifier *m_timerNotifier = nullptr;
    QFileSystemWatcher *m_zoneWatcher = nullptr;
    QString m_localtime; // the link's target and time stamp last seen
};
