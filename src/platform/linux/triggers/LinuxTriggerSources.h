#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>
#include <QString>

#include <memory>

class Clock;

// The trigger sources of a Linux desktop: UPower for the adapter, DRM connectors in sysfs (with
// udev hot-plug events) and logind's Docked for displays, logind for remote sessions, the system
// and user systemd managers for units, logind, a clock-set timerfd and timedated for the clock,
// systemd-machined for machines, the interfaces' counters in sysfs for network traffic, /proc for
// the CPU time of processes, libpulse for sound, and inotify on the watched folders for downloads. Samples and
// downloads are dated by clock (the system's when none is given).
TriggerSources makeLinuxTriggerSources(QDBusConnection system, QDBusConnection session,
                                       QString sysfsRoot = QStringLiteral("/sys"),
                                       std::shared_ptr<const Clock> clock = nullptr);
