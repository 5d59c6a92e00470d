#include "DateFormatting.h"

#include <algorithm>
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

QString remainingBadge(double seconds)
{
    if (!(seconds > 0)) // also catches NaN
        seconds = 0;
    const double minutes = std::ceil(seconds / 60);
    if (minutes <= 60)
        return QString::number(static_cast<int>(minutes));
    const double hours = std::floor(seconds / 3600); // as in the menu: 1h 59m is "1h"
    if (hours < 100)
        return QString::number(static_cast<int>(hours)) + u'h';
    return QString::number(static_cast<int>(std::min(std::floor(hours / 24), 99.0))) + u'd';
}

QString clockFormat(const QLocale &locale)
{
    // Qt's short format keeps the seconds in some locales, among them C, Debian's default.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || (c != u's' && c != u'z')) {
            result += c;
            continue;
        }
        // A seconds (or fraction) field goes with the separator written before it.
        while (!result.isEmpty() && !result.back().isLetter() && result.back() != u'\'')
            result.chop(1);
    }
    return result;
}

QString clock(const QDateTime &date, const QTimeZone &zone, const QLocale &locale)
{
    return locale.toString(date.toTimeZone(zone).time(), clockFormat(locale));
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
    // A date months away reads as this year's without its year.
    const bool far =
        local.date() > today.addMonths(nearMonths) || local.date() < today.addMonths(-nearMonths);
    return locale.toString(local.date(), far ? QStringLiteral("MMM d, yyyy") : QStringLiteral("MMM d")) +
           QStringLiteral(", ") + time;
}

} // namespace DateFormatting
