#include "UPowerPowerSources.h"

#include "UPowerDeviceProxy.h"
#include "UPowerProxy.h"

#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace PowerSourceKeys;

namespace {

constexpr int callTimeoutMs = 2000;
constexpr uint deviceTypeBattery = 2;

} // namespace

UPowerPowerSources::UPowerPowerSources(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

std::optional<QList<QVariantMap>> UPowerPowerSources::sourceDescriptions()
{
    if (!m_bus.isConnected())
        return std::nullopt;
    const QString service = u"org.freedesktop.UPower"_s;

    // Fresh proxies for every read: a successful property read does not clear a proxy's
    // lastError, so one error check after the reads covers all of them.
    UPowerProxy daemon(service, u"/org/freedesktop/UPower"_s, m_bus);
    if (!daemon.isValid())
        return std::nullopt;
    daemon.setTimeout(callTimeoutMs);
    const bool onBattery = daemon.onBattery();
    if (daemon.lastError().isValid())
        return std::nullopt;

    UPowerDeviceProxy display(service, u"/org/freedesktop/UPower/devices/DisplayDevice"_s, m_bus);
    display.setTimeout(callTimeoutMs);
    const uint type = display.type();
    const bool present = display.isPresent();
    const double percentage = display.percentage();
    if (display.lastError().isValid())
        return std::nullopt;
    if (type != deviceTypeBattery || !present)
        return QList<QVariantMap>{};

    QVariantMap description{{powerSourceState, onBattery ? batteryPower : acPower}};
    const double rounded = std::round(percentage);
    if (rounded >= double(INT_MIN) && rounded <= double(INT_MAX)) {
        description.insert(currentCapacity, static_cast<int>(rounded));
        description.insert(maxCapacity, 100);
    }
    return QList<QVariantMap>{description};
}
