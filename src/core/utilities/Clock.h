#pragma once

#include <QDateTime>
#include <QTimeZone>

// The source of "now" and of the user's calendar (its time zone). Services take one in their
// constructor so tests can drive time by hand instead of sleeping.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual QTimeZone timeZone() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
};
