#include "InhibitorProvider.h"

#include "utilities/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDeadlineTimer>
#include <QThread>

#include <utility>

using namespace Qt::StringLiterals;

InhibitorProvider::InhibitorProvider(QDBusConnection connection, QString service)
    : m_connection(std::move(connection))
    , m_service(std::move(service))
{
}

InhibitorProvider::~InhibitorProvider() = default;

QString InhibitorProvider::applicationId()
{
    return u"com.quillmere.vigila"_s;
}

bool InhibitorProvider::supports(AwakeMode) const
{
    return true;
}

bool InhibitorProvider::isAvailable()
{
    if (isHung() || !m_connection.isConnected())
        return false;
    QDBusConnectionInterface *bus = m_connection.interface();
    if (bus->isServiceRegistered(m_service).value())
        return true;
    return bus->activatableServiceNames().value().contains(m_service);
}

QString InhibitorProvider::inhibit(AwakeMode mode, const QString &reason)
{
    const QDBusPendingCall call = requestInhibit(mode, reason);
    if (!awaitAnswer(call, mode))
        return {};
    if (call.isError()) {
        Log::debug(u"Keep-awake lock: %1 refused: %2"_s.arg(name(), call.error().message()));
        return {};
    }
    return take(call.reply()) ? call.reply().service() : QString();
}

bool InhibitorProvider::awaitAnswer(const QDBusPendingCall &call, std::optional<AwakeMode> asked)
{
    // waitForFinished() would wait as long as the call's timeout, which is none. The answer is
    // taken in by QtDBus's own thread, so polling sees it without running our event loop.
    const QDeadlineTimer deadline(m_replyWait);
    while (!call.isFinished()) {
        if (deadline.hasExpired()) {
            Log::info(u"Keep-awake lock: %1 did not answer within %2 ms; not asking it again until it does"_s
                          .arg(name())
                          .arg(m_replyWait.count()));
            m_unanswered = new QDBusPendingCallWatcher(call, m_calls.get());
            QObject::connect(m_unanswered, &QDBusPendingCallWatcher::finished, m_calls.get(),
                             [this, asked] { answeredLate(asked); });
            return false;
        }
        QThread::usleep(200);
    }
    return true;
}

void InhibitorProvider::answeredLate(std::optional<AwakeMode> asked)
{
    const QDBusPendingCall call = *m_unanswered;
    std::exchange(m_unanswered, nullptr)->deleteLater();
    const bool granted = asked && !call.isError() && take(call.reply());
    Log::info(u"Keep-awake lock: %1 answered at last%2"_s.arg(name(),
                                                              granted ? u", granting a lock"_s : QString()));
    if (onLateAnswer)
        onLateAnswer(*this, granted ? asked : std::nullopt, granted ? call.reply().service() : QString());
    else if (granted)
        uninhibit();
}

void InhibitorProvider::watchRelease(const QDBusPendingCall &call) const
{
    auto *watcher = new QDBusPendingCallWatcher(call, m_calls.get());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [watcher, name = name()] {
        if (watcher->isError())
            Log::error(u"Keep-awake lock: %1 did not confirm the release: %2"_s.arg(
                name, watcher->error().message()));
        watcher->deleteLater();
    });
}
