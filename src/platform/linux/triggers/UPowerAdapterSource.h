#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>

class QDBusServiceWatcher;
namespace DBusFollow {
class SignalRelay;
}

// The power adapter as UPower reports it: its OnBattery property, read when following starts and
// then followed through PropertiesChanged; whether there is a battery at all from its display
// device (a present battery-type device). Without UPower, onBattery() is absent until it appears.
class UPowerAdapterSource final : public AdapterSource {
    Q_OBJECT
public:
    explicit UPowerAdapterSource(QDBusConnection systemBus, QObject *parent = nullptr);
    ~UPowerAdapterSource() override;

    void setFollowing(bool on) override;
    std::optional<bool> onBattery() const override { return m_onBattery; }
    bool hasBattery() const override { return m_hasBattery; }

private:
    void readAll();
    void readOnBattery();
    void readBattery();
    void update(std::optional<bool> onBattery, bool hasBattery);

    QDBusConnection m_bus;
    // The current period of following: the parent of its calls, watcher and signal matches.
    QObject *m_period = nullptr;
    DBusFollow::SignalRelay *m_relay = nullptr;
    std::optional<bool> m_onBattery;
    bool m_hasBattery = false;
};
