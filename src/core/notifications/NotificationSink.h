#pragma once

#include <QString>

#include <functional>

// Where user notifications go: the desktop's notification service, or a recorder in tests.
class NotificationSink {
public:
    virtual ~NotificationSink() = default;

    // Asks once for permission to show notifications. The answer may arrive later and on any thread.
    virtual void requestAuthorization(std::function<void(bool granted)> answer) = 0;
    // Shows one notification as a new one: it never replaces an earlier notification.
    virtual void post(const QString &title, const QString &body) = 0;
};
