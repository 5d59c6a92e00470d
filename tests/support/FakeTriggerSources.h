#pragma once

#include "triggers/TriggerSources.h"

#include <QHash>

// Sources whose facts the test sets; each setter reports the change as a real source would.
// `following` records what the engine asked for.
class FakeAdapterSource final : public AdapterSource {
public:
    std::optional<bool> battery;
    bool present = true;
    bool following = false;
    std::optional<bool> onBattery() const override { return battery; }
    bool hasBattery() const override { return present; }
    void setFollowing(bool on) override { following = on; }
    void set(std::optional<bool> onBattery)
    {
        battery = onBattery;
        emit changed();
    }
};

class FakeDisplaySource final : public DisplaySource {
public:
    QStringList displays;
    bool following = false;
    QStringList externalDisplays() const override { return displays; }
    void setFollowing(bool on) override { following = on; }
    void set(QStringList connected)
    {
        displays = std::move(connected);
        emit changed();
    }
};

class FakeRemoteSessionSource final : public RemoteSessionSource {
public:
    QList<RemoteSession> sessions;
    bool following = false;
    QList<RemoteSession> remoteSessions() const override { return sessions; }
    void setFollowing(bool on) override { following = on; }
    void set(QList<RemoteSession> open)
    {
        sessions = std::move(open);
        emit changed();
    }
};

class FakeUnitSource final : public UnitSource {
public:
    QHash<UnitRef, UnitStatus> statuses;
    QList<UnitRef> followed;
    bool following = false;
    void setUnits(const QList<UnitRef> &units) override { followed = units; }
    UnitStatus status(const UnitRef &unit) const override { return statuses.value(unit); }
    void setFollowing(bool on) override { following = on; }
    void set(const UnitRef &unit, UnitStatus status)
    {
        statuses.insert(unit, status);
        emit changed();
    }
};

class FakeClockEventSource final : public ClockEventSource {
public:
    bool following = false;
    void setFollowing(bool on) override { following = on; }
    void jump() { emit changed(); }
};

struct FakeTriggerSources {
    std::shared_ptr<FakeAdapterSource> adapter = std::make_shared<FakeAdapterSource>();
    std::shared_ptr<FakeDisplaySource> displays = std::make_shared<FakeDisplaySource>();
    std::shared_ptr<FakeRemoteSessionSource> sessions = std::make_shared<FakeRemoteSessionSource>();
    std::shared_ptr<FakeUnitSource> units = std::make_shared<FakeUnitSource>();
    std::shared_ptr<FakeClockEventSource> clock = std::make_shared<FakeClockEventSource>();

    TriggerSources sources() const { return {adapter, displays, sessions, units, clock}; }
};
