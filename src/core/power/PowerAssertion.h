#pragma once

#include "power/AwakeReason.h"

#include <QString>

#include <optional>

// The operating system's keep-awake lock. An implementation holds at most one lock at a time and
// releases it when destroyed.
class PowerAssertionControlling {
public:
    virtual ~PowerAssertionControlling() = default;

    // Takes a lock of this mode (dropping any held one first). True only if the lock is now held.
    virtual bool activate(AwakeMode mode, const QString &reason) = 0;
    virtual void release() = 0;
    virtual bool isActive() const = 0;
    virtual std::optional<AwakeMode> activeMode() const = 0;
};
