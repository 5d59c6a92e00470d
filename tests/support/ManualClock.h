#pragma once

#include "utilities/Clock.h"

// A clock that only moves when the test says so.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 3, 10), QTime(12, 0), QTimeZone::utc()),
                         QTimeZone zone = QTimeZone::utc())
        : m_now(std::move(start))
        , m_zone(std::move(zone))
    {
    }

    QDateTime now() const override { return m_now; }
    QTimeZone timeZone() const override { return m_zone; }

    void set(const QDateTime &now) { m_now = now; }
    void advance(double seconds) { m_now = m_now.addMSecs(static_cast<qint64>(seconds * 1000)); }
    void setTimeZone(const QTimeZone &zone) { m_zone = zone; }

private:
    QDateTime m_now;
    QTimeZone m_zone;
};
