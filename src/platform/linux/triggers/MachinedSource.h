#pragma once

#include "DBusFollow.h"
#include "triggers/TriggerSources.h"

#include <QDBusConnection>
#include <QMap>

// The virtual machines and containers systemd-machined knows: ListMachines when following starts
// (or machined appears), then MachineNew (the new machine's Class and Service read from its object)
// and MachineRemoved. Absent while machined is not on the bus; it is not started for us (machined
// starts when something registers a machine, and is then seen to appear).
class MachinedSource final : public MachineSource {
    Q_OBJECT
public:
    explicit MachinedSource(QDBusConnection systemBus, QObject *parent = nullptr);
    ~MachinedSource() override;

    void setFollowing(bool on) override;
    std::optional<QList<Machine>> machines() const override;

private:
    void listMachines();
    void readMachine(const QString &name, const QString &path);
    void forget(const QString &name);
    void reset();

    QDBusConnection m_bus;
    QObject *m_period = nullptr;
    DBusFollow::SignalRelay *m_relay = nullptr;
    DBusFollow::Roster m_roster;
    // The listing has come: what is known counts.
    bool m_listed = false;
    QMap<QString, Machine> m_machines;
};
