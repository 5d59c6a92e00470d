#pragma once

#include "notifications/NotificationSink.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Turns the application's events into user notifications. Two switches decide whether anything is
// shown at all and whether process-watch events stay quiet; both are asked anew at every event.
// Without an application identifier nothing is ever shown or asked.
class NotificationManager final : public QObject {
    Q_OBJECT
public:
    static QString productionApplicationId();

    explicit NotificationManager(std::shared_ptr<NotificationSink> sink, QString applicationId,
                                 QObject *parent = nullptr);

    // An empty closure counts as "always true".
    std::function<bool()> isEnabled = [] { return true; };
    std::function<bool()> quietProcessWatch = [] { return true; };

    const QString &applicationId() const { return m_applicationId; }
    // The latest answer to the permission request; posting does not depend on it.
    bool isAuthorized() const { return m_authorized; }

    // At most once per process; without an application identifier the attempt still counts.
    void requestAuthorizationIfNeeded();

    void sessionStarted(const QString &label);
    void sessionEnded(const QString &label);
    void batteryWarning(const QString &reason);
    void assertionFailed();
    void processWatchActivated(const QString &ruleName);
    void processWatchReleased(const QString &ruleName);
    // No exit code: the run was cancelled.
    void commandFinished(const QString &text, std::optional<int> exitCode);
    // The command could not be started at all; the reason says why.
    void commandFailedToStart(const QString &text, const QString &reason);
    // Without a tray this is the only way to reach the user, so it is shown even with
    // notifications switched off (a switch that lives in the tray's menu).
    void noSystemTray(const QString &message);

private:
    void post(const QString &title, const QString &body);
    // Posts whatever the switches say.
    void send(const QString &title, const QString &body);

    std::shared_ptr<NotificationSink> m_sink;
    QString m_applicationId;
    bool m_authorized = false;
    bool m_didRequest = false;
};
