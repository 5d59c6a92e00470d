#pragma once

#include "notifications/NotificationSink.h"

#include <QList>
#include <QString>

#include <functional>

// Records what would be shown. Permission requests are held, so a test decides when (and from
// which thread) to answer them.
class RecordingNotificationSink final : public NotificationSink {
public:
    struct Post {
        QString title;
        QString body;

        bool operator==(const Post &) const = default;
    };

    void requestAuthorization(std::function<void(bool granted)> answer) override
    {
        ++authorizationRequests;
        pendingAnswer = std::move(answer);
    }

    void post(const QString &title, const QString &body) override { posts.append({title, body}); }

    QList<Post> posts;
    int authorizationRequests = 0;
    std::function<void(bool granted)> pendingAnswer;
};
