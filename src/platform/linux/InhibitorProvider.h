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
// Nothing waits long on the service: each call is given a short time to answer, but the call
// itself never times out, so an answer that comes later still reaches us. A lock it grants then
// is handed to onLateAnswer (to be kept or given back at once), never lost. Until an answer
// comes, the service counts as hung and is not asked again.
class InhibitorProvider {
public:
    virtual ~InhibitorProvider();
    InhibitorProvider(const InhibitorProvider &) = delete;
    InhibitorProvider &operator=(const InhibitorProvider &) = delete;

    // Short name for the log ("portal", "logind", …).
    virtual QString name() const = 0;
    virtual bool supports(AwakeMode mode) const;
    // The service is running or the bus can start it, and is not hung.
    virtual bool isAvailable();
    // Takes a lock. Returns the unique bus name of the service instance that granted it, or an
    // empty string when the service refused or did not answer in time.
    QString inhibit(AwakeMode mode, const QString &reason);
    // Asks the service to drop the lock we hold, without waiting for it.
    virtual void uninhibit() = 0;
    // The granting service is gone and took the lock with it: drop our handle without calling
    // anyone (a restarted service may hand the same cookie to another client).
    virtual void forget() = 0;

    // A call we stopped waiting for is still unanswered.
    bool isHung() const { return m_unanswered != nullptr; }
    // That call was answered: with a lock of `granted` mode, now held by this provider and
    // granted by `grantedBy`, or with nothing to hold (a refusal, the service gone, a probe).
    std::function<void(InhibitorProvider &provider, std::optional<AwakeMode> granted,
                       const QString &grantedBy)>
        onLateAnswer;

    const QString &service() const { return m_service; }
    QDBusConnection connection() const { return m_connection; }

    // The application id we identify with where a service asks for one.
    static QString applicationId();
    // How long a call may keep the caller (the UI thread) waiting.
    void setReplyWait(std::chrono::milliseconds wait) { m_replyWait = wait; }
    static constexpr std::chrono::milliseconds defaultReplyWait{2000};
    // The D-Bus timeout of our calls: none, so that a late answer still arrives. Nothing blocks
    // on a call for longer than the reply wait.
    static constexpr int noCallTimeout = INT_MAX;

protected:
    InhibitorProvider(QDBusConnection connection, QString service);

    // Sends the service's inhibit call.
    virtual QDBusPendingCall requestInhibit(AwakeMode mode, const QString &reason) = 0;
    // Keeps the lock a granting reply hands over. False when it carries nothing usable.
    virtual bool take(const QDBusMessage &reply) = 0;

    // Waits at most the reply wait for the call. True when it was answered in time; otherwise the
    // service counts as hung until the answer comes. `asked` is the mode of an inhibit call,
    // absent for a question that grants nothing.
    bool awaitAnswer(const QDBusPendingCall &call, std::optional<AwakeMode> asked = std::nullopt);
    // Logs a release the service did not confirm; nothing waits for it.
    void watchRelease(const QDBusPendingCall &call) const;

private:
    void answeredLate(std::optional<AwakeMode> asked);

    QDBusConnection m_connection;
    QString m_service;
    std::chrono::milliseconds m_replyWait = defaultReplyWait;
    // Parent of the watchers of calls in flight: they go with the provider.
    std::unique_ptr<QObject> m_calls = std::make_unique<QObject>();
    QDBusPendingCallWatcher *m_unanswered = nullptr;
};
