#pragma once

#include "processes/ProcessSnapshotProviding.h"

#include <QFuture>
#include <QPromise>
#include <QThread>

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

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

    // The function must not refer to anything that may go away before it returns. Its result
    // type's default value (nullopt for a listing) stands for a listing that failed; the future
    // holds it when no thread could be started.
    template <typename Listing>
    auto run(Listing listing) -> QFuture<std::invoke_result_t<Listing>>
    {
        using Result = std::invoke_result_t<Listing>;
        auto promise = std::make_shared<QPromise<Result>>();
        QFuture<Result> future = promise->future();
        promise->start();
        // A QThread rather than a bare thread: a listing may need an event dispatcher (QProcess does).
        QThread *thread = QThread::create([promise, listing = std::move(listing)]() mutable {
            promise->addResult(listing());
            promise->finish();
        });
        if (!start(thread, QFuture<void>(future))) {
            promise->addResult(Result{});
            promise->finish();
        }
        return future;
    }

private:
    // Starts thread and keeps it with its future; false (the thread deleted) when out of threads.
    bool start(QThread *thread, QFuture<void> future);
    void reap();

    std::vector<std::pair<QThread *, QFuture<void>>> m_threads;
};
