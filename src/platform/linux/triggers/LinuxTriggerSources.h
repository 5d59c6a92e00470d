#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>
#include <QString>

// The trigger sources of a Linux desktop: UPower for the adapter, DRM connectors in sysfs (with
// udev hot-plug events) and logind's Docked for displays, logind for remote sessions, the system
// and user systemd managers for units, logind, a clock-set timerfd and timedated for the clock, and
// libpulse for sound.
TriggerSources makeLinuxTriggerSources(QDBusConnection system, QDBusConnection session,
                                       QString sysfsRoot = QStringLiteral("/sys"));
