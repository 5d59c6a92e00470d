#pragma once

#include "power/AwakeReason.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimeZone>
#include <QTimer>

#include <functional>

class AssertionManager;
class Clock;

// The one-second heartbeat: removes timed and until-time reasons whose end has come, reports each,
// then reports the tick. Expiry is never early and at most about 1.2 s late. After a tick that
// leaves no reason at all there is nothing to expire, to guard or to count down, so the timer
// rests until a reason is added again: an idle computer is not woken every second.
class SessionTimerManager final : public QObject {
    Q_OBJECT
public:
    SessionTimerManager(AssertionManager *manager, const Clock &clock, QObject *parent = nullptr);

    std::function<void()> onTick;
    std::function<void(const AwakeReason &)> onExpire;

    void start();
    void stop();
    // Between start() and stop(), resting or not.
    bool isRunning() const { return m_timer != nullptr; }
    bool isTicking() const { return m_timer && m_timer->isActive(); }
    void tick(const QDateTime &now);

    // Seconds from now to until, never negative.
    static double duration(const QDateTime &until, const QDateTime &now);
    // The next instant, from today on, whose wall-clock time in the zone is hour:minute.
    static QDateTime nextOccurrence(int hour, int minute, const QDateTime &now, const QTimeZone &calendar);

private:
    QPointer<AssertionManager> m_manager;
    const Clock &m_clock;
    QTimer *m_timer = nullptr;
};
