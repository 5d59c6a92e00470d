#include "LinuxPowerSources.h"

LinuxPowerSources::LinuxPowerSources(QDBusConnection systemBus, QString sysfsRoot)
    : m_upower(std::move(systemBus))
    , m_sysfs(std::move(sysfsRoot))
{
}

std::optional<QList<QVariantMap>> LinuxPowerSources::sourceDescriptions()
{
    if (auto fromUPower = m_upower.sourceDescriptions())
        return fromUPower;
    return m_sysfs.sourceDescriptions();
}
