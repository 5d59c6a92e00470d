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
    calls.append({Call::Activate, mode, reason});
    if (failActivations)
        return false;
    m_mode = mode;
    return true;
}

void FakePowerAssertion::release()
{
    calls.append({Call::Release, std::nullopt, {}});
    m_mode.reset();
}

int FakePowerAssertion::activateCount() const
{
    return static_cast<int>(std::count_if(calls.cbegin(), calls.cend(), [](const Call &c) { return c.kind == Call::Activate; }));
}

int FakePowerAssertion::releaseCount() const
{
    return static_cast<int>(std::count_if(calls.cbegin(), calls.cend(), [](const Call &c) { return c.kind == Call::Release; }));
}
