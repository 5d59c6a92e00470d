#pragma once

#include <QList>
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

// The platform's sources; any may be absent where the platform has no such facts, and rules of
// that kind then say so.
struct TriggerSources {
    std::shared_ptr<AdapterSource> adapter;
    std::shared_ptr<DisplaySource> displays;
    std::shared_ptr<RemoteSessionSource> remoteSessions;
    std::shared_ptr<UnitSource> units;
    std::shared_ptr<ClockEventSource> clockEvents;
};
