#pragma once

#include "power/PowerSourceProviding.h"

// Hands out whatever the test put in descriptions, and counts the reads.
class FakePowerSources final : public PowerSourceProviding {
public:
    std::optional<QList<QVariantMap>> descriptions;
    int reads = 0;

    std::optional<QList<QVariantMap>> sourceDescriptions() override
    {
        ++reads;
        return descriptions;
    }

    // One description with the given members; an invalid QVariant leaves that member out.
    static QVariantMap source(const QVariant &current, const QVariant &maximum, const QVariant &state)
    {
        QVariantMap description;
        if (current.isValid())
            description.insert(PowerSourceKeys::currentCapacity, current);
        if (maximum.isValid())
            description.insert(PowerSourceKeys::maxCapacity, maximum);
        if (state.isValid())
            description.insert(PowerSourceKeys::powerSourceState, state);
        return description;
    }
};
