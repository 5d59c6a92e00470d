#include "LinuxTriggerSources.h"

#include "DrmDisplaySource.h"
#include "LinuxClockEventSource.h"
#include "LogindRemoteSessionSource.h"
#include "MachinedSource.h"
#include "ProcFsCpuSource.h"
#include "SysfsNetworkSource.h"
#include "SystemdUnitSource.h"
#include "UPowerAdapterSource.h"
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
    return sources;
}
