#pragma once

#include "power/AwakeReason.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QString>

#include <chrono>
#include <climits>
#include <functional>
#include <memory>
#include <optional>

class QDBusPendingCallWatcher;

// One D-Bus service that can hold a keep-awake lock for us. Holds at most one lock at a time.
//
// Nothing ever waits on the service: a request is sent and its answer comes back through the
// event loop. An answer that takes longer than the reply wait is given up on (the caller moves
// on), but the call itself never times out, so an answer that comes later still reaches us. A lock
// it grants then is handed to onLateAnswer (to be kept or given back at once), never lost. Until
// that answer comes, the service counts as hung and is not asked again.
class InhibitorProvider {
public:
    enum class Outcome {
        Granted, // this provider now holds a lock
        Refused, // an error answer: refused, not running, no back end, bus gone
        TimedOut, // no answer within the reply wait; the service counts as hung
    };
    using Answer = std::function<void(Outcome outcome, const QString &grantedBy)>;

    virtual ~InhibitorProvider();
    InhibitorProvider(const InhibitorProvider &) = delete;
    InhibitorProvider &operator=(const InhibitorProvider &) = delete;

    // Short name for the log ("portal", "logind", …).
    virtual QString name() const = 0;
    // The name users know the service by ("the desktop portal", …), for messages.
    virtual QString title() const = 0;
    virtual bool supports(AwakeMode mode) const;
    // Asks for a lock. `answer` is called once, later, from the event loop: with the unique bus
    // name of the service instance that granted it, or with why there is none. Never call while
    // a request is in flight (isAsking()).
    void inhibit(AwakeMode mode, const QString &reason, Answer answer);
    // Asks the service to drop the lock we hold, without waiting for it.
    virtual void uninhibit() = 0;
    // The granting service is gone and took the lock with it: drop our handle without calling
    // anyone (a restarted service may hand the same cookie to another client).
    virtual void forget() = 0;

    // A request is waiting for its answer, within the reply wait or hung.
    bool isAsking() const { return m_pending != nullptr; }
    // A call we stopped waiting for is still unanswered.
    bool isHung() const { return m_pending != nullptr && m_hung; }
    // That call was answered: with a lock of `granted` mode, now held by this provider and
    // granted by `grantedBy`, or with nothing to hold (a refusal, the service gone, a probe).
    std::function<void(InhibitorProvider &provider, std::optional<AwakeMode> granted,
                       const QString &grantedBy)>
        onLateAnswer;

    const QString &service() const { return m_service; }
    QDBusConnection connection() const { return m_connection; }

    // The application id we identify with where a service asks for one.
    static QString applicationId();
    // How long a service may take to answer before the next one is asked.
    void setReplyWait(std::chrono::milliseconds wait) { m_replyWait = wait; }
    static constexpr std::chrono::milliseconds defaultReplyWait{2000};
    // The D-Bus timeout of our calls: none, so that a late answer still arrives. Nothing blocks
    // on a call; the reply wait decides when to stop counting on it.
    static constexpr int noCallTimeout = INT_MAX;

protected:
    InhibitorProvider(QDBusConnection connection, QString service);

    // A question to settle before asking for a lock (the portal's back end); none by default.
    // An error answer counts as a refusal.
    virtual std::optional<QDBusPendingCall> requestProbe() { return std::nullopt; }
    // Sends the service's inhibit call.
    virtual QDBusPendingCall requestInhibit(AwakeMode mode, const QString &reason) = 0;
    // Keeps the lock a granting reply hands over. False when it carries nothing usable.
    virtual bool take(const QDBusMessage &reply) = 0;

    // Logs a release the service did not confirm; nothing waits for it.
    void watchRelease(const QDBusPendingCall &call) const;

private:
    // Sends nothing itself: watches `call`, hands its reply to `then` when it comes within the
    // reply wait, and marks the service hung otherwise (`asked`: the mode a late grant is of).
    void await(const QDBusPendingCall &call, std::optional<AwakeMode> asked, const Answer &answer,
               std::function<void(const QDBusPendingCall &)> then);
    void answeredLate(const QDBusPendingCall &call, std::optional<AwakeMode> asked);

    QDBusConnection m_connection;
    QString m_service;
    std::chrono::milliseconds m_replyWait = defaultReplyWait;
    // Parent of the watchers and timers of calls in flight: they go with the provider.
    std::unique_ptr<QObject> m_calls = std::make_unique<QObject>();
    QDBusPendingCallWatcher *m_pending = nullptr;
    bool m_hung = false;
};
