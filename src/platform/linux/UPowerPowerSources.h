#pragma once

#include "power/PowerSourceProviding.h"

#include <QDBusConnection>

// Power sources from UPower's display device: the combined state of the machine's own batteries.
// One description when that device is a present battery, an empty list otherwise; nullopt when
// UPower is not running or does not answer, so that a caller can look elsewhere.
class UPowerPowerSources final : public PowerSourceProviding {
public:
    explicit UPowerPowerSources(QDBusConnection bus = QDBusConnection::systemBus());

    std::optional<QList<QVariantMap>> sourceDescriptions() override;

private:
    QDBusConnection m_bus;
};
