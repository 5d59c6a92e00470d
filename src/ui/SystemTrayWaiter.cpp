#include "SystemTrayWaiter.h"

SystemTrayWaiter::SystemTrayWaiter(std::function<bool()> isAvailable, std::chrono::milliseconds interval,
                                   std::chrono::milliseconds patience, std::chrono::milliseconds lateInterval,
                                   QObject *parent)
    : QObject(parent)
    , m_isAvailable(std::move(isAvailable))
    , m_interval(interval)
    , m_patience(patience)
    , m_lateInterval(lateInterval)
{
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SystemTrayWaiter::check);
}

void SystemTrayWaiter::start()
{
    if (isWaiting())
        return;
    m_attempts = 0;
    m_gaveUp = false;
    m_waiting = true;
    m_timer.start(m_interval);
}

void SystemTrayWaiter::checkNow()
{
    if (!isWaiting() || !m_isAvailable())
        return;
    m_timer.stop();
    m_waiting = false;
    emit available();
}

void SystemTrayWaiter::check()
{
    ++m_attempts;
    if (m_isAvailable()) {
        m_timer.stop();
        m_waiting = false;
        emit available();
        return;
    }
    // Counted in attempts rather than read from a clock: a suspended machine does not use up patience.
    if (!m_gaveUp && m_attempts * m_interval >= m_patience) {
        m_gaveUp = true;
        if (m_lateInterval.count() > 0)
            m_timer.start(m_lateInterval);
        else
            m_timer.stop();
        emit gaveUp();
    }
}
