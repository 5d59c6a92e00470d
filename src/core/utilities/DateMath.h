#pragma once

#include <QDateTime>
#include <QTimeZone>

// Date arithmetic that saturates instead of overflowing: a custom duration of 1e300 minutes or
// infinity must neither crash nor wrap around.
namespace DateMath {

// The latest and earliest instants we ever produce (a day short of the limits of the four-digit
// years every formatter handles).
QDateTime latest();
QDateTime earliest();

// date + seconds, clamped to [earliest(), latest()]. NaN counts as 0.
QDateTime addSeconds(const QDateTime &date, double seconds);

// (to - from) in seconds, exact to the millisecond.
double secondsBetween(const QDateTime &from, const QDateTime &to);

// The instant at which the zone's clocks show date and time. A time that occurs twice (clocks
// going back) resolves to its first occurrence; a time skipped by clocks going forward resolves
// the way a wall clock reads it afterwards (02:30 in a one-hour gap becomes 03:30).
QDateTime wallClock(QDate date, QTime time, const QTimeZone &zone);

} // namespace DateMath
