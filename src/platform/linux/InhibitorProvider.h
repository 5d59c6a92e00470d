#pragma once

#include "power/AwakeReason.h"

#include <QDBusConnection>
#include <QString>

class QDBusPendingCall;

// One D-Bus service that can hold a keep-awake lock for us. Holds at most one lock at a time.
class InhibitorProvider {
public:
    virtual ~InhibitorProvider() = default;
    InhibitorProvider(const InhibitorProvider &) = delete;
    InhibitorProvider &operator=(const InhibitorProvider &) = delete;

    // Short name for the log ("portal", "logind", …).
    virtual QString name() const = 0;
    virtual bool supports(AwakeMode mode) const;
    // The service is running or the bus can start it.
    virtual bool isAvailable();
    // Takes a lock. Returns the unique bus name of the service instance that granted it, or an
    // empty string when the service refused or did not answer.
    virtual QString inhibit(AwakeMode mode, const QString &reason) = 0;
    // Asks the service to drop the lock we hold.
    virtual void uninhibit() = 0;
    // The granting service is gone and took the lock with it: drop our handle without calling
    // anyone (a restarted service may hand the same cookie to another client).
    virtual void forget() = 0;

    const QString &service() const { return m_service; }
    QDBusConnection connection() const { return m_connection; }

    // The application id we identify with where a service asks for one.
    static QString applicationId();
    // A short timeout so a hung service cannot freeze the caller.
    static constexpr int callTimeoutMs = 2000;

protected:
    InhibitorProvider(QDBusConnection connection, QString service);

    // Waits for the call; on success returns the sender's unique name, otherwise logs and returns "".
    QString grantedBy(QDBusPendingCall &call) const;
    // Waits for a releasing call and logs a failure; there is nothing more to do about it.
    void finishRelease(QDBusPendingCall &call) const;

private:
    QDBusConnection m_connection;
    QString m_service;
};
