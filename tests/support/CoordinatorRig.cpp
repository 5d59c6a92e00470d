#include "CoordinatorRig.h"

#include "timers/SessionTimerManager.h"

#include <QCoreApplication>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

CoordinatorRig::CoordinatorRig(const std::optional<PreferencesStore::Stored> &preferences,
                               std::shared_ptr<ManualClock> clock)
    : clock(std::move(clock))
{
    if (preferences)
        defaults->values.insert(PreferencesStore::key(), QJsonDocument(preferences->toJson()).toJson());
    power->descriptions = QList<QVariantMap>{}; // a desktop: no battery
    auto provider = std::make_unique<FakeProcessSnapshotProvider>();
    processes = provider.get();
    AppCoordinator::Backends backends{
        defaults, lock, power, std::move(provider), sink, u"com.quillmere.vigila"_s, clipboard, this->clock};
    backends.triggerSources = triggers.sources();
    app = std::make_unique<AppCoordinator>(std::move(backends));
}

void CoordinatorRig::settle()
{
    // Every kind of event, as the event loop would: delivering only some leaves the others' slots
    // in Qt's queue, which then grows for as long as the run lasts.
    QCoreApplication::sendPostedEvents();
}

void CoordinatorRig::settleAll()
{
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CoordinatorRig::tick(double seconds)
{
    clock->advance(seconds);
    app->timers().tick(clock->now());
    settle();
}

void CoordinatorRig::clearLogs()
{
    // Assigning empty lists frees their storage; clear() would keep the capacity.
    lock->calls = {};
    sink->posts = {};
    defaults->writes = {};
    clipboard->texts = {};
}
