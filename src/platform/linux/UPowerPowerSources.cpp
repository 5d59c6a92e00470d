#include "UPowerPowerSources.h"

#include "UPowerDeviceProxy.h"
#include "UPowerProxy.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace PowerSourceKeys;

namespace {

constexpr int callTimeoutMs = 2000;
constexpr uint deviceTypeBattery = 2;

QString serviceName()
{
    return u"org.freedesktop.UPower"_s;
}

} // namespace

UPowerPowerSources::UPowerPowerSources(QDBusConnection bus)
    : m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    const QString service = serviceName();
    m_watcher =
        std::make_unique<QDBusServiceWatcher>(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(
        m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged, m_watcher.get(),
        [this](const QString &, const QString &, const QString &owner) { m_running = !owner.isEmpty(); });
    m_running = m_bus.interface() && m_bus.interface()->isServiceRegistered(service);
}

UPowerPowerSources::~UPowerPowerSources() = default;

std::optional<QList<QVariantMap>> UPowerPowerSources::sourceDescriptions()
{
    if (!m_running)
        return std::nullopt;
    const QString service = serviceName();

    // Fresh proxies for every read, since a proxy keeps its last error through later successful
    // reads. The first failed read ends the attempt: a hung service costs one timeout, not one
    // per property.
    UPowerProxy daemon(service, u"/org/freedesktop/UPower"_s, m_bus);
    if (!daemon.isValid())
        return std::nullopt;
    daemon.setTimeout(callTimeoutMs);
    const bool onBattery = daemon.onBattery();
    if (daemon.lastError().isValid())
        return std::nullopt;

    // Without a display device (UPower before 0.99) UPower has no answer for us.
    UPowerDeviceProxy display(service, u"/org/freedesktop/UPower/devices/DisplayDevice"_s, m_bus);
    display.setTimeout(callTimeoutMs);
    const uint type = display.type();
    if (display.lastError().isValid())
        return std::nullopt;
    const bool present = display.isPresent();
    if (display.lastError().isValid())
        return std::nullopt;
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
