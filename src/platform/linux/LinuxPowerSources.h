#pragma once

#include "linux/SysfsPowerSources.h"
#include "linux/UPowerPowerSources.h"

#include <QDBusConnection>
#include <QString>

// This machine's power sources: UPower's answer when it gives one, else the kernel's sysfs view.
// Without a battery both yield an empty list, which reads as an unknown source.
class LinuxPowerSources final : public PowerSourceProviding {
public:
    explicit LinuxPowerSources(QDBusConnection systemBus = QDBusConnection::systemBus(),
                               QString sysfsRoot = SysfsPowerSources::defaultRoot());

    std::optional<QList<QVariantMap>> sourceDescriptions() override;

private:
    UPowerPowerSources m_upower;
    SysfsPowerSources m_sysfs;
};
