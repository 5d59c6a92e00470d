#pragma once

#include "utilities/RawValue.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <array>
#include <optional>

// How much of the machine stays awake. Display outranks system: keeping the screen on also keeps
// the system up.
enum class AwakeMode { System, Display };

inline constexpr std::array<AwakeMode, 2> allAwakeModes{AwakeMode::System, AwakeMode::Display};

QString rawValue(AwakeMode mode);
QString displayName(AwakeMode mode);
template <> std::optional<AwakeMode> fromRawValue<AwakeMode>(QStringView text);

// Where a reason came from.
enum class ReasonType { Manual, Timed, UntilTime, Process, Command, Trigger };

QString rawValue(ReasonType type);
QString noun(ReasonType type);
template <> std::optional<ReasonType> fromRawValue<ReasonType>(QStringView text);

// One independent claim that the machine should stay awake. id, type and startedAt never change
// after creation; label, endsAt and mode change only through AssertionManager::updateReason.
struct AwakeReason {
    QUuid id;
    ReasonType type = ReasonType::Manual;
    QString label;
    QDateTime startedAt;
    std::optional<QDateTime> endsAt;
    AwakeMode mode = AwakeMode::System;

    bool operator==(const AwakeReason &) const = default;

    // Seconds left at the given time: absent without an end, never negative, never NaN.
    std::optional<double> remaining(const QDateTime &at) const;

    // "id", "type", "label", "startedAt", ["endsAt"], "mode"; dates as seconds since 2001-01-01 UTC.
    QJsonObject toJson() const;
    static std::optional<AwakeReason> fromJson(const QJsonValue &value);
};
