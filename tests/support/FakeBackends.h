#pragma once

#include "FakeClipboard.h"
#include "FakeInhibitorSurvey.h"
#include "FakePowerAssertion.h"
#include "FakePowerSources.h"
#include "FakeProcessSnapshotProvider.h"
#include "InMemoryUserDefaults.h"
#include "ManualClock.h"
#include "RecordingNotificationSink.h"

#include "app/AppCoordinator.h"

#include <memory>

// Every backend a coordinator needs, as fakes the test keeps a hold of.
struct FakeBackends {
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    std::shared_ptr<FakePowerAssertion> assertion = std::make_shared<FakePowerAssertion>();
    std::shared_ptr<FakePowerSources> powerSources = std::make_shared<FakePowerSources>();
    std::shared_ptr<RecordingNotificationSink> notifications = std::make_shared<RecordingNotificationSink>();
    std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<FakeInhibitorSurvey> survey = std::make_shared<FakeInhibitorSurvey>();
    // Owned by the coordinator made from these backends; valid while it lives.
    FakeProcessSnapshotProvider *processes = nullptr;

    // Hands the fakes to a new coordinator's backend set. Each call makes a fresh process list.
    AppCoordinator::Backends backends()
    {
        auto provider = std::make_unique<FakeProcessSnapshotProvider>();
        processes = provider.get();
        return {defaults,      assertion,
                powerSources,  std::move(provider),
                notifications, QStringLiteral("com.quillmere.vigila.tests"),
                clipboard,     clock,
                nullptr,       survey};
    }

    std::unique_ptr<AppCoordinator> makeCoordinator() { return std::make_unique<AppCoordinator>(backends()); }
};
