#include "LinuxClockEventSource.h"

#include "DBusFollow.h"
#include "utilities/Log.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace DBusFollow;

namespace {

// How far ahead the clock-set timer is armed: it is there to be cancelled, not to fire.
constexpr time_t armAheadSeconds = time_t(50) * 365 * 24 * 3600;

} // namespace

LinuxClockEventSource::LinuxClockEventSource(QDBusConnection systemBus, QString localtimePath, QObject *parent)
    : ClockEventSource(parent)
    , m_bus(std::move(systemBus))
    , m_localtimePath(std::move(localtimePath))
{
}

LinuxClockEventSource::~LinuxClockEventSource()
{
    closeClockTimer();
}

void LinuxClockEventSource::setFollowing(bool on)
{
    if (on == (m_period != nullptr))
        return;
    if (!on) {
        closeClockTimer();
        m_relay->dropAll();
        m_period->deleteLater();
        m_period = nullptr;
        m_relay = nullptr;
        m_zoneWatcher = nullptr; // a child of the period
        return;
    }
    m_period = new QObject(this);
    m_relay = new SignalRelay(m_bus, m_period);
    if (m_bus.isConnected()) {
        m_relay->follow(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                        u"org.freedesktop.login1.Manager"_s, u"PrepareForSleep"_s,
                        [this](const QDBusMessage &signal) {
                            if (!signal.arguments().value(0).toBool())
                                emit changed();
                        });
        // timedated runs on demand and sends this for the changes made through it.
        m_relay->follow(u"org.freedesktop.timedate1"_s, u"/org/freedesktop/timedate1"_s,
                        u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s,
                        [this](const QDBusMessage &signal) {
                            if (propertiesChange(signal).touches(u"Timezone"_s))
                                emit changed();
                        },
                        u"org.freedesktop.timedate1"_s);
    }
    armClockTimer();
    // The localtime link is replaced, not written: only its directory sees that.
    const QString directory = QFileInfo(m_localtimePath).absolutePath();
    m_zoneWatcher = new QFileSystemWatcher(m_period);
    if (m_zoneWatcher->addPath(directory)) {
        m_localtime = localtimeIdentity();
        connect(m_zoneWatcher, &QFileSystemWatcher::directoryChanged, this,
                &LinuxClockEventSource::localtimeDirectoryChanged);
    }
}

QString LinuxClockEventSource::localtimeIdentity() const
{
    const QFileInfo link(m_localtimePath);
    if (!link.exists() && !link.isSymLink())
        return {};
    return link.symLinkTarget() + u'|' +
           QString::number(link.lastModified().toMSecsSinceEpoch()) + u'|' +
           QString::number(link.size());
}

void LinuxClockEventSource::localtimeDirectoryChanged()
{
    // The directory (/etc) changes for many reasons; the time zone only when the link does.
    const QString now = localtimeIdentity();
    if (!m_period || now == m_localtime)
        return;
    m_localtime = now;
    emit changed();
}

void LinuxClockEventSource::armClockTimer()
{
    if (m_timerFd < 0) {
        m_timerFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_timerFd < 0) {
            Log::warning(u"A set of the clock cannot be noticed (timerfd: %1)."_s.arg(qt_error_string(errno)));
            return;
        }
    }
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec arm{};
    arm.it_value.tv_sec = now.tv_sec + armAheadSeconds;
    if (::timerfd_settime(m_timerFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &arm, nullptr) < 0) {
        Log::warning(u"A set of the clock cannot be noticed (timerfd: %1)."_s.arg(qt_error_string(errno)));
        closeClockTimer();
        return;
    }
    if (!m_timerNotifier) {
        m_timerNotifier = new QSocketNotifier(m_timerFd, QSocketNotifier::Read, this);
        connect(m_timerNotifier, &QSocketNotifier::activated, this, &LinuxClockEventSource::clockTimerReadable);
    }
}

void LinuxClockEventSource::clockTimerReadable()
{
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(m_timerFd, &expirations, sizeof expirations);
    if (n < 0 && errno == EAGAIN)
        return;
    // ECANCELED: the clock was set. Expired (decades later) or cancelled, it is armed again.
    const bool clockSet = n < 0 && errno == ECANCELED;
    armClockTimer();
    if (clockSet)
        emit changed();
}

void LinuxClockEventSource::closeClockTimer()
{
    // Possibly called from a slot of its own activation (changed() may end the following).
    if (m_timerNotifier) {
        m_timerNotifier->setEnabled(false);
        m_timerNotifier->deleteLater();
    }
    m_timerNotifier = nullptr;
    if (m_timerFd >= 0)
        ::close(m_timerFd);
    m_timerFd = -1;
}
