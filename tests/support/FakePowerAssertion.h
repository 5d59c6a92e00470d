#pragma once

#include "power/PowerAssertion.h"

#include <QList>
#include <QString>

// Records every call and holds a pretend lock. Can be told to refuse activations.
class FakePowerAssertion final : public PowerAssertionControlling {
public:
    struct Call {
        enum Kind { Activate, Release } kind;
        std::optional<AwakeMode> mode; // for Activate
        QString reason;                // for Activate

        bool operator==(const Call &) const = default;
    };

    ~FakePowerAssertion() override;

    bool activate(AwakeMode mode, const QString &reason) override;
    void release() override;
    bool isActive() const override { return m_mode.has_value(); }
    std::optional<AwakeMode> activeMode() const override { return m_mode; }

    bool failActivations = false;
    QList<Call> calls;
    // Set while destroyed with a lock held, so a test can see the destructor released it.
    bool *releasedOnDestruction = nullptr;

    int activateCount() const;
    int releaseCount() const;

private:
    std::optional<AwakeMode> m_mode;
};
