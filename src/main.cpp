// The composition root: the only place that knows the Linux backends, the logic and the tray.
// Built as the module the vigila executable loads when it starts without a command (entry.cpp).

#include "AppDelegate.h"
#include "ControlService.h"
#include "SingleInstance.h"
#include "SystemClipboard.h"
#include "UnixSignalWatcher.h"

#include "linux/DesktopNotificationSink.h"
#include "linux/InhibitorPowerAssertion.h"
#include "linux/InhibitorSurvey.h"
#include "linux/LinuxPowerSources.h"
#include "linux/PidfdExitWatcher.h"
#include "linux/ProcFsProcessSnapshotProvider.h"
#include "linux/XdgAutostartLoginItem.h"
#include "linux/triggers/LinuxTriggerSources.h"

#include "notifications/NotificationManager.h"
#include "power/AssertionManager.h"
#include "preferences/SettingsUserDefaults.h"
#include "utilities/Clock.h"
#include "utilities/Log.h"
#include "utilities/Translations.h"

#include <QApplication>
#include <QDBusConnection>
#include <QPointer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

bool hasGraphicalSession()
{
    // An explicit platform (offscreen, vnc, …) is the user's choice; otherwise X11 or Wayland is needed.
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

extern "C" Q_DECL_EXPORT int vigilaTrayMain(int argc, char *argv[])
{
    if (!hasGraphicalSession()) {
        std::fprintf(stderr,
                     "vigila: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "vigila: Vigila lives in the desktop's system tray; start it from a desktop session.\n");
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Quillmere"_s);
    QApplication::setApplicationName(u"Vigila"_s);
    QApplication::setDesktopFileName(NotificationManager::productionApplicationId());
    Translations::install();

    SingleInstance instance;
    switch (instance.acquire()) {
    case SingleInstance::Outcome::Primary:
        break;
    case SingleInstance::Outcome::AnotherInstance: {
        const qint64 owner = instance.ownerPid();
        const QString message =
            owner > 0 ? QCoreApplication::translate("main", "Vigila is already running (process %1); leaving it as it is.")
                            .arg(owner)
                      : QCoreApplication::translate("main", "Vigila is already running; leaving it as it is.");
        std::fprintf(stderr, "vigila: %s\n", qUtf8Printable(message));
        return 0;
    }
    case SingleInstance::Outcome::NoLock:
        // Not knowing is no reason to stay away (at login nobody would notice Vigila missing).
        Log::error(u"Cannot make sure only one Vigila runs, starting anyway: no lock file (%1)"_s.arg(
            instance.failure()));
        break;
    }

    // Logout (SIGTERM), Ctrl+C (SIGINT) and a closed terminal (SIGHUP) end Vigila like "Quit Vigila". A
    // signal that arrives during the launch waits in the watcher's socket until the event loop runs.
    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::signalReceived, &app, [](int number) {
        const QString name = number == SIGTERM ? u"SIGTERM"_s : number == SIGINT ? u"SIGINT"_s : u"SIGHUP"_s;
        Log::info(u"Received %1; quitting."_s.arg(name));
        QCoreApplication::quit();
    });

    const auto inhibitor = std::make_shared<InhibitorPowerAssertion>();
    const auto survey = std::make_shared<InhibitorSurvey>();
    AppCoordinator::Backends backends{
        std::make_shared<SettingsUserDefaults>(),
        inhibitor,
        std::make_shared<LinuxPowerSources>(),
        std::make_unique<ProcFsProcessSnapshotProvider>(),
        std::make_shared<DesktopNotificationSink>(NotificationManager::productionApplicationId()),
        NotificationManager::productionApplicationId(),
        std::make_shared<SystemClipboard>(),
        std::make_shared<SystemClock>(),
        std::make_unique<PidfdExitWatcher>(),
        survey,
        makeLinuxTriggerSources(QDBusConnection::systemBus(), QDBusConnection::sessionBus()),
    };

    AppDelegate delegate;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    delegate.applicationDidFinishLaunching(std::move(backends), std::make_shared<XdgAutostartLoginItem>(
                                                                    QCoreApplication::applicationFilePath()));

    // Scripts and `vigila <command>` reach the coordinator through com.quillmere.Vigila.
    ControlService control(*delegate.coordinator());
    control.registerOn(QDBusConnection::sessionBus());

    // "Also Keeping Awake" leaves out the locks held by us and by the clients we hold for.
    const QPointer<AssertionManager> assertions = &delegate.coordinator()->assertions();
    survey->setOwnLocks([assertions, control = QPointer<ControlService>(&control)] {
        InhibitorSurvey::OwnLocks own = InhibitorSurvey::OwnLocks::ofThisProcess();
        if (control)
            own.pids.unite(control->holderPids());
        if (assertions && assertions->isAssertionActive() && assertions->currentMode())
            own.heldLockName = AssertionManager::lockName(*assertions->currentMode());
        return own;
    });

    return QApplication::exec();
}
