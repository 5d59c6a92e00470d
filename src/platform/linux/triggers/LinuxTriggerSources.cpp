#include "LinuxTriggerSources.h"

#include "DrmDisplaySource.h"
#include "LinuxClockEventSource.h"
#include "LogindRemoteSessionSource.h"
#include "PulseAudioSource.h"
#include "SystemdUnitSource.h"
#include "UPowerAdapterSource.h"

TriggerSources makeLinuxTriggerSources(QDBusConnection system, QDBusConnection session, QString sysfsRoot)
{
    TriggerSources sources;
    sources.adapter = std::make_shared<UPowerAdapterSource>(system);
    sources.displays = std::make_shared<DrmDisplaySource>(system, std::move(sysfsRoot));
    sources.remoteSessions = std::make_shared<LogindRemoteSessionSource>(system);
    sources.units = std::make_shared<SystemdUnitSource>(system, session);
    sources.clockEvents = std::make_shared<LinuxClockEventSource>(system);
    sources.audio = std::make_shared<PulseAudioSource>();
    return sources;
}
