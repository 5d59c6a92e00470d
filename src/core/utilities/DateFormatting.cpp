#include "DateFormatting.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace DateFormatting {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DateFormatting)
};

} // namespace

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
    if (n >= 3600) {
        //: Time left, short: %1 hours and %2 minutes (h and m abbreviate hour and minute)
        return Text::tr("%1h %2m").arg(h).arg(m);
    }
    if (n < 60) {
        //: Time left, short: %1 seconds (s abbreviates second)
        return Text::tr("%1s").arg(s);
    }
    //: Time left, short: %1 minutes and %2 seconds (m and s abbreviate minute and second)
    return Text::tr("%1m %2s").arg(m).arg(s);
}

QString remainingBadge(double seconds)
{
    if (!(seconds > 0)) // also catches NaN
        seconds = 0;
    const double minutes = std::ceil(seconds / 60);
    if (minutes <= 60)
        return QString::number(static_cast<int>(minutes));
    const double hours = std::floor(seconds / 3600); // as in the menu: 1h 59m is "1h"
    if (hours < 100) {
        //: Hours left, drawn into the tray icon: at most three characters (h abbreviates hour)
        return Text::tr("%1h").arg(static_cast<int>(hours));
    }
    //: Days left, drawn into the tray icon: at most three characters (d abbreviates day)
    return Text::tr("%1d").arg(static_cast<int>(std::min(std::floor(hours / 24), 99.0)));
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
    if (local.date() == today) {
        //: %1 is a clock time, e.g. 5:00 PM
        return Text::tr("Today %1").arg(time);
    }
    if (local.date() == today.addDays(1)) {
        //: %1 is a clock time, e.g. 8:00 AM
        return Text::tr("Tomorrow %1").arg(time);
    }
    // A date months away reads as this year's without its year.
    const bool far =
        local.date() > today.addMonths(nearMonths) || local.date() < today.addMonths(-nearMonths);
    //: A Qt date format for a day of this year; German would use d. MMM
    QString format = Text::tr("MMM d");
    if (far) {
        //: A Qt date format for a day with its year; German would use d. MMM yyyy
        format = Text::tr("MMM d, yyyy");
    }
    const QString day = locale.toString(local.date(), format);
    //: A day and a clock time: %1 is the date (e.g. Dec 9), %2 the time (e.g. 5:00 PM)
    return Text::tr("%1, %2").arg(day, time);
}

} // namespace DateFormatting
