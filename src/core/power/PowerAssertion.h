#pragma once

#include "power/AwakeReason.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The operating system's keep-awake lock. An implementation holds at most one lock at a time and
// releases it when destroyed.
//
// Taking a lock may need answers from other processes. An implementation that cannot answer at
// once keeps the request standing (requestedMode(), isTaking()) and reports the outcome later
// through onLockChanged, which it also calls whenever the lock changes on its own (lost with its
// service, or taken after an earlier failure).
class PowerAssertionControlling {
public:
    virtual ~PowerAssertionControlling() = default;

    // Asks for a lock of this mode (dropping any held one first). True only if the lock is held
    // now; false while it is still being taken or when it could not be.
    virtual bool activate(AwakeMode mode, const QString &reason) = 0;
    // Drops the lock and the standing request.
    virtual void release() = 0;
    virtual bool isActive() const = 0;
    virtual std::optional<AwakeMode> activeMode() const = 0;
    // The mode of the standing request, held or not. By default only a held lock stands, so a
    // failed activate() is asked again on the next reconciliation.
    virtual std::optional<AwakeMode> requestedMode() const { return activeMode(); }
    // A request stands and its answer is still to come.
    virtual bool isTaking() const { return false; }
    // The services asked in the last attempt that found no lock, in order, named for users
    // ("the desktop portal", "logind"); empty when there was none or it is unknown.
    virtual QStringList servicesTried() const { return {}; }
    // The service holding the lock ("gnome-session", "logind", …); empty when none or unknown.
    virtual QString providerName() const { return {}; }

    std::function<void()> onLockChanged;
};
