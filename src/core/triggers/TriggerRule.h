#pragma once

#include "power/AwakeReason.h"
#include "triggers/Schedule.h"
#include "triggers/TriggerSources.h"
#include "utilities/RawValue.h"

#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <array>
#include <optional>

// The conditions a trigger can follow.
enum class TriggerKind {
    PowerAdapter,
    ExternalDisplay,
    RemoteSession,
    Unit,
    Schedule,
    Audio,
    Download,
    Network,
    Busy,
    Machine,
};

inline constexpr std::array<TriggerKind, 10> allTriggerKinds{
    TriggerKind::PowerAdapter, TriggerKind::ExternalDisplay, TriggerKind::RemoteSession, TriggerKind::Unit,
    TriggerKind::Schedule,     TriggerKind::Audio,           TriggerKind::Download,      TriggerKind::Network,
    TriggerKind::Busy,         TriggerKind::Machine};

// "ac", "display", "remote-session", "unit", "schedule", "audio", "download", "network", "busy",
// "machine": also the command line's words.
QString rawValue(TriggerKind kind);
// "Power adapter connected", …
QString displayName(TriggerKind kind);
template <> std::optional<TriggerKind> fromRawValue<TriggerKind>(QStringView text);

// "Keep awake while this condition holds." The kind is kept as text, so that a rule of a kind this
// version does not know (written by a newer one) survives a save; such a rule, and one whose
// parameters are missing or wrong, cannot run and says why in problem().
struct TriggerRule {
    QUuid id;
    QString name;
    QString kind;
    bool enabled = false;
    // Absent: the preferences' default mode.
    std::optional<AwakeMode> mode;
    // The kind's own: "anyUser" (remote-session), "unit" and "userUnit" (unit), "schedule";
    // "ignore" and "only" (audio: application names or binaries); "folders" and "patterns"
    // (download); "kilobytesPerSecond", "windowSeconds" and "interface" (network); "process",
    // "matchMode", "cpuPercent" and "windowSeconds" (busy); "machine" (machine: empty for any).
    QJsonObject parameters;
    // The condition must hold this long before the reason starts…
    int delaySeconds = 0;
    // …and the reason stays this long after it ends.
    int graceSeconds = 0;
    bool onlyOnAC = false;
    // Members written by another version, kept as they were.
    QJsonObject otherMembers;
    // Set on load when a stored member was unusable (the rule then loads turned off); not stored.
    QString loadProblem;

    bool operator==(const TriggerRule &) const = default;

    static constexpr int maximumSeconds = 24 * 3600;
    static constexpr qsizetype maximumNameLength = 200;

    std::optional<TriggerKind> knownKind() const { return fromRawValue<TriggerKind>(kind); }
    // Why the rule cannot run; empty when it can.
    QString problem() const;
    // Enabled, and able to run.
    bool isLive() const { return enabled && problem().isEmpty(); }

    bool anyUser() const;
    UnitRef unit() const;
    std::optional<Schedule> schedule() const;
    QStringList stringList(QLatin1StringView key) const;
    QString text(QLatin1StringView key) const;
    double number(QLatin1StringView key, double fallback) const;
    // The folders a download rule watches (the user's download folder when none is given), and
    // the names of partial files it looks for.
    QList<FolderWatch> downloadFolders() const;

    // A download holds while a partial file grew this recently.
    static constexpr int downloadStallSeconds = 60;
    // Network and busy windows, in seconds.
    static constexpr int minimumWindowSeconds = 10;
    static constexpr int maximumWindowSeconds = 600;
    // The partial-download names looked for when a rule gives none.
    static const QStringList &defaultDownloadPatterns();

    // What the rule waits for, for people: "backup.service running", "Weekdays 09:00–17:30".
    QString conditionText() const;

    // A new enabled rule of a kind, named after its condition unless given a name.
    static TriggerRule make(TriggerKind kind, QJsonObject parameters = {}, const QString &name = {});

    QJsonObject toJson() const;
    // Absent only for what is not a JSON object. Anything else loads: members missing or of the
    // wrong type take their defaults and leave the rule unable to run (with the problem said).
    static std::optional<TriggerRule> fromJson(const QJsonValue &value);

    // A systemd unit name: its characters and a known type suffix.
    static bool isValidUnitName(const QString &name);
};
