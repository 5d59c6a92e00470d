#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include <optional>

// Weekly windows of local time: "Mon-Fri 09:00-17:30", several joined by commas
// ("Mon-Fri 09:00-12:00, Mon-Fri 13:00-17:30, Sat 10:00-12:00"). A window whose end is not after its
// start runs across midnight into the next day ("Fri 22:00-06:00" ends on Saturday morning);
// "24:00" is the end of the day. Days are Mon…Sun, ranges wrap ("Sat-Mon"), "Daily" is every day.
class Schedule {
public:
    struct Window {
        quint8 days = 0; // bit 0 Monday … bit 6 Sunday: the days the window starts on
        int startMinute = 0;
        int endMinute = 0; // up to 1440; not after startMinute: ends on the next day

        bool operator==(const Window &) const = default;
        bool crossesMidnight() const { return endMinute <= startMinute; }
    };

    static constexpr qsizetype maximumTextLength = 512;
    static constexpr qsizetype maximumWindows = 32;

    // Absent with a message on error.
    static std::optional<Schedule> parse(const QString &text, QString *error = nullptr);

    const QList<Window> &windows() const { return m_windows; }
    // The canonical text parse() reads back to the same schedule: "Mon-Fri 09:00-17:30".
    QString text() const;
    // For people: "Weekdays 09:00–17:30".
    QString description() const;

    // Whether the wall time of `at` in `zone` falls inside a window.
    bool contains(const QDateTime &at, const QTimeZone &zone) const;
    // The first moment after `at` when contains() may change; absent without windows.
    std::optional<QDateTime> nextBoundary(const QDateTime &at, const QTimeZone &zone) const;

    bool operator==(const Schedule &) const = default;

private:
    QList<Window> m_windows;
};
