#pragma once

#include "power/AwakeReason.h"

#include <QList>
#include <QString>

#include <optional>

// The one-word summary of what keeps the machine awake, drawn by the tray.
enum class StatusIconState { Inactive, System, Display, Timed, Process, Command, BatteryWarning, Error };

// The state's name outside the program (the D-Bus interface, the command line): "inactive",
// "system", "display", "timed", "process", "command", "batteryWarning", "error".
QString rawValue(StatusIconState state);

namespace StatusIcon {

enum class Tint { None, Orange, Red };

// Icon-theme fallback name used when the brand images are missing.
QString symbolName(StatusIconState state);
QString accessibilityDescription(StatusIconState state);
Tint tint(StatusIconState state);
bool isActive(StatusIconState state);

// Precedence: error, then battery warning (only while reasons exist), then command, process,
// timed/until-time, display, system. The order of the list does not matter.
StatusIconState resolve(const QList<AwakeReason> &reasons, std::optional<AwakeMode> effectiveMode,
                        bool batteryWarning, bool error);

} // namespace StatusIcon
