#pragma once

#include "utilities/RawValue.h"

#include <QString>

#include <optional>

// Where the machine draws its power from, and how full the battery is.
struct PowerState {
    enum class Source { Ac, Battery, Unknown };

    Source source = Source::Unknown;
    // Whole percents; absent when no charge could be derived. Not clamped: a battery may report
    // more than its nominal maximum.
    std::optional<int> percentage;

    bool hasBattery() const { return percentage.has_value(); }
    bool isOnBattery() const { return source == Source::Battery; }

    bool operator==(const PowerState &) const = default;
};

QString rawValue(PowerState::Source source);
template <> std::optional<PowerState::Source> fromRawValue<PowerState::Source>(QStringView text);
