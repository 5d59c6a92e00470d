#pragma once

#include <QString>

// The battery policy's answer: carry on silently, carry on with a warning, or stop now. The reason
// is the sentence shown to the user; an ok decision has none.
struct BatteryDecision {
    enum class Kind { Ok, Warn, Stop };

    Kind kind = Kind::Ok;
    QString reason;

    static BatteryDecision ok() { return {}; }
    static BatteryDecision warn(const QString &reason) { return {Kind::Warn, reason}; }
    static BatteryDecision stop(const QString &reason) { return {Kind::Stop, reason}; }

    bool operator==(const BatteryDecision &) const = default;
};
