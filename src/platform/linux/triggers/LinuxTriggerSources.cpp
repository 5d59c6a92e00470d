#include "LinuxTriggerSources.h"

#include "DrmDisplaySource.h"
#include "LinuxClockEventSource.h"
#include "LogindRemoteSessionSource.h"
#include "SystemdUnitSource.h"
#include "UPowerAdapterSource.h"
#include "triggers/FolderDownloadSource.h"
#include "utilities/Clock.h"

TriggerSources makeLinuxTriggerSources(QDBusConnection system, QDBusConnection session, QString sysfsRoot)
{
    TriggerSources sources;
    sources.adapter = std::make_shared<UPowerAdapterSource>(system);
    sources.displays = std::make_shared<DrmDisplaySource>(system, std::move(sysfsRoot));
    sources.remoteSessions = std::make_shared<LogindRemoteSessionSource>(system);
    sources.units = std::make_shared<SystemdUnitSource>(system, session);
    sources.clockEvents = std::make_shared<LinuxClockEventSource>(system);
    // The wall clock, as the engine's own: the source keeps it for as long as the program runs.
    static const SystemClock clock;
    sources.downloads = std::make_shared<FolderDownloadSource>(clock);
    return sources;
}
