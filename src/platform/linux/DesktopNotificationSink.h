#pragma once

#include "notifications/NotificationSink.h"

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class NotificationsProxy;
class QDBusPendingCallWatcher;

// Shows notifications through the desktop's org.freedesktop.Notifications server. Nothing here
// blocks: the server's capabilities are asked asynchronously, and posts made before the answer
// wait for it (they need to know whether the body is read as markup). With no server the posts are
// dropped quietly; the next post asks again, since a desktop's server may start after us.
class DesktopNotificationSink final : public QObject, public NotificationSink {
    Q_OBJECT
public:
    // applicationId names the desktop entry and the themed icon.
    explicit DesktopNotificationSink(QString applicationId,
                                     const QDBusConnection &connection = QDBusConnection::sessionBus(),
                                     QObject *parent = nullptr);
    ~DesktopNotificationSink() override;

    // Granted when a notification server answers.
    void requestAuthorization(std::function<void(bool granted)> answer) override;
    void post(const QString &title, const QString &body) override;

private:
    enum class Server { Unknown, Available, Missing };

    struct Waiting {
        QString title;
        QString body;
    };

    void askCapabilities();
    void capabilitiesArrived(QDBusPendingCallWatcher *watcher);
    void settle(bool available);
    void send(const QString &title, const QString &body);

    QString m_applicationId;
    std::unique_ptr<NotificationsProxy> m_proxy;
    Server m_server = Server::Unknown;
    bool m_asking = false;
    bool m_bodyMarkup = false;
    QList<Waiting> m_waiting;
    QList<std::function<void(bool)>> m_answers;
};
