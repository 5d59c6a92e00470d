#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// The platform's power sources, in the platform's order. Each description may carry
// "Current Capacity" (integer), "Max Capacity" (integer) and "Power Source State" ("AC Power" or
// "Battery Power"); any of them may be missing. Never fails: no information at all is nullopt.
class PowerSourceProviding {
public:
    virtual ~PowerSourceProviding() = default;
    virtual std::optional<QList<QVariantMap>> sourceDescriptions() = 0;
};

namespace PowerSourceKeys {
inline const QString currentCapacity = QStringLiteral("Current Capacity");
inline const QString maxCapacity = QStringLiteral("Max Capacity");
inline const QString powerSourceState = QStringLiteral("Power Source State");
inline const QString acPower = QStringLiteral("AC Power");
inline const QString batteryPower = QStringLiteral("Battery Power");
} // namespace PowerSourceKeys
