#pragma once

#include <QJsonObject>

#include <optional>

// The user's battery policy. Thresholds are whole percents and both are inclusive.
struct BatterySettings {
    bool warnOnBattery = true;
    bool onlyWhilePluggedIn = false;
    bool autoStopEnabled = false;
    int autoStopThreshold = 15;
    int warningThreshold = 25;

    bool operator==(const BatterySettings &) const = default;

    // Exactly the five members; all required when reading.
    QJsonObject toJson() const;
    static std::optional<BatterySettings> fromJson(const QJsonValue &value);
};
