#pragma once

#include "notifications/NotificationSink.h"
#include "power/AwakeReason.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class Clock;

// Turns the application's events into user notifications. Two switches decide whether anything is
// shown at all and whether process-watch events stay quiet; both are asked anew at every event.
// Without an application identifier nothing is ever shown or asked.
//
// Session starts come in bursts when a script starts sessions in a loop: per kind of session at
// most one is shown per startWindow, the latest, at the window's end.
class NotificationManager final : public QObject {
    Q_OBJECT
public:
    static QString productionApplicationId();
    static constexpr qint64 startWindowMs = 2000;

    // The clock measures the windows; the system's unless given.
    explicit NotificationManager(std::shared_ptr<NotificationSink> sink, QString applicationId,
                                 std::shared_ptr<const Clock> clock = nullptr, QObject *parent = nullptr);

    // An empty closure counts as "always true".
    std::function<bool()> isEnabled = [] { return true; };
    std::function<bool()> quietProcessWatch = [] { return true; };
    // Trigger notifications are off unless the user asked for them.
    std::function<bool()> announceTriggers = [] { return false; };

    const QString &applicationId() const { return m_applicationId; }
    // The latest answer to the permission request; posting does not depend on it.
    bool isAuthorized() const { return m_authorized; }

    // At most once per process; without an application identifier the attempt still counts.
    void requestAuthorizationIfNeeded();

    void sessionStarted(ReasonType type, const QString &label);
    void sessionEnded(const QString &label);
    void batteryWarning(const QString &reason);
    void assertionFailed();
    void processWatchActivated(const QString &ruleName);
    void processWatchReleased(const QString &ruleName);
    void triggerStarted(const QString &ruleName, const QString &label);
    void triggerEnded(const QString &ruleName);
    // No exit code: the run was cancelled.
    void commandFinished(const QString &text, std::optional<int> exitCode);
    // The command could not be started at all; the reason says why.
    void commandFailedToStart(const QString &text, const QString &reason);
    // Without a tray this is the only way to reach the user, so it is shown even with
    // notifications switched off (a switch that lives in the tray's menu).
    void noSystemTray(const QString &message);

    // Shows the session starts whose window has ended; the timer calls it, which runs only while
    // one is waiting.
    void postDueStarts();
    bool hasWaitingStarts() const { return !m_waitingStarts.isEmpty(); }

private:
    void post(const QString &title, const QString &body);
    void scheduleWaitingStarts();
    // Posts whatever the switches say.
    void send(const QString &title, const QString &body);

    std::shared_ptr<NotificationSink> m_sink;
    QString m_applicationId;
    bool m_authorized = false;
    bool m_didRequest = false;
    std::shared_ptr<const Clock> m_clock;
    QMap<ReasonType, QDateTime> m_lastStart;   // when a start of this kind was last shown
    QMap<ReasonType, QString> m_waitingStarts; // the latest start held back, by kind
    QTimer m_startTimer;
};
