#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// What the platform reports of the conditions triggers follow. A source follows its facts only
// while asked to (setFollowing(true)): idle, with no rule of its kind enabled, it keeps nothing
// open and never wakes up. Every source is event-driven and emits changed() whenever what it
// reports may have changed; the engine reads it again then.
class TriggerSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setFollowing(bool on) = 0;

signals:
    void changed();
};

// The power adapter: whether the machine runs on battery.
class AdapterSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // Absent until known (or while the power service cannot be reached).
    virtual std::optional<bool> onBattery() const = 0;
    // A machine without a battery always counts as on AC.
    virtual bool hasBattery() const = 0;
};

// External displays: a monitor connected beside (or instead of) the built-in panel, or a dock.
class DisplaySource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // The connectors with an external display, by name ("HDMI-A-1"); "dock" stands for a dock
    // reported without a connector.
    virtual QStringList externalDisplays() const = 0;
};

// One open login session that came in over the network.
struct RemoteSession {
    QString id;
    QString user;
    QString host;    // empty when unknown
    QString service; // the PAM service that opened it ("sshd"), empty when unknown
    bool ownUser = false;

    bool operator==(const RemoteSession &) const = default;
};

class RemoteSessionSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    virtual QList<RemoteSession> remoteSessions() const = 0;
};

// A systemd unit, of the system's manager or the user's own.
struct UnitRef {
    QString name;
    bool user = false;

    bool operator==(const UnitRef &) const = default;
};

inline size_t qHash(const UnitRef &unit, size_t seed = 0) { return qHashMulti(seed, unit.name, unit.user); }

enum class UnitPresence { Unknown, NotFound, Loaded };

struct UnitStatus {
    UnitPresence presence = UnitPresence::Unknown;
    QString activeState; // systemd's ActiveState: "active", "activating", "inactive", …

    bool operator==(const UnitStatus &) const = default;
    // Active, activating, reloading or deactivating: the unit's work is under way.
    bool isRunning() const
    {
        return presence == UnitPresence::Loaded &&
               (activeState == QLatin1String("active") || activeState == QLatin1String("activating") ||
                activeState == QLatin1String("reloading") || activeState == QLatin1String("deactivating"));
    }
};

class UnitSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // The units to follow while following; the rest are let go.
    virtual void setUnits(const QList<UnitRef> &units) = 0;
    virtual UnitStatus status(const UnitRef &unit) const = 0;
};

// Moments when the wall clock may have jumped: a resume from sleep, the clock set, the time zone
// changed. Schedules are worked out again then.
class ClockEventSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
};

// One stream playing into the sound server's outputs.
struct AudioStream {
    quint32 index = 0;
    QString application; // application.name
    QString binary;      // application.process.binary
    bool corked = false;
    bool muted = false;
    bool silent = false; // every channel at volume zero

    bool operator==(const AudioStream &) const = default;
    bool isAudible() const { return !corked && !muted && !silent; }
};

class AudioSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // Absent while no sound server answers (the source keeps waiting for one).
    virtual std::optional<QList<AudioStream>> streams() const = 0;
};

// A virtual machine or container registered with the system's machine manager.
struct Machine {
    QString name;
    QString machineClass; // "vm", "container"
    QString service;      // who registered it: "libvirt-qemu", "nspawn", …

    bool operator==(const Machine &) const = default;
};

class MachineSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // Absent while the machine manager cannot be reached.
    virtual std::optional<QList<Machine>> machines() const = 0;
};

// Bytes through the network interfaces, sampled at an interval while followed.
struct InterfaceCounters {
    QString name;
    bool physical = false; // not loopback, a bridge, veth, a container's or a VM's virtual link
    quint64 bytes = 0;     // received plus sent, since the interface came up

    bool operator==(const InterfaceCounters &) const = default;
};

struct NetworkSample {
    QDateTime at;
    QList<InterfaceCounters> interfaces;

    bool operator==(const NetworkSample &) const = default;
};

class NetworkSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // Every sampleInterval while following, oldest first, as far back as maximumHistorySeconds;
    // changed() follows each new sample. Empty while the counters cannot be read.
    static constexpr int sampleIntervalSeconds = 10;
    static constexpr int maximumHistorySeconds = 660;
    virtual QList<NetworkSample> samples() const = 0;
};

// CPU time used so far by each running process, sampled at an interval while followed.
struct ProcessCpu {
    qint64 pid = 0;
    QString executableName;
    QString commandLine;
    double cpuSeconds = 0; // user plus system time since the process started

    bool operator==(const ProcessCpu &) const = default;
};

struct CpuSample {
    QDateTime at;
    QList<ProcessCpu> processes;

    bool operator==(const CpuSample &) const = default;
};

class ProcessCpuSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    static constexpr int sampleIntervalSeconds = 10;
    static constexpr int maximumHistorySeconds = 660;
    // Whether the samples need command lines (a rule matches in them) or names alone do.
    virtual void setCommandLines(bool needed) = 0;
    // Every sampleInterval while following (listed off the main thread), oldest first, as far back
    // as maximumHistorySeconds; changed() follows each new sample. A listing that fails adds none.
    virtual QList<CpuSample> samples() const = 0;
};

// Partially downloaded files in watched folders.
struct FolderWatch {
    QString path;
    QStringList patterns; // "*.part", "*.crdownload", …

    bool operator==(const FolderWatch &) const = default;
};

inline size_t qHash(const FolderWatch &folder, size_t seed = 0)
{
    return qHashMulti(seed, folder.path, folder.patterns.join(QLatin1Char('/')));
}

struct PartialDownload {
    QString fileName;
    qint64 size = 0;
    QDateTime grewAt; // when its size was last seen to change (first seen counts)

    bool operator==(const PartialDownload &) const = default;
};

struct FolderState {
    QString problem; // the folder does not exist, cannot be read, …; empty when it could be read
    QList<PartialDownload> partials;

    bool operator==(const FolderState &) const = default;
};

class DownloadSource : public TriggerSource {
    Q_OBJECT
public:
    using TriggerSource::TriggerSource;
    // Sizes are looked at this often, and only while a partial file exists.
    static constexpr int sizeCheckSeconds = 10;
    virtual void setFolders(const QList<FolderWatch> &folders) = 0;
    virtual FolderState state(const FolderWatch &folder) const = 0;
};

// The platform's sources; any may be absent where the platform has no such facts, and rules of
// that kind then say so.
struct TriggerSources {
    std::shared_ptr<AdapterSource> adapter;
    std::shared_ptr<DisplaySource> displays;
    std::shared_ptr<RemoteSessionSource> remoteSessions;
    std::shared_ptr<UnitSource> units;
    std::shared_ptr<ClockEventSource> clockEvents;
    std::shared_ptr<AudioSource> audio = nullptr;
    std::shared_ptr<MachineSource> machines = nullptr;
    std::shared_ptr<NetworkSource> network = nullptr;
    std::shared_ptr<ProcessCpuSource> processCpu = nullptr;
    std::shared_ptr<DownloadSource> downloads = nullptr;
};
