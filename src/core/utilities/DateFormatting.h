#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

// The three time texts of the UI. The locale defaults to QLocale() (the user's, unless a test pins
// one with QLocale::setDefault); the time zone stands for the user's calendar.
namespace DateFormatting {

// Compact time left: "45s", "30m 0s", "1h 30m". Negative and NaN count as 0; values too large for
// a 64-bit number of seconds saturate at its maximum.
QString remaining(double seconds);

// Time left in at most three characters, for the tray icon: minutes rounded up ("15", "1" in the
// last minute), whole hours above an hour ("1h" up to 1h 59m), whole days from 100 hours ("4d",
// at most "99d").
QString remainingBadge(double seconds);

// The locale's short time format without seconds ("HH:mm" where the C locale's is "HH:mm:ss").
QString clockFormat(const QLocale &locale = QLocale());

// The local short clock time, never with seconds: "5:00 PM" (en_US), "17:00" (de_DE, C).
QString clock(const QDateTime &date, const QTimeZone &zone = QTimeZone::systemTimeZone(),
              const QLocale &locale = QLocale());

// Dates further than this from today are written with their year.
inline constexpr int nearMonths = 3;

// "Today 5:00 PM", "Tomorrow 8:00 AM", "Dec 9, 5:00 PM", or, more than nearMonths away,
// "Dec 9, 2027, 5:00 PM".
QString endTime(const QDateTime &date, const QDateTime &now,
                const QTimeZone &zone = QTimeZone::systemTimeZone(), const QLocale &locale = QLocale());

} // namespace DateFormatting
