#pragma once

#include "processes/ProcessSnapshotProviding.h"

#include <QFuture>

#include <functional>
#include <utility>
#include <vector>

class QThread;

// Runs blocking listings, each on a thread of its own, and hands back their futures. Never waits
// for a listing that runs: one stuck in the kernel keeps its thread, and neither the next listing
// nor quitting waits on it (its thread is left behind). Threads whose listing is done are reaped
// at the next run and at destruction.
class ListingThreads final {
public:
    ListingThreads() = default;
    ~ListingThreads();
    ListingThreads(const ListingThreads &) = delete;
    ListingThreads &operator=(const ListingThreads &) = delete;

    // The function must not refer to anything that may go away before it returns.
    QFuture<ProcessSnapshotProviding::Listing>
    run(std::function<ProcessSnapshotProviding::Listing()> listing);

private:
    void reap();

    std::vector<std::pair<QThread *, QFuture<ProcessSnapshotProviding::Listing>>> m_threads;
};
