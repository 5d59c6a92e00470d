#include "DateFormatting.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace DateFormatting {

QString remaining(double seconds)
{
    if (!(seconds > 0)) // also catches NaN
        seconds = 0;
    // 2^63 is the first double past INT64_MAX; anything at or beyond it saturates.
    constexpr double limit = 9223372036854775808.0;
    const double rounded = std::round(seconds); // halves away from zero
    const std::int64_t n =
        rounded >= limit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(rounded);

    const std::int64_t h = n / 3600;
    const std::int64_t m = (n % 3600) / 60;
    const std::int64_t s = n % 60;
    if (n >= 3600)
        return QStringLiteral("%1h %2m").arg(h).arg(m);
    if (n < 60)
        return QStringLiteral("%1s").arg(s);
    return QStringLiteral("%1m %2s").arg(m).arg(s);
}

QString clock(const QDateTime &date, const QTimeZone &zone, const QLocale &locale)
{
    return locale.toString(date.toTimeZone(zone).time(), QLocale::ShortFormat);
}

QString endTime(const QDateTime &date, const QDateTime &now, const QTimeZone &zone, const QLocale &locale)
{
    const QDateTime local = date.toTimeZone(zone);
    const QDate today = now.toTimeZone(zone).date();
    const QString time = clock(date, zone, locale);
    if (local.date() == today)
        return QStringLiteral("Today ") + time;
    if (local.date() == today.addDays(1))
        return QStringLiteral("Tomorrow ") + time;
    return locale.toString(local.date(), QStringLiteral("MMM d")) + QStringLiteral(", ") + time;
}

} // namespace DateFormatting
