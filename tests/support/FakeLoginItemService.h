#pragma once

#include "app/LoginItemService.h"

// A login-item registry in memory. Can be unsupported, refuse changes with a reason, or accept a
// registration without it taking effect.
class FakeLoginItemService final : public LoginItemService {
public:
    bool supported = true;
    bool enabled = false;
    std::optional<QString> failure;
    bool registrationTakesEffect = true;
    int registerCalls = 0;
    int unregisterCalls = 0;

    bool isSupported() const override { return supported; }
    bool isEnabled() const override { return enabled; }

    std::optional<QString> registerItem() override
    {
        ++registerCalls;
        if (failure)
            return failure;
        enabled = registrationTakesEffect;
        return std::nullopt;
    }

    std::optional<QString> unregisterItem() override
    {
        ++unregisterCalls;
        if (failure)
            return failure;
        enabled = false;
        return std::nullopt;
    }
};
