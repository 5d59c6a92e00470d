#include "FakePowerAssertion.h"

#include <algorithm>

FakePowerAssertion::~FakePowerAssertion()
{
    if (m_mode && releasedOnDestruction)
        *releasedOnDestruction = true;
}

bool FakePowerAssertion::activate(AwakeMode mode, const QString &reason)
{
    m_mode.reset();
    m_pending.reset();
    m_requested.reset();
    calls.append({Call::Activate, mode, reason});
    if (deferActivations) {
        m_pending = mode;
        m_requested = mode;
        return false;
    }
    if (failActivations)
        return false;
    m_mode = mode;
    return true;
}

void FakePowerAssertion::answerPending()
{
    if (!m_pending)
        return;
    if (!failActivations)
        m_mode = m_pending;
    m_pending.reset();
    if (onLockChanged)
        onLockChanged();
}

void FakePowerAssertion::release()
{
    calls.append({Call::Release, std::nullopt, {}});
    m_mode.reset();
    m_pending.reset();
    m_requested.reset();
}

int FakePowerAssertion::activateCount() const
{
    return static_cast<int>(std::count_if(calls.cbegin(), calls.cend(), [](const Call &c) { return c.kind == Call::Activate; }));
}

int FakePowerAssertion::releaseCount() const
{
    return static_cast<int>(std::count_if(calls.cbegin(), calls.cend(), [](const Call &c) { return c.kind == Call::Release; }));
}
