#pragma once

#include "power/PowerAssertion.h"

#include <QList>
#include <QString>

// Records every call and holds a pretend lock. Can be told to refuse activations, or to answer
// them only when the test says so (answerPending), as a real backend answers from the event loop.
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
    std::optional<AwakeMode> requestedMode() const override { return m_requested ? m_requested : m_mode; }
    bool isTaking() const override { return m_pending.has_value(); }
    QStringList servicesTried() const override { return failActivations ? triedServices : QStringList(); }

    // Settles the activation held back by deferActivations: grants it, or not as failActivations
    // says, and reports it through onLockChanged.
    void answerPending();

    bool failActivations = false;
    bool deferActivations = false;
    QStringList triedServices;
    QList<Call> calls;
    // Set while destroyed with a lock held, so a test can see the destructor released it.
    bool *releasedOnDestruction = nullptr;

    int activateCount() const;
    int releaseCount() const;

private:
    std::optional<AwakeMode> m_mode;
    std::optional<AwakeMode> m_pending;
    // A deferred request stands until released, granted or not.
    std::optional<AwakeMode> m_requested;
};
