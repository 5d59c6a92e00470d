#pragma once

#include "power/PowerSourceProviding.h"

#include <QDBusConnection>

#include <memory>

class QDBusServiceWatcher;

// Power sources from UPower's display device: the combined state of the machine's own batteries.
// One description when that device is a present battery, an empty list otherwise; nullopt when
// UPower is not running or does not answer, so that a caller can look elsewhere.
class UPowerPowerSources final : public PowerSourceProviding {
public:
    explicit UPowerPowerSources(QDBusConnection bus = QDBusConnection::systemBus());
    ~UPowerPowerSources() override;

    std::optional<QList<QVariantMap>> sourceDescriptions() override;

private:
    QDBusConnection m_bus;
    // Follows UPower on the bus: a machine without it costs no calls at every read, and with it
    // the bus keeps UPower's owner known rather than being asked anew for every proxy.
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
    bool m_running = false;
};
