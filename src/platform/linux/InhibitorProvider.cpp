#include "InhibitorProvider.h"

#include "utilities/Log.h"

#include <QDBusPendingCallWatcher>
#include <QTimer>

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

void InhibitorProvider::inhibit(AwakeMode mode, const QString &reason, Answer answer)
{
    Q_ASSERT(!isAsking());
    const auto ask = [this, mode, reason, answer] {
        await(requestInhibit(mode, reason), mode, answer, [this, answer](const QDBusPendingCall &call) {
            if (call.isError()) {
                Log::debug(u"Keep-awake lock: %1 refused: %2"_s.arg(name(), call.error().message()));
                answer(Outcome::Refused, {});
            } else if (take(call.reply())) {
                answer(Outcome::Granted, call.reply().service());
            } else {
                answer(Outcome::Refused, {});
            }
        });
    };
    if (const auto probe = requestProbe()) {
        await(*probe, std::nullopt, answer, [this, answer, ask](const QDBusPendingCall &call) {
            if (call.isError()) {
                Log::debug(u"Keep-awake lock: %1 cannot lock: %2"_s.arg(name(), call.error().message()));
                answer(Outcome::Refused, {});
            } else {
                ask();
            }
        });
    } else {
        ask();
    }
}

void InhibitorProvider::await(const QDBusPendingCall &call, std::optional<AwakeMode> asked,
                              const Answer &answer, std::function<void(const QDBusPendingCall &)> then)
{
    // Even an answer that is already there (a call on a closed connection) arrives through the
    // event loop, so the caller always hears back later, never from within this call.
    auto *watcher = new QDBusPendingCallWatcher(call, m_calls.get());
    auto *deadline = new QTimer(watcher);
    deadline->setSingleShot(true);
    m_pending = watcher;
    m_hung = false;
    QObject::connect(deadline, &QTimer::timeout, watcher, [this, answer, watcher] {
        Log::info(u"Keep-awake lock: %1 did not answer within %2 ms; not asking it again until it does"_s
                      .arg(name())
                      .arg(m_replyWait.count()));
        m_hung = true;
        Q_ASSERT(m_pending == watcher);
        answer(Outcome::TimedOut, {});
    });
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, m_calls.get(),
                     [this, watcher, deadline, asked, then = std::move(then)] {
                         deadline->stop();
                         const QDBusPendingCall answered = *watcher;
                         const bool late = m_hung;
                         m_pending = nullptr;
                         m_hung = false;
                         watcher->deleteLater();
                         if (late)
                             answeredLate(answered, asked);
                         else
                             then(answered);
                     });
    deadline->start(m_replyWait);
}

void InhibitorProvider::answeredLate(const QDBusPendingCall &call, std::optional<AwakeMode> asked)
{
    const bool granted = asked && !call.isError() && take(call.reply());
    if (granted)
        Log::info(u"Keep-awake lock: %1 answered at last, granting a lock"_s.arg(name()));
    else
        Log::info(u"Keep-awake lock: %1 answered at last"_s.arg(name()));
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
