#pragma once

#include "processes/ProcessSnapshotProviding.h"

#include <QList>
#include <QPromise>

#include <memory>
#include <vector>

// A fixed process list the test sets, or a failed listing; counts how often it was asked for.
// While hangs is set, a listing does not finish until the test finishes it.
class FakeProcessSnapshotProvider final : public ProcessSnapshotProviding {
public:
    QFuture<Listing> snapshot(Detail detail) override
    {
        ++snapshotCount;
        lastDetail = detail;
        if (hangs) {
            auto &promise = pending.emplace_back(std::make_unique<QPromise<Listing>>());
            promise->start();
            return promise->future();
        }
        return ready(fails ? Listing() : Listing(processes));
    }

    // Finishes every hanging listing with the current list (or a failure).
    void finishPending()
    {
        for (const auto &promise : pending) {
            promise->addResult(fails ? Listing() : Listing(processes));
            promise->finish();
        }
        pending.clear();
    }

    QList<RunningProcess> processes;
    bool fails = false;
    bool hangs = false;
    int snapshotCount = 0;
    Detail lastDetail = Detail::CommandLines;
    std::vector<std::unique_ptr<QPromise<Listing>>> pending;
};
