#pragma once

#include "power/PowerAssertion.h"

// Holds a pretend lock and nothing else, so a benchmark measures our code, not a backend.
class NullPowerAssertion final : public PowerAssertionControlling {
public:
    bool activate(AwakeMode mode, const QString &) override
    {
        m_mode = mode;
        return true;
    }
    void release() override { m_mode.reset(); }
    bool isActive() const override { return m_mode.has_value(); }
    std::optional<AwakeMode> activeMode() const override { return m_mode; }

private:
    std::optional<AwakeMode> m_mode;
};
