#pragma once

#include "utilities/RawValue.h"

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <array>
#include <optional>

// How a rule's name is compared: with the executable's file name, or anywhere in the command line.
enum class ProcessMatchMode { Exact, Contains };

inline constexpr std::array<ProcessMatchMode, 2> allProcessMatchModes{ProcessMatchMode::Exact,
                                                                       ProcessMatchMode::Contains};

QString rawValue(ProcessMatchMode mode);
QString displayName(ProcessMatchMode mode);
template <> std::optional<ProcessMatchMode> fromRawValue<ProcessMatchMode>(QStringView text);

// One running process as the snapshot reports it.
struct RunningProcess {
    qint64 pid = 0;
    QString executableName; // last path component of the executable's path
    QString commandLine;    // executable path and arguments

    bool operator==(const RunningProcess &) const = default;
};

// "Keep awake while a process with this name runs." Names compare case-insensitively and are
// never trimmed: " node" is not "node".
struct ProcessRule {
    QUuid id;
    QString name;
    bool enabled = false;
    ProcessMatchMode matchMode = ProcessMatchMode::Exact;

    bool operator==(const ProcessRule &) const = default;

    // Names that match many unrelated processes.
    static const QSet<QString> &broadNames();
    // Typical long-running tools, offered as quick choices.
    static const QStringList &suggestedNames();

    bool isBroad() const;
    bool matches(const RunningProcess &process) const;
    // Ignores enabled: the watcher applies it.
    qsizetype matchCount(const QList<RunningProcess> &processes) const;

    // Exactly "id", "name", "enabled", "matchMode"; all required.
    QJsonObject toJson() const;
    static std::optional<ProcessRule> fromJson(const QJsonValue &value);
};
