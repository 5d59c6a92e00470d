#include "LinuxTriggerSources.h"

#include "DrmDisplaySource.h"
#include "LinuxClockEventSource.h"
#include "LogindRemoteSessionSource.h"
#include "MachinedSource.h"
#include "ProcFsCpuSource.h"
#include "SysfsNetworkSource.h"
#include "PulseAudioSource.h"
#include "SystemdUnitSource.h"
#include "UPowerAdapterSource.h"
#include "triggers/FolderDownloadSource.h"
#include "utilities/Clock.h"

TriggerSources makeLinuxTriggerSources(QDBusConnection system, QDBusConnection session, QString sysfsRoot,
                                       std::shared_ptr<const Clock> clock)
{
    if (!clock)
        clock = std::make_shared<SystemClock>();
    TriggerSources sources;
    sources.adapter = std::make_shared<UPowerAdapterSource>(system);
    sources.displays = std::make_shared<DrmDisplaySource>(system, sysfsRoot);
    sources.remoteSessions = std::make_shared<LogindRemoteSessionSource>(system);
    sources.units = std::make_shared<SystemdUnitSource>(system, session);
    sources.clockEvents = std::make_shared<LinuxClockEventSource>(system);
    sources.machines = std::make_shared<MachinedSource>(system);
    sources.network = std::make_shared<SysfsNetworkSource>(clock, std::move(sysfsRoot));
    sources.processCpu = std::make_shared<ProcFsCpuSource>(clock);
    // The download source reads the clock by reference; the network source, destroyed after it
    // (members go in reverse order), keeps the clock alive.
    sources.downloads = std::make_shared<FolderDownloadSource>(*clock);
    sources.audio = std::make_shared<PulseAudioSource>();
    return sources;
}
