#pragma once

#include "FakeClipboard.h"
#include "FakePowerAssertion.h"
#include "FakePowerSources.h"
#include "FakeProcessSnapshotProvider.h"
#include "FakeTriggerSources.h"
#include "InMemoryUserDefaults.h"
#include "ManualClock.h"
#include "RecordingNotificationSink.h"
#include "app/AppCoordinator.h"
#include "preferences/PreferencesStore.h"

#include <memory>
#include <optional>

// A coordinator on fakes: a hand-driven clock, an in-memory store holding the given preferences
// (empty without them, so the coordinator starts from its defaults), a pretend lock, a power
// source and process list the test sets, recorded notifications and clipboard.
class CoordinatorRig {
public:
    explicit CoordinatorRig(const std::optional<PreferencesStore::Stored> &preferences = std::nullopt,
                            std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>());

    // Runs the refreshes the assertion manager's changes queued.
    static void settle();
    // Also deletes what was handed to deleteLater (a finished command's process).
    static void settleAll();

    // Advances the clock and delivers one heartbeat at the new time.
    void tick(double seconds = 1);
    // The fakes keep every call, post and write; long runs drop them now and then.
    void clearLogs();

    std::shared_ptr<ManualClock> clock;
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    std::shared_ptr<FakePowerAssertion> lock = std::make_shared<FakePowerAssertion>();
    std::shared_ptr<FakePowerSources> power = std::make_shared<FakePowerSources>();
    std::shared_ptr<RecordingNotificationSink> sink = std::make_shared<RecordingNotificationSink>();
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    FakeProcessSnapshotProvider *processes = nullptr; // owned by the watcher
    FakeTriggerSources triggers;
    std::unique_ptr<AppCoordinator> app;
};
