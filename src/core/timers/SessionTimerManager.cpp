#include "SessionTimerManager.h"

#include "power/AssertionManager.h"
#include "utilities/Clock.h"
#include "utilities/DateMath.h"

#include <cmath>

SessionTimerManager::SessionTimerManager(AssertionManager *manager, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_manager(manager)
    , m_clock(clock)
{
}

void SessionTimerManager::start()
{
    if (m_timer)
        return;
    m_timer = new QTimer(this);
    // A coarse timer may fire up to 5 % of the interval late, which lets the system coalesce
    // wake-ups the way a 0.2 s tolerance would.
    m_timer->setTimerType(Qt::CoarseTimer);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] {
        tick(m_clock.now());
        if (m_timer && (!m_manager || m_manager->reasons().isEmpty()))
            m_timer->stop();
    });
    if (m_manager) {
        connect(m_manager, &AssertionManager::reasonsChanged, m_timer, [this] {
            if (!m_timer->isActive() && m_manager && !m_manager->reasons().isEmpty())
                m_timer->start();
        });
    }
    m_timer->start();
}

void SessionTimerManager::stop()
{
    delete m_timer;
    m_timer = nullptr;
}

void SessionTimerManager::tick(const QDateTime &now)
{
    if (!m_manager)
        return;
    QList<AwakeReason> expired;
    for (const AwakeReason &reason : m_manager->reasons()) {
        const bool deadline = reason.type == ReasonType::Timed || reason.type == ReasonType::UntilTime;
        if (deadline && reason.endsAt && *reason.endsAt <= now)
            expired.append(reason);
    }
    for (const AwakeReason &reason : expired) {
        if (!m_manager)
            return;
        m_manager->removeReason(reason.id);
        if (onExpire)
            onExpire(reason);
    }
    if (onTick)
        onTick();
}

double SessionTimerManager::duration(const QDateTime &until, const QDateTime &now)
{
    const double seconds = DateMath::secondsBetween(now, until);
    return std::isnan(seconds) || seconds < 0 ? 0.0 : seconds;
}

QDateTime SessionTimerManager::nextOccurrence(int hour, int minute, const QDateTime &now,
                                              const QTimeZone &calendar)
{
    const QDate day = now.toTimeZone(calendar).date();
    const QTime time(hour, minute, 0);
    if (!day.isValid() || !time.isValid())
        return now;
    const QDateTime today = DateMath::wallClock(day, time, calendar);
    if (!today.isValid())
        return now;
    if (today > now)
        return today;
    const QDateTime tomorrow = DateMath::wallClock(day.addDays(1), time, calendar);
    return tomorrow.isValid() ? tomorrow : today;
}
