#include "Schedule.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 7> dayNames{u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s, u"Sun"_s};
constexpr quint8 everyDay = 0x7f;
constexpr quint8 weekdays = 0x1f;
constexpr quint8 weekend = 0x60;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Schedule)
};

std::optional<int> dayIndex(QStringView name)
{
    for (int i = 0; i < 7; ++i) {
        if (name.compare(dayNames[i], Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

// "09:00" → 540; "24:00" only where allowed.
std::optional<int> minuteOfDay(QStringView text, bool allowEndOfDay)
{
    static const QRegularExpression pattern(u"^(\\d{1,2}):(\\d{2})$"_s);
    const auto match = pattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const int hour = match.capturedView(1).toInt();
    const int minute = match.capturedView(2).toInt();
    if (minute > 59 || hour > 24 || (hour == 24 && (minute != 0 || !allowEndOfDay)))
        return std::nullopt;
    return hour * 60 + minute;
}

std::optional<quint8> parseDays(QStringView text)
{
    if (text.compare(u"Daily"_s, Qt::CaseInsensitive) == 0)
        return everyDay;
    quint8 days = 0;
    for (const QStringView part : text.split(u',')) {
        const qsizetype dash = part.indexOf(u'-');
        const auto first = dayIndex(dash < 0 ? part : part.left(dash));
        const auto last = dash < 0 ? first : dayIndex(part.mid(dash + 1));
        if (!first || !last)
            return std::nullopt;
        for (int day = *first;; day = (day + 1) % 7) {
            days |= quint8(1u << day);
            if (day == *last)
                break;
        }
    }
    return days;
}

QString daysText(quint8 days)
{
    if (days == everyDay)
        return u"Daily"_s;
    // Runs of consecutive days as ranges: Mon-Wed,Fri.
    QStringList parts;
    for (int day = 0; day < 7;) {
        if (!(days & (1u << day))) {
            ++day;
            continue;
        }
        int last = day;
        while (last + 1 < 7 && (days & (1u << (last + 1))))
            ++last;
        parts.append(last == day ? dayNames[day] : dayNames[day] + u'-' + dayNames[last]);
        day = last + 1;
    }
    return parts.join(u',');
}

QString clockText(int minute)
{
    return u"%1:%2"_s.arg(minute / 60, 2, 10, QChar(u'0')).arg(minute % 60, 2, 10, QChar(u'0'));
}

// Monday is 0.
int dayOfWeek(const QDate &date)
{
    return date.dayOfWeek() - 1;
}

} // namespace

std::optional<Schedule> Schedule::parse(const QString &text, QString *error)
{
    const auto fail = [error](const QString &message) -> std::optional<Schedule> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (text.size() > maximumTextLength)
        return fail(Text::tr("The schedule is longer than %1 characters.").arg(maximumTextLength));
    Schedule schedule;
    // Commas separate both days ("Mon,Wed") and windows: a window is "DAYS HH:MM-HH:MM", so split
    // on the times instead.
    static const QRegularExpression windowPattern(
        u"\\s*([A-Za-z][A-Za-z,\\- ]*?)\\s+(\\d{1,2}:\\d{2})\\s*-\\s*(\\d{1,2}:\\d{2})\\s*(?:,(?=\\s*\\S)|$)"_s);
    qsizetype at = 0;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return fail(Text::tr("The schedule is empty. Write days and hours, like \u201CMon-Fri 09:00-17:30\u201D."));
    while (at < trimmed.size()) {
        const auto match = windowPattern.match(trimmed, at, QRegularExpression::NormalMatch,
                                               QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch())
            return fail(Text::tr("\u201C%1\u201D is not a schedule. Write days and hours, like \u201CMon-Fri 09:00-17:30\u201D.")
                            .arg(trimmed.mid(at).trimmed()));
        const auto days = parseDays(match.captured(1).remove(u' '));
        const auto start = minuteOfDay(match.capturedView(2), false);
        const auto end = minuteOfDay(match.capturedView(3), true);
        if (!days)
            return fail(Text::tr("\u201C%1\u201D are not days of the week (use Mon, Tue, Wed, Thu, Fri, Sat, Sun or Daily).")
                            .arg(match.capturedView(1).trimmed()));
        if (!start || !end)
            return fail(Text::tr("\u201C%1-%2\u201D are not hours of the day (use 00:00 to 24:00).")
                            .arg(match.capturedView(2), match.capturedView(3)));
        if (schedule.m_windows.size() == maximumWindows)
            return fail(Text::tr("A schedule has at most %1 windows.").arg(maximumWindows));
        schedule.m_windows.append(Window{*days, *start, *end == 0 ? 1440 : *end});
        at = match.capturedEnd();
    }
    return schedule;
}

QString Schedule::text() const
{
    QStringList parts;
    for (const Window &window : m_windows)
        parts.append(u"%1 %2-%3"_s.arg(daysText(window.days), clockText(window.startMinute),
                                        clockText(window.endMinute)));
    return parts.join(u", "_s);
}

QString Schedule::description() const
{
    QStringList parts;
    for (const Window &window : m_windows) {
        const QString hours = Text::tr("%1\u2013%2").arg(clockText(window.startMinute), clockText(window.endMinute));
        if (window.days == everyDay)
            parts.append(Text::tr("Every day %1").arg(hours));
        else if (window.days == weekdays)
            parts.append(Text::tr("Weekdays %1").arg(hours));
        else if (window.days == weekend)
            parts.append(Text::tr("Weekends %1").arg(hours));
        else
            parts.append(Text::tr("%1 %2").arg(daysText(window.days).replace(u',', u"/"_s), hours));
    }
    return parts.join(u"; "_s);
}

bool Schedule::contains(const QDateTime &at, const QTimeZone &zone) const
{
    const QDateTime local = at.toTimeZone(zone);
    const int day = dayOfWeek(local.date());
    const int previous = (day + 6) % 7;
    const int minute = local.time().hour() * 60 + local.time().minute();
    for (const Window &window : m_windows) {
        const bool today = window.days & (1u << day);
        if (!window.crossesMidnight()) {
            if (today && minute >= window.startMinute && minute < window.endMinute)
                return true;
        } else if ((today && minute >= window.startMinute) ||
                   ((window.days & (1u << previous)) && minute < window.endMinute)) {
            return true;
        }
    }
    return false;
}

std::optional<QDateTime> Schedule::nextBoundary(const QDateTime &at, const QTimeZone &zone) const
{
    if (m_windows.isEmpty())
        return std::nullopt;
    // Every start and end falls on some day of the coming week; the wall times are made into
    // moments in the zone, so a change to or from summer time moves them as it moves the clocks.
    const QDate today = at.toTimeZone(zone).date();
    std::optional<QDateTime> next;
    const auto consider = [&](const QDate &date, int minute) {
        const QDate day = minute >= 1440 ? date.addDays(1) : date;
        const QTime time = minute >= 1440 ? QTime(0, 0) : QTime(minute / 60, minute % 60);
        QDateTime moment(day, time, zone);
        // A wall time in the hour skipped in spring (which Qt leaves invalid, or moves) is reached
        // when the clocks jump past it.
        if (!moment.isValid() || moment.time() != time)
            moment = zone.nextTransition(QDateTime(day, QTime(0, 0), zone)).atUtc;
        if (moment.isValid() && moment > at && (!next || moment < *next))
            next = moment;
    };
    for (int offset = -1; offset <= 8; ++offset) {
        const QDate date = today.addDays(offset);
        for (const Window &window : m_windows) {
            if (!(window.days & (1u << dayOfWeek(date))))
                continue;
            consider(date, window.startMinute);
            consider(window.crossesMidnight() ? date.addDays(1) : date, window.endMinute);
        }
    }
    return next;
}
