#include "DesktopNotificationSink.h"

#include "notifications_proxy.h"
#include "utilities/Log.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString serviceName = u"org.freedesktop.Notifications"_s;
const QString objectPath = u"/org/freedesktop/Notifications"_s;
constexpr int callTimeoutMs = 2000;
// Posts waiting for the capabilities answer; more than this in two seconds is a flood, not news.
constexpr qsizetype maxWaiting = 32;

// Process names and command texts are user data: they must show literally, never as markup.
QString escapeBodyMarkup(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;"_s;
            break;
        case u'<':
            escaped += u"&lt;"_s;
            break;
        case u'>':
            escaped += u"&gt;"_s;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

DesktopNotificationSink::DesktopNotificationSink(QString applicationId, const QDBusConnection &connection,
                                                 QObject *parent)
    : QObject(parent)
    , m_applicationId(std::move(applicationId))
    , m_proxy(std::make_unique<NotificationsProxy>(serviceName, objectPath, connection))
{
    m_proxy->setTimeout(callTimeoutMs);
    // A new or restarted server may read markup differently: ask again before the next post.
    auto *watcher =
        new QDBusServiceWatcher(serviceName, connection, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        if (m_server == Server::Available)
            m_server = Server::Unknown;
    });
}

DesktopNotificationSink::~DesktopNotificationSink() = default;

void DesktopNotificationSink::requestAuthorization(std::function<void(bool granted)> answer)
{
    m_answers.append(std::move(answer));
    askCapabilities();
}

void DesktopNotificationSink::post(const QString &title, const QString &body)
{
    if (m_server == Server::Available && !m_asking) {
        send(title, body);
        return;
    }
    if (m_waiting.size() < maxWaiting)
        m_waiting.append({title, body});
    askCapabilities();
}

void DesktopNotificationSink::askCapabilities()
{
    if (m_asking)
        return;
    m_asking = true;
    if (!m_proxy->connection().isConnected()) {
        // No bus at all: no call can be made, and a watcher on one would never finish.
        QMetaObject::invokeMethod(
            this, [this] { settle(false); }, Qt::QueuedConnection);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(m_proxy->GetCapabilities(), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DesktopNotificationSink::capabilitiesArrived);
}

void DesktopNotificationSink::capabilitiesArrived(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QStringList> reply = *watcher;
    if (reply.isError()) {
        if (m_server != Server::Missing)
            Log::debug(u"No desktop notification server: "_s + reply.error().message());
        settle(false);
        return;
    }
    m_bodyMarkup = reply.value().contains(u"body-markup"_s);
    settle(true);
}

void DesktopNotificationSink::settle(bool available)
{
    m_asking = false;
    m_server = available ? Server::Available : Server::Missing;
    const QList<Waiting> waiting = std::exchange(m_waiting, {});
    const QList<std::function<void(bool)>> answers = std::exchange(m_answers, {});
    if (available) {
        for (const Waiting &entry : waiting)
            send(entry.title, entry.body);
    }
    for (const auto &answer : answers)
        answer(available);
}

void DesktopNotificationSink::send(const QString &title, const QString &body)
{
    // replaces_id 0: every post is a notification of its own. The reply (its id) is not needed.
    m_proxy->Notify(u"Vigila"_s, 0, m_applicationId, title, m_bodyMarkup ? escapeBodyMarkup(body) : body, {},
                    {{u"desktop-entry"_s, m_applicationId}}, -1);
}
