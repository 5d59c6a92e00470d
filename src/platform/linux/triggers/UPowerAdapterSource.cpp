#include "UPowerAdapterSource.h"

#include "DBusFollow.h"

#include <QDBusServiceWatcher>

using namespace Qt::StringLiterals;
using namespace DBusFollow;

namespace {

const QString service = u"org.freedesktop.UPower"_s;
const QString daemonPath = u"/org/freedesktop/UPower"_s;
const QString daemonInterface = u"org.freedesktop.UPower"_s;
const QString displayPath = u"/org/freedesktop/UPower/devices/DisplayDevice"_s;
const QString deviceInterface = u"org.freedesktop.UPower.Device"_s;
constexpr uint deviceTypeBattery = 2;

} // namespace

UPowerAdapterSource::UPowerAdapterSource(QDBusConnection systemBus, QObject *parent)
    : AdapterSource(parent)
    , m_bus(std::move(systemBus))
{
}

UPowerAdapterSource::~UPowerAdapterSource() = default;

void UPowerAdapterSource::setFollowing(bool on)
{
    if (on == (m_period != nullptr))
        return;
    if (!on) {
        m_relay->dropAll();
        m_period->deleteLater();
        m_period = nullptr;
        m_relay = nullptr;
        // Not followed, the last answer would go stale unseen; no one reads it meanwhile.
        m_onBattery.reset();
        m_hasBattery = false;
        return;
    }
    if (!m_bus.isConnected())
        return;
    m_period = new QObject(this);
    m_relay = new SignalRelay(m_bus, m_period);
    // UPower may start after us, or restart: read everything again whenever it gets an owner.
    auto *watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, m_period);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, m_period,
            [this, period = m_period](const QString &, const QString &, const QString &owner) {
                if (period != m_period)
                    return; // let go, waiting for deletion
                if (owner.isEmpty())
                    update(std::nullopt, false);
                else
                    readAll();
            });
    m_relay->follow(service, daemonPath, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s,
                    [this](const QDBusMessage &signal) {
                        const PropertiesChange change = propertiesChange(signal);
                        if (change.changed.contains(u"OnBattery"_s))
                            update(change.changed.value(u"OnBattery"_s).toBool(), m_hasBattery);
                        else if (change.invalidated.contains(u"OnBattery"_s))
                            readOnBattery();
                    },
                    daemonInterface);
    // A battery plugged in or out (rare) changes the display device's type.
    for (const QString &name : {u"DeviceAdded"_s, u"DeviceRemoved"_s})
        m_relay->follow(service, daemonPath, daemonInterface, name, [this](const QDBusMessage &) { readBattery(); });
    readAll();
}

void UPowerAdapterSource::readAll()
{
    readOnBattery();
    readBattery();
}

void UPowerAdapterSource::readOnBattery()
{
    QObject *period = m_period;
    call(m_bus, propertyGet(service, daemonPath, daemonInterface, u"OnBattery"_s), period,
         [this, period](const QDBusMessage &reply) {
             if (period != m_period)
                 return;
             const std::optional<QVariant> value = gotProperty(reply);
             update(value ? std::optional<bool>(value->toBool()) : std::nullopt, m_hasBattery);
         });
}

void UPowerAdapterSource::readBattery()
{
    QObject *period = m_period;
    call(m_bus, propertyGetAll(service, displayPath, deviceInterface), period,
         [this, period](const QDBusMessage &reply) {
             if (period != m_period)
                 return;
             // The display device is the combined battery; a UPS or nothing at all is no battery.
             const std::optional<QVariantMap> properties = gotProperties(reply);
             const bool battery = properties && properties->value(u"Type"_s).toUInt() == deviceTypeBattery &&
                                  properties->value(u"IsPresent"_s).toBool();
             update(m_onBattery, battery);
         });
}

void UPowerAdapterSource::update(std::optional<bool> onBattery, bool hasBattery)
{
    if (onBattery == m_onBattery && hasBattery == m_hasBattery)
        return;
    m_onBattery = onBattery;
    m_hasBattery = hasBattery;
    emit changed();
}
