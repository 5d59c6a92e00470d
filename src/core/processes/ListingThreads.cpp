#include "ListingThreads.h"

#include <QPromise>
#include <QThread>

#include <algorithm>
#include <memory>

using Listing = ProcessSnapshotProviding::Listing;

ListingThreads::~ListingThreads()
{
    reap();
    // Still listing, perhaps for good: left to end on their own, and to delete themselves if the
    // event loop still runs by then.
    for (const auto &[thread, future] : m_threads)
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void ListingThreads::reap()
{
    // A thread whose listing is done is only ending: waiting for it takes no time.
    const auto done = [](const auto &entry) {
        if (!entry.second.isFinished())
            return false;
        entry.first->wait();
        delete entry.first;
        return true;
    };
    m_threads.erase(std::remove_if(m_threads.begin(), m_threads.end(), done), m_threads.end());
}

QFuture<Listing> ListingThreads::run(std::function<Listing()> listing)
{
    reap();
    auto promise = std::make_shared<QPromise<Listing>>();
    QFuture<Listing> future = promise->future();
    promise->start();
    // A QThread rather than a bare thread: a listing may need an event dispatcher (QProcess does).
    QThread *thread = QThread::create([promise, listing = std::move(listing)] {
        promise->addResult(listing());
        promise->finish();
    });
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        // Out of threads: the listing fails like any other.
        delete thread;
        promise->addResult(std::nullopt);
        promise->finish();
        return future;
    }
    m_threads.emplace_back(thread, future);
    return future;
}
