#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>
#include <QHash>

#include <array>

namespace DBusFollow {
class SignalRelay;
}

// systemd units, of the system's manager (system bus) or the user's own (session bus). While
// following, each manager with a unit to watch is subscribed to, every unit is found (GetUnit,
// or LoadUnit for one not in memory) and its ActiveState followed through PropertiesChanged.
// A unit that does not exist is NotFound until the manager announces it (UnitNew). A name that is
// not a valid unit name is NotFound without a call.
class SystemdUnitSource final : public UnitSource {
    Q_OBJECT
public:
    SystemdUnitSource(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent = nullptr);
    ~SystemdUnitSource() override;

    void setFollowing(bool on) override;
    void setUnits(const QList<UnitRef> &units) override;
    UnitStatus status(const UnitRef &unit) const override;

    static bool isValidUnitName(const QString &name);

private:
    struct Manager {
        QDBusConnection bus;
        QObject *period = nullptr;
        DBusFollow::SignalRelay *relay = nullptr;
    };
    struct Unit {
        UnitStatus status;
        QString path;   // the unit's object, once found
        quint64 read = 0; // the latest lookup; answers to older ones are dropped
        // GetUnit or LoadUnit under way: its answer comes after any UnitNew sent before it.
        bool lookingUp = false;
    };

    void apply();
    void startManager(bool user);
    void stopManager(bool user);
    void managerAppeared(bool user);
    void managerGone(bool user);
    void resolve(const UnitRef &ref, bool mayLoad);
    void found(const UnitRef &ref, quint64 read, const QString &path);
    void readProperties(const UnitRef &ref, quint64 read);
    void setStatus(const UnitRef &ref, const UnitStatus &status);
    void forgetPath(const UnitRef &ref);
    Manager &manager(bool user) { return m_managers[user ? 1 : 0]; }

    std::array<Manager, 2> m_managers;
    bool m_following = false;
    QList<UnitRef> m_wanted;
    QHash<UnitRef, Unit> m_units;
    quint64 m_reads = 0;
};
