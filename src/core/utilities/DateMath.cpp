#include "DateMath.h"

#include <cmath>

namespace DateMath {

QDateTime latest()
{
    static const QDateTime value(QDate(9999, 12, 30), QTime(0, 0), QTimeZone::utc());
    return value;
}

QDateTime earliest()
{
    static const QDateTime value(QDate(1, 1, 2), QTime(0, 0), QTimeZone::utc());
    return value;
}

QDateTime addSeconds(const QDateTime &date, double seconds)
{
    if (std::isnan(seconds) || !date.isValid())
        return date;
    const double base = static_cast<double>(date.toMSecsSinceEpoch());
    const double target = base + seconds * 1000.0;
    const double hi = static_cast<double>(latest().toMSecsSinceEpoch());
    const double lo = static_cast<double>(earliest().toMSecsSinceEpoch());
    if (target >= hi)
        return latest().toTimeZone(date.timeZone());
    if (target <= lo)
        return earliest().toTimeZone(date.timeZone());
    return date.addMSecs(static_cast<qint64>(std::llround(seconds * 1000.0)));
}

QDateTime wallClock(QDate date, QTime time, const QTimeZone &zone)
{
    if (!date.isValid() || !time.isValid() || !zone.isValid())
        return {};
    // The wall time read as if it were UTC, then corrected by each offset in force around it.
    const qint64 naive = QDateTime(date, time, QTimeZone::utc()).toMSecsSinceEpoch();
    constexpr qint64 day = 24 * 3600 * 1000;
    const int before = zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(naive - day, QTimeZone::utc()));
    const int after = zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(naive + day, QTimeZone::utc()));
    QDateTime best;
    for (const int offset : {before, after}) {
        const QDateTime candidate = QDateTime::fromMSecsSinceEpoch(naive - qint64(offset) * 1000, zone);
        if (candidate.date() == date && candidate.time() == time && (!best.isValid() || candidate < best))
            best = candidate;
    }
    if (best.isValid())
        return best;
    // In a gap: keep the offset from before the change, which lands as far past it as the gap is long.
    return QDateTime::fromMSecsSinceEpoch(naive - qint64(before) * 1000, zone);
}

double secondsBetween(const QDateTime &from, const QDateTime &to)
{
    return static_cast<double>(from.msecsTo(to)) / 1000.0;
}

} // namespace DateMath
