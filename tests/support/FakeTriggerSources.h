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

class FakeAudioSource final : public AudioSource {
public:
    std::optional<QList<AudioStream>> playing = QList<AudioStream>{};
    bool following = false;
    std::optional<QList<AudioStream>> streams() const override { return playing; }
    void setFollowing(bool on) override { following = on; }
};

class FakeMachineSource final : public MachineSource {
public:
    std::optional<QList<Machine>> running = QList<Machine>{};
    bool following = false;
    std::optional<QList<Machine>> machines() const override { return running; }
    void setFollowing(bool on) override { following = on; }
};

class FakeNetworkSource final : public NetworkSource {
public:
    QList<NetworkSample> history;
    bool following = false;
    QList<NetworkSample> samples() const override { return history; }
    void setFollowing(bool on) override { following = on; }
};

class FakeProcessCpuSource final : public ProcessCpuSource {
public:
    QList<CpuSample> history;
    bool following = false;
    bool commandLines = false;
    void setCommandLines(bool needed) override { commandLines = needed; }
    QList<CpuSample> samples() const override { return history; }
    void setFollowing(bool on) override { following = on; }
};

class FakeDownloadSource final : public DownloadSource {
public:
    QHash<QString, FolderState> folders; // by path
    QList<FolderWatch> followed;
    bool following = false;
    void setFolders(const QList<FolderWatch> &watches) override { followed = watches; }
    FolderState state(const FolderWatch &folder) const override { return folders.value(folder.path); }
    void setFollowing(bool on) override { following = on; }
};

struct FakeTriggerSources {
    std::shared_ptr<FakeAdapterSource> adapter = std::make_shared<FakeAdapterSource>();
    std::shared_ptr<FakeDisplaySource> displays = std::make_shared<FakeDisplaySource>();
    std::shared_ptr<FakeRemoteSessionSource> sessions = std::make_shared<FakeRemoteSessionSource>();
    std::shared_ptr<FakeUnitSource> units = std::make_shared<FakeUnitSource>();
    std::shared_ptr<FakeClockEventSource> clock = std::make_shared<FakeClockEventSource>();
    std::shared_ptr<FakeAudioSource> audio = std::make_shared<FakeAudioSource>();
    std::shared_ptr<FakeMachineSource> machines = std::make_shared<FakeMachineSource>();
    std::shared_ptr<FakeNetworkSource> network = std::make_shared<FakeNetworkSource>();
    std::shared_ptr<FakeProcessCpuSource> cpu = std::make_shared<FakeProcessCpuSource>();
    std::shared_ptr<FakeDownloadSource> downloads = std::make_shared<FakeDownloadSource>();

    TriggerSources sources() const
    {
        return {adapter, displays, sessions, units, clock, audio, machines, network, cpu, downloads};
    }
};
